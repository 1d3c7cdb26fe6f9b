#include "IgcFixRecord.h"

#include "IgcCoordinates.h"
#include "TextLines.h"

namespace vantrel {
namespace {

constexpr std::size_t kAltitudeWidth = 5;

// Sets a position's degrees, minutes and hemisphere flag from the angle at `index`; the flag
// is set unless the hemisphere letter is `positive`.
bool ReadAngle(std::string_view line, std::size_t index, std::size_t width, char positive,
               std::int32_t& degrees, double& minutes, std::int32_t& negative) {
    const auto angle = RecordAngleAt(line, index, width);
    if (!angle)
        return false;
    degrees = angle->degrees;
    minutes = angle->thousandths / 1000.0;
    negative = angle->hemisphere == positive ? 0 : 1;
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
