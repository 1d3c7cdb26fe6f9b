#include "FlightScoring.h"

#include "FlightFile.h"
#include "JsonText.h"
#include "analysis/AnalysisConfigFile.h"
#include "analysis/FlightAnalysis.h"
#include "analysis/ResultRows.h"
#include "analysis/TaskDistance.h"
#include "document/FlightDocument.h"
#include "document/Units.h"
#include "navpoints/Attributes.h"
#include "navpoints/Coordinates.h"

#include <algorithm>
#include <cstdio>

namespace kor {
namespace {

using vantrel::FlightAnalysis;

// The wizard refuses flights with fewer fixes.
constexpr int kFewestFixes = 5;

std::optional<std::string> Shown(const std::string& text) {
    return text.empty() ? std::nullopt : std::optional(text);
}

// "HH:MM" or "HH:MM:SS" on the flight's day, as local time.
std::optional<std::time_t> OpenTime(const std::string& text, const vantrel::FlightDate& date) {
    int hour = 0, minute = 0, second = 0;
    char end = 0;
    const int read = std::sscanf(text.c_str(), "%d:%d:%d%c", &hour, &minute, &second, &end);
    if (read < 2 || read > 3 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 ||
        second > 59)
        return std::nullopt;
    return vantrel::LocalTime(date, hour, minute, second);
}

// The task of a flight by the setup's source; an error text when it cannot be had.
// `fromDeclaration` tells whether the flight's declaration gave it.
std::optional<std::string> FlightTask(const FlightAnalysis& flight, const ScoringSetup& setup,
                                      const navpoints::NavpointList& navpoints,
                                      vantrel::TaskSettings& settings, bool& fromDeclaration) {
    fromDeclaration = false;
    if (setup.source == TaskSource::ConfigFile) {
        settings = setup.settings;
        return std::nullopt;
    }
    settings = vantrel::DefaultTaskSettings(setup.units, vantrel::kFeet);
    if (setup.source == TaskSource::Own) {
        const auto load =
            vantrel::LoadAnalysisConfig(vantrel::AnalysisConfigPath(flight.Path()), settings);
        if (load == vantrel::ConfigLoad::Damaged)
            return std::string(vantrel::kConfigDamagedText);
        if (load == vantrel::ConfigLoad::Loaded)
            return std::nullopt;
    }
    fromDeclaration = true;
    if (const auto* declaration = flight.Declaration(0)) {
        vantrel::PrefillFromDeclaration(*declaration, navpoints, settings);
        // The wizard's gate step marks both gates in use.
        settings.startGate.inUse = true;
        settings.finishGate.inUse = true;
    }
    return std::nullopt;
}

bool HasHome(const navpoints::NavpointList& navpoints) {
    const auto all = navpoints.InOrder();
    return std::any_of(all.begin(), all.end(), [](const navpoints::Navpoint* navpoint) {
        return navpoint->Has(navpoints::attribute::kHome);
    });
}

// A declaration whose takeoff line is missing or at 0°,0° (the declared points take only
// positions with both coordinates set).
bool LacksTakeoff(const vantrel::IgcDeclaration* declaration) {
    if (!declaration)
        return false;
    const auto& points = declaration->points;
    return points.empty() || points.front().latitude == 0 || points.front().longitude == 0;
}

// Declarations commonly carry an all-zero takeoff line, which leaves the task without a home
// navpoint. Then the first fix stands in for it, at the fix's GPS altitude (its pressure
// altitude when it has none); the note says so. Nothing when a home navpoint is there.
std::optional<std::string> HomeAtFirstFix(const FlightAnalysis& flight,
                                          navpoints::NavpointList& navpoints) {
    if (HasHome(navpoints) || !LacksTakeoff(flight.Declaration(0)) || flight.Fixes().empty())
        return std::nullopt;
    const vantrel::IgcFix& first = flight.Fixes().front();
    const int feet = first.gpsAltitude > 0 ? first.gpsAltitude : first.pressureAltitude;
    const auto metres = static_cast<float>(std::max(feet, 0) / vantrel::kFeetPerMetreOfFixes);
    const navpoints::Navpoint home(navpoints.NextFreeId(), "HOME", first.Latitude(),
                                   first.Longitude(), navpoints::attribute::kHome, metres,
                                   "first fix");
    if (!navpoints.Put(home))
        return std::nullopt;
    char note[160];
    std::snprintf(note, sizeof note,
                  "No takeoff point declared: the first fix, %s %s, is taken as home, "
                  "elevation %.0f m.",
                  navpoints::FileLatitudeText(home.Latitude()).c_str(),
                  navpoints::FileLongitudeText(home.Longitude()).c_str(), home.Elevation());
    return std::string(note);
}

void Fill(FlightScore& score, const FlightAnalysis& flight) {
    const int unit = flight.DisplayUnit();
    const auto inUnit = [&](double nauticalMiles) {
        return vantrel::ConvertDistance(nauticalMiles, vantrel::kNauticalMiles, unit);
    };
    score.status = flight.Status();
    score.statusText = flight.StatusText();
    score.rollTime = Shown(vantrel::RollTimeText(flight));
    score.startTime = Shown(vantrel::StartTimeText(flight));
    score.finishTime = Shown(vantrel::FinishTimeText(flight));
    score.landingTime = Shown(vantrel::LandingTimeText(flight));
    const auto strip = [](std::optional<std::string>& text) {
        // "HH : MM : SS" as "HH:MM:SS".
        if (text)
            std::erase(*text, ' ');
    };
    for (auto* text : {&score.rollTime, &score.startTime, &score.finishTime, &score.landingTime})
        strip(*text);
    score.taskSeconds = vantrel::TaskTimeSeconds(flight);
    score.distance = inUnit(vantrel::ScoredDistance(flight));
    score.nominalDistance = inUnit(vantrel::NominalDistance(flight));
    if (const auto area = vantrel::AssignedAreaDistance(flight))
        score.assignedAreaDistance = inUnit(*area);
    if (const auto speed = vantrel::TaskSpeed(flight))
        score.speed = inUnit(*speed);
    score.unit = vantrel::DistanceUnitName(unit);
    score.achieved = flight.AchievedIds();
    if (vantrel::ShowsProgress(flight)) {
        if (flight.LandingFix() >= 0)
            score.landing = vantrel::PositionText(flight.LandingPosition());
        if (flight.FurthestProgressFix() >= 0)
            score.furthestProgress = vantrel::PositionText(flight.FurthestProgressPosition());
    }
    score.notes = flight.Notes();
    for (const auto& row : vantrel::ResultRows(flight))
        score.rows.emplace_back(row.label, row.value);
}

// A note of kor's own, before the engine's: in the notes and among the result rows below
// "Notes:".
void AddNote(FlightScore& score, const std::string& note) {
    score.notes.insert(score.notes.begin(), note);
    auto notesRow = std::find_if(score.rows.begin(), score.rows.end(),
                                 [](const auto& row) { return row.first == "  Notes:"; });
    if (notesRow != score.rows.end())
        ++notesRow;
    score.rows.emplace(notesRow, std::string(), note);
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string Number(std::optional<double> value) {
    return value ? JsonNumber(*value) : std::string();
}

template <typename Item, typename Text>
std::string Joined(const std::vector<Item>& items, const char* separator, Text text) {
    std::string joined;
    for (const auto& item : items)
        joined += (joined.empty() ? "" : separator) + text(item);
    return joined;
}

JsonObject& AddText(JsonObject& object, std::string_view key,
                    const std::optional<std::string>& text) {
    return text ? object.Add(key, *text) : object.AddNull(key);
}

JsonObject& AddNumber(JsonObject& object, std::string_view key, std::optional<double> number) {
    return number ? object.Add(key, *number) : object.AddNull(key);
}

} // namespace

FlightScore ScoreFlight(const std::string& file, const ScoringSetup& setup) {
    FlightScore score;
    score.file = file;
    FlightAnalysis flight;
    if (auto error = ReadFlightFile(file, setup.time, flight)) {
        score.error = std::move(error);
        return score;
    }
    if (flight.FixCount() < kFewestFixes) {
        score.error = "Flight log contains no fixes, cannot analyze.";
        return score;
    }
    navpoints::NavpointList navpoints;
    if (setup.navpoints) {
        navpoints = *setup.navpoints;
    } else {
        navpoints = flight.LogNavpoints();
        if (const auto* declaration = flight.Declaration(0))
            vantrel::AppendDeclaredPoints(*declaration, navpoints);
    }
    vantrel::TaskSettings settings;
    bool fromDeclaration = false;
    if (auto error = FlightTask(flight, setup, navpoints, settings, fromDeclaration)) {
        score.error = std::move(error);
        return score;
    }
    const auto homeNote =
        fromDeclaration && !setup.navpoints ? HomeAtFirstFix(flight, navpoints) : std::nullopt;
    vantrel::AnalysisTask task = vantrel::AnalysisTaskOf(settings);
    if (setup.openTime) {
        const auto open = OpenTime(*setup.openTime, flight.Date());
        if (!open) {
            score.error = "Invalid task open time: " + *setup.openTime;
            return score;
        }
        task.taskOpenTime = *open;
    }
    score.analysed = flight.Analyse(task, navpoints, setup.units);
    if (!score.analysed)
        score.error = "Error analyzing flight.";
    Fill(score, flight);
    if (homeNote)
        AddNote(score, *homeNote);
    return score;
}

std::string ScoreJson(const FlightScore& score) {
    JsonObject object;
    object.Add("file", score.file);
    if (score.statusText.empty())
        object.AddNull("status").AddNull("status_text");
    else
        object.Add("status", static_cast<long long>(score.status))
            .Add("status_text", score.statusText);
    AddText(object, "roll_time", score.rollTime);
    AddText(object, "start_time", score.startTime);
    AddText(object, "finish_time", score.finishTime);
    AddText(object, "landing_time", score.landingTime);
    AddNumber(object, "task_time_s",
              score.taskSeconds ? std::optional(static_cast<double>(*score.taskSeconds))
                                : std::nullopt);
    const bool ran = !score.statusText.empty();
    AddNumber(object, "distance", ran ? std::optional(score.distance) : std::nullopt);
    AddNumber(object, "nominal_distance",
              ran ? std::optional(score.nominalDistance) : std::nullopt);
    AddNumber(object, "assigned_area_distance", score.assignedAreaDistance);
    AddNumber(object, "speed", score.speed);
    AddText(object, "unit", ran ? std::optional(score.unit) : std::nullopt);
    object.AddJson("achieved", "[" + Joined(score.achieved, ", ", [](int id) {
                                   return std::to_string(id);
                               }) + "]");
    AddText(object, "landing", score.landing);
    AddText(object, "furthest_progress", score.furthestProgress);
    object.AddJson("notes", "[" + Joined(score.notes, ", ", JsonString) + "]");
    object.AddJson("rows", "[" + Joined(score.rows, ", ", [](const auto& row) {
                               return "[" + JsonString(row.first) + ", " + JsonString(row.second) +
                                      "]";
                           }) + "]");
    AddText(object, "error", score.error);
    return object.Text();
}

std::string ScoreCsvHeader() {
    return "file,status,status_text,roll_time,start_time,finish_time,landing_time,task_time_s,"
           "distance,nominal_distance,assigned_area_distance,speed,unit,achieved,landing,"
           "furthest_progress,notes,error";
}

std::string ScoreCsv(const FlightScore& score) {
    const auto text = [](const std::optional<std::string>& value) {
        return CsvField(value.value_or(""));
    };
    const std::vector<std::string> fields{
        CsvField(score.file),
        score.statusText.empty() ? "" : std::to_string(score.status),
        CsvField(score.statusText),
        text(score.rollTime),
        text(score.startTime),
        text(score.finishTime),
        text(score.landingTime),
        score.taskSeconds ? std::to_string(*score.taskSeconds) : "",
        score.statusText.empty() ? "" : JsonNumber(score.distance),
        score.statusText.empty() ? "" : JsonNumber(score.nominalDistance),
        Number(score.assignedAreaDistance),
        Number(score.speed),
        CsvField(score.unit),
        CsvField(Joined(score.achieved, ";", [](int id) { return std::to_string(id); })),
        text(score.landing),
        text(score.furthestProgress),
        CsvField(Joined(score.notes, "; ", [](const std::string& note) { return note; })),
        text(score.error),
    };
    return Joined(fields, ",", [](const std::string& field) { return field; });
}

std::string ScoreText(const FlightScore& score) {
    std::string text = score.file + "\n";
    if (score.error)
        text += "  error: " + *score.error + "\n";
    for (const auto& [label, value] : score.rows) {
        char line[64];
        std::snprintf(line, sizeof line, "  %-27s ", label.c_str());
        text += line + value + "\n";
    }
    return text;
}

} // namespace kor
