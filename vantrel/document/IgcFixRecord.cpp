#include "IgcFixRecord.h"

#include "TextLines.h"

namespace vantrel {
namespace {

constexpr std::size_t kAltitudeWidth = 5;

// Degrees (`width` digits at `index`), thousandths of minutes after them, then the hemisphere
// letter; the position's flag is set unless the letter is `positive`.
bool ReadAngle(std::string_view line, std::size_t index, std::size_t width, char positive,
               std::int32_t& degrees, double& minutes, std::int32_t& negative) {
    const auto whole = DigitsAt(line, index, width);
    const auto thousandths = DigitsAt(line, index + width, 5);
    if (!whole || !thousandths)
        return false;
    degrees = *whole;
    minutes = *thousandths / 1000.0;
    negative = Part(line, index + width + 5, 1) == std::string_view(&positive, 1) ? 0 : 1;
    return true;
}

// The whole number in 1-based columns start to end, when the record has such an extension.
std::optional<int> Extension(std::string_view line, int start, int end) {
    if (start <= 0 || end <= 0 || start >= end)
        return std::nullopt;
    return SignedNumberAt(line, static_cast<std::size_t>(start - 1),
                          static_cast<std::size_t>(end - start + 1));
}

} // namespace

std::optional<FixRecord> ReadFixRecord(std::string_view line, const ExtensionColumns& columns) {
    FixRecord record;
    const auto hour = DigitsAt(line, 1, 2);
    const auto minute = DigitsAt(line, 3, 2);
    const auto second = DigitsAt(line, 5, 2);
    auto& position = record.position;
    if (!hour || !minute || !second ||
        !ReadAngle(line, 7, 2, 'N', position.latitudeDegrees, position.latitudeMinutes,
                   position.south) ||
        !ReadAngle(line, 15, 3, 'E', position.longitudeDegrees, position.longitudeMinutes,
                   position.west))
        return std::nullopt;
    record.hour = *hour;
    record.minute = *minute;
    record.second = *second;
    record.pressureAltitude = SignedNumberAt(line, 25, kAltitudeWidth).value_or(0);
    record.gpsAltitude = SignedNumberAt(line, 30, kAltitudeWidth).value_or(0);
    record.fixAccuracy = Extension(line, columns.fxaStart, columns.fxaEnd);
    record.engineNoiseLevel = Extension(line, columns.enlStart, columns.enlEnd);
    return record;
}

} // namespace vantrel
