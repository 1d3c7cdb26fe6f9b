// The C interface of libkorlink.so, called as a host without a screen calls it.
#include "SimulatedRecorder.h"
#include "korlink/korlink.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <thread>

namespace {

using korlink::test::SimulatedRecorder;

ConnectionDescriptor Descriptor(std::uint16_t port = 1, std::uint16_t retries = 0,
                                std::uint8_t quiet = 1) {
    return ConnectionDescriptor{port, 0, retries, quiet};
}

// Runs first in its own process: before any export opened a port, GPS off sends nothing.
TEST(Exports, GpsOffBeforeAnyOtherExportSendsNothing) {
    SimulatedRecorder recorder;
    KORGPSOff();
    std::this_thread::sleep_for(std::chrono::milliseconds{100});
    EXPECT_EQ(recorder.simulator->Counters().bytesReceived, 0u);
    const auto descriptor = Descriptor();
    ASSERT_EQ(KORConnect(&descriptor), uint32_t{KOR_OK});
    KORGPSOff();
    // Interrupt, then "die" on the port the last export left open.
    EXPECT_TRUE(recorder.WaitForCommand("die"));
    EXPECT_EQ(recorder.Interrupts(), 2u);
}

TEST(Exports, ConnectCodes) {
    SimulatedRecorder recorder;
    auto descriptor = Descriptor();
    EXPECT_EQ(KORConnect(&descriptor), uint32_t{KOR_OK});
    EXPECT_EQ(KORConnect(&descriptor), uint32_t{KOR_OK}) << "the same port again";
    ::setenv("KORLINK_COM2", "/dev/korlink-no-such-device", 1);
    descriptor.port = 2;
    EXPECT_EQ(KORConnect(&descriptor), uint32_t{KOR_INVALID_PORT});
    descriptor.port = 9;
    EXPECT_EQ(KORConnect(&descriptor), uint32_t{KOR_INVALID_PORT});
    EXPECT_EQ(KORConnect(nullptr), uint32_t{KOR_INVALID_PORT});
}

TEST(Exports, NoRecorderWithoutAScreenNeverAsks) {
    korsim::SimulatorOptions silent;
    silent.faults.dropInterruptAnswers = 1000;
    SimulatedRecorder recorder(korsim::RecorderModel::Minimal(), silent);
    const auto descriptor = Descriptor(1, 0, 0); // not quiet, but there is no screen
    EXPECT_EQ(KORConnect(&descriptor), uint32_t{KOR_NO_CONNECTION});
    EXPECT_EQ(recorder.Interrupts(), 6u);
}

TEST(Exports, InfoReadsTheIdentity) {
    SimulatedRecorder recorder;
    const auto descriptor = Descriptor();
    char pilot[25], id[5], comp[4], glider[10];
    std::memset(pilot, 'x', sizeof pilot);
    ASSERT_EQ(KORInfo(&descriptor, pilot, id, comp, glider), uint32_t{KOR_OK});
    EXPECT_STREQ(pilot, "    John        Smith   ");
    EXPECT_STREQ(id, "Q0YA");
    EXPECT_STREQ(comp, "JS ");
    EXPECT_STREQ(glider, "ASW 27   ");
}

TEST(Exports, InfoFromASilentRecorderIsACommunicationError) {
    korsim::SimulatorOptions options;
    options.faults.badCommandChecks = 1000; // answers, but no record passes its check
    SimulatedRecorder recorder(korsim::RecorderModel::Minimal(), options);
    const auto descriptor = Descriptor();
    char pilot[25], id[5], comp[4], glider[10];
    EXPECT_EQ(KORInfo(&descriptor, pilot, id, comp, glider), uint32_t{KOR_COMMUNICATION_ERROR});
}

TEST(Exports, EditConfigWithoutAScreenIsCancelledAfterConnecting) {
    SimulatedRecorder recorder;
    const auto descriptor = Descriptor();
    EXPECT_EQ(KOREditConfig(&descriptor), uint32_t{KOR_CANCELLED});
    EXPECT_EQ(recorder.Interrupts(), 1u);
    EXPECT_EQ(recorder.simulator->Model().FlightCount(), 2u);
    EXPECT_EQ(KORAbout(), uint32_t{KOR_OK});
}

TEST(Exports, EditorsWithoutAScreenAreCancelled) {
    const auto descriptor = Descriptor();
    NavpointRecord records[2];
    std::memset(records, 0x5A, sizeof records);
    records[0].id = 1;
    uint32_t count = 77;
    EXPECT_EQ(KOREditWaypoints(&descriptor, "Alps", 1, 2, records, &count),
              uint32_t{KOR_CANCELLED});
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(records[1].id, 0x5A5A5A5A);
    EXPECT_EQ(KORManageSites(&descriptor, "/tmp"), uint32_t{KOR_CANCELLED});
    EXPECT_EQ(KORManageSites(nullptr, "/tmp"), uint32_t{KOR_INVALID_PORT});
}

TEST(Exports, RevisionDateFillsTheBufferExactly) {
    struct Case {
        int32_t size;
        std::string expected; // every byte of the buffer up to `size`
    };
    const Case cases[] = {
        {5, std::string("Apr 1")},
        {11, std::string("Apr 17 2003")},
        {12, std::string("Apr 17 2003\0", 12)},
        {16, std::string("Apr 17 2003\0\0\0\0\0", 16)},
    };
    for (const auto& c : cases) {
        char buffer[20];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(KORGetRevDate(buffer, c.size), buffer);
        EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(c.size)), c.expected) << c.size;
        EXPECT_EQ(buffer[c.size], '#') << "nothing past the stated size";
    }
    EXPECT_EQ(KORGetRevDate(nullptr, 12), nullptr);
}

TEST(Exports, ExactlyTheTwentyThreeExportsAreVisible) {
    const std::string command = "nm -D --defined-only " KORLINK_LIBRARY_PATH;
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> exported;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        char type = 0;
        char name[256] = {};
        if (std::sscanf(line, "%*s %c %255s", &type, name) == 2 && (type == 'T' || type == 'W'))
            exported.insert(name);
    }
    ASSERT_EQ(::pclose(pipe), 0);
    // clang-format off
    const std::set<std::string> expected{
        "KORInfo", "KORGetLogs", "KOREditConfig", "KORGetWaypoints", "KORGetSingleLog",
        "KORValidateFile", "KORConvertFile", "KORGetTasks", "KORSetTask", "KORDeclareTask",
        "KORGetDeclaration", "KORAbout", "KORManageSites", "KORGetLogInfo", "KORConnect",
        "KORGetLog", "KORGetSiteName", "KORSetWaypoints", "KOREditWaypoints", "KORGetLogFileTime",
        "KORGetRevDate", "KORGPSOff", "KORValidateIGCFile",
    };
    // clang-format on
    EXPECT_EQ(expected.size(), 23u);
    EXPECT_EQ(exported, expected);
}

TEST(Exports, RecordLayoutsAreFixed) {
    EXPECT_EQ(offsetof(ConnectionDescriptor, retries), 4u);
    EXPECT_EQ(offsetof(ConnectionDescriptor, quiet), 6u);
    EXPECT_EQ(offsetof(LogInfoList, descriptions), 260u);
    EXPECT_EQ(offsetof(LogResult, path), 4u);
    EXPECT_EQ(offsetof(NavpointRecord, latitude), 8u);
    EXPECT_EQ(offsetof(NavpointRecord, elevation), 24u);
    EXPECT_EQ(offsetof(NavpointRecord, attributes), 28u);
    EXPECT_EQ(offsetof(NavpointRecord, id), 32u);
    EXPECT_EQ(offsetof(NavpointRecord, name), 36u);
    EXPECT_EQ(offsetof(NavpointRecord, remark), 49u);
}

} // namespace
