#pragma once

#include "link/Bytes.h"

#include <cstdint>
#include <optional>
#include <string>

namespace korlink {

// The recorder's status record (record w, 38 bytes); its first 32 bytes are a stored log's
// recorder information block.
struct RecorderStatus {
    static constexpr std::size_t kStoredSize = 32;
    static constexpr std::uint8_t kNotAvailable = 255;

    std::uint8_t internalVoltage = 0; // tenths of a volt
    std::uint8_t externalVoltage = 0;
    std::uint8_t backupVoltage = 0;
    std::uint16_t chargeCurrent = 0; // mA
    std::string softwareVersion;     // 6 characters
    Bytes raw;

    static std::optional<RecorderStatus> Decode(ByteView record);
};

} // namespace korlink
