#include "SiteDatabase.h"

#include "SiteFile.h"
#include "navpoints/FileReplace.h"

#include <algorithm>

namespace korlink {

void SiteDatabase::ChooseNewFileName(const std::filesystem::path& directory) {
    path_ = NewSiteFileName(directory);
}

void SiteDatabase::SetName(std::string_view name) {
    name_ = name.substr(0, kMaxNameLength);
}

int SiteDatabase::TaskCount() const {
    int count = 0;
    for (int task = 0; task < kTasks; ++task)
        count += IsTaskDefined(task) ? 1 : 0;
    return count;
}

TaskPoints SiteDatabase::GetTask(int task) const {
    if (task < 0 || task >= kTasks)
        return {};
    TaskPoints points{tasks_[static_cast<std::size_t>(task)], 0};
    points.count = static_cast<int>(
        std::count_if(points.ids.begin(), points.ids.end(), [](auto id) { return id > 0; }));
    return points;
}

bool SiteDatabase::SetTask(int task, std::span<const std::int32_t> ids) {
    if (task < 0 || task >= kTasks)
        return false;
    TaskIds& slots = tasks_[static_cast<std::size_t>(task)];
    slots = {};
    std::copy_n(ids.begin(), std::min(ids.size(), kTaskSlots), slots.begin());
    return true;
}

bool SiteDatabase::Load(const std::filesystem::path& path) {
    auto loaded = ReadSiteFile(path);
    if (!loaded)
        return false;
    *this = std::move(*loaded);
    path_ = path;
    return true;
}

bool SiteDatabase::Save() const {
    return !path_.empty() && navpoints::ReplaceFileContents(path_, SiteFileText(*this));
}

} // namespace korlink
