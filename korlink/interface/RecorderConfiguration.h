#pragma once

#include "RecorderConfig.h"
#include "RecorderStatus.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korlink {

class CRecorderLink;

// Reading and writing the configuration over the link.
std::optional<RecorderConfig> ReadConfig(CRecorderLink& link);
std::optional<RecorderStatus> ReadStatus(CRecorderLink& link);
// Sends the configuration line in download mode; true when the recorder acknowledged it.
bool WriteConfig(CRecorderLink& link, const RecorderConfig& config);

// Writes the configuration; an unacknowledged write still counts when reading the record back
// shows what was written.
bool WriteConfigChecked(CRecorderLink& link, const RecorderConfig& config);

// The rows of the recorder information list: label (English, translated by the caller) and
// value.
std::vector<std::pair<std::string, std::string>> RecorderInfoRows(const RecorderConfig& config,
                                                                  const RecorderStatus& status);

} // namespace korlink
