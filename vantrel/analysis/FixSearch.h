#pragma once

#include "document/IgcFix.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <vector>

// Searches over a flight's fixes. Each returns a fix index, or -1 when no fix qualifies; a
// starting index outside the fixes is brought to the nearest end. Backward searches never go
// below index 1.
namespace vantrel::search {

int FirstWith(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags);
int FirstWithout(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags);
int LastWith(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags);
int LastWithout(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags);

// The first fix at or after `from` whose time is after `time`; the last at or before `from`
// whose time is before it.
int FirstAfter(const std::vector<IgcFix>& fixes, int from, std::time_t time);
int LastBefore(const std::vector<IgcFix>& fixes, int from, std::time_t time);

// The first fix at or after `from` with any of `flags` whose mark for turnpoint k is `id`.
int FirstWithMark(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags,
                  std::size_t turnpoint, std::int32_t id);
// The last fix at or before `from` with any of `flags` that carries `id` among its marks.
int LastCarrying(const std::vector<IgcFix>& fixes, int from, std::uint32_t flags, std::int32_t id);

} // namespace vantrel::search
