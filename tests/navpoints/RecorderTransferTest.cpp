// Navpoints, tasks and the declaration against a simulated recorder, through the operations the
// exports, the site dialogs and the command-line tool share.
#include "navpoints/RecorderTransfer.h"

#include "RecorderWithNavpoints.h"
#include "SimulatedRecorder.h"
#include "korlink/korlink.h"

#include <gtest/gtest.h>

namespace korlink {
namespace {

using test::RecorderWithNavpoints;
using test::SimulatedRecorder;

struct Recorder : SimulatedRecorder {
    explicit Recorder(korsim::RecorderModel model, korsim::Faults faults = {})
        : SimulatedRecorder(std::move(model), korsim::SimulatorOptions{false, faults}) {
        EXPECT_TRUE(Open());
    }
    korsim::RecorderModel Model() const { return simulator->Model(); }
    unsigned DataLines() const { return simulator->Counters().protocol.dataLines; }

    RecorderMemory memory;
    DirectTransfer direct;
};

std::vector<navpoints::Navpoint> Navpoints(std::size_t count) {
    std::vector<navpoints::Navpoint> list;
    for (std::size_t i = 0; i < count; ++i) {
        const int id = static_cast<int>(i) + 1;
        list.emplace_back(id, id == 1 ? "ABC" : "N" + std::to_string(id), 47.0 + id / 1000.0,
                          -8.0 - id / 1000.0, 1, 500.5f + static_cast<float>(id), "REMARK");
    }
    return list;
}

TEST(RecorderTransfer, ReadsAtMost256Navpoints) {
    for (const std::size_t count : {256u, 257u}) {
        Recorder recorder(RecorderWithNavpoints(count));
        ASSERT_EQ(ReadRecorderNavpoints(recorder.memory, recorder.link, recorder.direct,
                                        TransferRunner::Title::ToPc),
                  uint32_t{KOR_OK});
        const auto& table = recorder.memory.Navpoints();
        EXPECT_EQ(table.siteName, "CLUB SITE");
        ASSERT_EQ(table.navpoints.size(), count == 256 ? 256u : 0u) << "257 is read as none";
        if (count == 256) {
            EXPECT_EQ(table.navpoints[255].id, 256u);
            EXPECT_EQ(table.navpoints[255].name, "P256");
            EXPECT_EQ(table.navpoints[255].elevation, 655);
        }
        // The area's progress reached the operation.
        EXPECT_FALSE(recorder.operation.ranges.empty());
    }
}

TEST(RecorderTransfer, SiteNameAloneReadsOneBlock) {
    Recorder recorder(RecorderWithNavpoints(100));
    ASSERT_EQ(ReadRecorderSiteName(recorder.memory, recorder.link), uint32_t{KOR_OK});
    EXPECT_EQ(recorder.memory.Navpoints().siteName, "CLUB SITE");
    EXPECT_TRUE(recorder.memory.Navpoints().navpoints.empty());
    EXPECT_EQ(recorder.simulator->Counters().protocol.blocksSent, 1u);
}

TEST(RecorderTransfer, SendsTheFirst250AndVerifiesThem) {
    Recorder recorder(RecorderWithNavpoints(5));
    const auto sent = SendRecorderNavpoints(recorder.memory, recorder.link, recorder.direct, "Alps",
                                            Navpoints(260), true);
    EXPECT_EQ(sent.status, uint32_t{KOR_OK});
    EXPECT_EQ(sent.sent, 250u);
    const auto model = recorder.Model();
    EXPECT_EQ(model.navpointClears, 1u);
    EXPECT_EQ(model.navpointMemory.site.navpoints.size(), 250u);
    EXPECT_EQ(model.navpointMemory.site.name, "Alps" + std::string(60, ' '));
    ASSERT_EQ(model.receivedLines.size(), 251u);
    // Minutes to the nearest ten-thousandth, the elevation of 501.5 m to the nearest metre.
    EXPECT_EQ(model.receivedLines[1],
              "C,1,4700.0600N,00800.0600W,502,1,1,ABC         REMARK      ");
    EXPECT_EQ(model.receivedLines[250].substr(0, 6), "C,250,");
    EXPECT_EQ(recorder.operation.ranges.front(), 250u);
    EXPECT_EQ(recorder.operation.positions[249], 250u);
}

TEST(RecorderTransfer, UploadFailuresAndVerification) {
    struct Case {
        const char* name;
        korsim::Faults faults;
        bool verify;
        std::uint32_t status;
        std::size_t sent;
    };
    const Case cases[] = {
        {"stops at the third navpoint", {.silentFromLine = 4}, false, KOR_COMMUNICATION_ERROR, 2},
        {"site line unanswered", {.silentFromLine = 1}, true, KOR_COMMUNICATION_ERROR, 0},
        {"moved 60 m",
         {.movedNavpoint = 2, .movedMetres = 60},
         true,
         KOR_NAVPOINTS_NOT_CONFIRMED,
         3},
        {"moved 60 m, not verified", {.movedNavpoint = 2, .movedMetres = 60}, false, KOR_OK, 3},
        {"moved 40 m", {.movedNavpoint = 2, .movedMetres = 40}, true, KOR_OK, 3},
    };
    for (const auto& c : cases) {
        Recorder recorder(RecorderWithNavpoints(0), c.faults);
        const auto sent = SendRecorderNavpoints(recorder.memory, recorder.link, recorder.direct,
                                                "Alps", Navpoints(3), c.verify);
        EXPECT_EQ(sent.status, c.status) << c.name;
        EXPECT_EQ(sent.sent, c.sent) << c.name;
    }
}

TEST(RecorderTransfer, TaskNumbersOutOfRangeExchangeNothing) {
    Recorder recorder(RecorderWithNavpoints(3));
    const std::int32_t ids[] = {1, 2};
    for (const int number : {0, 11, -1}) {
        EXPECT_EQ(SetRecorderTask(recorder.memory, recorder.link, number, ids),
                  uint32_t{KOR_INVALID_TASK});
        EXPECT_EQ(DeclareRecorderTask(recorder.memory, recorder.link, number),
                  uint32_t{KOR_INVALID_TASK});
    }
    EXPECT_EQ(recorder.CommandCount("t"), 0u);
    EXPECT_EQ(recorder.DataLines(), 0u);
}

TEST(RecorderTransfer, SetsAndDeclaresATask) {
    Recorder recorder(RecorderWithNavpoints(9));
    const std::int32_t ids[] = {5, 7, 9};
    ASSERT_EQ(SetRecorderTask(recorder.memory, recorder.link, 4, ids), uint32_t{KOR_OK});
    ASSERT_EQ(DeclareRecorderTask(recorder.memory, recorder.link, 4), uint32_t{KOR_OK});
    EXPECT_EQ(recorder.Model().receivedLines,
              (std::vector<std::string>{"T,3,5,7,9,0,0,0,0,0,0", "D,3"}));

    RecorderMemory fresh;
    ASSERT_EQ(ReadRecorderTasks(fresh, recorder.link), uint32_t{KOR_OK});
    EXPECT_EQ(fresh.Tasks()[0], (TaskIds{1, 2, 3})) << "other tasks keep their numbers";
    EXPECT_EQ(fresh.Tasks()[3], (TaskIds{5, 7, 9}));
    ASSERT_EQ(ReadRecorderDeclaration(fresh, recorder.link), uint32_t{KOR_OK});
    ASSERT_EQ(fresh.Declaration().points.size(), 3u);
    EXPECT_EQ(fresh.Declaration().points[2].navpoint, 9);
    EXPECT_NEAR(fresh.Declaration().points[2].latitude, 46.0 + 8 / 111.2, 0.0002);
}

TEST(RecorderTransfer, UnconfirmedTasksAndDeclarations) {
    {
        // A number the recorder's byte cannot hold comes back different.
        Recorder recorder(RecorderWithNavpoints(3));
        const std::int32_t ids[] = {1, 300};
        EXPECT_EQ(SetRecorderTask(recorder.memory, recorder.link, 2, ids),
                  uint32_t{KOR_TASK_NOT_CONFIRMED});
    }
    {
        // The recorder acknowledges the declaration but keeps the one it had (task 1).
        auto model = RecorderWithNavpoints(9);
        auto memory = model.navpointMemory;
        memory.tasks[2] = {5, 7, 9};
        model.StoreNavpoints(memory);
        Recorder recorder(model, {.unappliedLines = 1});
        EXPECT_EQ(DeclareRecorderTask(recorder.memory, recorder.link, 3),
                  uint32_t{KOR_DECLARATION_NOT_CONFIRMED});
        EXPECT_EQ(DeclareRecorderTask(recorder.memory, recorder.link, 3), uint32_t{KOR_OK});
    }
    {
        Recorder recorder(RecorderWithNavpoints(3), {.silentFromLine = 1});
        EXPECT_EQ(DeclareRecorderTask(recorder.memory, recorder.link, 1),
                  uint32_t{KOR_COMMUNICATION_ERROR});
    }
}

} // namespace
} // namespace korlink
