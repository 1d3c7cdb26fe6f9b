#pragma once

#include "TaskSettings.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// The analysis configuration file: a flight's (or a day's) task settings in little-endian
// archive fields.
namespace vantrel {

// The message of a configuration file that cannot be read.
inline constexpr const char* kConfigDamagedText = "Error reading config file.";

// The configuration file of a flight: its path with the last 9 characters removed and ".cfg"
// appended.
std::filesystem::path AnalysisConfigPath(const std::filesystem::path& flightPath);

enum class ConfigLoad { Loaded, Missing, Damaged };

// Reads the fields of a configuration file into `settings`. The turnpoints are emptied, the
// assigned area task turned off and the 12 assigned radii set to 1 first; the other settings
// change only when the whole file reads. Versions 1 and 2 and both gate layouts are read;
// turnpoints beyond 12 are passed over.
ConfigLoad ReadAnalysisConfig(std::span<const std::uint8_t> bytes, TaskSettings& settings);
// As above from a file; Missing when there is none.
ConfigLoad LoadAnalysisConfig(const std::filesystem::path& path, TaskSettings& settings);

// The bytes of a version 2 file.
std::string AnalysisConfigBytes(const TaskSettings& settings);
// Writes a version 2 file (to a temporary file renamed into place); false when it cannot.
bool SaveAnalysisConfig(const std::filesystem::path& path, const TaskSettings& settings);

} // namespace vantrel
