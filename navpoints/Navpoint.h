#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace navpoints {

// A named geographic point the pilot can fly to: a turnpoint, an airfield, a start or finish.
class Navpoint {
public:
    static constexpr std::size_t kMaxTextLength = 12;
    static constexpr int kMinId = 1;
    static constexpr int kMaxId = 65535;

    // Latitude and longitude in degrees, negative south and west.
    Navpoint(int id, std::string_view name, double latitude, double longitude,
             std::uint32_t attributes, float elevation, std::string_view remark);
    // Latitude and longitude as whole degrees + decimal minutes, negated when `south` / `west`.
    Navpoint(int id, std::string_view name, int latitudeDegrees, double latitudeMinutes, bool south,
             int longitudeDegrees, double longitudeMinutes, bool west, std::uint32_t attributes,
             float elevation, std::string_view remark);
    Navpoint(const Navpoint&) = default;
    Navpoint& operator=(const Navpoint&) = default;
    virtual ~Navpoint() = default;

    int Id() const { return id_; }
    const std::string& Name() const { return name_; }
    const std::string& Remark() const { return remark_; }
    double Latitude() const { return latitude_; }
    double Longitude() const { return longitude_; }
    // Metres, never negative.
    float Elevation() const { return elevation_; }
    std::uint32_t Attributes() const { return attributes_; }
    bool Has(std::uint32_t attribute) const { return (attributes_ & attribute) != 0; }

    bool operator==(const Navpoint&) const = default;

private:
    double latitude_;
    double longitude_;
    float elevation_;
    std::uint32_t attributes_;
    int id_;
    std::string name_;
    std::string remark_;
};

// A name or remark as a navpoint keeps it: up to the first zero character, at most 12
// characters.
std::string NavpointText(std::string_view text);

} // namespace navpoints
