#include "LogFixture.h"
#include "logfiles/LogNaming.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace korlink {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

TEST(StoredLog, SavedLogLoadsWithEveryBlock) {
    TempFolder folder;
    const test::LogFixture fixture;
    const auto made = fixture.Log();
    const auto saved = made.Save(folder.Path());
    ASSERT_EQ(saved.status, LogFileStatus::Ok);
    EXPECT_EQ(saved.name, "3C5Q0YA1.KOR");

    StoredLog log;
    ASSERT_EQ(log.Load(folder / saved.name), LogFileStatus::Ok);
    const auto& header = log.Header();
    const auto fixLength = fixture.model.areas.at(1).size();
    EXPECT_EQ(header.fixDataLength, fixLength);
    EXPECT_EQ(header.coveredSpan, fixLength + 169);
    EXPECT_EQ(header.flightInfoOffset, fixLength + 164);
    EXPECT_EQ(log.FixCountEstimate(), fixLength / 22);
    EXPECT_EQ(std::filesystem::file_size(folder / saved.name), log.TotalLength());
    EXPECT_TRUE(
        std::equal(log.FixData().begin(), log.FixData().end(), fixture.model.areas.at(1).begin()));

    EXPECT_EQ(log.RecorderId(), "Q0YA");
    EXPECT_EQ(log.SerialNumber(), 1234);
    EXPECT_EQ(log.FlightInfo().pilotName, "    ANNA        BERG    ");
    EXPECT_EQ(log.FlightInfo().gliderType, "ASG 29E  ");
    EXPECT_EQ(log.FlightInfo().competitionId, "VR7");
    EXPECT_EQ(log.FlightInfo().hardwareCode, 5);
    EXPECT_EQ(log.RecorderInfo().firmwareVersion, "2.31b ");
    EXPECT_EQ(log.RecorderInfo().externalVoltage, 124);
    EXPECT_EQ(log.SiteName(), fixture.site.name);
    ASSERT_EQ(log.Navpoints().size(), fixture.site.navpoints.size());
    EXPECT_EQ(log.Navpoints()[1].name, fixture.site.navpoints[1].name);
    EXPECT_EQ(log.Navpoints()[1].elevation, fixture.site.navpoints[1].elevation);
    EXPECT_NEAR(log.Navpoints()[1].latitude, fixture.site.navpoints[1].latitude, 1e-4);
    EXPECT_EQ(log.FirstFix().time, fixture.flights[0].fixes[0].time);

    const auto declaration = log.Declaration();
    ASSERT_EQ(declaration.points.size(), fixture.flights[0].task.size());
    EXPECT_EQ(declaration.declared, fixture.flights[0].declared);
    EXPECT_EQ(declaration.points[1].navpoint, fixture.flights[0].task[1]);
    EXPECT_EQ(declaration.points[1].name,
              fixture.site.navpoints[fixture.flights[0].task[1] - 1u].name);
    EXPECT_NEAR(declaration.points[1].latitude,
                fixture.site.navpoints[fixture.flights[0].task[1] - 1u].latitude, 0.0002);
}

TEST(StoredLog, FixRecordsRunToTheEndOfTheFixData) {
    const test::LogFixture fixture(50);
    const auto log = fixture.Log();
    NibbleRecord record;
    std::size_t position = 0;
    std::size_t count = 0;
    do {
        position = log.ReadFixRecord(position, record);
        const auto fix = DecodeFixRecord(record);
        EXPECT_EQ(fix.time, fixture.flights[0].fixes[count].time);
        ++count;
    } while (position != 0);
    EXPECT_EQ(count, 50u);
}

TEST(StoredLog, LoadStatuses) {
    TempFolder folder;
    StoredLog log;
    EXPECT_EQ(log.Load(folder / "missing.KOR"), LogFileStatus::CannotRead);
    EXPECT_EQ(log.Load(folder.Path()), LogFileStatus::CannotRead); // a folder
    WriteFile(folder / "empty.KOR", "");
    EXPECT_EQ(log.Load(folder / "empty.KOR"), LogFileStatus::BadHeader);
    WriteFile(folder / "huge.KOR", "Q0YA,0,C,0,P,1,0,100,64,249800,0,0,100,69,32,48,1,0|");
    EXPECT_EQ(log.Load(folder / "huge.KOR"), LogFileStatus::BadHeader);
    WriteFile(folder / "max.KOR", "Q0YA,0,C,0,P,1,0,100,64,249587,0,0,100,69,32,48,1,0|");
    EXPECT_EQ(log.Load(folder / "max.KOR"), LogFileStatus::Ok);
    EXPECT_EQ(log.TotalLength(), StoredLog::kImageSize);
}

TEST(StoredLog, ShortFileReadsAsZerosAndDamagedCountsStayInBounds) {
    TempFolder folder;
    const test::LogFixture fixture;
    auto log = fixture.Log();
    // 310 navpoint records declared: taken as none.
    log.Header().navpointCount = 310;
    ASSERT_TRUE(log.WriteHeaderText());
    const auto path = folder / "cut.KOR";
    const auto image = log.Image().first(static_cast<std::size_t>(log.TotalLength()));
    WriteFile(path, std::string(image.begin(), image.begin() + 300));

    StoredLog loaded;
    ASSERT_EQ(loaded.Load(path), LogFileStatus::Ok);
    EXPECT_TRUE(loaded.Navpoints().empty());
    EXPECT_EQ(loaded.SerialNumber(), 0); // the flight information lies past the end
    EXPECT_TRUE(std::all_of(loaded.FixData().begin() + 136, loaded.FixData().end(),
                            [](std::uint8_t b) { return b == 0; }));
}

TEST(StoredLog, DeclarationNumbersBeyondTheNavpointRecordsHaveNoName) {
    test::LogFixture fixture;
    const std::uint8_t task[] = {1, 7};
    fixture.SetDeclaration(task);
    auto log = fixture.Log();
    log.Header().navpointCount = 3;
    log.DecodeBlocks();
    const auto declaration = log.Declaration();
    ASSERT_EQ(declaration.points.size(), 2u);
    EXPECT_EQ(declaration.points[0].name, "HOMEFIELD");
    EXPECT_EQ(declaration.points[1].navpoint, 7);
    EXPECT_EQ(declaration.points[1].name, "");
}

TEST(StoredLog, SaveNeverLeavesAPartialFile) {
    TempFolder folder;
    const test::LogFixture fixture;
    const auto log = fixture.Log();
    // A folder that cannot be written: nothing appears, and the failure is reported.
    const auto locked = folder / "locked";
    std::filesystem::create_directory(locked);
    ::chmod(locked.c_str(), 0500);
    if (::access(locked.c_str(), W_OK) != 0) {
        EXPECT_EQ(log.Save(locked).status, LogFileStatus::CannotRead);
        EXPECT_TRUE(std::filesystem::is_empty(locked));
    }
    ::chmod(locked.c_str(), 0700);
    EXPECT_EQ(log.Save(folder / "absent").status, LogFileStatus::CannotRead);
    // A save leaves only the named file behind.
    ASSERT_EQ(log.Save(folder.Path()).status, LogFileStatus::Ok);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        ++files;
    EXPECT_EQ(files, 2u); // locked/ and the log
}

} // namespace
} // namespace korlink
