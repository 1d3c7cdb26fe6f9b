#include "IgcCoordinates.h"

#include "TextLines.h"

namespace vantrel {

std::optional<RecordAngle> RecordAngleAt(std::string_view line, std::size_t index,
                                         std::size_t width) {
    const auto degrees = DigitsAt(line, index, width);
    const auto thousandths = DigitsAt(line, index + width, 5);
    if (!degrees || !thousandths)
        return std::nullopt;
    const auto hemisphere = Part(line, index + width + 5, 1);
    return RecordAngle{*degrees, *thousandths, hemisphere.empty() ? '\0' : hemisphere.front()};
}

std::optional<double> SignedAngleAt(std::string_view line, std::size_t index, std::size_t width,
                                    char negative) {
    const auto angle = RecordAngleAt(line, index, width);
    if (!angle)
        return std::nullopt;
    const double degrees = angle->degrees + angle->thousandths / 60000.0;
    return angle->hemisphere == negative ? -degrees : degrees;
}

} // namespace vantrel
