// Stored logs converted by the library and read back by the flight reader: every fix keeps its
// position and altitudes within the resolution of the two formats.
#include "RecorderFlights.h"
#include "TemporaryFolder.h"
#include "document/IgcFlight.h"
#include "logfiles/IgcWriter.h"
#include "logfiles/StoredLog.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using korlink::LogFix;

std::vector<LogFix> ValidFixes(const korlink::StoredLog& log) {
    std::vector<LogFix> fixes;
    korlink::NibbleRecord record;
    std::size_t position = 0;
    do {
        position = log.ReadFixRecord(position, record);
        const auto fix = korlink::DecodeFixRecord(record);
        if (!(fix.flags & LogFix::kInvalid))
            fixes.push_back(fix);
    } while (position != 0);
    return fixes;
}

TEST(ConvertedFlight, FixesSurviveTheConversion) {
    for (const unsigned seed : {3u, 4u}) {
        auto model = korsim::RecorderModel::Minimal();
        const auto site = korsim::GenerateSite(seed);
        korsim::FlightOptions options;
        options.seed = seed;
        options.fixes = 600;
        korsim::StoreFlights(model, site, std::vector{korsim::GenerateFlight(options, site)});
        const auto log = korsim::DownloadedLog(model, 1);
        ASSERT_TRUE(log);
        korlink::test::TemporaryFolder folder;
        const auto saved = log->Save(folder.Path());
        ASSERT_EQ(saved.status, korlink::LogFileStatus::Ok);
        const auto igc = korlink::ConvertStoredLog(folder.Path() / saved.name, folder.Path());
        ASSERT_EQ(igc.status, 0u);

        vantrel::IgcFlight flight(folder.Path() / igc.name);
        ASSERT_TRUE(flight.HeaderRead()) << flight.ErrorText();
        ASSERT_TRUE(flight.ReadFixes({}, true));
        const auto expected = ValidFixes(*log);
        ASSERT_EQ(static_cast<std::size_t>(flight.FixCount()), expected.size());
        // Positions: 24-bit angles (2.1e-5 degrees) written as thousandths of a minute.
        constexpr double kDegrees = 360.0 / (1 << 24) + 0.001 / 60;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const auto& fix = flight.Fixes()[i];
            EXPECT_NEAR(fix.Latitude(), expected[i].latitude, kDegrees) << i;
            EXPECT_NEAR(fix.Longitude(), expected[i].longitude, kDegrees) << i;
            // Altitudes in whole metres, read back in feet.
            const double pressure = (double(expected[i].pressureAltitude) - 1000) * 3.2808;
            const double gnss = (double(expected[i].gnssAltitude) - 1000) * 3.2808;
            EXPECT_NEAR(fix.pressureAltitude, pressure, 1.0 + std::abs(pressure) * 1e-3) << i;
            EXPECT_NEAR(fix.gpsAltitude, gnss, 1.0 + std::abs(gnss) * 1e-3) << i;
        }
        EXPECT_EQ(flight.Header().recorderId.substr(0, 4), "Q0YA") << flight.Header().recorderId;
    }
}

} // namespace
