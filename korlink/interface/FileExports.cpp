// Exports of the flight log files: validating stored logs and IGC files, converting stored logs
// to IGC, and the start time of a stored log.
#include "Library.h"
#include "korlink/korlink.h"
#include "logfiles/IgcSecurityCheck.h"
#include "logfiles/IgcWriter.h"
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

// Copies a text into a caller's buffer of `size` characters, cut to fit and terminated.
void CopyText(std::string_view text, char* buffer, std::size_t size) {
    if (!buffer || size == 0)
        return;
    const auto length = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
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
    return Guarded(KOR_FILE_READ_FAILED, [&]() -> uint32_t {
        if (!Exists(path))
            return KOR_FILE_OPEN_FAILED;
        const auto converted = korlink::ConvertStoredLog(path, outFolder ? outFolder : "");
        if (checkOk && converted.status != KOR_FILE_READ_FAILED)
            *checkOk = converted.checkPassed ? 1 : 0;
        if (converted.status == KOR_OK)
            CopyText(converted.name, outName, 512);
        return converted.status;
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
            CopyText(korlink::IgcCheckReport(*result), report,
                     static_cast<std::size_t>(reportSize));
        }
        return (*result & korlink::igccheck::kSignatureValid) ? KOR_OK : KOR_SECURITY_CHECK_FAILED;
    });
}

} // extern "C"
