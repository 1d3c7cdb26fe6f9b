#pragma once

#include "navpoints/Distance.h"
#include "navpoints/NavpointList.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The legs of a task, as the task definition dialog lists them.
namespace korlink {

// The distance units of the leg list, in the order of its choices.
enum class DistanceUnit { Miles, Kilometres, NauticalMiles };

// One counted navpoint of a task: the leg that reaches it (0 for the first) and the distance
// so far.
struct TaskLeg {
    int id = 0;
    // The navpoint's ordinal in its list.
    int ordinal = 0;
    std::string name;
    navpoints::Distances leg;
    navpoints::Distances sofar;
};

struct TaskLegs {
    std::vector<TaskLeg> legs;
    navpoints::Distances total;
};

// The highest navpoint id that a task's legs count.
constexpr std::int32_t kHighestLegNavpoint = 249;

// Walks a task's ids in order. An id counts when it lies in 1 .. 249 and names a navpoint
// with the turnpoint, start or finish attribute; other ids are passed over without breaking
// the chain. Each counted navpoint after the first adds a leg from the one counted before it.
TaskLegs ComputeLegs(const navpoints::NavpointList& navpoints, std::span<const std::int32_t> ids);

// A leg's row: ordinal, name, leg, distance so far (as "%6.2f mi", " km" or " nm") and the
// leg's share of the total as "%6.1f%" (0 when the total is 0).
std::array<std::string, 5> LegColumns(const TaskLeg& leg, const navpoints::Distances& total,
                                      DistanceUnit unit);

} // namespace korlink
