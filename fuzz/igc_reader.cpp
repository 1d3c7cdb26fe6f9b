// IGC flight reader: any input is read without fault, both passes and the derived speed and
// climb; every fix holds finite values and the counts agree with the fixes kept.
#include "document/IgcFlight.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vantrel::IgcFlight flight;
    flight.ReadHeaderText(text);
    if (!flight.HeaderRead()) {
        if (flight.ErrorText().empty())
            std::abort();
        return 0;
    }
    flight.ReadFixesText(text, {1, 0}, true, 0);
    flight.DeriveSpeedAndClimb();
    if (flight.FixCount() != static_cast<int>(flight.Fixes().size()) ||
        flight.InvalidFixCount() < 0)
        std::abort();
    for (const auto& fix : flight.Fixes()) {
        if (!std::isfinite(fix.groundSpeed) || fix.groundSpeed < 0 ||
            !std::isfinite(fix.climbRate) || !std::isfinite(fix.Latitude()) ||
            fix.pressureAltitude > flight.MaxPressureAltitude())
            std::abort();
    }
    for (const auto& declaration : flight.Declarations()) {
        if (declaration.points.size() > static_cast<std::size_t>(declaration.turnpointCount) + 4)
            std::abort();
    }
    return 0;
}
