#pragma once

#include "RecorderNavpoints.h"
#include "RecorderTasks.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string_view>

namespace korlink {

class CRecorderLink;

// How far an upload of navpoints got.
struct NavpointUpload {
    bool complete = false;
    std::size_t sent = 0; // navpoints the recorder acknowledged
};

// The recorder's navpoint table, task table and declaration as the library last read or set
// them, and the exchanges that read and write them. One per library.
class RecorderMemory {
public:
    const RecorderNavpointTable& Navpoints() const { return navpoints_; }
    const TaskTable& Tasks() const { return tasks_; }
    const LogDeclaration& Declaration() const { return declaration_; }

    // Reads the count record and the site and navpoint area into the table: the site name
    // and, unless only the name is wanted, the navpoints. Area progress goes to the link's
    // operation. False when a record or block could not be read.
    enum class Reading { Everything, SiteNameOnly };
    bool ReadNavpoints(CRecorderLink& link, Reading reading = Reading::Everything);
    // The recorder's count record alone; nothing when it could not be read.
    std::optional<NavpointCounts> ReadNavpointCounts(CRecorderLink& link);

    // Takes the site name and the navpoints (the first 250) into the table for sending.
    void SetNavpoints(std::string_view siteName, std::span<const navpoints::Navpoint> navpoints);
    // Clears the recorder's navpoints, then sends the site line and one line per navpoint in
    // download mode; the first line not acknowledged, or a cancellation, stops the upload.
    // `noSendMode` is told when download mode cannot be entered (the lines are tried anyway).
    // The link's operation gets the count as its range and the position after each navpoint.
    NavpointUpload WriteNavpoints(CRecorderLink& link, const std::function<void()>& noSendMode);

    bool ReadTasks(CRecorderLink& link);
    // Replaces task `task` (0 .. 9) of the table.
    void SetTask(int task, const TaskIds& numbers);
    // Sends task `task` (0 .. 9) of the table; true when acknowledged.
    bool SendTask(CRecorderLink& link, int task);
    // Declares task `task` (0 .. 9); true when acknowledged.
    bool Declare(CRecorderLink& link, int task);
    bool ReadDeclaration(CRecorderLink& link);

private:
    RecorderNavpointTable navpoints_;
    TaskTable tasks_{};
    LogDeclaration declaration_;
};

} // namespace korlink
