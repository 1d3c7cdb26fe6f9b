// Exports of the flight log files: validating stored logs and IGC files, converting stored logs
// to IGC, and the start time of a stored log.
#include "CallerBuffers.h"
#include "Library.h"
#include "korlink/korlink.h"
#include "logfiles/ConvertFile.h"
#include "logfiles/IgcSecurityCheck.h"
#include "logfiles/StoredLog.h"
#include "logfiles/StoredLogCheck.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string_view>

using korlink::Guarded;

namespace {

bool Exists(const char* path) {
    std::error_code error;
    return path && std::filesystem::exists(path, error);
}

} // namespace

extern "C" {

uint32_t KORValidateFile(const char* path) {
    return Guarded(KOR_FILE_READ_FAILED, [&]() -> uint32_t {
        if (!Exists(path))
            return KOR_FILE_OPEN_FAILED;
        korlink::StoredLog log;
        if (log.Load(path) != korlink::LogFileStatus::Ok)
            return KOR_FILE_READ_FAILED;
        return korlink::PassesStoredLogCheck(log) ? KOR_OK : KOR_SECURITY_CHECK_FAILED;
    });
}

uint32_t KORConvertFile(const char* path, const char* outFolder, char outName[512],
                        uint32_t* checkOk) {
    return Guarded(KOR_FILE_READ_FAILED, [&] {
        return korlink::ConvertStoredLogFile(path, outFolder, outName, checkOk);
    });
}

uint32_t KORGetLogFileTime(const char* path, uint8_t time[6], uint32_t* estimate) {
    return Guarded(KOR_FILE_READ_FAILED, [&]() -> uint32_t {
        if (!Exists(path))
            return KOR_FILE_OPEN_FAILED;
        korlink::LogFileTime fileTime;
        if (korlink::ReadLogFileTime(path, fileTime) != korlink::LogFileTimeStatus::Ok)
            return KOR_FILE_READ_FAILED;
        if (time)
            std::copy(fileTime.time.begin(), fileTime.time.end(), time);
        if (estimate)
            *estimate = fileTime.estimate;
        return KOR_OK;
    });
}

uint32_t KORValidateIGCFile(const char* path, int32_t reportSize, char* report) {
    return Guarded(KOR_FILE_READ_FAILED, [&]() -> uint32_t {
        if (!Exists(path))
            return KOR_FILE_OPEN_FAILED;
        const auto result = korlink::CheckIgcFile(path);
        if (!result)
            return KOR_FILE_READ_FAILED;
        if (report && reportSize > 0) {
            std::memset(report, 0, static_cast<std::size_t>(reportSize));
            korlink::CopyToBuffer(report, static_cast<std::size_t>(reportSize),
                                  korlink::IgcCheckReport(*result));
        }
        return (*result & korlink::igccheck::kSignatureValid) ? KOR_OK : KOR_SECURITY_CHECK_FAILED;
    });
}

} // extern "C"
