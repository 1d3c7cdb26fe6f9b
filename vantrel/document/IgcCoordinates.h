#pragma once

#include <optional>
#include <string_view>

namespace vantrel {

// An angle as IGC records write it: whole degrees in `width` digits, thousandths of minutes in
// five digits, then a hemisphere letter ("DDMMmmmN", "DDDMMmmmE").
struct RecordAngle {
    int degrees = 0;
    int thousandths = 0;    // of minutes
    char hemisphere = '\0'; // '\0' when the record ends before it
};

// The angle at `index`; none when a digit is missing.
std::optional<RecordAngle> RecordAngleAt(std::string_view line, std::size_t index,
                                         std::size_t width);

// The angle at `index` in signed degrees, negative when its hemisphere letter is `negative`.
std::optional<double> SignedAngleAt(std::string_view line, std::size_t index, std::size_t width,
                                    char negative);

} // namespace vantrel
