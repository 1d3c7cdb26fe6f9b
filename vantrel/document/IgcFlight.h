#pragma once

#include "IgcFix.h"
#include "IgcHeader.h"
#include "TimeShift.h"
#include "navpoints/NavpointList.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// One flight read from an IGC file: its header, declarations, log navpoints and fixes.
// Constructing it reads the header records; ReadFixes reads the fixes.
class IgcFlight {
public:
    IgcFlight() = default;
    // Reads the header records of a file. A file that cannot be opened passes (its fixes then
    // cannot be read).
    explicit IgcFlight(std::filesystem::path path);
    virtual ~IgcFlight() = default;
    IgcFlight(const IgcFlight&) = default;
    IgcFlight& operator=(const IgcFlight&) = default;
    IgcFlight(IgcFlight&&) = default;
    IgcFlight& operator=(IgcFlight&&) = default;

    // Reads the header records of a text, as if it were the file at `path`.
    void ReadHeaderText(std::string_view text);

    // Reads the fixes of the file (and, when `withNavpoints`, its log navpoints), shifting
    // their times into local time by `settings`. False when the file cannot be opened.
    bool ReadFixes(const TimeSettings& settings, bool withNavpoints);
    // Likewise from a text; `now` decides whether daylight saving is in force for option 0.
    void ReadFixesText(std::string_view text, const TimeSettings& settings, bool withNavpoints,
                       std::time_t now);

    // Sets every fix's ground speed and climb rate.
    void DeriveSpeedAndClimb();

    const std::filesystem::path& Path() const { return path_; }
    void SetPath(std::filesystem::path path) { path_ = std::move(path); }
    bool HeaderRead() const { return headerRead_; }
    const std::string& ErrorText() const { return errorText_; }
    int LineCount() const { return lineCount_; }

    const IgcHeader& Header() const { return header_; }
    const FlightDate& Date() const { return header_.date; }
    // A flight added to a window of another day takes that day's date before its fixes are read.
    void SetDate(const FlightDate& date) { header_.date = date; }
    // Minutes east of UTC.
    int TimeZoneMinutes() const { return header_.timeZoneMinutes; }

    const std::vector<IgcDeclaration>& Declarations() const { return header_.declarations; }
    const IgcDeclaration* Declaration(std::size_t index) const;
    // A point of the first declaration; none out of range.
    std::optional<DeclaredPoint> DeclaredPointAt(std::size_t index) const;

    const navpoints::NavpointList& LogNavpoints() const { return logNavpoints_; }
    bool Converted() const { return converted_; }

    int FixCount() const { return static_cast<int>(fixes_.size()); }
    int InvalidFixCount() const { return invalidFixCount_; }
    std::vector<IgcFix>& Fixes() { return fixes_; }
    const std::vector<IgcFix>& Fixes() const { return fixes_; }
    const IgcFix* Fix(int index) const;
    std::optional<std::time_t> FirstFixTime() const;
    std::optional<std::time_t> LastFixTime() const;
    // Seconds since 1970 (UTC) of the first and last fix as their records give them, with the
    // flight date and any roll-over past midnight, before the time shift.
    std::optional<std::int64_t> FirstRecordTime() const { return firstRecordTime_; }
    std::optional<std::int64_t> LastRecordTime() const { return lastRecordTime_; }
    // The minutes subtracted from the record times by the last fix reading.
    long long TimeShiftMinutes() const { return timeShiftMinutes_; }

    std::int32_t MaxPressureAltitude() const { return maxPressureAltitude_; }
    std::int32_t MaxGpsAltitude() const { return maxGpsAltitude_; }

    bool Changed() const { return changed_; }
    void SetChanged(bool changed) { changed_ = changed; }

private:
    void ResetFixes();
    void ReadLogRecord(std::string_view line);

    std::filesystem::path path_;
    bool headerRead_ = true;
    std::string errorText_;
    int lineCount_ = 0;
    IgcHeader header_;

    navpoints::NavpointList logNavpoints_;
    bool converted_ = false;
    std::vector<IgcFix> fixes_;
    int invalidFixCount_ = 0;
    std::optional<std::int64_t> firstRecordTime_;
    std::optional<std::int64_t> lastRecordTime_;
    long long timeShiftMinutes_ = 0;
    std::int32_t maxPressureAltitude_ = 0;
    std::int32_t maxGpsAltitude_ = 0;
    bool changed_ = false;
};

} // namespace vantrel
