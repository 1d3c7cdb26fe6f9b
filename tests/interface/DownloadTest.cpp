// Flight downloads through the C interface, from a simulated recorder holding real flights.
#include "RecorderWithFlights.h"
#include "SimulatedRecorder.h"
#include "TemporaryFolder.h"
#include "korlink/korlink.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace korlink {
namespace {

using test::RecorderWithFlights;
using test::SimulatedRecorder;

const ConnectionDescriptor kQuiet{1, 0, 0, 1};

Bytes FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

Bytes StoredLogOf(const korsim::RecorderModel& model, int area) {
    const auto log = korsim::DownloadedLog(model, area);
    const auto image = log->Image();
    return Bytes(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(log->TotalLength()));
}

TEST(Download, WritesTheRecordersStoredLogUnderItsName) {
    // Flights of 4, 5 and 6 December 2003: the directory lists the latest first.
    SimulatedRecorder recorder(RecorderWithFlights({{3, 12, 4}, {3, 12, 5}, {3, 12, 6}}));
    test::TemporaryFolder folder;
    LogInfoList info{};
    ASSERT_EQ(KORGetLogInfo(&kQuiet, &info), uint32_t{KOR_OK});
    ASSERT_EQ(info.count, 3u);
    EXPECT_EQ(info.entries[1].bytes[2], 5);

    for (const auto& [number, name] : {std::pair{2, "3C5Q0YA1.KOR"}, std::pair{2, "3C5Q0YA2.KOR"},
                                       std::pair{99, "3C4Q0YA1.KOR"}}) {
        LogResult result{};
        ASSERT_EQ(KORGetLog(&kQuiet, folder.Path().c_str(), number, &result), uint32_t{KOR_OK});
        EXPECT_EQ(result.written, 1u);
        EXPECT_EQ(std::string(result.path), (folder.Path() / name).string());
    }
    const auto model = recorder.simulator->Model();
    EXPECT_EQ(FileBytes(folder.Path() / "3C5Q0YA1.KOR"), StoredLogOf(model, 2));
    EXPECT_EQ(FileBytes(folder.Path() / "3C4Q0YA1.KOR"), StoredLogOf(model, 3));
    EXPECT_EQ(KORValidateFile((folder.Path() / "3C4Q0YA1.KOR").c_str()), uint32_t{KOR_OK});
}

TEST(Download, FlightChosenByDay) {
    SimulatedRecorder recorder(RecorderWithFlights({{2, 4, 17}, {3, 4, 17}, {3, 5, 2}}));
    test::TemporaryFolder folder;
    char path[256] = "unchanged";
    // The first entry of 17 April of any year: the directory lists 2003 before 2002.
    ASSERT_EQ(KORGetSingleLog(&kQuiet, folder.Path().c_str(), 17, 4, path), uint32_t{KOR_OK});
    EXPECT_EQ(std::filesystem::path(path).filename(), "34HQ0YA1.KOR");
    ASSERT_EQ(KORGetSingleLog(&kQuiet, folder.Path().c_str(), -1, 4, path), uint32_t{KOR_OK});
    EXPECT_EQ(std::filesystem::path(path).filename(), "352Q0YA1.KOR");
    EXPECT_EQ(KORGetSingleLog(&kQuiet, folder.Path().c_str(), 18, 4, path), uint32_t{KOR_NO_LOGS});
}

TEST(Download, SecurityFailureStillWritesTheFile) {
    auto model = RecorderWithFlights({{3, 12, 5}});
    model.signsFlights = false; // the recorder answers with a security record of noise
    SimulatedRecorder recorder(model);
    test::TemporaryFolder folder;
    LogResult result{};
    EXPECT_EQ(KORGetLog(&kQuiet, folder.Path().c_str(), 1, &result),
              uint32_t{KOR_SECURITY_CHECK_FAILED});
    EXPECT_EQ(result.written, 1u);
    EXPECT_TRUE(std::filesystem::exists(result.path));
}

TEST(Download, DamagedTransfersAndMissingParts) {
    test::TemporaryFolder folder;
    {
        // A corrupted block is requested again and the flight arrives whole.
        korsim::SimulatorOptions options;
        options.faults.corruptBlock = 2;
        SimulatedRecorder recorder(RecorderWithFlights({{3, 12, 5}}, 900), options);
        LogResult result{};
        EXPECT_EQ(KORGetLog(&kQuiet, folder.Path().c_str(), 1, &result), uint32_t{KOR_OK});
        EXPECT_EQ(recorder.simulator->Counters().protocol.blockRepeats, 1u);
    }
    {
        // Without its site and navpoint area the download still succeeds.
        auto model = RecorderWithFlights({{3, 12, 6}});
        model.areas.erase(command::kSiteArea);
        SimulatedRecorder recorder(model);
        LogResult result{};
        EXPECT_EQ(KORGetLog(&kQuiet, folder.Path().c_str(), 1, &result), uint32_t{KOR_OK});
        EXPECT_EQ(result.written, 1u);
    }
    {
        auto empty = korsim::RecorderModel::Minimal();
        empty.EraseFlights();
        SimulatedRecorder recorder(empty);
        LogResult result{};
        EXPECT_EQ(KORGetLog(&kQuiet, folder.Path().c_str(), 1, &result), uint32_t{KOR_NO_LOGS});
        LogInfoList info{};
        EXPECT_EQ(KORGetLogInfo(&kQuiet, &info), uint32_t{KOR_NO_LOGS});
        EXPECT_EQ(info.count, 0u);
    }
}

TEST(Download, PortsAndFoldersThatFail) {
    SimulatedRecorder recorder(RecorderWithFlights({{3, 12, 5}}));
    LogResult result{};
    EXPECT_EQ(KORGetLog(&kQuiet, "/korlink-no-such-folder", 1, &result),
              uint32_t{KOR_LOG_WRITE_FAILED});
    EXPECT_EQ(result.written, 0u);
    ::setenv("KORLINK_COM2", "/dev/korlink-no-such-device", 1);
    const ConnectionDescriptor missing{2, 0, 0, 1};
    LogInfoList info{};
    EXPECT_EQ(KORGetLogInfo(&missing, &info), uint32_t{KOR_INVALID_PORT});
    LogPathList paths{};
    paths.count = 7;
    EXPECT_EQ(KORGetLogs(&missing, "/tmp", &paths), uint32_t{KOR_INVALID_PORT});
    EXPECT_EQ(paths.count, 0u);
    // Without a screen the transfer dialog cannot open.
    EXPECT_EQ(KORGetLogs(&kQuiet, "/tmp", &paths), uint32_t{KOR_CANCELLED});
}

} // namespace
} // namespace korlink
