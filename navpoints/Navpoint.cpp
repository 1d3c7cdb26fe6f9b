#include "Navpoint.h"

namespace navpoints {
namespace {

// Negative elevations (and not-a-number) are stored as 0.
float StoredElevation(float elevation) {
    return elevation > 0 ? elevation : 0.0f;
}

double FromDegreesAndMinutes(int degrees, double minutes, bool negative) {
    const double value = degrees + minutes / 60.0;
    return negative ? -value : value;
}

} // namespace

std::string NavpointText(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    return std::string(text.substr(0, Navpoint::kMaxTextLength));
}

Navpoint::Navpoint(int id, std::string_view name, double latitude, double longitude,
                   std::uint32_t attributes, float elevation, std::string_view remark)
    : latitude_(latitude), longitude_(longitude), elevation_(StoredElevation(elevation)),
      attributes_(attributes), id_(id), name_(NavpointText(name)), remark_(NavpointText(remark)) {}

Navpoint::Navpoint(int id, std::string_view name, int latitudeDegrees, double latitudeMinutes,
                   bool south, int longitudeDegrees, double longitudeMinutes, bool west,
                   std::uint32_t attributes, float elevation, std::string_view remark)
    : Navpoint(id, name, FromDegreesAndMinutes(latitudeDegrees, latitudeMinutes, south),
               FromDegreesAndMinutes(longitudeDegrees, longitudeMinutes, west), attributes,
               elevation, remark) {}

} // namespace navpoints
