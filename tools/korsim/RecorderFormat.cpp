#include "RecorderFormat.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korsim {
namespace {

constexpr std::uint8_t kSeparator = 14;
constexpr std::uint8_t kEnd = 15;
constexpr std::size_t kDirectoryLastFixSeparator = 8;
constexpr std::size_t kDirectoryCountSeparator = 17;

// Nibbles of a record being built.
class Nibbles {
public:
    void Digit(unsigned d) { nibbles_.push_back(static_cast<std::uint8_t>(d)); }

    // A base-14 number, most significant digit first, at least `minimum` digits.
    void Number(std::uint32_t value, std::size_t minimum = 1) {
        std::vector<std::uint8_t> digits;
        do {
            digits.push_back(static_cast<std::uint8_t>(value % 14));
            value /= 14;
        } while (value > 0);
        while (digits.size() < minimum)
            digits.push_back(0);
        nibbles_.insert(nibbles_.end(), digits.rbegin(), digits.rend());
    }

    void Time(const LogTime& t) {
        Number(t[0], 2);
        Digit(0); // not read
        Digit(t[1]);
        for (std::size_t i = 2; i < t.size(); ++i)
            Number(t[i], 2);
    }

    void Angle(double degrees) {
        const auto value = Angle24(degrees);
        Number(value >> 16, 3);
        Number(value & 0xFFFF);
    }

    void Separator() { nibbles_.push_back(kSeparator); }
    std::size_t Position() const { return nibbles_.size(); }

    Bytes Packed() const {
        Bytes bytes;
        bytes.reserve(nibbles_.size() / 2 + 1);
        for (std::size_t i = 0; i < nibbles_.size(); i += 2) {
            const auto low = i + 1 < nibbles_.size() ? nibbles_[i + 1] : kEnd;
            bytes.push_back(static_cast<std::uint8_t>(nibbles_[i] << 4 | low));
        }
        if (nibbles_.size() % 2 == 0)
            bytes.push_back(0xFF);
        return bytes;
    }

private:
    std::vector<std::uint8_t> nibbles_;
};

std::uint32_t AltitudeField(int metres) {
    return static_cast<std::uint32_t>(std::max(0, metres + 1000));
}

void Put24(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value >> 16);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 2] = static_cast<std::uint8_t>(value);
}

void Put16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 1] = static_cast<std::uint8_t>(value);
}

// Degrees, minutes with bit 7 for south or west, hundredths of a minute.
void PutDeclaredAngle(Bytes& bytes, std::size_t offset, double degrees) {
    const double magnitude = std::fabs(degrees);
    auto hundredths = static_cast<long>(std::lround(magnitude * 6000));
    const auto whole = hundredths / 6000;
    hundredths %= 6000;
    bytes[offset] = static_cast<std::uint8_t>(whole);
    bytes[offset + 1] = static_cast<std::uint8_t>(hundredths / 100 | (degrees < 0 ? 0x80 : 0));
    bytes[offset + 2] = static_cast<std::uint8_t>(hundredths % 100);
}

} // namespace

std::uint32_t Angle24(double degrees) {
    const auto value = std::lround(degrees * 16777216.0 / 360.0);
    return static_cast<std::uint32_t>(value) & 0xFFFFFF;
}

Bytes EncodeFixRecord(const FlightSample& fix) {
    Nibbles n;
    n.Time(fix.time);
    n.Separator();
    n.Angle(fix.latitude);
    n.Separator();
    n.Angle(fix.longitude);
    n.Separator();
    n.Number(AltitudeField(fix.gnssAltitude));
    n.Separator();
    n.Number(AltitudeField(fix.pressureAltitude));
    n.Separator();
    n.Number(fix.accuracy / 15);
    const std::uint32_t optional[] = {fix.extraA, fix.flags, fix.engineNoise};
    std::size_t last = std::size(optional);
    while (last > 0 && optional[last - 1] == 0)
        --last;
    for (std::size_t i = 0; i < last; ++i) {
        n.Separator();
        n.Number(optional[i]);
    }
    return n.Packed();
}

Bytes EncodeFixData(std::span<const FlightSample> fixes) {
    Bytes data;
    data.reserve(fixes.size() * 24);
    for (const auto& fix : fixes) {
        const auto record = EncodeFixRecord(fix);
        data.insert(data.end(), record.begin(), record.end());
    }
    return data;
}

Bytes EncodeDirectoryRecord(const LogTime& first, const LogTime& last, std::uint32_t records) {
    Nibbles n;
    n.Time(first);
    // Fields between the dates hold nothing the library reads; a digit pads separator 8 (and
    // later 17) onto an odd position, which says where the following field starts.
    for (std::size_t k = 0; k < kDirectoryLastFixSeparator; ++k) {
        n.Separator();
        if (k + 1 == kDirectoryLastFixSeparator && n.Position() % 2 == 0)
            n.Digit(0);
    }
    n.Separator();
    n.Time(last);
    for (std::size_t k = kDirectoryLastFixSeparator + 1; k < kDirectoryCountSeparator; ++k) {
        n.Separator();
        if (k + 1 == kDirectoryCountSeparator && n.Position() % 2 == 0)
            n.Digit(0);
    }
    n.Separator();
    n.Number(records);
    n.Separator();
    return n.Packed();
}

Bytes EncodeNavpointRecord(const SiteNavpoint& navpoint) {
    Bytes record(48, 0);
    Put24(record, 0, Angle24(navpoint.latitude));
    Put24(record, 3, Angle24(navpoint.longitude));
    Put16(record, 12, navpoint.elevation);
    Put16(record, 14, navpoint.id);
    Put16(record, 16, navpoint.attributes);
    std::copy_n(navpoint.name.begin(), std::min<std::size_t>(navpoint.name.size(), 12),
                record.begin() + 18);
    std::copy_n(navpoint.remark.begin(), std::min<std::size_t>(navpoint.remark.size(), 12),
                record.begin() + 30);
    return record;
}

Bytes EncodeDeclaration(const LogTime& declared, std::span<const std::uint8_t> task,
                        const Site& site) {
    Bytes block(69, 0);
    std::copy(declared.begin(), declared.end(), block.begin());
    for (std::size_t i = 0; i < task.size() && i < 9; ++i) {
        const auto entry = 6 + 7 * i;
        block[entry] = task[i];
        // A number that names no navpoint of the list is declared without a position.
        if (task[i] == 0 || task[i] > site.navpoints.size())
            continue;
        const auto& point = site.navpoints[task[i] - 1u];
        PutDeclaredAngle(block, entry + 1, point.latitude);
        PutDeclaredAngle(block, entry + 4, point.longitude);
    }
    return block;
}

} // namespace korsim
