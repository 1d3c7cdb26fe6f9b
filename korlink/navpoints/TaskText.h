#pragma once

#include "SiteDatabase.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Tasks as the editors show and take them.
namespace korlink {

// "Task A" ... "Task I" for slots 0 to 8 and "Task K" for slot 9: the letter J is never used.
// Empty for slots outside 0 .. 9.
std::string TaskName(int slot);

// The navpoint ids of a turnpoints field: whole numbers separated by commas or blanks. A text
// that is not a number ends the ids there; at most nine ids are taken.
std::vector<std::int32_t> ParseTurnpoints(std::string_view text);

// A task's slots up to its last id above 0, as "3, 5, 9"; empty for an empty task.
std::string TurnpointsText(const TaskIds& ids);

} // namespace korlink
