#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantrel {

// Kinds of explorer items. The numbers travel in the drag data, so they are fixed.
enum class NodeKind : std::int32_t {
    RecorderRoot = 0,
    FlightLog = 1,
    RecorderTask = 2,
    Navpoints = 3,
    RecorderLogs = 4,
    RecorderTasks = 5,
    Workspace = 6,
    Folder = 7,
    Airspace = 8,
};

// Whether a number is one of the kinds.
bool IsNodeKind(std::int32_t value);

// The record behind every explorer item.
struct ExplorerNode {
    NodeKind kind = NodeKind::Folder;
    bool onRecorder = false;
    std::int32_t index = 0;    // a recorder log's place in the recorder's log directory
    std::string path;          // PC items: the file's or folder's full path
    std::int64_t sortDate = 0; // PC logs: the log date in seconds, 0 when unknown
    std::string label;         // the label given at creation
    std::array<std::uint8_t, 6> logIdentity{}; // recorder logs: year, month, day and 3 bytes
    // While dragged: the tree and item it comes from (meaningful in this process only).
    std::uint32_t sourceTree = 0;
    std::uint32_t sourceItem = 0;

    bool IsFile() const {
        return kind == NodeKind::FlightLog || kind == NodeKind::Navpoints ||
               kind == NodeKind::Airspace;
    }
    bool IsFolder() const { return kind == NodeKind::Folder || kind == NodeKind::Workspace; }
    bool IsPcItem() const { return !onRecorder; }
};

} // namespace vantrel
