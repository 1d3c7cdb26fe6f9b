#include "RecorderStatus.h"

#include <algorithm>

namespace korlink {

std::optional<RecorderStatus> RecorderStatus::Decode(ByteView record) {
    if (record.size() < kStoredSize)
        return std::nullopt;
    RecorderStatus status;
    status.raw.assign(record.begin(), record.end());
    status.internalVoltage = record[0];
    status.externalVoltage = record[1];
    status.backupVoltage = record[2];
    status.chargeCurrent = static_cast<std::uint16_t>((record[3] << 8) | record[4]);
    status.softwareVersion.assign(record.begin() + 9, record.begin() + 15);
    status.softwareVersion.resize(
        std::min(status.softwareVersion.find('\0'), status.softwareVersion.size()));
    return status;
}

} // namespace korlink
