#include "TaskText.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace korlink {
namespace {

// The ids of a field are read the way "%d" reads them, one after another, up to this many.
constexpr std::size_t kIdsRead = 12;

bool IsSeparator(char c) {
    return c == ',' || std::isspace(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::string TaskName(int slot) {
    constexpr std::string_view kLetters = "ABCDEFGHIK";
    if (slot < 0 || slot >= SiteDatabase::kTasks)
        return {};
    return std::string("Task ") + kLetters[static_cast<std::size_t>(slot)];
}

std::vector<std::int32_t> ParseTurnpoints(std::string_view text) {
    std::vector<std::int32_t> ids;
    while (ids.size() < kIdsRead) {
        const auto first = std::find_if_not(text.begin(), text.end(), IsSeparator) - text.begin();
        text.remove_prefix(static_cast<std::size_t>(first));
        if (!text.empty() && text.front() == '+')
            text.remove_prefix(1);
        std::int32_t id = 0;
        const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), id);
        if (error != std::errc{})
            break;
        ids.push_back(id);
        text.remove_prefix(static_cast<std::size_t>(stop - text.data()));
    }
    ids.resize(std::min(ids.size(), SiteDatabase::kTaskSlots));
    return ids;
}

std::string TurnpointsText(const TaskIds& ids) {
    const auto last = std::find_if(ids.rbegin(), ids.rend(), [](auto id) { return id > 0; });
    std::string text;
    for (auto id = ids.begin(); id != last.base(); ++id)
        text += (text.empty() ? "" : ", ") + std::to_string(*id);
    return text;
}

} // namespace korlink
