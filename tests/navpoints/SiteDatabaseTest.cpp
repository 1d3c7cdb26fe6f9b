#include "TemporaryFolder.h"
#include "navpoints/Attributes.h"
#include "navpoints/SiteFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace korlink {
namespace {

using navpoints::Navpoint;
using namespace navpoints::attribute;

// Alps: navpoints 1 and 3, task slot 2 holding 1, 3 and seven zeros.
SiteDatabase Alps() {
    SiteDatabase alps;
    alps.SetName("Alps");
    alps.AddNavpoint(Navpoint(1, "Monte", 45.5, 7.25, kTurnpoint, 1200, "Peak"));
    alps.AddNavpoint(Navpoint(3, "Valle", -45.125, -120.5, kAirfield | kLandable, 99.5f, ""));
    const std::int32_t task[]{1, 3};
    alps.SetTask(2, task);
    return alps;
}

const std::string kAlpsText = "1\t4\tAlps\t2\t"
                              "45.500000000000\t 7.250000000000\t1200\t1\t1\t5\tMonte\t4\tPeak\t"
                              "-45.125000000000\t-120.500000000000\t99.5\t10\t3\t5\tValle\t0\t\t"
                              "1\t2\t1\t3\t0\t0\t0\t0\t0\t0\t0\t"
                              "0\t";

TEST(SiteDatabase, AlpsFileByteForByte) {
    EXPECT_EQ(SiteFileText(Alps()), kAlpsText);

    const auto read = ReadSiteText(kAlpsText);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Name(), "Alps");
    EXPECT_EQ(read->NavpointCount(), 2);
    EXPECT_EQ(read->Navpoints().At(1), nullptr) << "position 2 stays empty";
    EXPECT_EQ(read->Navpoints().Find(3)->Name(), "Valle");
    EXPECT_EQ(read->TaskCount(), 1);
    EXPECT_TRUE(read->IsTaskDefined(2));
    EXPECT_EQ(read->GetTask(2).count, 2);
    EXPECT_EQ(*read, Alps());
}

TEST(SiteDatabase, SaveAndLoad) {
    test::TemporaryFolder folder;
    SiteDatabase database = Alps();
    database.SetTrailingNumber(-2);
    database.SetName(std::string(300, 'n'));
    database.AddNavpoint(
        Navpoint(65535, "\tTab Name ", 0.1, 0.2, 0xFFFFFFFF, 8848.86f, " 12 chars  !"));
    database.SetPath(folder / "alps.sit");
    ASSERT_TRUE(database.Save());

    SiteDatabase loaded;
    ASSERT_TRUE(loaded.Load(folder / "alps.sit"));
    EXPECT_EQ(loaded.Name().size(), SiteDatabase::kMaxNameLength);
    EXPECT_EQ(loaded, database);

    // A file that cannot be read leaves the database as it was.
    folder.Write("bad.sit", "1\t4\tAlps\t");
    EXPECT_FALSE(loaded.Load(folder / "bad.sit"));
    EXPECT_FALSE(loaded.Load(folder / "missing.sit"));
    EXPECT_EQ(loaded, database);

    // Saving over a file keeps its permissions and leaves no temporary file behind.
    ASSERT_EQ(::chmod((folder / "alps.sit").c_str(), 0640), 0);
    ASSERT_TRUE(database.Save());
    struct stat status {};
    ASSERT_EQ(::stat((folder / "alps.sit").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);

    database.SetPath(folder / "no-folder" / "x.sit");
    EXPECT_FALSE(database.Save());
}

TEST(SiteDatabase, DamagedFilesAreNotRead) {
    // Every cut of the file before its trailing number is refused.
    for (std::size_t length = 0; length + 2 < kAlpsText.size(); ++length)
        EXPECT_FALSE(ReadSiteText(kAlpsText.substr(0, length))) << length;

    struct Case {
        const char* what;
        std::string text;
    };
    const std::string navpoint = "1.0\t2.0\t3\t0\t5\t1\tN\t1\tR\t";
    const Case cases[]{
        {"version 2", "2\t0\t\t0\t0\t0\t"},
        {"navpoint id 0", "1\t0\t\t1\t1.0\t2.0\t3\t0\t0\t1\tN\t1\tR\t0\t0\t"},
        {"navpoint id 65536", "1\t0\t\t1\t1.0\t2.0\t3\t0\t65536\t1\tN\t1\tR\t0\t0\t"},
        {"navpoint count beyond any list", "1\t0\t\t99999999999\t" + navpoint + "0\t0\t"},
        {"task slot 10", "1\t0\t\t0\t1\t10\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t"},
        {"eleven tasks", "1\t0\t\t0\t11\t0\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t"},
        {"name length beyond 256 leaves its characters unread",
         "1\t257\t" + std::string(257, 'a') + "\t0\t0\t0\t"},
        {"string shorter than its length", "1\t9\tAlps\t0\t0\t"},
        {"trailing number beyond 16 bits", "1\t0\t\t0\t0\t65536\t"},
        {"text after the trailing number", "1\t0\t\t0\t0\t0\tmore\t"},
        {"number with trailing letters", "1\t0\t\t1x\t" + navpoint + "0\t0\t"},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(ReadSiteText(c.text)) << c.what;

    const auto unnamed = ReadSiteText("1\t0\t\t1\t" + navpoint + "0\t65535\t");
    ASSERT_TRUE(unnamed) << "an empty name is written as length 0";
    EXPECT_EQ(unnamed->Name(), "");
    EXPECT_EQ(unnamed->TrailingNumber(), 65535);
    EXPECT_EQ(unnamed->Navpoints().Find(5)->Remark(), "R");
}

TEST(SiteDatabase, Tasks) {
    SiteDatabase database;
    EXPECT_EQ(database.TaskCount(), 0);
    const std::int32_t twelve[]{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_TRUE(database.SetTask(9, twelve));
    EXPECT_EQ(database.GetTask(9).ids, (TaskIds{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    const std::int32_t empty[]{0, -1, 0};
    EXPECT_TRUE(database.SetTask(0, empty));
    EXPECT_FALSE(database.IsTaskDefined(0)) << "slots <= 0 are empty";
    const std::int32_t one[]{-4, 7};
    EXPECT_TRUE(database.SetTask(4, one));
    EXPECT_EQ(database.GetTask(4).count, 1);
    EXPECT_FALSE(database.SetTask(10, one));
    EXPECT_FALSE(database.SetTask(-1, one));
    EXPECT_FALSE(database.IsTaskDefined(10));
    EXPECT_EQ(database.TaskCount(), 2);

    const auto reread = ReadSiteText(SiteFileText(database));
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->GetTask(4).ids, (TaskIds{-4, 7}));
    EXPECT_EQ(reread->TaskCount(), 2);

    database.ClearTasks();
    EXPECT_EQ(database.TaskCount(), 0);
}

TEST(SiteDatabase, NewFileNames) {
    test::TemporaryFolder folder;
    EXPECT_EQ(NewSiteFileName(folder.Path()), folder / "KORSite1.sit");
    folder.Write("KORSite2.sit", "");
    EXPECT_EQ(NewSiteFileName(folder.Path()), folder / "KORSite1.sit");
    folder.Write("KORSite1.sit", "");
    SiteDatabase database;
    database.ChooseNewFileName(folder.Path());
    EXPECT_EQ(database.Path(), folder / "KORSite3.sit");
}

} // namespace
} // namespace korlink
