// The navpoint, task and declaration exports of libkorlink.so against a simulated recorder, in a
// process without a screen.
#include "RecorderWithFlights.h"
#include "RecorderWithNavpoints.h"
#include "SimulatedRecorder.h"
#include "TemporaryFolder.h"
#include "korlink/korlink.h"
#include "logfiles/StoredLog.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

using korlink::test::RecorderWithNavpoints;
using korlink::test::SimulatedRecorder;

const ConnectionDescriptor kQuiet{1, 0, 0, 1};
const ConnectionDescriptor kVerifying{1, 0, 0, 0};

SimulatedRecorder WithFaults(korsim::RecorderModel model, korsim::Faults faults) {
    return SimulatedRecorder(std::move(model), korsim::SimulatorOptions{false, faults});
}

TEST(RecorderExports, GetWaypointsCopiesAtMostTheMaximum) {
    struct Case {
        std::size_t inRecorder;
        std::int32_t maximum;
        std::uint32_t copied;
    };
    const Case cases[] = {{256, 250, 250}, {256, -3, 3}, {257, 250, 0}, {2, 250, 2}};
    for (const auto& c : cases) {
        SimulatedRecorder recorder(RecorderWithNavpoints(c.inRecorder));
        NavpointRecord records[251];
        std::memset(records, 0x5A, sizeof records);
        std::uint32_t count = 99;
        char site[33] = {};
        ASSERT_EQ(KORGetWaypoints(&kQuiet, c.maximum, records, &count, site), uint32_t{KOR_OK});
        EXPECT_EQ(count, c.copied) << c.inRecorder << " " << c.maximum;
        EXPECT_STREQ(site, "CLUB SITE");
        EXPECT_EQ(records[c.copied].id, 0x5A5A5A5A) << "nothing past the records copied";
        if (c.copied > 1) {
            EXPECT_EQ(records[1].id, 2);
            EXPECT_STREQ(records[1].name, "P2");
            EXPECT_STREQ(records[1].remark, "R2");
            EXPECT_FLOAT_EQ(records[1].elevation, 401.0f);
            // The nearest of the recorder's 24-bit angles.
            EXPECT_NEAR(records[1].latitude, 46.0 + 1 / 111.2, 360.0 / (1 << 24) / 2);
            EXPECT_EQ(records[1].reserved[0], 0x5A) << "bytes 0 to 7 are not written";
        }
    }
}

TEST(RecorderExports, SiteNameTasksAndDeclaration) {
    SimulatedRecorder recorder(RecorderWithNavpoints(9));
    char site[33];
    std::memset(site, '#', sizeof site);
    ASSERT_EQ(KORGetSiteName(&kQuiet, site), uint32_t{KOR_OK});
    EXPECT_STREQ(site, "CLUB SITE");

    const std::int32_t ids[] = {5, 7, 9, 0, 0, 0, 0, 0, 0, 4, 4};
    for (const std::int32_t number : {0, 11}) {
        EXPECT_EQ(KORSetTask(&kQuiet, number, 3, ids), uint32_t{KOR_INVALID_TASK});
        EXPECT_EQ(KORDeclareTask(&kQuiet, number), uint32_t{KOR_INVALID_TASK});
    }
    EXPECT_EQ(recorder.CommandCount("t"), 0u);
    EXPECT_EQ(KORSetTask(&kQuiet, 5, 11, ids), uint32_t{KOR_OK});
    EXPECT_EQ(KORDeclareTask(&kQuiet, 5), uint32_t{KOR_OK});

    std::int32_t tasks[90];
    ASSERT_EQ(KORGetTasks(&kQuiet, tasks), uint32_t{KOR_OK});
    EXPECT_EQ((std::vector<std::int32_t>(tasks, tasks + 3)), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ((std::vector<std::int32_t>(tasks + 36, tasks + 45)),
              (std::vector<std::int32_t>{5, 7, 9, 0, 0, 0, 0, 0, 0}));

    char first[32], second[32];
    std::uint32_t count = 0;
    std::int32_t numbers[9];
    std::memset(numbers, 0x5A, sizeof numbers);
    ASSERT_EQ(KORGetDeclaration(&kQuiet, first, second, &count, numbers), uint32_t{KOR_OK});
    EXPECT_EQ(count, 3u);
    EXPECT_EQ((std::vector<std::int32_t>(numbers, numbers + 9)),
              (std::vector<std::int32_t>{5, 7, 9, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(std::strlen(first), 18u) << first;
    EXPECT_EQ(first[2], '/');
    EXPECT_STREQ(second, "00/00/00  00:00:00");
}

TEST(RecorderExports, DownloadedFlightsCarryTheNavpointsRead) {
    SimulatedRecorder recorder(korlink::test::RecorderWithFlights({{3, 12, 5}}));
    korlink::test::TemporaryFolder folder;
    LogResult result{};
    ASSERT_EQ(KORGetLog(&kQuiet, folder.Path().c_str(), 1, &result), uint32_t{KOR_OK});
    korlink::StoredLog log;
    ASSERT_EQ(log.Load(result.path), korlink::LogFileStatus::Ok);
    NavpointRecord records[250];
    std::uint32_t count = 0;
    char site[33] = {};
    ASSERT_EQ(KORGetWaypoints(&kQuiet, 250, records, &count, site), uint32_t{KOR_OK});
    EXPECT_EQ(log.SiteName(), site);
    ASSERT_EQ(log.Navpoints().size(), count);
    ASSERT_GT(count, 1u);
    for (std::uint32_t i = 0; i < count; ++i) {
        EXPECT_EQ(log.Navpoints()[i].id, records[i].id);
        EXPECT_EQ(log.Navpoints()[i].name, records[i].name);
        EXPECT_FLOAT_EQ(log.Navpoints()[i].latitude, static_cast<float>(records[i].latitude));
    }
}

TEST(RecorderExports, SetWaypointsReportsWhatReachedTheRecorder) {
    NavpointRecord records[3] = {};
    for (int i = 0; i < 3; ++i) {
        records[i].id = i + 1;
        records[i].latitude = 46.5 + i / 100.0;
        records[i].longitude = 8.25;
        records[i].elevation = 812.7f;
        std::strcpy(records[i].name, "ABC");
    }
    struct Case {
        ConnectionDescriptor descriptor;
        korsim::Faults faults;
        std::uint32_t status;
        std::uint32_t sent;
    };
    const Case cases[] = {
        // An upload that stops part-way is a failure even without the read-back.
        {kQuiet, {.silentFromLine = 3}, KOR_COMMUNICATION_ERROR, 1},
        {kVerifying, {.movedNavpoint = 3, .movedMetres = 60}, KOR_NAVPOINTS_NOT_CONFIRMED, 3},
    };
    for (const auto& c : cases) {
        auto recorder = WithFaults(RecorderWithNavpoints(0), c.faults);
        std::uint32_t sent = 99;
        EXPECT_EQ(KORSetWaypoints(&c.descriptor, 3, records, "Alps", &sent), c.status);
        EXPECT_EQ(sent, c.sent);
    }
}

} // namespace
