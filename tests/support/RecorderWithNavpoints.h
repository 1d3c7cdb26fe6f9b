#pragma once

#include "RecorderModel.h"

#include <string>

namespace korlink::test {

// A simulated recorder's content holding the site "CLUB SITE" with `count` navpoints: ids 1, 2,
// ... named P1, P2, ... a kilometre apart along a meridian; task 1 holds navpoints 1, 2, 3.
inline korsim::RecorderModel RecorderWithNavpoints(std::size_t count) {
    auto model = korsim::RecorderModel::Minimal();
    korsim::NavpointMemory memory;
    memory.site.name = "CLUB SITE";
    for (std::size_t i = 0; i < count; ++i) {
        const auto id = static_cast<std::uint16_t>(i + 1);
        memory.site.navpoints.push_back({46.0 + static_cast<double>(i) / 111.2, 8.5,
                                         static_cast<std::uint16_t>(400 + i), id, 1,
                                         "P" + std::to_string(id), "R" + std::to_string(id)});
    }
    memory.tasks[0] = {1, 2, 3};
    memory.declaredTask = {1, 2, 3};
    model.StoreNavpoints(std::move(memory));
    return model;
}

} // namespace korlink::test
