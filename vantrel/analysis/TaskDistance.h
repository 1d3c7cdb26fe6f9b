#pragma once

#include "FlightAnalysis.h"

#include <optional>

// Distances, time on course and speed of an analysed flight, in nautical miles, seconds and
// knots.
namespace vantrel {

// The distance scored: the whole task when completed; else the start through the achieved
// turnpoints and the progress made toward the next point (never negative); 0 when the flight
// did not start. In-use cylinder gates take their radius off the first and last leg.
double ScoredDistance(const FlightAnalysis& analysis);
// The whole task's legs, as if completed.
double NominalDistance(const FlightAnalysis& analysis);
// The legs through the assigned-area points; none unless the optimisation chose them.
std::optional<double> AssignedAreaDistance(const FlightAnalysis& analysis);

// Finish time - start time of a completed task.
std::optional<long long> TaskTimeSeconds(const FlightAnalysis& analysis);
// Scored distance over the task time; none without a task time above 0.
std::optional<double> TaskSpeed(const FlightAnalysis& analysis);

} // namespace vantrel
