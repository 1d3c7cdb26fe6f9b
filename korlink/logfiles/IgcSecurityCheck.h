#pragma once

#include "IgcLogHash.h"
#include "KeyMaterial.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace korlink {

// The signed security record of an IGC file, 96 bytes from its three G lines.
using SecurityRecord = std::array<std::uint8_t, 96>;

namespace igccheck {
constexpr std::uint32_t kSignatureValid = 1;
constexpr std::uint32_t kLogCrcMatches = 2;
constexpr std::uint32_t kRecordCrcMatches = 4;
constexpr std::uint32_t kViolationReported = 8;
constexpr std::uint32_t kUnsigned = 0x4000;
constexpr std::uint32_t kOldKind = 0x8000;

// Status words with a meaning of their own.
constexpr std::uint16_t kOldViolationStatus = 0x0666;
constexpr std::uint16_t kOldStatus = 0x64A2;
constexpr std::uint16_t kUnsignedStatus = 0x00FF;

// Offsets within the record.
constexpr std::size_t kLogCrcOffset = 5;
constexpr std::size_t kROffset = 32;
constexpr std::size_t kKeyIndexOffset = 56;
constexpr std::size_t kSOffset = 64;
constexpr std::size_t kRecordCrcOffset = 92;
} // namespace igccheck

// The record from the G lines: "G" + 64 hexadecimal digits + CR LF, three times. Digits that
// are not hexadecimal, or missing, read as 0, so damaged G lines give a meaningless record.
SecurityRecord DecodeSecurityRecord(std::string_view gLines);

// The three G lines of a record (upper-case digits).
std::string SecurityRecordLines(const SecurityRecord& record);

// The check result bits for a record and the values gathered from the file's lines.
std::uint32_t EvaluateSecurityRecord(const SecurityRecord& record, const IgcLogHashValue& log,
                                     const KeyMaterial& keys);

// The report texts of a check result, each line ending in LF.
std::string IgcCheckReport(std::uint32_t result);

// Hashes the lines of an IGC file up to its last LF. Nothing when it cannot be read.
std::optional<IgcLogHashValue> HashIgcFile(const std::filesystem::path& path);

// Runs the whole check on a file with fresh state. Nothing when the file cannot be read.
std::optional<std::uint32_t> CheckIgcFile(const std::filesystem::path& path,
                                          const KeyMaterial& keys = RecorderKeys());

} // namespace korlink
