#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The most values an id-list entry holds (turnpoint ids, assigned radii).
constexpr std::size_t kIdListLength = 12;

// The whole numbers of an id-list entry: separated by commas or blanks, read in order until
// one cannot be read, at most `limit` (and never more than 12).
std::vector<int> ParseIdList(std::string_view text, std::size_t limit = kIdListLength);

// The entry after appending a value: "%d" into an empty entry, ",%d" after existing text.
std::string AppendToIdList(std::string_view text, int value);

// The entry text of a list of values: "%d" joined by ",".
std::string IdListText(const std::vector<int>& values);

} // namespace vantrel
