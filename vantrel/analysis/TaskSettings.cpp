#include "TaskSettings.h"

#include "document/Units.h"

#include <cmath>
#include <optional>

namespace vantrel {
namespace {

constexpr double kSamePointDegrees = 1e-5;

std::optional<int> MatchingNavpoint(const DeclaredPoint& point,
                                    const navpoints::NavpointList& navpoints) {
    for (const navpoints::Navpoint* navpoint : navpoints.InOrder()) {
        if (std::fabs(navpoint->Latitude() - point.latitude) < kSamePointDegrees &&
            std::fabs(navpoint->Longitude() - point.longitude) < kSamePointDegrees)
            return navpoint->Id();
    }
    return std::nullopt;
}

void PrefillGateCentre(const std::vector<DeclaredPoint>& points, std::size_t index,
                       const navpoints::NavpointList& navpoints, Gate& gate) {
    if (index >= points.size())
        return;
    if (const auto id = MatchingNavpoint(points[index], navpoints))
        gate.centreId = *id;
}

} // namespace

TaskSettings DefaultTaskSettings(int distanceUnit, int altitudeUnit) {
    TaskSettings settings;
    settings.turnpointRadius = ConvertDistance(1.0, distanceUnit, kNauticalMiles);
    settings.navpointRadius = ConvertDistance(0.25, distanceUnit, kNauticalMiles);
    settings.startGate = DefaultStartGate(distanceUnit, altitudeUnit);
    settings.finishGate = DefaultFinishGate(distanceUnit, altitudeUnit);
    return settings;
}

AnalysisTask AnalysisTaskOf(const TaskSettings& settings) {
    AnalysisTask task;
    task.taskType =
        settings.assignedAreaTask ? AnalysisTask::kAssignedArea : AnalysisTask::kOrdinary;
    task.turnpointIds = settings.turnpointIds;
    task.assignedRadii.assign(settings.assignedRadii.begin(), settings.assignedRadii.end());
    task.startGate = settings.startGate;
    task.finishGate = settings.finishGate;
    task.navpointRadius = settings.navpointRadius;
    task.turnpointRadius = settings.turnpointRadius;
    return task;
}

void PrefillFromDeclaration(const IgcDeclaration& declaration,
                            const navpoints::NavpointList& navpoints, TaskSettings& settings) {
    const auto& points = declaration.points;
    const std::size_t finish =
        static_cast<std::size_t>(std::max(declaration.turnpointCount, 0)) + 2;
    settings.turnpointIds.clear();
    for (std::size_t i = 2; i < finish && i < points.size(); ++i) {
        if (points[i].latitude == 0 || points[i].longitude == 0)
            continue;
        const auto id = MatchingNavpoint(points[i], navpoints);
        if (id && settings.turnpointIds.size() < kIdListLength)
            settings.turnpointIds.push_back(*id);
    }
    PrefillGateCentre(points, 1, navpoints, settings.startGate);
    PrefillGateCentre(points, finish, navpoints, settings.finishGate);
}

} // namespace vantrel
