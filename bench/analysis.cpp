// Analysing a flight against a task: a 36,000-fix flight (1-second fixes) against a task of
// three turnpoints and against an assigned area task, and a 360,000-fix flight against the same
// task, to show that the time grows in proportion to the fixes. The flights are generated here,
// the same every run: cruising legs between the turnpoints with climbing circles along them.
#include "BenchSupport.h"
#include "analysis/FlightAnalysis.h"
#include "document/Units.h"
#include "navpoints/Attributes.h"

#include <cmath>
#include <cstdio>

namespace {

namespace attribute = navpoints::attribute;
using vantrel::GeoPosition;

constexpr int kRuns = 7;
constexpr double kKnots = 50.0;
constexpr double kRadiansPerDegree = 0.017453292519444445;

struct Place {
    double latitude, longitude;
};
constexpr Place kHome{47.0, 8.0}, kStart{47.0, 8.2}, kFinish{47.02, 8.0};
constexpr Place kTurnpoints[]{{47.4, 8.2}, {47.4, 8.8}, {47.0, 8.8}};

navpoints::NavpointList Site() {
    navpoints::NavpointList list;
    list.Put(navpoints::Navpoint(1, "HOME", kHome.latitude, kHome.longitude, attribute::kHome,
                                 400.0f, ""));
    list.Put(navpoints::Navpoint(2, "START", kStart.latitude, kStart.longitude, attribute::kStart,
                                 0.0f, ""));
    list.Put(navpoints::Navpoint(3, "FINISH", kFinish.latitude, kFinish.longitude,
                                 attribute::kFinish, 0.0f, ""));
    int id = 10;
    for (const Place& place : kTurnpoints)
        list.Put(navpoints::Navpoint(id++, "TP", place.latitude, place.longitude,
                                     attribute::kTurnpoint, 0.0f, ""));
    return list;
}

vantrel::AnalysisTask Task(bool assignedArea) {
    vantrel::AnalysisTask task;
    task.turnpointIds = {10, 11, 12};
    task.taskType =
        assignedArea ? vantrel::AnalysisTask::kAssignedArea : vantrel::AnalysisTask::kOrdinary;
    task.assignedRadii = {5, 5, 5};
    task.startGate.centreId = 2;
    task.startGate.radius = 3.0;
    task.startGate.top = 6000;
    task.startGate.inUse = true;
    task.finishGate.centreId = 3;
    task.finishGate.radius = 1.0;
    task.finishGate.base = 100;
    task.finishGate.inUse = true;
    return task;
}

// Lays out fixes one second apart.
class Trace {
public:
    explicit Trace(std::vector<vantrel::IgcFix>& fixes) : fixes_(fixes) {}

    void Stand(int seconds) {
        for (int i = 0; i < seconds; ++i)
            Add();
    }
    // Straight to a place at 50 kt, sinking while above 3000 ft, with `circles` climbing
    // circles spread along the way.
    void Fly(Place to, int circles, int climb) {
        const double scale = std::cos(latitude_ * kRadiansPerDegree);
        const double dy = (to.latitude - latitude_) * 60,
                     dx = (to.longitude - longitude_) * 60 * scale;
        const int seconds = static_cast<int>(std::hypot(dx, dy) / kKnots * 3600);
        const Place from{latitude_, longitude_};
        for (int s = 1; s <= seconds; ++s) {
            latitude_ = from.latitude + (to.latitude - from.latitude) * s / seconds;
            longitude_ = from.longitude + (to.longitude - from.longitude) * s / seconds;
            if (feet_ > 3000)
                feet_ -= 2;
            // The circles spread evenly over the leg, several at one place when there are more
            // circles than seconds.
            const long long due = static_cast<long long>(circles) * s / seconds -
                                  static_cast<long long>(circles) * (s - 1) / seconds;
            for (long long c = 0; c < due; ++c)
                Circle(climb);
            Add();
        }
    }

private:
    // A 45-second circle of 0.1 nm radius, climbing `climb` feet while below 5000 ft.
    void Circle(int climb) {
        const double scale = std::cos(latitude_ * kRadiansPerDegree);
        const Place centre{latitude_, longitude_};
        for (int s = 0; s < 45; ++s) {
            const double angle = s * 2 * 3.141592653589793 / 45;
            latitude_ = centre.latitude + 0.1 / 60 * std::sin(angle);
            longitude_ = centre.longitude + 0.1 / 60 * (1 - std::cos(angle)) / scale;
            if (feet_ < 5000)
                feet_ += climb / 45;
            Add();
        }
        latitude_ = centre.latitude;
        longitude_ = centre.longitude;
    }
    void Add() {
        vantrel::IgcFix fix;
        static_cast<GeoPosition&>(fix) = GeoPosition::At(latitude_, longitude_);
        fix.time = time_++;
        fix.pressureAltitude = feet_;
        fix.gpsAltitude = feet_;
        fixes_.push_back(fix);
    }

    std::vector<vantrel::IgcFix>& fixes_;
    double latitude_ = kHome.latitude, longitude_ = kHome.longitude;
    int feet_ = 1312;
    std::time_t time_ = 1075629600; // 1 February 2004, 10:00 UTC
};

// The task flown with `circlesPerLeg` circles on each of the five legs.
void FlyTask(Trace& trace, int circlesPerLeg) {
    trace.Stand(120);
    trace.Fly(kStart, circlesPerLeg, 300);
    for (const Place& turnpoint : kTurnpoints)
        trace.Fly(turnpoint, circlesPerLeg, 120);
    trace.Fly(kFinish, circlesPerLeg, 100);
    trace.Fly(kHome, 0, 0);
    trace.Stand(300);
}

// A flight of exactly `fixes` fixes: as many circles as fit, the rest standing after landing.
vantrel::FlightAnalysis Flight(int fixes) {
    std::vector<vantrel::IgcFix> plain;
    Trace withoutCircles(plain);
    FlyTask(withoutCircles, 0);
    const int circlesPerLeg = std::max(0, (fixes - static_cast<int>(plain.size())) / 45 / 5);

    vantrel::FlightAnalysis flight;
    flight.SetDate({1, 2, 2004});
    flight.Fixes().reserve(static_cast<std::size_t>(fixes));
    Trace trace(flight.Fixes());
    FlyTask(trace, circlesPerLeg);
    trace.Stand(fixes - flight.FixCount());
    return flight;
}

// Best time of one analysis in milliseconds; none when the flight does not complete the task.
std::optional<double> Milliseconds(vantrel::FlightAnalysis& flight, bool assignedArea) {
    const auto site = Site();
    const auto task = Task(assignedArea);
    if (!flight.Analyse(task, site, vantrel::kNauticalMiles) || flight.Status() != 4)
        return std::nullopt;
    return 1000 *
           bench::BestSeconds(kRuns, [&] { flight.Analyse(task, site, vantrel::kNauticalMiles); });
}

void Report(const char* name, std::optional<double> milliseconds, int fixes, const char* goal) {
    if (milliseconds)
        std::printf("%s: %.2f ms (goal: %s; %d fixes)\n", name, *milliseconds, goal, fixes);
    else
        std::printf("%s: failed (the flight did not complete its task)\n", name);
}

} // namespace

int main() {
    auto small = Flight(36000);
    auto large = Flight(360000);
    const auto task = Milliseconds(small, false);
    const auto area = Milliseconds(small, true);
    const auto tenfold = Milliseconds(large, false);
    Report("analyse_36k_fixes_task", task, small.FixCount(), "under 50 ms on one core");
    Report("analyse_36k_fixes_assigned_area", area, small.FixCount(), "under 50 ms on one core");
    Report("analyse_360k_fixes_task", tenfold, large.FixCount(), "at most 11 x the 36k time");
    if (task && tenfold)
        std::printf("analyse_scaling_360k_over_36k: %.2f x (goal: at most 11 x)\n",
                    *tenfold / *task);
    return task && area && tenfold ? 0 : 1;
}
