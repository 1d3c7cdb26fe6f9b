// What the PC pane makes of a folder: which entries it shows, their labels and their order.
#include "explorer/PcItems.h"

#include "IgcText.h"
#include "LogFixture.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using korlink::test::LogFixture;
using korlink::test::TempFolder;
using korlink::test::WriteFile;

std::vector<std::string> Labels(const std::vector<ExplorerNode>& nodes) {
    std::vector<std::string> labels;
    for (const auto& node : nodes)
        labels.push_back(node.label);
    return labels;
}

TEST(PcItems, FolderListingShowsWhatThePaneShowsInItsOrder) {
    TempFolder folder;
    for (const char* sub : {"Maps", "zeta", "Alpha", ".hidden"})
        std::filesystem::create_directory(folder / sub);
    WriteFile(folder / "zones.air", "");
    WriteFile(folder / "Alps.SUA", "");
    WriteFile(folder / "club.dat", "");
    WriteFile(folder / "notes.txt", "");
    WriteFile(folder / ".old.igc", "");
    // IGC logs of three days: the name gives month and day, the header the year.
    WriteFile(folder / "31a0ya1.igc", test::Header("100314") + test::BRecord(10, 0, 0, 51, 0));
    WriteFile(folder / "4cv0ya1.IGC", test::Header("311204"));
    WriteFile(folder / "4130ya1.igc", test::Header("030104"));
    const auto nodes = ListFolder(folder.Path());
    EXPECT_EQ(Labels(nodes), (std::vector<std::string>{
                                 "Alpha",
                                 "zeta",
                                 "Alps",
                                 "zones",
                                 "club",
                                 "31a0ya1.igc - Jan 10, 2014 - Anna Berg",
                                 "4cv0ya1.IGC - Dec 31, 2004 - Anna Berg",
                                 "4130ya1.igc - Jan 03, 2004 - Anna Berg",
                             }));
    EXPECT_EQ(nodes[0].kind, NodeKind::Folder);
    EXPECT_EQ(nodes[2].kind, NodeKind::Airspace);
    EXPECT_EQ(nodes[4].kind, NodeKind::Navpoints);
    EXPECT_EQ(nodes[5].kind, NodeKind::FlightLog);
    EXPECT_EQ(nodes[5].path, (folder / "31a0ya1.igc").string());
}

TEST(PcItems, LogsWithoutADateSortAsZeroAndUnreadableHeadersGiveNoPilot) {
    TempFolder folder;
    WriteFile(folder / "4d10ya1.kor", "no header at all");          // month 13
    WriteFile(folder / "4310ya1.igc", "this is not an IGC file\n"); // no header records
    WriteFile(folder / "Xmas.igc", test::Header("241204"));         // no date in the name
    const auto nodes = ListFolder(folder.Path());
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[0].label, "4310ya1.igc - Mar 01, 2004");
    EXPECT_NE(nodes[0].sortDate, 0);
    for (std::size_t i = 1; i < 3; ++i)
        EXPECT_EQ(nodes[i].sortDate, 0) << nodes[i].label;
    const auto labels = Labels(nodes);
    EXPECT_NE(std::find(labels.begin(), labels.end(), "4d10ya1.kor"), labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Xmas.igc - Anna Berg"), labels.end());
}

TEST(PcItems, StoredLogsAreLabelledThroughTheLibrary) {
    TempFolder folder;
    LogFixture fixture;
    const auto path = fixture.Saved(fixture.Log(), folder.Path());
    const ExplorerNode node = FileNode(path, NodeKind::FlightLog);
    const std::string name = path.filename().string();
    EXPECT_EQ(node.label.rfind(name + " - ", 0), 0u) << node.label;
    EXPECT_NE(node.sortDate, 0);
    EXPECT_NE(node.label.find(LabelDateText(node.sortDate)), std::string::npos);
    const auto facts = ReadLogFacts(path);
    ASSERT_TRUE(facts.pilot);
    EXPECT_FALSE(facts.pilot->empty());
    EXPECT_EQ(node.label, name + " - " + LabelDateText(node.sortDate) + " - " + *facts.pilot);
}

TEST(PcItems, MissingFoldersAndFilesListNothing) {
    TempFolder folder;
    WriteFile(folder / "plain.dat", "");
    EXPECT_TRUE(ListFolder(folder / "missing").empty());
    EXPECT_TRUE(ListFolder(folder / "plain.dat").empty());
}

TEST(PcItems, OrderRules) {
    ExplorerNode older, newer, undated, folder, navpoints, airspace;
    older.kind = newer.kind = undated.kind = NodeKind::FlightLog;
    older.sortDate = 100;
    newer.sortDate = 200;
    folder.kind = NodeKind::Folder;
    navpoints.kind = NodeKind::Navpoints;
    airspace.kind = NodeKind::Airspace;
    std::vector<ExplorerNode> nodes{undated, older, navpoints, newer, airspace, folder};
    SortPcItems(nodes);
    std::vector<NodeKind> kinds;
    for (const auto& node : nodes)
        kinds.push_back(node.kind);
    EXPECT_EQ(kinds, (std::vector<NodeKind>{NodeKind::Folder, NodeKind::Airspace,
                                            NodeKind::Navpoints, NodeKind::FlightLog,
                                            NodeKind::FlightLog, NodeKind::FlightLog}));
    EXPECT_EQ(nodes[3].sortDate, 200);
    EXPECT_EQ(nodes[4].sortDate, 100);
    EXPECT_EQ(nodes[5].sortDate, 0);
}

} // namespace
} // namespace vantrel
