#include "NavpointColumns.h"

#include "navpoints/Attributes.h"
#include "navpoints/Coordinates.h"
#include "navpoints/DisplayText.h"

namespace korlink {

std::array<std::string, 7> NavpointColumns(const navpoints::Navpoint& navpoint,
                                           double elevationFactor) {
    return {navpoints::IdText(navpoint.Id()),
            navpoint.Name(),
            navpoints::LatitudeDisplayText(navpoint.Latitude()),
            navpoints::LongitudeDisplayText(navpoint.Longitude()),
            navpoints::AttributeColumnText(navpoint.Attributes()),
            navpoints::ElevationDisplayText(navpoint.Elevation(), elevationFactor),
            navpoint.Remark()};
}

} // namespace korlink
