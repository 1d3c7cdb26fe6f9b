#pragma once

#include "Gate.h"
#include "TaskSettings.h"
#include "navpoints/NavpointList.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What the analysis wizard's pages decide and say, without the pages: the navpoint source,
// the gates, the turnpoint legs and the assigned areas.
namespace vantrel {

// The message that ends the analyse command on a flight with fewer than 5 fixes.
inline constexpr const char* kTooFewFixesText = "Flight log contains no fixes, cannot analyze.";
constexpr bool HasFixesToAnalyse(int fixCount) {
    return fixCount >= 5;
}

// Step 1 on entry: the file entry shows "DefaultWizardNavpoints"; "NavpointDefault" 3 forces the
// file "NavpointDefaultFile"; a flight without log navpoints forces the file and disables "From
// Log".
struct NavpointSourceChoice {
    bool fromLog = true;
    bool logEnabled = true;
    std::filesystem::path file;
};
NavpointSourceChoice ChooseNavpointSource(bool flightHasLogNavpoints, int navpointDefault,
                                          const std::filesystem::path& defaultWizardNavpoints,
                                          const std::filesystem::path& navpointDefaultFile);
// "%d navpoints available."
std::string NavpointsAvailableText(int count);

// Step 1 on Next: the wizard's navpoint list, or the message that keeps the page ("Invalid
// navpoint filename.", "Navpoint file is not valid.").
struct WizardNavpoints {
    navpoints::NavpointList list;
    std::optional<std::string> problem;
};
WizardNavpoints ChosenNavpoints(bool fromLog, const std::filesystem::path& file,
                                const navpoints::NavpointList& logNavpoints);

// Step 2 on entry: both gates in use; a gate whose centre is not a navpoint with its attribute
// (start, finish) takes the first navpoint that has it, if any.
void EnterGateStep(TaskSettings& settings, const navpoints::NavpointList& navpoints);
// Step 2 on Next: "No finish gate has been defined", else "No Start gate has been defined", when
// a centre is not in the list.
std::optional<std::string> GateStepProblem(const TaskSettings& settings,
                                           const navpoints::NavpointList& navpoints);

// The gate dialog's title and centre list: the navpoints with the gate's attribute, or, when
// there is none, all control points with a warning.
struct GateCentreChoices {
    std::string title;
    std::vector<navpoints::Navpoint> centres;
    std::optional<std::string> warning;
};
GateCentreChoices ChooseGateCentres(bool startGate, const navpoints::NavpointList& navpoints);

// One row of the turnpoint list (step 3 and the task display): id, name, the leg from the row
// before in the display unit ("%6.2lf" and the short unit name) and its share of the total
// ("%6.1lf%").
struct TaskLegRow {
    std::string id;
    std::string name;
    std::string leg;
    std::string share;
};
struct TaskLegList {
    std::vector<TaskLegRow> rows;
    double total = 0; // nm
};
// Rows for the start gate centre (when `withStart`), each turnpoint id from 1 to 9998 found in
// the list, and the finish gate centre (when `withFinish`). The total counts the legs between
// turnpoints, starts and finishes, less the radius of an in-use cylinder gate at either end.
TaskLegList TaskLegs(const TaskSettings& settings, const navpoints::NavpointList& navpoints,
                     int distanceUnit, bool withStart = true, bool withFinish = true);

// Step 4: the label "Radii (" + unit name + ")" and, with the assigned area task, a row for
// each turnpoint id from 1 to 9998 found in the list: id, name, "%d %s" (radius, unit name).
std::string AssignedRadiiLabel(int distanceUnit);
std::vector<TaskLegRow> AssignedAreaRows(const TaskSettings& settings,
                                         const navpoints::NavpointList& navpoints,
                                         int distanceUnit);

} // namespace vantrel
