#pragma once

#include "FlightBuilder.h"
#include "analysis/AnalysisTask.h"
#include "analysis/FlightAnalysis.h"
#include "navpoints/Attributes.h"
#include "navpoints/Distance.h"
#include "navpoints/NavpointList.h"

#include <initializer_list>

// A contest site and a task over it, shared by the analysis tests. The start lies 7.5 nm east
// of home; Alpha 18 nm north of the start, Bravo 15 nm east of Alpha, Charlie 18 nm south of
// Bravo; the finish lies just north of home.
namespace vantrel::test {

namespace attribute = navpoints::attribute;

struct Place {
    double latitude;
    double longitude;
};

inline constexpr Place kHome{51.0, 1.0};
inline constexpr Place kStart{51.0, 1.2};
inline constexpr Place kFinish{51.02, 1.0};
inline constexpr Place kAlpha{51.3, 1.2};
inline constexpr Place kBravo{51.3, 1.6};
inline constexpr Place kCharlie{51.0, 1.6};

inline navpoints::NavpointList SiteNavpoints() {
    navpoints::NavpointList list;
    const auto put = [&](int id, const char* name, Place place, std::uint32_t attributes,
                         float elevation = 0) {
        list.Put(navpoints::Navpoint(id, name, place.latitude, place.longitude, attributes,
                                     elevation, ""));
    };
    put(1, "HOME", kHome, attribute::kHome | attribute::kAirfield, 100.0f);
    put(2, "START", kStart, attribute::kStart);
    put(3, "FINISH", kFinish, attribute::kFinish);
    put(4, "ALPHA", kAlpha, attribute::kTurnpoint);
    put(9, "BRAVO", kBravo, attribute::kTurnpoint);
    put(12, "CHARLIE", kCharlie, attribute::kTurnpoint);
    return list;
}

// Start cylinder of 2 nm (top 5000 ft), finish cylinder of 1 nm (base 100 ft), both in use;
// turnpoints 4, 9, 12 with the wizard's radii in nautical miles.
inline AnalysisTask SiteTask(std::vector<int> turnpoints = {4, 9, 12}) {
    AnalysisTask task;
    task.turnpointIds = std::move(turnpoints);
    task.startGate.centreId = 2;
    task.startGate.radius = 2.0;
    task.startGate.top = 5000;
    task.startGate.inUse = true;
    task.finishGate.centreId = 3;
    task.finishGate.radius = 1.0;
    task.finishGate.base = 100;
    task.finishGate.top = 1000;
    task.finishGate.inUse = true;
    task.navpointRadius = 0.25;
    task.turnpointRadius = 1.0;
    return task;
}

inline double NauticalMiles(Place a, Place b) {
    return navpoints::Distance(a.latitude, a.longitude, b.latitude, b.longitude).nauticalMiles;
}

// Sum of the legs through the places.
inline double PathMiles(std::initializer_list<Place> places) {
    double sum = 0;
    const Place* previous = nullptr;
    for (const Place& place : places) {
        if (previous)
            sum += NauticalMiles(*previous, place);
        previous = &place;
    }
    return sum;
}

// Rolls from home after a minute and climbs to the start at 50 kt.
inline FlightBuilder TakeOff(int feet = 3000) {
    FlightBuilder flight(kHome.latitude, kHome.longitude);
    flight.Wait(60).FlyTo(kStart.latitude, kStart.longitude, 50, feet);
    return flight;
}

// Glides to the finish and home, and stands there.
inline FlightBuilder& Land(FlightBuilder& flight) {
    return flight.FlyTo(kFinish.latitude, kFinish.longitude, 50, 1000)
        .FlyTo(kHome.latitude, kHome.longitude, 50, 330)
        .Wait(120);
}

inline FlightBuilder& Via(FlightBuilder& flight, Place place, int feet = 3000) {
    return flight.FlyTo(place.latitude, place.longitude, 50, feet);
}

// Takes off, flies the start, Alpha, Bravo, Charlie and the finish, and lands at home.
inline FlightBuilder CompletedFlight() {
    FlightBuilder builder = TakeOff();
    Via(builder, kAlpha);
    Via(builder, kBravo);
    Via(builder, kCharlie);
    return Land(builder);
}

} // namespace vantrel::test
