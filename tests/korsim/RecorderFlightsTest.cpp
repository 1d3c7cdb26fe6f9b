#include "RecorderFlights.h"

#include "RecorderFormat.h"
#include "RecorderProtocol.h"
#include "link/Checks.h"
#include "logfiles/StoredLogCheck.h"

#include <gtest/gtest.h>

namespace korsim {
namespace {

using korlink::NibbleRecord;

// A directory entry as the library reads one: first fix time, last fix time after separator 8
// or 9, the record count after separator 17, 18 or 19 by the parity of their positions.
struct DirectoryEntry {
    korlink::LogTime first{};
    korlink::LogTime last{};
    std::uint32_t count = 0;
};

korlink::LogTime TimeAt(const NibbleRecord& record, std::size_t start) {
    NibbleRecord field;
    for (std::size_t i = 0; i < 12; ++i)
        field.nibbles[i] = record.At(start + i);
    field.count = 12;
    return korlink::DecodeLogTime(field);
}

std::vector<DirectoryEntry> ReadDirectory(const Bytes& directory) {
    std::vector<DirectoryEntry> entries;
    NibbleRecord record;
    for (std::size_t at = 0; at < directory.size();) {
        const auto next = korlink::UnpackRecord(directory, at, 200, record);
        if (next - at > 10) {
            std::vector<std::size_t> separators;
            for (std::size_t i = 0; i < record.count && separators.size() < 25; ++i) {
                if (record.nibbles[i] == NibbleRecord::kSeparator)
                    separators.push_back(i);
            }
            DirectoryEntry entry;
            entry.first = TimeAt(record, 0);
            const bool odd = separators.at(8) % 2 == 1;
            entry.last = TimeAt(record, separators.at(odd ? 8 : 9) + 1);
            const auto countSeparator =
                odd ? (separators.at(17) % 2 ? 17 : 18) : (separators.at(18) % 2 ? 18 : 19);
            for (auto i = separators.at(countSeparator) + 1;
                 i < record.count && record.nibbles[i] != NibbleRecord::kSeparator; ++i)
                entry.count = entry.count * 14 + record.nibbles[i];
            entries.push_back(entry);
        }
        at = next;
    }
    return entries;
}

TEST(RecorderFlights, DirectoryListsTheFlightsNewestFirst) {
    RecorderModel model = RecorderModel::Minimal();
    const auto site = GenerateSite(2);
    const auto flights = GenerateFlights(site, 2, 3, 200 + 7);
    StoreFlights(model, site, flights);
    const auto entries = ReadDirectory(model.directory);
    ASSERT_EQ(entries.size(), 3u);
    for (std::size_t n = 0; n < entries.size(); ++n) {
        const auto& flight = flights[flights.size() - 1 - n];
        EXPECT_EQ(entries[n].first, flight.fixes.front().time);
        EXPECT_EQ(entries[n].last, flight.fixes.back().time);
        EXPECT_EQ(entries[n].count, flight.fixes.size());
        EXPECT_EQ(model.areas.at(static_cast<int>(n) + 1), EncodeFixData(flight.fixes));
    }
    EXPECT_EQ(model.areas.count(4), 0u);
}

TEST(RecorderFlights, GeneratedFlightHasEveryPhase) {
    const auto site = GenerateSite(1);
    FlightOptions options;
    options.fixes = 2400;
    const auto flight = GenerateFlight(options, site);
    ASSERT_EQ(flight.fixes.size(), 2400u);
    int events = 0, invalid = 0, motor = 0, highest = 0;
    for (const auto& fix : flight.fixes) {
        events += (fix.flags & 0x04) ? 1 : 0;
        invalid += (fix.flags & 0x80) ? 1 : 0;
        motor += fix.engineNoise > 800 ? 1 : 0;
        highest = std::max(highest, fix.gnssAltitude);
    }
    EXPECT_EQ(events, 1);
    EXPECT_GE(invalid, 3);
    EXPECT_GT(motor, 30);
    EXPECT_GT(highest, 1500);
    EXPECT_EQ(flight.fixes.front().gnssAltitude / 10, site.navpoints[0].elevation / 10);
    EXPECT_EQ(flight.task.front(), 1);
    EXPECT_EQ(flight.task.back(), 1);
}

// The recorder reports the security record of the flight opened last, signed over its fix
// data and the records x and d as they are when asked.
TEST(RecorderFlights, EveryDownloadedFlightPassesItsCheck) {
    RecorderModel model = RecorderModel::Minimal();
    const auto site = GenerateSite(3);
    StoreFlights(model, site, GenerateFlights(site, 3, 2, 150));
    for (const int area : {1, 2}) {
        const auto log = DownloadedLog(model, area);
        ASSERT_TRUE(log);
        EXPECT_TRUE(korlink::PassesStoredLogCheck(*log)) << area;
    }
    model.records['x'][10] ^= 1; // a new pilot name: the flights are signed afresh
    EXPECT_TRUE(korlink::PassesStoredLogCheck(*DownloadedLog(model, 1)));

    using namespace std::chrono_literals;
    RecorderProtocol protocol(model, Faults{}, 3ms);
    RecorderProtocol::Clock::time_point now{};
    const auto send = [&](std::string_view bytes, unsigned speed = 4800) {
        std::vector<Transmission> out;
        for (const char c : bytes)
            protocol.Receive(static_cast<std::uint8_t>(c), speed, now += 2ms, out);
        return out;
    };
    send("\3upl 1\r");
    send("b 2\r\n");
    send("\3\33", 57600); // leave block mode
    send("\3upl 1\r");
    const auto reply = send("b 128\r\n");
    ASSERT_EQ(reply.size(), 1u);
    const auto payload = korlink::FramedPayload(reply[0].bytes, korlink::AsBytes("b 128\r\n"), 5);
    ASSERT_TRUE(payload);
    const auto expected = model.SecurityRecordFor(2);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), payload->begin()));
    EXPECT_NE(expected, model.SecurityRecordFor(1));
}

} // namespace
} // namespace korsim
