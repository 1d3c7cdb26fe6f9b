#include "ConfigurationLine.h"

#include <charconv>
#include <vector>

namespace korsim {
namespace {

std::optional<unsigned> Number(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> SplitCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    for (auto comma = text.find(','); comma != std::string_view::npos; comma = text.find(',')) {
        parts.push_back(text.substr(0, comma));
        text.remove_prefix(comma + 1);
    }
    parts.push_back(text);
    return parts;
}

} // namespace

std::optional<korlink::RecorderConfig>
ApplyConfigurationLine(const korlink::RecorderConfig& current, std::string_view line) {
    // Fixed columns up to the datum: "x," U "," pilot(24) "," glider(9) comp(3) ","
    constexpr std::size_t kNumbersStart = 42;
    if (line.size() <= kNumbersStart || line.substr(0, 2) != "x," || line[3] != ',' ||
        line[28] != ',' || line[41] != ',')
        return std::nullopt;
    const auto units = Number(line.substr(2, 1));
    const auto numbers = SplitCommas(line.substr(kNumbersStart));
    if (!units || numbers.size() != 4)
        return std::nullopt;
    const auto datum = Number(numbers[0]);
    const auto approach = Number(numbers[1]);
    const auto arrival = Number(numbers[2]);
    const auto intervals = Number(numbers[3]);
    if (!datum || !approach || !arrival || !intervals || *datum > 255 || *approach > 255 ||
        *arrival > 255 || *intervals > 0xFFFF)
        return std::nullopt;

    korlink::RecorderConfig config = current;
    config.unitsCode = static_cast<std::uint8_t>(*units);
    config.pilot = std::string(line.substr(4, 24));
    config.glider = std::string(line.substr(29, 9));
    config.compId = std::string(line.substr(38, 3));
    config.datum = static_cast<std::uint8_t>(*datum);
    config.approachRadius = static_cast<std::uint8_t>(*approach);
    config.arrivalRadius = static_cast<std::uint8_t>(*arrival);
    config.arrivalInterval = korlink::IntervalSeconds(static_cast<std::uint8_t>(*intervals >> 8));
    config.enrouteInterval = korlink::IntervalSeconds(static_cast<std::uint8_t>(*intervals & 0xFF));
    return config;
}

} // namespace korsim
