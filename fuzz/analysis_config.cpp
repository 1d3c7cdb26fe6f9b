// Analysis configuration file reader: any input is read without fault; what it yields is
// written and read back unchanged, and a flight analysed against it leaves the engine's results
// within the fixes.
#include "analysis/AnalysisConfigFile.h"
#include "analysis/FlightAnalysis.h"
#include "analysis/ResultRows.h"
#include "navpoints/Attributes.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

namespace attribute = navpoints::attribute;

navpoints::NavpointList Site() {
    navpoints::NavpointList list;
    list.Put(navpoints::Navpoint(1, "HOME", 47.0, 8.0, attribute::kHome, 400.0f, ""));
    list.Put(navpoints::Navpoint(2, "START", 47.0, 8.05, attribute::kStart, 0.0f, ""));
    list.Put(navpoints::Navpoint(3, "FINISH", 47.0, 8.0, attribute::kFinish, 0.0f, ""));
    list.Put(navpoints::Navpoint(4, "TURN", 47.1, 8.05, attribute::kTurnpoint, 0.0f, ""));
    return list;
}

// Home, out to the turnpoint and back, a fix every 10 seconds.
vantrel::FlightAnalysis Flight() {
    vantrel::FlightAnalysis flight;
    flight.SetDate({1, 2, 2004});
    for (int i = 0; i < 120; ++i) {
        vantrel::IgcFix fix;
        const double out = i < 60 ? i / 60.0 : (120 - i) / 60.0;
        static_cast<vantrel::GeoPosition&>(fix) =
            vantrel::GeoPosition::At(47.0 + 0.1 * out, 8.0 + 0.05 * (i > 5 ? 1 : 0));
        fix.time = 1075629600 + 10 * i;
        fix.pressureAltitude = 1300 + 30 * (i % 60);
        flight.Fixes().push_back(fix);
    }
    return flight;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vantrel::TaskSettings settings;
    if (vantrel::ReadAnalysisConfig(std::span(data, size), settings) != vantrel::ConfigLoad::Loaded)
        return 0;
    if (settings.turnpointIds.size() > vantrel::kIdListLength)
        std::abort();
    const std::string bytes = vantrel::AnalysisConfigBytes(settings);
    vantrel::TaskSettings again;
    const auto* written = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (vantrel::ReadAnalysisConfig(std::span(written, bytes.size()), again) !=
            vantrel::ConfigLoad::Loaded ||
        vantrel::AnalysisConfigBytes(again) != bytes)
        std::abort();

    static const auto site = Site();
    vantrel::FlightAnalysis flight = Flight();
    flight.Analyse(vantrel::AnalysisTaskOf(settings), site, 2);
    const int count = flight.FixCount();
    for (const int index : {flight.StartFix(), flight.FinishFix(), flight.LandingFix(),
                            flight.FurthestProgressFix()}) {
        if (index < -1 || index >= count)
            std::abort();
    }
    if (flight.AchievedIds().size() > flight.Turnpoints().size())
        std::abort();
    vantrel::ResultRows(flight);
    vantrel::GateDescription(settings.startGate, 0);
    return 0;
}
