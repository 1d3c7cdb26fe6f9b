#include "RecorderConfiguration.h"

#include "link/RecorderLink.h"

#include <cstdio>

namespace korlink {
namespace {

std::string Volts(std::uint8_t tenths) {
    char text[32];
    std::snprintf(text, sizeof text, "%3.1f volts",
                  tenths == RecorderStatus::kNotAvailable ? 0.0 : tenths / 10.0);
    return text;
}

std::string Milliamperes(std::uint16_t current) {
    char text[32];
    std::snprintf(text, sizeof text, "%3.0f ma",
                  current >= 65001 ? 0.0 : static_cast<double>(current));
    return text;
}

} // namespace

std::optional<RecorderConfig> ReadConfig(CRecorderLink& link) {
    link.Interrupt(4);
    link.EnterUploadMode();
    const auto record = link.ReadRecord('x');
    return record ? RecorderConfig::Decode(*record) : std::nullopt;
}

std::optional<RecorderStatus> ReadStatus(CRecorderLink& link) {
    link.EnterUploadMode();
    const auto record = link.ReadRecord('w');
    return record ? RecorderStatus::Decode(*record) : std::nullopt;
}

bool WriteConfig(CRecorderLink& link, const RecorderConfig& config) {
    const std::string line = ConfigurationLine(config);
    link.Interrupt(4);
    if (!link.EnterDownloadMode())
        return false;
    return link.SendLine(line, true);
}

bool WriteConfigChecked(CRecorderLink& link, const RecorderConfig& config) {
    if (WriteConfig(link, config))
        return true;
    const auto readBack = ReadConfig(link);
    return readBack && SameConfiguration(config, *readBack);
}

std::vector<std::pair<std::string, std::string>> RecorderInfoRows(const RecorderConfig& config,
                                                                  const RecorderStatus& status) {
    return {
        {"Norvane serial number", config.RecorderId()},
        {"External voltage", Volts(status.externalVoltage)},
        {"Internal voltage (Model Lyra only)", Volts(status.internalVoltage)},
        {"Charge current (Model Lyra only)", Milliamperes(status.chargeCurrent)},
        {"Backup battery voltage", Volts(status.backupVoltage)},
        {"Software Version", status.softwareVersion},
        {"Hardware Version", std::to_string(config.hardwareVersion)},
    };
}

} // namespace korlink
