#include "TaskDistance.h"

#include "document/Units.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr double kHoursPerSecond = 0.0002777777777777778;

// The radius an in-use cylinder gate takes off its leg.
double GateCut(const Gate& gate) {
    return gate.inUse && gate.IsCylinder() ? gate.radius : 0.0;
}

// A path of legs from an optional first point through `points` to an optional last point, the
// gates' radii taken off the legs that touch them.
double PathLength(const FlightAnalysis& analysis, bool fromStart,
                  const std::vector<GeoPosition>& points, bool toFinish) {
    std::vector<GeoPosition> path;
    if (fromStart)
        path.push_back(PositionOf(*analysis.StartNavpoint()));
    path.insert(path.end(), points.begin(), points.end());
    if (toFinish)
        path.push_back(PositionOf(*analysis.FinishNavpoint()));
    double length = 0;
    for (std::size_t i = 1; i < path.size(); ++i)
        length += Distance(path[i - 1], path[i], kNauticalMiles);
    if (path.size() > 1) {
        length -= fromStart ? GateCut(analysis.StartGate()) : 0.0;
        length -= toFinish ? GateCut(analysis.FinishGate()) : 0.0;
    }
    return std::max(length, 0.0);
}

std::vector<GeoPosition> TurnpointPositions(const FlightAnalysis& analysis, std::size_t count) {
    std::vector<GeoPosition> positions;
    const auto& turnpoints = analysis.Turnpoints();
    for (std::size_t k = 0; k < count && k < turnpoints.size(); ++k)
        positions.push_back(turnpoints[k].position);
    return positions;
}

double WholeTask(const FlightAnalysis& analysis, const std::vector<GeoPosition>& turnpoints) {
    return PathLength(analysis, analysis.StartNavpoint().has_value(), turnpoints,
                      analysis.FinishNavpoint().has_value());
}

// Achieved legs, then the part of the next leg flown: from the last achieved point (or the
// start) to the next point, less what the furthest progress still lay short of it.
double PartialTask(const FlightAnalysis& analysis) {
    const std::size_t achieved = analysis.AchievedIds().size();
    const auto& turnpoints = analysis.Turnpoints();
    const bool hasStart = analysis.StartNavpoint().has_value();
    const auto done = TurnpointPositions(analysis, achieved);
    std::optional<GeoPosition> next;
    if (achieved < turnpoints.size())
        next = turnpoints[achieved].position;
    else if (analysis.FinishNavpoint())
        next = PositionOf(*analysis.FinishNavpoint());
    std::optional<GeoPosition> last;
    if (!done.empty())
        last = done.back();
    else if (hasStart)
        last = PositionOf(*analysis.StartNavpoint());

    double length = PathLength(analysis, hasStart, done, false);
    if (next && last) {
        double partial = Distance(*last, *next, kNauticalMiles) -
                         Distance(analysis.FurthestProgressPosition(), *next, kNauticalMiles);
        if (done.empty() && hasStart)
            partial -= GateCut(analysis.StartGate());
        if (achieved >= turnpoints.size())
            partial -= GateCut(analysis.FinishGate());
        length += std::max(partial, 0.0);
    }
    return length;
}

} // namespace

double ScoredDistance(const FlightAnalysis& analysis) {
    if (!analysis.Started())
        return 0.0;
    if (analysis.Completed())
        return NominalDistance(analysis);
    return PartialTask(analysis);
}

double NominalDistance(const FlightAnalysis& analysis) {
    return WholeTask(analysis, TurnpointPositions(analysis, analysis.Turnpoints().size()));
}

std::optional<double> AssignedAreaDistance(const FlightAnalysis& analysis) {
    const auto& points = analysis.AssignedAreaPoints();
    if (points.size() < 2)
        return std::nullopt;
    // The first and last points are the start and finish centres.
    const std::vector<GeoPosition> inner(points.begin() + 1, points.end() - 1);
    return WholeTask(analysis, inner);
}

std::optional<long long> TaskTimeSeconds(const FlightAnalysis& analysis) {
    if (!analysis.Completed())
        return std::nullopt;
    return static_cast<long long>(analysis.FinishTime() - analysis.StartTime());
}

std::optional<double> TaskSpeed(const FlightAnalysis& analysis) {
    const auto seconds = TaskTimeSeconds(analysis);
    if (!seconds || *seconds <= 0)
        return std::nullopt;
    return ScoredDistance(analysis) / (static_cast<double>(*seconds) * kHoursPerSecond);
}

} // namespace vantrel
