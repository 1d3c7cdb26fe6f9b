#include "FlightGenerator.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <numbers>
#include <random>

namespace korsim {
namespace {

constexpr double kMetresPerDegree = 111194.9;
constexpr std::uint16_t kTurnpoint = 1, kAirfield = 2, kLandable = 8, kStart = 16, kFinish = 32,
                        kHome = 64;

// Deterministic uniform numbers from a generator whose output the standard fixes, so that a
// seed gives the same flight with every standard library.
class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    double Uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(engine_() >> 5) / 134217728.0;
    }
    int Between(int low, int high) {
        return low + static_cast<int>(engine_() % unsigned(high - low + 1));
    }

private:
    std::mt19937 engine_;
};

struct Position {
    double latitude;
    double longitude;
};

double DistanceMetres(const Position& a, const Position& b) {
    const double dy = (b.latitude - a.latitude) * kMetresPerDegree;
    const double dx = (b.longitude - a.longitude) * kMetresPerDegree *
                      std::cos(a.latitude * std::numbers::pi / 180);
    return std::hypot(dx, dy);
}

Position Moved(const Position& from, double headingRadians, double metres) {
    const double dLat = metres * std::cos(headingRadians) / kMetresPerDegree;
    const double dLon = metres * std::sin(headingRadians) /
                        (kMetresPerDegree * std::cos(from.latitude * std::numbers::pi / 180));
    return {from.latitude + dLat, from.longitude + dLon};
}

double Heading(const Position& from, const Position& to) {
    const double dy = to.latitude - from.latitude;
    const double dx =
        (to.longitude - from.longitude) * std::cos(from.latitude * std::numbers::pi / 180);
    return std::atan2(dx, dy);
}

LogTime AddSeconds(const LogTime& day, long seconds) {
    std::tm tm{};
    tm.tm_year = 100 + day[0];
    tm.tm_mon = day[1] - 1;
    tm.tm_mday = day[2];
    tm.tm_hour = day[3];
    tm.tm_min = day[4];
    tm.tm_sec = day[5];
    const std::time_t when = ::timegm(&tm) + seconds;
    std::tm out{};
    ::gmtime_r(&when, &out);
    return {static_cast<std::uint8_t>(out.tm_year % 100), static_cast<std::uint8_t>(out.tm_mon + 1),
            static_cast<std::uint8_t>(out.tm_mday),       static_cast<std::uint8_t>(out.tm_hour),
            static_cast<std::uint8_t>(out.tm_min),        static_cast<std::uint8_t>(out.tm_sec)};
}

enum class Phase { GroundRoll, Aerotow, Task, MotorRun, FinalGlide, Landed };

// The glider's state as it flies, one fix interval at a time.
class Glider {
public:
    Glider(const FlightOptions& options, const Site& site, const std::vector<std::uint8_t>& task)
        : options_(options), site_(site), task_(task),
          random_(options.seed * 7919 + 17), home_{site.navpoints[0].latitude,
                                                   site.navpoints[0].longitude},
          position_(home_), field_(site.navpoints[0].elevation), altitude_(field_) {}

    FlightSample Next(std::size_t index, long seconds) {
        phase_ = PhaseAt(index);
        const double dt = options_.interval;
        switch (phase_) {
        case Phase::GroundRoll:
            Fly(runwayHeading_,
                8.0 * dt * static_cast<double>(index) / std::max<double>(1, Count(0.02)), 0);
            break;
        case Phase::Aerotow:
            Fly(runwayHeading_ + 0.3, 32 * dt, 3.0 * dt);
            break;
        case Phase::Task:
            FlyTask(dt);
            break;
        case Phase::MotorRun:
            Fly(Heading(position_, home_), 28 * dt, 2.2 * dt);
            break;
        case Phase::FinalGlide:
            FinalGlide(dt);
            break;
        case Phase::Landed:
            break;
        }
        return Sample(index, seconds);
    }

private:
    double Count(double fraction) const { return fraction * static_cast<double>(options_.fixes); }

    Phase PhaseAt(std::size_t index) const {
        const auto i = static_cast<double>(index);
        if (i < Count(0.02))
            return Phase::GroundRoll;
        if (i < Count(0.08))
            return Phase::Aerotow;
        if (i < Count(0.84))
            return Phase::Task;
        if (i < Count(0.87))
            return Phase::MotorRun;
        if (i < Count(0.98) && altitude_ > field_ + 5)
            return Phase::FinalGlide;
        return Phase::Landed;
    }

    void Fly(double heading, double metres, double climb) {
        position_ = Moved(position_, heading, metres);
        altitude_ += climb;
        heading_ = heading;
    }

    void FlyTask(double dt) {
        const auto& point = site_.navpoints[task_[leg_] - 1];
        const Position target{point.latitude, point.longitude};
        if (DistanceMetres(position_, target) < 400) {
            if (leg_ == 0)
                startCrossed_ = true;
            leg_ = (leg_ + 1) % task_.size();
        }
        if (thermalling_) {
            // Circling: 90 m radius, about 25 s a turn, drifting with the wind.
            circle_ += 2 * std::numbers::pi * dt / 25;
            position_ = Moved(Moved(thermalCentre_, 0.9, drift_ += 1.2 * dt), circle_, 90);
            altitude_ += random_.Uniform(1.0, 3.5) * dt;
            thermalling_ = altitude_ < ceiling_;
            return;
        }
        Fly(Heading(position_, target) + random_.Uniform(-0.05, 0.05), 30 * dt,
            -random_.Uniform(0.7, 1.3) * dt);
        if (altitude_ < field_ + 700 + random_.Uniform(0, 300)) {
            thermalling_ = true;
            thermalCentre_ = Moved(position_, heading_ + std::numbers::pi / 2, 90);
            drift_ = 0;
            circle_ = heading_ - std::numbers::pi / 2;
            ceiling_ = field_ + random_.Uniform(1500, 2100);
        }
    }

    void FinalGlide(double dt) {
        const double distance = DistanceMetres(position_, home_);
        const double metres = std::min(distance, 28 * dt);
        const double sink = std::max(1.0, (altitude_ - field_) * metres / std::max(distance, 1.0));
        Fly(Heading(position_, home_), metres, -std::min(sink, altitude_ - field_));
    }

    FlightSample Sample(std::size_t index, long seconds) {
        FlightSample fix;
        fix.time = AddSeconds(options_.takeoffDay, seconds);
        fix.latitude = position_.latitude;
        fix.longitude = position_.longitude;
        fix.gnssAltitude = static_cast<int>(std::lround(altitude_ + random_.Uniform(-3, 3)));
        // Standard pressure differs from true altitude by the day's pressure offset.
        fix.pressureAltitude =
            static_cast<int>(std::lround(altitude_ - 38 + random_.Uniform(-1, 1)));
        fix.accuracy = static_cast<unsigned>(random_.Between(1, 4) * 15);
        fix.engineNoise =
            static_cast<unsigned>(phase_ == Phase::MotorRun  ? random_.Between(880, 999)
                                  : phase_ == Phase::Aerotow ? random_.Between(60, 140)
                                                             : random_.Between(5, 60));
        if (startCrossed_ && !eventMarked_) {
            fix.flags |= 0x04;
            eventMarked_ = true;
        }
        // A few fixes in the task lose their position solution.
        if (phase_ == Phase::Task && IsDropout(index)) {
            fix.flags |= 0x80;
            fix.accuracy = 0;
        }
        return fix;
    }

    bool IsDropout(std::size_t index) const {
        for (const double at : {0.31, 0.47, 0.471, 0.62}) {
            if (index == static_cast<std::size_t>(Count(at)))
                return true;
        }
        return false;
    }

    const FlightOptions& options_;
    const Site& site_;
    const std::vector<std::uint8_t>& task_;
    Random random_;
    Position home_;
    Position position_;
    double field_;
    double altitude_;
    double heading_ = 0;
    double runwayHeading_ = 4.4; // runway 25
    Phase phase_ = Phase::GroundRoll;
    std::size_t leg_ = 0;
    bool thermalling_ = false;
    Position thermalCentre_{};
    double circle_ = 0;
    double drift_ = 0;
    double ceiling_ = 0;
    bool startCrossed_ = false;
    bool eventMarked_ = false;
};

} // namespace

Site GenerateSite(unsigned seed) {
    Random random(seed * 104729 + 3);
    Site site;
    site.name = "Velmora Ridge Gliding Club";
    const Position home{47.2581 + random.Uniform(-0.2, 0.2), 8.9317 + random.Uniform(-0.2, 0.2)};
    site.navpoints.push_back({home.latitude, home.longitude, 417, 1,
                              kAirfield | kLandable | kHome | kStart | kFinish, "HOMEFIELD",
                              "RWY 07/25"});
    const char* names[] = {"NORTHGATE", "KESTREL HL", "LAKE DAM",
                           "SAWMILL",   "TWIN PEAKS", "OLD CASTLE"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const double bearing = 2 * std::numbers::pi * static_cast<double>(i) / std::size(names) +
                               random.Uniform(-0.2, 0.2);
        const auto at = Moved(home, bearing, random.Uniform(25000, 60000));
        site.navpoints.push_back(
            {at.latitude, at.longitude, static_cast<std::uint16_t>(random.Between(300, 1400)),
             static_cast<std::uint16_t>(i + 2),
             static_cast<std::uint16_t>(kTurnpoint | (i % 3 == 0 ? kLandable : 0)), names[i],
             i % 2 ? "CHURCH" : "JUNCTION"});
    }
    return site;
}

GeneratedFlight GenerateFlight(const FlightOptions& options, const Site& site) {
    Random random(options.seed);
    GeneratedFlight flight;
    // Start and finish at home, with three turnpoints chosen by the seed.
    flight.task.push_back(1);
    const int turnpoints = static_cast<int>(site.navpoints.size()) - 1;
    const int first = random.Between(0, turnpoints - 1);
    for (int k = 0; k < 3; ++k)
        flight.task.push_back(static_cast<std::uint8_t>(2 + (first + 2 * k) % turnpoints));
    flight.task.push_back(1);

    const long takeoff = 9 * 3600 + random.Between(0, 4 * 3600);
    flight.declared = AddSeconds(options.takeoffDay, takeoff - random.Between(1200, 5400));
    Glider glider(options, site, flight.task);
    flight.fixes.reserve(options.fixes);
    for (std::size_t i = 0; i < options.fixes; ++i)
        flight.fixes.push_back(glider.Next(i, takeoff + static_cast<long>(i * options.interval)));
    return flight;
}

} // namespace korsim
