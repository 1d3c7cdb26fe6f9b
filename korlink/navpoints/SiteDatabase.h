#pragma once

#include "navpoints/NavpointList.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace korlink {

// The navpoint ids of one task; 0 (or any value <= 0) marks an empty slot.
using TaskIds = std::array<std::int32_t, 9>;

// A task's ids and how many of its slots hold an id (are above 0).
struct TaskPoints {
    TaskIds ids{};
    int count = 0;
};

// A named collection of navpoints with ten tasks, kept in one ".sit" file.
class SiteDatabase {
public:
    static constexpr int kTasks = 10;
    static constexpr std::size_t kTaskSlots = std::tuple_size_v<TaskIds>;
    // The longest name the file keeps; longer names are cut.
    static constexpr std::size_t kMaxNameLength = 256;

    SiteDatabase() = default;
    SiteDatabase(const SiteDatabase&) = default;
    SiteDatabase& operator=(const SiteDatabase&) = default;
    SiteDatabase(SiteDatabase&&) noexcept = default;
    SiteDatabase& operator=(SiteDatabase&&) noexcept = default;
    virtual ~SiteDatabase() = default;

    const std::filesystem::path& Path() const { return path_; }
    void SetPath(std::filesystem::path path) { path_ = std::move(path); }
    // Sets the path to the first "KORSite<n>.sit" (n = 1, 2, ...) not present in the folder.
    void ChooseNewFileName(const std::filesystem::path& directory);

    const std::string& Name() const { return name_; }
    void SetName(std::string_view name);

    const navpoints::NavpointList& Navpoints() const { return navpoints_; }
    void SetNavpoints(navpoints::NavpointList navpoints) { navpoints_ = std::move(navpoints); }
    // A copy at position id - 1, replacing any; false for ids outside 1 .. 65535.
    bool AddNavpoint(const navpoints::Navpoint& navpoint) { return navpoints_.Put(navpoint); }
    int NavpointCount() const { return navpoints_.Count(); }

    // Number of defined tasks (those with at least one id above 0).
    int TaskCount() const;
    // Task `task` is 0 .. 9; others are never defined.
    bool IsTaskDefined(int task) const { return GetTask(task).count > 0; }
    TaskPoints GetTask(int task) const;
    // Sets a task's slots to the first nine ids (the rest 0); false for a task outside 0 .. 9.
    bool SetTask(int task, std::span<const std::int32_t> ids);
    void ClearTasks() { tasks_ = {}; }

    // Kept from the file and written back unchanged; 0 in a new database.
    std::int32_t TrailingNumber() const { return trailingNumber_; }
    void SetTrailingNumber(std::int32_t number) { trailingNumber_ = number; }

    // Reads the ".sit" file at `path`. A file that cannot be read completely leaves the
    // database as it was and gives false.
    bool Load(const std::filesystem::path& path);
    // Writes the ".sit" file at the path (to a temporary file renamed into place).
    bool Save() const;

    bool operator==(const SiteDatabase&) const = default;

private:
    std::filesystem::path path_;
    std::string name_;
    navpoints::NavpointList navpoints_;
    std::array<TaskIds, kTasks> tasks_{};
    std::int32_t trailingNumber_ = 0;
};

} // namespace korlink
