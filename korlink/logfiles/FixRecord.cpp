#include "FixRecord.h"

#include <algorithm>

namespace korlink {
namespace {

constexpr std::size_t kMaxSeparators = 15;
constexpr std::size_t kNumberDigits = 5;
constexpr std::size_t kAngleLeadDigits = 3;

// A field's digits: [first, last) nibble positions.
struct Field {
    std::size_t first = 0;
    std::size_t last = 0;
    std::size_t Size() const { return last - first; }
};

std::uint32_t Base14(const NibbleRecord& record, std::size_t first, std::size_t last) {
    std::uint32_t value = 0;
    for (std::size_t i = first; i < last; ++i)
        value = value * 14 + record.At(i);
    return value;
}

std::uint32_t Number(const NibbleRecord& record, const Field& field) {
    if (field.Size() == 0 || field.Size() > kNumberDigits)
        return 0;
    return Base14(record, field.first, field.last);
}

// Three leading digits give the high byte, the remaining (at most 5) the low 16 bits.
float Angle(const NibbleRecord& record, const Field& field) {
    if (field.Size() < kAngleLeadDigits || field.Size() > kAngleLeadDigits + kNumberDigits)
        return 0;
    const auto lead = field.first + kAngleLeadDigits;
    return AngleFrom24Bits(Base14(record, field.first, lead) * 65536 +
                           Base14(record, lead, field.last));
}

std::uint8_t Two(const NibbleRecord& record, std::size_t i) {
    return static_cast<std::uint8_t>(record.At(i) * 14 + record.At(i + 1));
}

} // namespace

std::size_t UnpackRecord(ByteView data, std::size_t position, std::size_t limit,
                         NibbleRecord& record) {
    limit = std::min(limit, NibbleRecord::kCapacity);
    record.count = 0;
    record.ended = false;
    std::size_t at = position;
    while (at < data.size()) {
        const std::uint8_t byte = data[at++];
        for (const std::uint8_t nibble :
             {static_cast<std::uint8_t>(byte >> 4), static_cast<std::uint8_t>(byte & 0x0F)}) {
            if (nibble == NibbleRecord::kEnd) {
                record.ended = true;
                return at;
            }
            record.nibbles[record.count++] = nibble;
            if (record.count == limit)
                return at;
        }
    }
    return at;
}

LogTime DecodeLogTime(const NibbleRecord& record) {
    return {Two(record, 0), record.At(3),   Two(record, 4),
            Two(record, 6), Two(record, 8), Two(record, 10)};
}

LogFix DecodeFixRecord(const NibbleRecord& record) {
    // Field k (from 1) runs from separator k-1 to separator k, the last one to the record's end.
    std::array<std::size_t, kMaxSeparators> separators{};
    std::size_t separatorCount = 0;
    for (std::size_t i = 0; i < record.count && separatorCount < kMaxSeparators; ++i) {
        if (record.nibbles[i] == NibbleRecord::kSeparator)
            separators[separatorCount++] = i;
    }
    const auto field = [&](std::size_t k) {
        if (k == 0 || k > separatorCount)
            return Field{};
        return Field{separators[k - 1] + 1, k < separatorCount ? separators[k] : record.count};
    };
    const auto number = [&](std::size_t k) { return Number(record, field(k)); };

    LogFix fix;
    fix.time = DecodeLogTime(record);
    fix.latitude = Angle(record, field(1));
    fix.longitude = Angle(record, field(2));
    fix.gnssAltitude = number(3);
    fix.pressureAltitude = number(4);
    fix.accuracy = number(5);
    fix.extraA = number(6);
    fix.flags = static_cast<std::uint8_t>(number(7));
    fix.engineNoise = number(8);
    for (std::size_t k = 9; k <= separatorCount && fix.extraCount < fix.extras.size(); ++k)
        fix.extras[fix.extraCount++] = number(k);
    return fix;
}

double ExactAngleFrom24Bits(std::uint32_t value) {
    constexpr std::int64_t kHalf = 1 << 23;
    const auto signedValue = static_cast<std::int64_t>(value) >= kHalf
                                 ? static_cast<std::int64_t>(value) - 2 * kHalf
                                 : static_cast<std::int64_t>(value);
    return static_cast<double>(signedValue) * 360.0 / (2.0 * kHalf);
}

float AngleFrom24Bits(std::uint32_t value) {
    return static_cast<float>(ExactAngleFrom24Bits(value));
}

} // namespace korlink
