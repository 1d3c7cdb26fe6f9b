#include "IgcFlight.h"

#include "FlightMotion.h"
#include "IgcFixRecord.h"
#include "LocalClock.h"
#include "LogNavpointRecord.h"
#include "TextLines.h"
#include "Units.h"

#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {

constexpr int kDefaultFixAccuracy = 30; // metres
constexpr std::int64_t kSecondsPerDay = 86400;
// Fixes of a flight without a date are dated on this day.
constexpr FlightDate kUndatedFlight{1, 1, 1970};

std::int32_t Feet(int metres) {
    return static_cast<std::int32_t>(std::trunc(metres * kFeetPerMetreOfFixes));
}

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

// The first fix of a new day: a morning hour right after an afternoon one.
bool PassesMidnight(int previousHour, int hour) {
    return hour >= 0 && hour <= 12 && previousHour >= 13 && previousHour <= 23;
}

} // namespace

IgcFlight::IgcFlight(std::filesystem::path path) : path_(std::move(path)) {
    if (const auto text = ReadWholeFile(path_))
        ReadHeaderText(*text);
}

void IgcFlight::ReadHeaderText(std::string_view text) {
    header_ = {};
    const auto outcome = ReadHeader(text, header_);
    headerRead_ = outcome.read;
    errorText_ = outcome.errorText;
    lineCount_ = outcome.lineCount;
}

bool IgcFlight::ReadFixes(const TimeSettings& settings, bool withNavpoints) {
    ResetFixes();
    const auto text = ReadWholeFile(path_);
    if (!text)
        return false;
    ReadFixesText(*text, settings, withNavpoints, std::time(nullptr));
    return true;
}

void IgcFlight::ResetFixes() {
    fixes_.clear();
    invalidFixCount_ = 0;
    logNavpoints_.Clear();
    converted_ = false;
    firstRecordTime_.reset();
    lastRecordTime_.reset();
    maxPressureAltitude_ = 0;
    maxGpsAltitude_ = 0;
}

void IgcFlight::ReadLogRecord(std::string_view line) {
    if (StartsWith(line, "LZRVN00")) {
        if (const auto navpoint = ReadLogNavpoint(line))
            logNavpoints_.Put(*navpoint);
    } else if (line.find("CONV-ZRV", 1) != std::string_view::npos) {
        converted_ = true;
    }
}

void IgcFlight::ReadFixesText(std::string_view text, const TimeSettings& settings,
                              bool withNavpoints, std::time_t now) {
    ResetFixes();
    timeShiftMinutes_ = vantrel::TimeShiftMinutes(settings, header_.timeZoneMinutes, now);
    fixes_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    const ExtensionColumns columns{header_.fxaStart, header_.fxaEnd, header_.enlStart,
                                   header_.enlEnd};
    const bool dated = header_.date.month >= 1 && header_.date.month <= 12;
    FlightDate workingDate = dated ? header_.date : kUndatedFlight;
    LocalClock clock;
    bool rolledOver = false;
    int previousHour = -1;

    TextLines lines(text);
    while (const auto next = lines.Next()) {
        const auto line = TrimLeft(*next);
        if (line.empty())
            continue;
        if (line.front() == 'L' && withNavpoints)
            ReadLogRecord(line);
        if (line.front() != 'B')
            continue;
        if (line.size() < kValidityIndex + 1 || line[kValidityIndex] != 'A') {
            ++invalidFixCount_;
            continue;
        }
        if (line.size() == kValidityIndex + 1)
            continue;
        const auto record = ReadFixRecord(line, columns);
        if (!record) {
            ++invalidFixCount_;
            continue;
        }
        IgcFix fix;
        static_cast<GeoPosition&>(fix) = record->position;
        fix.time = clock.At(workingDate, record->hour, record->minute, record->second);
        if (!rolledOver && PassesMidnight(previousHour, record->hour)) {
            fix.time += kSecondsPerDay;
            workingDate = NextDay(workingDate);
            rolledOver = true;
        }
        previousHour = record->hour;
        fix.pressureAltitude = Feet(record->pressureAltitude);
        fix.gpsAltitude = Feet(record->gpsAltitude);
        fix.accuracy = record->fixAccuracy.value_or(kDefaultFixAccuracy) * kNauticalMilesPerMetre;
        fix.engineNoiseLevel = record->engineNoiseLevel.value_or(0);
        maxPressureAltitude_ = std::max(maxPressureAltitude_, fix.pressureAltitude);
        maxGpsAltitude_ = std::max(maxGpsAltitude_, fix.gpsAltitude);

        lastRecordTime_ = UtcSeconds(workingDate, record->hour, record->minute, record->second);
        if (!firstRecordTime_)
            firstRecordTime_ = lastRecordTime_;
        fixes_.push_back(fix);
    }
    for (IgcFix& fix : fixes_)
        fix.time -= static_cast<std::time_t>(timeShiftMinutes_ * 60);
    changed_ = false;
}

void IgcFlight::DeriveSpeedAndClimb() {
    vantrel::DeriveSpeedAndClimb(fixes_);
}

const IgcDeclaration* IgcFlight::Declaration(std::size_t index) const {
    return index < header_.declarations.size() ? &header_.declarations[index] : nullptr;
}

std::optional<DeclaredPoint> IgcFlight::DeclaredPointAt(std::size_t index) const {
    const auto* first = Declaration(0);
    if (!first || index >= first->points.size())
        return std::nullopt;
    return first->points[index];
}

const IgcFix* IgcFlight::Fix(int index) const {
    return index >= 0 && index < FixCount() ? &fixes_[static_cast<std::size_t>(index)] : nullptr;
}

std::optional<std::time_t> IgcFlight::FirstFixTime() const {
    return fixes_.empty() ? std::nullopt : std::optional(fixes_.front().time);
}

std::optional<std::time_t> IgcFlight::LastFixTime() const {
    return fixes_.empty() ? std::nullopt : std::optional(fixes_.back().time);
}

} // namespace vantrel
