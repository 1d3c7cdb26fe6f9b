// kor info, kor config, kor config set, kor gps-off: the recorder's identity and configuration.
#include "Commands.h"
#include "Session.h"
#include "interface/LogDirectory.h"
#include "interface/RecorderConfiguration.h"
#include "korlink/korlink.h"

#include <cstdio>
#include <optional>
#include <string>

namespace kor {
namespace {

using korlink::RecorderConfig;

struct ConfigChanges {
    std::optional<std::string> pilot, glider, compId;
    std::optional<unsigned> units, enroute, arrival;
    bool yes = false;

    bool Any() const { return pilot || glider || compId || units || enroute || arrival; }
};

std::string Shown(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : korlink::TrimTrailing(text.substr(first));
}

void PrintIdentity(const RecorderConfig& config) {
    std::printf("Recorder id      %s (serial %u)\n", config.RecorderId().c_str(),
                static_cast<unsigned>(config.serial));
    std::printf("Pilot            %s\n", Shown(config.pilot).c_str());
    std::printf("Glider           %s\n", Shown(config.glider).c_str());
    std::printf("Competition id   %s\n", Shown(config.compId).c_str());
}

void PrintConfiguration(const RecorderConfig& config, const korlink::RecorderStatus& status) {
    PrintIdentity(config);
    const auto units = korlink::UnitsOf(config.unitsCode);
    std::printf("Units            %u (%s)\n", static_cast<unsigned>(config.unitsCode),
                units.comboText);
    std::printf("En-route fixes   every %u s\n", config.enrouteInterval);
    std::printf("Arrival fixes    every %u s\n", config.arrivalInterval);
    std::printf("Approach radius  %s %s\n",
                korlink::RadiusText(config.approachRadius, config.unitsCode).c_str(),
                units.radiusUnitName);
    std::printf("Arrival radius   %s %s\n",
                korlink::RadiusText(config.arrivalRadius, config.unitsCode).c_str(),
                units.radiusUnitName);
    std::printf("Datum            %u\n", static_cast<unsigned>(config.datum));
    for (const auto& [label, value] : korlink::RecorderInfoRows(config, status))
        std::printf("%-35s %s\n", label.c_str(), value.c_str());
}

int Info(const GlobalOptions& options) {
    Session session(options);
    if (!session.IsConnected())
        return session.Status();
    const auto config = korlink::ReadConfig(session.Link());
    if (!config) {
        ReportStatus(KOR_COMMUNICATION_ERROR);
        return KOR_COMMUNICATION_ERROR;
    }
    PrintIdentity(*config);
    return 0;
}

int ShowConfig(const GlobalOptions& options) {
    Session session(options);
    if (!session.IsConnected())
        return session.Status();
    const auto config = korlink::ReadConfig(session.Link());
    const auto status = config ? korlink::ReadStatus(session.Link()) : std::nullopt;
    if (!config || !status) {
        std::fprintf(stderr, "Error reading recorder.\n");
        return KOR_COMMUNICATION_ERROR;
    }
    PrintConfiguration(*config, *status);
    return 0;
}

// A text that does not fit its field, named with the field's limit; the recorder keeps bytes,
// so a letter outside ASCII takes two or more of them.
std::optional<std::string> TooLong(const char* option, const std::optional<std::string>& value,
                                   std::size_t limit) {
    if (!value || value->size() <= limit)
        return std::nullopt;
    return std::string(option) + " \"" + *value + "\" is " + std::to_string(value->size()) +
           " bytes; the recorder keeps at most " + std::to_string(limit) +
           " (a letter outside ASCII takes two or more)";
}

// Why the changes cannot be made as given; nothing when they can.
std::optional<std::string> RefusedChange(const ConfigChanges& changes) {
    if (!changes.Any())
        return "kor config set: nothing to change";
    if (changes.pilot && Shown(*changes.pilot).empty())
        return "Invalid Pilot Name.";
    const std::optional<std::string> pilot =
        changes.pilot ? std::optional(Shown(*changes.pilot)) : std::nullopt;
    for (auto refused : {TooLong("--pilot", pilot, RecorderConfig::kPilotLength),
                         TooLong("--glider", changes.glider, RecorderConfig::kGliderLength),
                         TooLong("--comp", changes.compId, RecorderConfig::kCompIdLength)}) {
        if (refused)
            return refused;
    }
    return std::nullopt;
}

int SetConfig(const GlobalOptions& options, const ConfigChanges& changes) {
    if (const auto refused = RefusedChange(changes)) {
        std::fprintf(stderr, "%s\n", refused->c_str());
        return kUsageExit;
    }
    Session session(options);
    if (!session.IsConnected())
        return session.Status();
    auto config = korlink::ReadConfig(session.Link());
    if (!config) {
        std::fprintf(stderr, "Error reading recorder.\n");
        return KOR_COMMUNICATION_ERROR;
    }
    if (changes.pilot)
        config->pilot = korlink::ArrangePilotName(Shown(*changes.pilot));
    if (changes.glider)
        config->glider = *changes.glider;
    if (changes.compId)
        config->compId = *changes.compId;
    if (changes.units)
        config->unitsCode = static_cast<std::uint8_t>(*changes.units);
    if (changes.enroute)
        config->enrouteInterval = *changes.enroute;
    if (changes.arrival)
        config->arrivalInterval = *changes.arrival;

    const auto flights = korlink::ReadDirectoryList(session.Link()).size();
    if (flights > 0 && !changes.yes) {
        std::fprintf(stderr,
                     "Changing the configuration will destroy the %zu log(s) stored in your "
                     "recorder. Continue?\nNothing was changed: add --yes to go ahead.\n",
                     flights);
        return KOR_CANCELLED;
    }
    if (!korlink::WriteConfigChecked(session.Link(), *config)) {
        std::fprintf(stderr, "Configuration update failed.\n");
        return KOR_COMMUNICATION_ERROR;
    }
    std::printf("Recorder configuration was sucessfully updated.\n");
    return 0;
}

int GpsOff(const GlobalOptions& options) {
    Session session(options);
    if (!session.IsConnected())
        return session.Status();
    session.Link().Interrupt(1);
    session.Link().GpsOff();
    std::printf("GPS off sent to the recorder on %s\n", session.Link().PortName().c_str());
    return 0;
}

} // namespace

Command AddInfoCommand(CLI::App& app, const GlobalOptions& options) {
    return {app.add_subcommand("info", "the recorder's id, pilot, glider and competition id"),
            [&options] { return Info(options); }};
}

Command AddConfigCommand(CLI::App& app, const GlobalOptions& options) {
    auto* config = app.add_subcommand("config", "show the recorder's configuration and status");
    auto* set = config->add_subcommand(
        "set", "change the configuration (this erases the flights stored in the recorder)");
    auto changes = std::make_shared<ConfigChanges>();
    set->add_option("--pilot", changes->pilot,
                    "pilot name, at most 24 characters (two names are centred)");
    set->add_option("--glider", changes->glider, "glider type, at most 9 characters");
    set->add_option("--comp", changes->compId, "competition id, at most 3 characters");
    set->add_option("--units", changes->units, "0 nm/ft/kts, 1 km/m/m/s, 2 km/ft/kts, 3 sm/ft/kts")
        ->check(CLI::Range(0, 3));
    set->add_option("--enroute", changes->enroute, "en-route fix interval, seconds")
        ->check(CLI::Range(0, 6030));
    set->add_option("--arrival", changes->arrival, "arrival fix interval, seconds")
        ->check(CLI::Range(0, 6030));
    set->add_flag("--yes", changes->yes, "accept that the stored flights are destroyed");
    return {config, [&options, set, changes] {
                return set->parsed() ? SetConfig(options, *changes) : ShowConfig(options);
            }};
}

Command AddGpsOffCommand(CLI::App& app, const GlobalOptions& options) {
    return {app.add_subcommand("gps-off", "switch the recorder's GPS off"),
            [&options] { return GpsOff(options); }};
}

} // namespace kor
