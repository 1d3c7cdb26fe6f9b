#pragma once

#include <cstdint>

namespace korlink {

// Converts a stored log with the arguments and status codes of the library's conversion export:
// 9 when the file does not exist, 10 when it cannot be read, 7 when the IGC file cannot be
// written, else 0 with the new file's name in `outName` (512 characters) and in `checkOk`
// whether the log's check value matched. Used by the export and by programs that convert
// without loading the library.
std::uint32_t ConvertStoredLogFile(const char* path, const char* outFolder, char outName[512],
                                   std::uint32_t* checkOk);

} // namespace korlink
