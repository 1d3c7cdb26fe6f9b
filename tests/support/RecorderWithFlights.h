#pragma once

#include "RecorderFlights.h"

#include <initializer_list>

namespace korlink::test {

// A simulated recorder's content holding generated flights flown on the given days (year,
// month, day; in the order flown), each of `fixes` fixes.
inline korsim::RecorderModel
RecorderWithFlights(std::initializer_list<std::array<std::uint8_t, 3>> days,
                    std::size_t fixes = 300) {
    auto model = korsim::RecorderModel::Minimal();
    const auto site = korsim::GenerateSite(7);
    std::vector<korsim::GeneratedFlight> flights;
    unsigned seed = 11;
    for (const auto& day : days) {
        korsim::FlightOptions options;
        options.seed = seed++;
        options.fixes = fixes;
        options.takeoffDay = {day[0], day[1], day[2], 0, 0, 0};
        flights.push_back(korsim::GenerateFlight(options, site));
    }
    korsim::StoreFlights(model, site, flights);
    return model;
}

} // namespace korlink::test
