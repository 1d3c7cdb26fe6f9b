#include "TaskLegs.h"

#include "navpoints/Attributes.h"
#include "navpoints/NumberText.h"

namespace korlink {
namespace {

using navpoints::Distances;

Distances operator+(const Distances& a, const Distances& b) {
    return {a.miles + b.miles, a.kilometres + b.kilometres, a.nauticalMiles + b.nauticalMiles};
}

double InUnit(const Distances& distances, DistanceUnit unit) {
    switch (unit) {
    case DistanceUnit::Miles:
        return distances.miles;
    case DistanceUnit::Kilometres:
        return distances.kilometres;
    case DistanceUnit::NauticalMiles:
        return distances.nauticalMiles;
    }
    return 0;
}

const char* UnitSuffix(DistanceUnit unit) {
    switch (unit) {
    case DistanceUnit::Miles:
        return " mi";
    case DistanceUnit::Kilometres:
        return " km";
    case DistanceUnit::NauticalMiles:
        return " nm";
    }
    return "";
}

const navpoints::Navpoint* CountedNavpoint(const navpoints::NavpointList& navpoints,
                                           std::int32_t id) {
    if (id < 1 || id > kHighestLegNavpoint)
        return nullptr;
    const auto* navpoint = navpoints.Find(id);
    return navpoint && navpoint->Has(navpoints::attribute::kControlPoint) ? navpoint : nullptr;
}

} // namespace

TaskLegs ComputeLegs(const navpoints::NavpointList& navpoints, std::span<const std::int32_t> ids) {
    TaskLegs result;
    const navpoints::Navpoint* previous = nullptr;
    for (const auto id : ids) {
        const auto* navpoint = CountedNavpoint(navpoints, id);
        if (!navpoint)
            continue;
        TaskLeg leg{id, navpoints.OrdinalOf(id), navpoint->Name(), {}, {}};
        if (previous)
            leg.leg = navpoints::Distance(*previous, *navpoint);
        result.total = result.total + leg.leg;
        leg.sofar = result.total;
        result.legs.push_back(std::move(leg));
        previous = navpoint;
    }
    return result;
}

std::array<std::string, 5> LegColumns(const TaskLeg& leg, const navpoints::Distances& total,
                                      DistanceUnit unit) {
    const double whole = InUnit(total, unit);
    const double share = whole > 0 ? InUnit(leg.leg, unit) / whole * 100.0 : 0.0;
    return {std::to_string(leg.ordinal), leg.name,
            navpoints::FixedText(InUnit(leg.leg, unit), 2, 6) + UnitSuffix(unit),
            navpoints::FixedText(InUnit(leg.sofar, unit), 2, 6) + UnitSuffix(unit),
            navpoints::FixedText(share, 1, 6) + "%"};
}

} // namespace korlink
