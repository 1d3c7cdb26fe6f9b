#pragma once

#include "SiteDatabase.h"
#include "link/Bytes.h"
#include "logfiles/LogBlocks.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The recorder's ten tasks and its declaration: the task record, the task and declare lines.
namespace korlink {

// Ten tasks of nine navpoint numbers (0: empty slot), in task order 0 .. 9.
constexpr int kRecorderTasks = 10;
using TaskTable = std::array<TaskIds, kRecorderTasks>;

// Task record t: ten groups of nine bytes, each a navpoint number.
TaskTable DecodeTaskRecord(ByteView record);

// The first nine numbers (below 0 taken as 0, an empty slot), the rest of the slots 0.
TaskIds TaskFromNumbers(std::span<const std::int32_t> numbers);

// "T,<task>" and nine times ",<number>", then "\r"; numbers below 0 go out as 0.
std::string TaskLine(int task, const TaskIds& numbers);
// "D,<task>\r".
std::string DeclareLine(int task);

// The declaration block as the recorder reports it (no flight, so no first fix).
LogDeclaration DecodeRecorderDeclaration(ByteView block);

// Slot by slot, the task's numbers equal those of the declared points in order, a missing
// point counting as 0.
bool DeclarationMatches(const TaskIds& task, const LogDeclaration& declaration);

// "DD/MM/YY  hh:mm:ss" of a year (two digits), month, day, hour, minute, second.
std::string DeclarationDateText(const LogTime& time);

} // namespace korlink
