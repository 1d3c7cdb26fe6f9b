// The C exports of the flight log files, called through the shared library.
#include "../logfiles/LogFixture.h"
#include "Signing.h"
#include "korlink/korlink.h"

#include <cstring>
#include <gtest/gtest.h>

namespace korlink {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

struct Files {
    Files() { log = fixture.Saved(fixture.Log(), folder.Path()); }

    TempFolder folder;
    test::LogFixture fixture;
    std::filesystem::path log;
};

TEST(FileExports, GetLogFileTime) {
    const Files files;
    std::uint8_t time[6] = {};
    std::uint32_t estimate = 0;
    ASSERT_EQ(KORGetLogFileTime(files.log.c_str(), time, &estimate), KOR_OK);
    const auto& first = files.fixture.flights[0].fixes[0].time;
    EXPECT_TRUE(std::equal(first.begin(), first.end(), time));
    EXPECT_EQ(estimate, files.fixture.model.areas.at(1).size() / 22);

    EXPECT_EQ(KORGetLogFileTime((files.folder / "none.KOR").c_str(), time, &estimate),
              KOR_FILE_OPEN_FAILED);
    const auto badId = files.folder / "bad.KOR";
    WriteFile(badId, "ABCDEFGHIJKLMNOP,0,C,0,P,1,0,100,64,0,169,164,100|");
    EXPECT_EQ(KORGetLogFileTime(badId.c_str(), time, &estimate), KOR_FILE_READ_FAILED);
    EXPECT_EQ(KORGetLogFileTime(nullptr, time, &estimate), KOR_FILE_OPEN_FAILED);
}

TEST(FileExports, ValidateFile) {
    const Files files;
    EXPECT_EQ(KORValidateFile(files.log.c_str()), KOR_OK);
    auto image = ReadFile(files.log);
    image[16] ^= 0x55; // security bytes 16 to 31 decide nothing
    WriteFile(files.log, image);
    EXPECT_EQ(KORValidateFile(files.log.c_str()), KOR_OK);
    image[164 + 40] ^= 0x01; // one fix byte
    WriteFile(files.log, image);
    EXPECT_EQ(KORValidateFile(files.log.c_str()), KOR_SECURITY_CHECK_FAILED);
    EXPECT_EQ(KORValidateFile((files.folder / "none.KOR").c_str()), KOR_FILE_OPEN_FAILED);
    WriteFile(files.log, "Q0YA,0,C|");
    EXPECT_EQ(KORValidateFile(files.log.c_str()), KOR_FILE_READ_FAILED);
}

TEST(FileExports, ConvertFile) {
    const Files files;
    char name[512];
    std::memset(name, 'x', sizeof name);
    std::uint32_t ok = 7;
    ASSERT_EQ(KORConvertFile(files.log.c_str(), files.folder.Path().c_str(), name, &ok), KOR_OK);
    EXPECT_STREQ(name, "3C5Q0YA1.IGC");
    EXPECT_EQ(ok, 1u);
    // With a trailing "/" and a damaged log: converted all the same, under the next name.
    auto image = ReadFile(files.log);
    image[164 + 40] ^= 0x01;
    WriteFile(files.log, image);
    const auto withSlash = files.folder.Path().string() + "/";
    ASSERT_EQ(KORConvertFile(files.log.c_str(), withSlash.c_str(), name, &ok), KOR_OK);
    EXPECT_STREQ(name, "3C5Q0YA2.IGC");
    EXPECT_EQ(ok, 0u);
    EXPECT_EQ(KORConvertFile((files.folder / "none.KOR").c_str(), "", name, &ok),
              KOR_FILE_OPEN_FAILED);
    EXPECT_EQ(KORConvertFile(files.log.c_str(), (files.folder / "absent").c_str(), name, &ok),
              KOR_LOG_WRITE_FAILED);
}

TEST(FileExports, ValidateIgcFileReport) {
    const Files files;
    char name[512];
    std::uint32_t ok = 0;
    ASSERT_EQ(KORConvertFile(files.log.c_str(), files.folder.Path().c_str(), name, &ok), KOR_OK);
    const auto igc = files.folder / name;
    char report[1024];
    std::memset(report, 'x', sizeof report);
    EXPECT_EQ(KORValidateIGCFile(igc.c_str(), sizeof report, report), KOR_SECURITY_CHECK_FAILED);
    EXPECT_STREQ(report, "Log Data Integrity Fail\nSignature Data Integrity Fail\n"
                         "Security Violation Reported\nSecurity Fail\n");
    // A buffer of 10 characters takes the first 9 and a terminator, and nothing past it.
    std::memset(report, 'x', sizeof report);
    EXPECT_EQ(KORValidateIGCFile(igc.c_str(), 10, report), KOR_SECURITY_CHECK_FAILED);
    EXPECT_EQ(std::string(report, 11), std::string("Log Data ") + '\0' + 'x');

    WriteFile(igc, *korsim::SignIgcText(ReadFile(igc), {}));
    EXPECT_EQ(KORValidateIGCFile(igc.c_str(), sizeof report, report), KOR_OK);
    EXPECT_STREQ(report, "Log Data Integrity OK\nSignature Data Integrity OK\nSecurity OK\n");
    EXPECT_EQ(KORValidateIGCFile((files.folder / "none.igc").c_str(), 10, report),
              KOR_FILE_OPEN_FAILED);
    EXPECT_EQ(KORValidateIGCFile(igc.c_str(), 0, nullptr), KOR_OK);
}

} // namespace
} // namespace korlink
