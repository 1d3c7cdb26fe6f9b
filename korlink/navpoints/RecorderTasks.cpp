#include "RecorderTasks.h"

#include "logfiles/LogBytes.h"
#include "navpoints/NumberText.h"

#include <algorithm>

namespace korlink {

TaskTable DecodeTaskRecord(ByteView record) {
    TaskTable tasks{};
    for (std::size_t task = 0; task < tasks.size(); ++task) {
        for (std::size_t slot = 0; slot < SiteDatabase::kTaskSlots; ++slot)
            tasks[task][slot] = logbytes::At(record, task * SiteDatabase::kTaskSlots + slot);
    }
    return tasks;
}

TaskIds TaskFromNumbers(std::span<const std::int32_t> numbers) {
    TaskIds task{};
    for (std::size_t slot = 0; slot < task.size() && slot < numbers.size(); ++slot)
        task[slot] = std::max(numbers[slot], 0);
    return task;
}

std::string TaskLine(int task, const TaskIds& numbers) {
    std::string line = "T," + std::to_string(task);
    for (const auto number : numbers)
        line += ',' + std::to_string(std::max(number, 0));
    return line + '\r';
}

std::string DeclareLine(int task) {
    return "D," + std::to_string(task) + '\r';
}

LogDeclaration DecodeRecorderDeclaration(ByteView block) {
    return DecodeDeclaration(block, LogTime{}, {});
}

bool DeclarationMatches(const TaskIds& task, const LogDeclaration& declaration) {
    for (std::size_t slot = 0; slot < task.size(); ++slot) {
        const std::int32_t declared =
            slot < declaration.points.size() ? declaration.points[slot].navpoint : 0;
        if (task[slot] != declared)
            return false;
    }
    return true;
}

std::string DeclarationDateText(const LogTime& time) {
    using navpoints::PaddedInteger;
    return PaddedInteger(time[2], 2) + '/' + PaddedInteger(time[1], 2) + '/' +
           PaddedInteger(time[0], 2) + "  " + PaddedInteger(time[3], 2) + ':' +
           PaddedInteger(time[4], 2) + ':' + PaddedInteger(time[5], 2);
}

} // namespace korlink
