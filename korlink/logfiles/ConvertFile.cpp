#include "ConvertFile.h"

#include "IgcWriter.h"
#include "interface/CallerBuffers.h"
#include "korlink/korlink.h"

#include <filesystem>

namespace korlink {

std::uint32_t ConvertStoredLogFile(const char* path, const char* outFolder, char outName[512],
                                   std::uint32_t* checkOk) {
    std::error_code error;
    if (!path || !std::filesystem::exists(path, error))
        return KOR_FILE_OPEN_FAILED;
    const auto converted = ConvertStoredLog(path, outFolder ? outFolder : "");
    if (checkOk && converted.status != KOR_FILE_READ_FAILED)
        *checkOk = converted.checkPassed ? 1 : 0;
    if (converted.status == KOR_OK)
        CopyToBuffer(outName, 512, converted.name);
    return converted.status;
}

} // namespace korlink
