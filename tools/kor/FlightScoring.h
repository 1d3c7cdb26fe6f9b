#pragma once

#include "analysis/TaskSettings.h"
#include "document/TimeShift.h"
#include "navpoints/NavpointList.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// kor analyze: one flight scored against a task, and the ways its result is printed.
namespace kor {

// Where the task of a flight comes from.
enum class TaskSource {
    // The flight's own configuration file when there is one, else its declaration.
    Own,
    // One configuration file for every flight.
    ConfigFile,
    // The flight's declaration.
    Declaration,
};

// What every flight of a run shares.
struct ScoringSetup {
    TaskSource source = TaskSource::Own;
    vantrel::TaskSettings settings;                   // with TaskSource::ConfigFile
    std::optional<navpoints::NavpointList> navpoints; // a navpoint file's; else the flight's
    int units = 0;
    vantrel::TimeSettings time;
    // "HH:MM:SS" local time on the flight's day; none leaves every start open.
    std::optional<std::string> openTime;
};

// The result of one flight, as texts and numbers ready to print.
struct FlightScore {
    std::string file;
    std::optional<std::string> error; // the flight could not be read or analysed
    bool analysed = false;
    int status = 0;
    std::string statusText;
    std::optional<std::string> rollTime, startTime, finishTime, landingTime;
    std::optional<long long> taskSeconds;
    double distance = 0;
    double nominalDistance = 0;
    std::optional<double> assignedAreaDistance;
    std::optional<double> speed;
    std::string unit;
    std::vector<int> achieved;
    std::optional<std::string> landing, furthestProgress;
    std::vector<std::string> notes;
    std::vector<std::pair<std::string, std::string>> rows;
};

// Reads one flight (an IGC file or a stored log, see ReadFlightFile), builds its task and
// analyses it.
FlightScore ScoreFlight(const std::string& file, const ScoringSetup& setup);

std::string ScoreJson(const FlightScore& score);
std::string ScoreCsvHeader();
std::string ScoreCsv(const FlightScore& score);
// The result rows, label and value, under the file's name.
std::string ScoreText(const FlightScore& score);

} // namespace kor
