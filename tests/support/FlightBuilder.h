#pragma once

#include "analysis/FlightAnalysis.h"
#include "document/GeoPosition.h"
#include "document/LocalClock.h"
#include "document/Units.h"

#include <cmath>
#include <ctime>
#include <utility>
#include <vector>

// Synthetic flights for the analysis tests: a trace laid out as waits and straight legs at a
// given ground speed, fix by fix.
namespace vantrel::test {

class FlightBuilder {
public:
    // A flight on 1 February 2004 that begins at 10:00:00 local time, at a place and a
    // pressure altitude in feet.
    FlightBuilder(double latitude, double longitude, int feet = 330, FlightDate date = {1, 2, 2004})
        : date_(date), latitude_(latitude), longitude_(longitude), feet_(feet),
          time_(LocalTime(date, 10, 0, 0)) {
        Add();
    }

    // Stays in place for `seconds`, a fix every `step` seconds.
    FlightBuilder& Wait(int seconds, int step = 4) {
        for (int t = step; t <= seconds; t += step) {
            time_ += step;
            Add();
        }
        return *this;
    }

    // Flies straight to a place at `knots` over the ground, the altitude changing evenly to
    // `feet`; the last fix lies on the place.
    FlightBuilder& FlyTo(double latitude, double longitude, double knots, int feet, int step = 4) {
        const GeoPosition from = GeoPosition::At(latitude_, longitude_);
        const GeoPosition to = GeoPosition::At(latitude, longitude);
        const double seconds = Distance(from, to, kNauticalMiles) / knots * 3600.0;
        const int steps = std::max(1, static_cast<int>(std::lround(seconds / step)));
        const double startLatitude = latitude_, startLongitude = longitude_;
        const int startFeet = feet_;
        for (int i = 1; i <= steps; ++i) {
            const double f = static_cast<double>(i) / steps;
            latitude_ = startLatitude + (latitude - startLatitude) * f;
            longitude_ = startLongitude + (longitude - startLongitude) * f;
            feet_ = startFeet + static_cast<int>(std::lround((feet - startFeet) * f));
            time_ += static_cast<std::time_t>(std::lround(seconds / steps));
            Add();
        }
        return *this;
    }

    // One fix `seconds` later at a place: a gap in the trace.
    FlightBuilder& JumpTo(double latitude, double longitude, int seconds) {
        latitude_ = latitude;
        longitude_ = longitude;
        time_ += seconds;
        Add();
        return *this;
    }

    // The engine noise level of the fixes added from now on.
    FlightBuilder& Engine(int level) {
        engineNoise_ = level;
        return *this;
    }

    FlightAnalysis Build() const {
        FlightAnalysis flight;
        flight.SetDate(date_);
        flight.Fixes() = fixes_;
        return flight;
    }

    std::size_t Count() const { return fixes_.size(); }
    // The time of the last fix added.
    std::time_t Time() const { return time_; }

private:
    void Add() {
        IgcFix fix;
        static_cast<GeoPosition&>(fix) = GeoPosition::At(latitude_, longitude_);
        fix.time = time_;
        fix.pressureAltitude = feet_;
        fix.gpsAltitude = feet_;
        fix.engineNoiseLevel = engineNoise_;
        fixes_.push_back(fix);
    }

    FlightDate date_;
    double latitude_;
    double longitude_;
    int feet_;
    std::time_t time_;
    int engineNoise_ = 0;
    std::vector<IgcFix> fixes_;
};

} // namespace vantrel::test
