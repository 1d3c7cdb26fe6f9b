#pragma once

#include "StoredLog.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace korlink {

// The IGC file of a loaded stored log, line for line: A and H records, the I record, the
// library's L record, the log navpoints, the declaration's C records, E and B records for
// every fix, and the dummy security record. `version` is the library version named in the L
// record.
std::string IgcText(const StoredLog& log, std::string_view version);

struct ConvertedLog {
    std::uint32_t status = 0; // KOR_OK, KOR_FILE_OPEN_FAILED, KOR_FILE_READ_FAILED or
                              // KOR_LOG_WRITE_FAILED
    std::string name;         // the IGC file's name, without folder
    bool checkPassed = false; // the stored log's own check value matched
};

// Converts the stored log at `path` into a new IGC file in `folder`. An existing IGC file is
// replaced only when all 35 names of that day are taken. The security outcome never stops the
// conversion.
ConvertedLog ConvertStoredLog(const std::filesystem::path& path,
                              const std::filesystem::path& folder);

// Whether the G lines of an IGC file are the dummy security record that the conversion writes:
// such a file is checked through its stored log, not on its own.
bool IsConverterSecurityRecord(std::string_view gLines);

// The product version of the library, named in the IGC files it writes.
std::string_view ProductVersion();

} // namespace korlink
