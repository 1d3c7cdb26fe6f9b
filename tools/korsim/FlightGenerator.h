#pragma once

#include "logfiles/FixRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korsim {

using korlink::LogTime;

// One fix as the recorder measures it.
struct FlightSample {
    LogTime time{};      // UTC: year (two digits), month, day, hour, minute, second
    double latitude = 0; // degrees, north positive
    double longitude = 0;
    int gnssAltitude = 0;     // metres
    int pressureAltitude = 0; // metres
    unsigned accuracy = 0;    // metres
    unsigned extraA = 0;      // units of 15
    std::uint8_t flags = 0;   // bit 7: not valid; bit 2: pilot event
    unsigned engineNoise = 0; // 0 .. 999
};

// A point of the recorder's navpoint list.
struct SiteNavpoint {
    double latitude = 0;
    double longitude = 0;
    std::uint16_t elevation = 0; // metres
    std::uint16_t id = 0;
    std::uint16_t attributes = 0; // T 1, A 2, L 8, S 16, F 32, H 64
    std::string name;
    std::string remark;
};

// The recorder's site: its name and navpoint list. Navpoint 1 is the home airfield.
struct Site {
    std::string name;
    std::vector<SiteNavpoint> navpoints;
};

// A generated flight with the task it was declared for.
struct GeneratedFlight {
    std::vector<FlightSample> fixes;
    LogTime declared{};
    std::vector<std::uint8_t> task; // 1-based navpoint numbers: start, turnpoints, finish
};

struct FlightOptions {
    unsigned seed = 1;
    std::size_t fixes = 2400;
    LogTime takeoffDay{3, 12, 5, 0, 0, 0}; // 5 December 2003; the take-off time comes from the seed
    unsigned interval = 4;                 // seconds between fixes
};

// A site with a home airfield and a ring of turnpoints around it.
Site GenerateSite(unsigned seed);

// A cross-country flight of `options.fixes` fixes from the site's home field: ground roll,
// aerotow, glides along the declared task with thermal climbs, a pilot event at the start, a
// few fixes without a valid position, a motor run with engine noise, and the landing back home.
GeneratedFlight GenerateFlight(const FlightOptions& options, const Site& site);

} // namespace korsim
