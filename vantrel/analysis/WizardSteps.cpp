#include "WizardSteps.h"

#include "document/Units.h"
#include "navpoints/Attributes.h"
#include "navpoints/Distance.h"
#include "navpoints/NavpointFile.h"
#include "navpoints/NumberText.h"

namespace vantrel {
namespace {

namespace attribute = navpoints::attribute;

constexpr int kNavpointFromFile = 3;
constexpr int kHighestListedId = 9998;

const navpoints::Navpoint* FirstWith(const navpoints::NavpointList& navpoints, std::uint32_t bits) {
    for (const navpoints::Navpoint* navpoint : navpoints.InOrder()) {
        if (navpoint->Has(bits))
            return navpoint;
    }
    return nullptr;
}

void CentreOnAttribute(Gate& gate, std::uint32_t bits, const navpoints::NavpointList& navpoints) {
    const auto* centre = navpoints.Find(gate.centreId);
    if (centre && centre->Has(bits))
        return;
    if (const auto* first = FirstWith(navpoints, bits))
        gate.centreId = first->Id();
}

// The turnpoints the lists show: ids from 1 to 9998 found in the navpoint list.
std::vector<const navpoints::Navpoint*> ListedTurnpoints(const TaskSettings& settings,
                                                         const navpoints::NavpointList& navpoints) {
    std::vector<const navpoints::Navpoint*> listed;
    for (const int id : settings.turnpointIds) {
        const auto* navpoint = id >= 1 && id <= kHighestListedId ? navpoints.Find(id) : nullptr;
        if (navpoint)
            listed.push_back(navpoint);
    }
    return listed;
}

double Miles(const navpoints::Navpoint& from, const navpoints::Navpoint& to) {
    return navpoints::Distance(from, to).nauticalMiles;
}

} // namespace

NavpointSourceChoice ChooseNavpointSource(bool flightHasLogNavpoints, int navpointDefault,
                                          const std::filesystem::path& defaultWizardNavpoints,
                                          const std::filesystem::path& navpointDefaultFile) {
    NavpointSourceChoice choice{flightHasLogNavpoints, flightHasLogNavpoints,
                                defaultWizardNavpoints};
    if (navpointDefault == kNavpointFromFile) {
        choice.fromLog = false;
        choice.file = navpointDefaultFile;
    }
    return choice;
}

std::string NavpointsAvailableText(int count) {
    return std::to_string(count) + " navpoints available.";
}

WizardNavpoints ChosenNavpoints(bool fromLog, const std::filesystem::path& file,
                                const navpoints::NavpointList& logNavpoints) {
    WizardNavpoints chosen;
    if (fromLog) {
        chosen.list = logNavpoints;
        return chosen;
    }
    std::error_code error;
    if (file.empty() || !std::filesystem::is_regular_file(file, error)) {
        chosen.problem = "Invalid navpoint filename.";
        return chosen;
    }
    if (navpoints::ReadNavpointFile(file, chosen.list) == 0 || chosen.list.Count() == 0)
        chosen.problem = "Navpoint file is not valid.";
    return chosen;
}

void EnterGateStep(TaskSettings& settings, const navpoints::NavpointList& navpoints) {
    settings.startGate.inUse = true;
    settings.finishGate.inUse = true;
    CentreOnAttribute(settings.finishGate, attribute::kFinish, navpoints);
    CentreOnAttribute(settings.startGate, attribute::kStart, navpoints);
}

std::optional<std::string> GateStepProblem(const TaskSettings& settings,
                                           const navpoints::NavpointList& navpoints) {
    if (!navpoints.Find(settings.finishGate.centreId))
        return "No finish gate has been defined";
    if (!navpoints.Find(settings.startGate.centreId))
        return "No Start gate has been defined";
    return std::nullopt;
}

GateCentreChoices ChooseGateCentres(bool startGate, const navpoints::NavpointList& navpoints) {
    const std::uint32_t bits = startGate ? attribute::kStart : attribute::kFinish;
    GateCentreChoices choices;
    choices.title = startGate ? "Start Gate Settings" : "Finish Gate Settings";
    for (const navpoints::Navpoint* navpoint : navpoints.InOrder()) {
        if (navpoint->Has(bits))
            choices.centres.push_back(*navpoint);
    }
    if (!choices.centres.empty())
        return choices;
    for (const navpoints::Navpoint* navpoint : navpoints.InOrder()) {
        if (navpoint->Has(attribute::kControlPoint))
            choices.centres.push_back(*navpoint);
    }
    choices.warning = std::string("Warning, no control points with ") +
                      (startGate ? "START" : "FINISH") + " attribute have been entered.";
    return choices;
}

TaskLegList TaskLegs(const TaskSettings& settings, const navpoints::NavpointList& navpoints,
                     int distanceUnit, bool withStart, bool withFinish) {
    struct Point {
        const navpoints::Navpoint* navpoint;
        const Gate* gate;
    };
    std::vector<Point> points;
    if (const auto* start = navpoints.Find(settings.startGate.centreId); start && withStart)
        points.push_back({start, &settings.startGate});
    for (const auto* turnpoint : ListedTurnpoints(settings, navpoints))
        points.push_back({turnpoint, nullptr});
    if (const auto* finish = navpoints.Find(settings.finishGate.centreId); finish && withFinish)
        points.push_back({finish, &settings.finishGate});

    TaskLegList list;
    std::vector<double> legs(points.size(), 0.0);
    for (std::size_t i = 1; i < points.size(); ++i) {
        legs[i] = Miles(*points[i - 1].navpoint, *points[i].navpoint);
        if (points[i - 1].navpoint->Has(attribute::kControlPoint) &&
            points[i].navpoint->Has(attribute::kControlPoint))
            list.total += legs[i];
    }
    for (const std::size_t end : {std::size_t{0}, points.size() - 1}) {
        const Gate* gate = end < points.size() ? points[end].gate : nullptr;
        if (points.size() > 1 && gate && gate->inUse && gate->IsCylinder())
            list.total -= gate->radius;
    }
    const char* unit = ShortDistanceUnitName(distanceUnit);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double share = list.total > 0 ? legs[i] / list.total * 100.0 : 0.0;
        list.rows.push_back(
            {std::to_string(points[i].navpoint->Id()), points[i].navpoint->Name(),
             navpoints::FixedText(ConvertDistance(legs[i], kNauticalMiles, distanceUnit), 2, 6) +
                 " " + unit,
             navpoints::FixedText(share, 1, 6) + "%"});
    }
    return list;
}

std::string AssignedRadiiLabel(int distanceUnit) {
    return std::string("Radii (") + DistanceUnitName(distanceUnit) + ")";
}

std::vector<TaskLegRow> AssignedAreaRows(const TaskSettings& settings,
                                         const navpoints::NavpointList& navpoints,
                                         int distanceUnit) {
    std::vector<TaskLegRow> rows;
    if (!settings.assignedAreaTask)
        return rows;
    for (std::size_t k = 0; k < settings.turnpointIds.size() && k < kIdListLength; ++k) {
        const int id = settings.turnpointIds[k];
        const auto* navpoint = id >= 1 && id <= kHighestListedId ? navpoints.Find(id) : nullptr;
        if (navpoint)
            rows.push_back(
                {std::to_string(id), navpoint->Name(),
                 std::to_string(settings.assignedRadii[k]) + " " + DistanceUnitName(distanceUnit),
                 ""});
    }
    return rows;
}

} // namespace vantrel
