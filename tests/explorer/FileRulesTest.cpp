// Renaming, new folder names and putting files into folders: the rules without a window.
#include "TempFolder.h"
#include "explorer/FileTransfer.h"
#include "explorer/RenameRules.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using korlink::test::ReadFile;
using korlink::test::TempFolder;
using korlink::test::WriteFile;

ExplorerNode Node(NodeKind kind, const std::filesystem::path& path) {
    ExplorerNode node;
    node.kind = kind;
    node.path = path.string();
    return node;
}

TEST(RenameRules, NewPathsByKind) {
    const auto airspace = Node(NodeKind::Airspace, "/w/zones.air");
    EXPECT_EQ(RenamedPath(airspace, "alps"), std::filesystem::path("/w/alps.sua"));
    EXPECT_EQ(RenamedPath(Node(NodeKind::Navpoints, "/w/club.dat"), "clubs 2024"),
              std::filesystem::path("/w/clubs 2024.dat"));
    EXPECT_EQ(RenamedPath(Node(NodeKind::Folder, "/w/old"), "new"),
              std::filesystem::path("/w/new"));
    for (const char* refused : {"", "a/b", "/"})
        EXPECT_FALSE(RenamedPath(airspace, refused)) << refused;
    EXPECT_FALSE(RenamedPath(Node(NodeKind::Folder, "/w/old"), ".."));
    EXPECT_FALSE(RenamedPath(Node(NodeKind::FlightLog, "/w/4310ya1.igc"), "x"));
    EXPECT_FALSE(RenamedPath(Node(NodeKind::Workspace, "/w"), "x"));
}

TEST(RenameRules, NewFoldersTakeTheNextFreeNameUpToTen) {
    TempFolder folder;
    EXPECT_EQ(CreateNewFolder(folder.Path()), folder / "New Folder");
    EXPECT_EQ(CreateNewFolder(folder.Path()), folder / "New Folder (2)");
    std::filesystem::remove(folder / "New Folder");
    EXPECT_EQ(CreateNewFolder(folder.Path()), folder / "New Folder");
    for (int n = 3; n <= 10; ++n)
        EXPECT_EQ(CreateNewFolder(folder.Path()), folder / NewFolderName(n));
    EXPECT_EQ(CreateNewFolder(folder.Path()), std::nullopt) << "all ten names taken";
    EXPECT_EQ(CreateNewFolder(folder / "missing"), std::nullopt);
}

TEST(FileTransfer, NeverReplacesAFile) {
    TempFolder from, to;
    WriteFile(from / "a.igc", "new");
    WriteFile(to / "a.igc", "kept");
    EXPECT_EQ(CopyInto(from / "a.igc", to.Path()).status, TransferStatus::TargetExists);
    EXPECT_EQ(MoveInto(from / "a.igc", to.Path()).status, TransferStatus::TargetExists);
    EXPECT_EQ(ReadFile(to / "a.igc"), "kept");
    EXPECT_EQ(ReadFile(from / "a.igc"), "new");
    EXPECT_FALSE(RenameWithoutReplacing(from / "a.igc", to / "a.igc"));
    EXPECT_EQ(ReadFile(to / "a.igc"), "kept");
}

TEST(FileTransfer, CopiesAndMovesLeaveNothingHalfWritten) {
    TempFolder from, to;
    WriteFile(from / "b.dat", "navpoints");
    const auto copied = CopyInto(from / "b.dat", to.Path());
    EXPECT_EQ(copied.status, TransferStatus::Done);
    EXPECT_EQ(copied.target, to / "b.dat");
    EXPECT_EQ(ReadFile(to / "b.dat"), "navpoints");
    std::filesystem::remove(to / "b.dat");
    EXPECT_EQ(MoveInto(from / "b.dat", to.Path()).status, TransferStatus::Done);
    EXPECT_FALSE(std::filesystem::exists(from / "b.dat"));
    EXPECT_EQ(ReadFile(to / "b.dat"), "navpoints");
    EXPECT_EQ(CopyInto(from / "gone.dat", to.Path()).status, TransferStatus::SourceMissing);
    EXPECT_EQ(MoveInto(from / "gone.dat", to.Path()).status, TransferStatus::SourceMissing);
    // No temporary file stays behind in either folder.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(to.Path()))
        ++entries;
    EXPECT_EQ(entries, 1u);
}

} // namespace
} // namespace vantrel
