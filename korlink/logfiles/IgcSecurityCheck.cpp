#include "IgcSecurityCheck.h"

#include "DsaSignature.h"
#include "FileDescriptor.h"
#include "KeyIndexCipher.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <vector>

namespace korlink {

using namespace igccheck;

namespace {

constexpr std::size_t kLineDigits = 64;
constexpr std::size_t kLineLength = 67; // "G", 64 digits, CR LF
constexpr std::size_t kReadChunk = 64 * 1024;

std::uint8_t HexValue(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint8_t>(c - 'a' + 10);
    return 0;
}

char CharAt(std::string_view text, std::size_t i) {
    return i < text.size() ? text[i] : '0';
}

std::uint32_t BigEndian32(const SecurityRecord& record, std::size_t offset) {
    return std::uint32_t{record[offset]} << 24 | std::uint32_t{record[offset + 1]} << 16 |
           std::uint32_t{record[offset + 2]} << 8 | record[offset + 3];
}

std::uint32_t SignatureBits(const SecurityRecord& record, const IgcLogHashValue& log,
                            const KeyMaterial& keys) {
    CipherBlock block{};
    std::copy_n(record.begin() + kKeyIndexOffset, block.size(), block.begin());
    const auto index = DecipherKeyIndex(block, keys);
    const auto key = (std::size_t{index[0]} << 8 | index[1]) % KeyMaterial::kPublicValueCount;
    const auto y = keys.PublicValue(key);
    const ByteView bytes(record);
    const bool valid = y && VerifyDsa(log.digest, bytes.subspan(kROffset, 20),
                                      bytes.subspan(kSOffset, 20), *y, keys);
    return valid ? kSignatureValid : 0;
}

std::optional<std::size_t> ReadAt(int fd, std::span<std::uint8_t> buffer, off_t offset) {
    for (;;) {
        const auto n = ::pread(fd, buffer.data(), buffer.size(), offset);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            return std::nullopt;
    }
}

// The length of the file up to and including its last LF; what follows is not processed.
std::optional<off_t> EndOfLastLine(int fd, off_t size, std::vector<std::uint8_t>& buffer) {
    off_t end = size;
    while (end > 0) {
        const auto length = static_cast<std::size_t>(std::min<off_t>(end, kReadChunk));
        const auto got =
            ReadAt(fd, std::span(buffer).first(length), end - static_cast<off_t>(length));
        if (!got || *got != length)
            return std::nullopt;
        for (std::size_t i = length; i-- > 0;) {
            if (buffer[i] == '\n')
                return end - static_cast<off_t>(length) + static_cast<off_t>(i) + 1;
        }
        end -= static_cast<off_t>(length);
    }
    return 0;
}

} // namespace

SecurityRecord DecodeSecurityRecord(std::string_view gLines) {
    SecurityRecord record{};
    for (std::size_t line = 0; line < 3; ++line) {
        const auto first = line * kLineLength + 1;
        for (std::size_t i = 0; i < kLineDigits / 2; ++i) {
            const auto at = first + 2 * i;
            record[line * 32 + i] = static_cast<std::uint8_t>(HexValue(CharAt(gLines, at)) << 4 |
                                                              HexValue(CharAt(gLines, at + 1)));
        }
    }
    return record;
}

std::string SecurityRecordLines(const SecurityRecord& record) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string lines;
    for (std::size_t line = 0; line < 3; ++line) {
        lines += 'G';
        for (std::size_t i = 0; i < 32; ++i) {
            const auto byte = record[line * 32 + i];
            lines += kDigits[byte >> 4];
            lines += kDigits[byte & 0x0F];
        }
        lines += "\r\n";
    }
    return lines;
}

std::uint32_t EvaluateSecurityRecord(const SecurityRecord& record, const IgcLogHashValue& log,
                                     const KeyMaterial& keys) {
    const auto status = static_cast<std::uint16_t>(record[0] << 8 | record[1]);
    if (status == kOldViolationStatus)
        return kOldKind | kViolationReported;
    if (status == kOldStatus)
        return kOldKind;
    std::uint32_t result = 0;
    if (status == kUnsignedStatus) {
        result = kUnsigned;
    } else {
        result = SignatureBits(record, log, keys);
        if ((record[1] & 1) == 0)
            result |= kViolationReported;
    }
    if (log.crc == BigEndian32(record, kLogCrcOffset))
        result |= kLogCrcMatches;
    if (Crc32::Of(ByteView(record).first(kRecordCrcOffset)) ==
        BigEndian32(record, kRecordCrcOffset))
        result |= kRecordCrcMatches;
    return result;
}

std::string IgcCheckReport(std::uint32_t result) {
    if (result & kOldKind)
        return "Old File: Security seems Bad\n";
    std::string report;
    report += (result & kLogCrcMatches) ? "Log Data Integrity OK\n" : "Log Data Integrity Fail\n";
    report += (result & kRecordCrcMatches) ? "Signature Data Integrity OK\n"
                                           : "Signature Data Integrity Fail\n";
    if (result & kViolationReported)
        report += "Security Violation Reported\n";
    report += (result & kSignatureValid) ? "Security OK\n" : "Security Fail\n";
    return report;
}

std::optional<IgcLogHashValue> HashIgcFile(const std::filesystem::path& path) {
    const auto file = FileDescriptor::OpenForReading(path);
    struct stat info {};
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::vector<std::uint8_t> buffer(kReadChunk);
    const auto end = EndOfLastLine(file.Get(), info.st_size, buffer);
    if (!end)
        return std::nullopt;
    IgcLogHash hash;
    for (off_t offset = 0; offset < *end;) {
        const auto length = static_cast<std::size_t>(std::min<off_t>(*end - offset, kReadChunk));
        const auto got = ReadAt(file.Get(), std::span(buffer).first(length), offset);
        if (!got || *got == 0)
            return std::nullopt;
        hash.Feed(ByteView(buffer).first(*got));
        offset += static_cast<off_t>(*got);
    }
    return hash.Finish();
}

std::optional<std::uint32_t> CheckIgcFile(const std::filesystem::path& path,
                                          const KeyMaterial& keys) {
    const auto log = HashIgcFile(path);
    if (!log)
        return std::nullopt;
    return EvaluateSecurityRecord(DecodeSecurityRecord(log->gLines), *log, keys);
}

} // namespace korlink
