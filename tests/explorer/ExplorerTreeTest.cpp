// The PC pane on the offscreen platform: workspaces from the settings and back, flash cards,
// bad settings, removing and renaming, new folders, multiple selection and pop-up menus.
#include "IgcText.h"
#include "ModalScript.h"
#include "ProgramSandbox.h"
#include "TempFolder.h"
#include "commands/CommandIds.h"
#include "explorer/KORTreeCtrl.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using korlink::test::ModalScript;
using korlink::test::ReadFile;
using korlink::test::Screenshot;
using korlink::test::TempFolder;
using korlink::test::WriteFile;
using test::ProgramSandbox;
using test::QPath;

// A PC pane shown in a window of its own, with the flash card volumes a test gives.
struct PcPane {
    explicit PcPane(QStringList volumes = {}) {
        context.volumes = [volumes] { return volumes; };
        tree = std::make_unique<CKORTreeCtrl>(CKORTreeCtrl::Role::Pc, context);
        tree->resize(420, 360);
        tree->Build();
        tree->show();
    }
    QStringList Texts(CExplorerItem* parent = nullptr) const {
        QStringList texts;
        const int count = parent ? parent->childCount() : tree->topLevelItemCount();
        for (int i = 0; i < count; ++i)
            texts << (parent ? parent->child(i) : tree->topLevelItem(i))->text(0);
        return texts;
    }
    CExplorerItem* Child(CExplorerItem* parent, const QString& textStart) const {
        for (int i = 0; i < parent->childCount(); ++i)
            if (parent->child(i)->text(0).startsWith(textStart))
                return parent->Child(i);
        return nullptr;
    }
    void Click(QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, modifiers,
                          tree->visualItemRect(item).center());
    }

    ExplorerContext context;
    std::unique_ptr<CKORTreeCtrl> tree;
};

TEST(ExplorerTree, NoSettingsShowOnePrimaryWorkspace) {
    ProgramSandbox sandbox;
    PcPane pane;
    const QString folder = QDir::homePath() + QStringLiteral("/KOR/Flights");
    EXPECT_EQ(pane.Texts(), QStringList{QStringLiteral("My Velmora Files - (") + folder + u')'});
    EXPECT_EQ(pane.tree->PrimaryWorkspace()->Node().path, folder.toStdString());
    EXPECT_TRUE(pane.tree->PrimaryWorkspace()->isExpanded());
    EXPECT_EQ(pane.tree->PrimaryWorkspace()->childCount(), 0) << "the folder does not exist";
}

TEST(ExplorerTree, WorkspacesAreSavedAndReadBackWithoutFlashCards) {
    ProgramSandbox sandbox;
    TempFolder primary, club, card;
    std::filesystem::create_directory(card / "My Documents");
    std::filesystem::create_directory(card / "Flights");
    WriteFile(card / "Flights" / "4310ya1.igc", test::Header("010304"));
    ProgramSandbox::Set(QStringLiteral("PrimaryWorkspace"), QPath(primary.Path()));
    ProgramSandbox::Set(QStringLiteral("NumWorkspaces"), 2);
    ProgramSandbox::Set(QStringLiteral("Workspace1"), QPath(club.Path()));
    ProgramSandbox::Set(QStringLiteral("Workspace1Name"), QStringLiteral("Club"));
    {
        PcPane pane({QPath(card.Path())});
        const QStringList texts = pane.Texts();
        ASSERT_EQ(texts.size(), 4);
        EXPECT_EQ(texts[0], QStringLiteral("My Velmora Files - (") + QPath(primary.Path()) + u')');
        EXPECT_EQ(texts[1], QStringLiteral("Club"));
        EXPECT_EQ(texts[2], QStringLiteral("Flash Card - (") + QPath(card / "My Documents") + u')');
        EXPECT_EQ(texts[3], QStringLiteral("Flash Card - (") + QPath(card / "Flights") + u')');
        EXPECT_EQ(pane.tree->FlashCard(1)->childCount(), 1) << "flash cards are expanded";
        pane.tree->SaveWorkspaces();
    }
    EXPECT_EQ(ProgramSandbox::Get(QStringLiteral("NumWorkspaces")).toInt(), 2);
    EXPECT_EQ(ProgramSandbox::Get(QStringLiteral("Workspace1")).toString(), QPath(club.Path()));
    EXPECT_EQ(ProgramSandbox::Get(QStringLiteral("Workspace1Name")).toString(),
              QStringLiteral("Club"));
    EXPECT_EQ(ProgramSandbox::Get(QStringLiteral("PrimaryWorkspaceName")).toString(),
              QStringLiteral("My Velmora Files - (") + QPath(primary.Path()) + u')');
    EXPECT_FALSE(ProgramSandbox::Get(QStringLiteral("Workspace2")).isValid());
    // Read back, the names keep the texts the items showed.
    PcPane again;
    EXPECT_EQ(again.Texts(),
              (QStringList{QStringLiteral("My Velmora Files - (") + QPath(primary.Path()) + u')',
                           QStringLiteral("Club")}));
}

TEST(ExplorerTree, FlashCardCheckCanBeTurnedOff) {
    ProgramSandbox sandbox;
    TempFolder card;
    std::filesystem::create_directory(card / "My Documents");
    ProgramSandbox::Set(QStringLiteral("FlashCardCheckOnStartup"), 0);
    PcPane pane({QPath(card.Path())});
    EXPECT_EQ(pane.tree->topLevelItemCount(), 1);
}

TEST(ExplorerTree, DamagedWorkspaceSettingsStillGiveAUsablePane) {
    ProgramSandbox sandbox;
    TempFolder folder;
    WriteFile(folder / "plain.igc", "a file, not a folder");
    ProgramSandbox::Set(QStringLiteral("PrimaryWorkspace"), QPath(folder / "plain.igc"));
    ProgramSandbox::Set(QStringLiteral("NumWorkspaces"), 2000000000);
    ProgramSandbox::Set(QStringLiteral("Workspace1"), QPath(folder / "missing"));
    ProgramSandbox::Set(QStringLiteral("Workspace3"), QString());
    PcPane pane;
    ASSERT_EQ(pane.tree->topLevelItemCount(), 2);
    EXPECT_EQ(pane.tree->PrimaryWorkspace()->childCount(), 0);
    pane.tree->ItemAt(1)->setExpanded(true);
    EXPECT_EQ(pane.tree->ItemAt(1)->childCount(), 0);
    EXPECT_EQ(ReadFile(folder / "plain.igc"), "a file, not a folder");
    ProgramSandbox::Set(QStringLiteral("NumWorkspaces"), QStringLiteral("many"));
    PcPane unreadableCount;
    EXPECT_EQ(unreadableCount.tree->topLevelItemCount(), 1);
}

TEST(ExplorerTree, RemovingAWorkspaceDeletesNoFile) {
    ProgramSandbox sandbox;
    TempFolder primary, club;
    WriteFile(club / "4310ya1.igc", test::Header("010304"));
    ProgramSandbox::Set(QStringLiteral("PrimaryWorkspace"), QPath(primary.Path()));
    ProgramSandbox::Set(QStringLiteral("NumWorkspaces"), 2);
    ProgramSandbox::Set(QStringLiteral("Workspace1"), QPath(club.Path()));
    PcPane pane;
    QString refusal, question;
    ModalScript script({ModalScript::Answer(QMessageBox::Ok, &refusal),
                        ModalScript::Answer(QMessageBox::Ok, &question)});
    pane.tree->RemoveWorkspace(pane.tree->PrimaryWorkspace());
    EXPECT_EQ(refusal, QStringLiteral("Cannot remove this workspace."));
    pane.tree->RemoveWorkspace(pane.tree->ItemAt(1));
    EXPECT_EQ(question,
              QStringLiteral("Remove workspace: ") + QPath(club.Path()) +
                  QStringLiteral(" from the Velmora Explorer?\nNo flight logs will be deleted."));
    EXPECT_EQ(pane.tree->topLevelItemCount(), 1);
    EXPECT_TRUE(std::filesystem::exists(club / "4310ya1.igc"));
}

// Types a label into the tree's open editor and presses Enter.
void TypeLabel(CKORTreeCtrl& tree, const QString& text) {
    QApplication::processEvents(); // editors of earlier edits are gone
    auto* editor = tree.findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
}

TEST(ExplorerTree, RenameFollowsTheRulesOfEachKind) {
    ProgramSandbox sandbox;
    TempFolder primary;
    WriteFile(primary / "zones.air", "");
    WriteFile(primary / "club.dat", "");
    WriteFile(primary / "4310ya1.igc", test::Header("010304"));
    ProgramSandbox::Set(QStringLiteral("PrimaryWorkspace"), QPath(primary.Path()));
    PcPane pane;
    CExplorerItem* workspace = pane.tree->PrimaryWorkspace();
    CExplorerItem* zones = pane.Child(workspace, QStringLiteral("zones"));
    ASSERT_NE(zones, nullptr);
    pane.tree->SelectOnly(zones);
    pane.tree->Rename();
    TypeLabel(*pane.tree, QStringLiteral("alps"));
    EXPECT_TRUE(std::filesystem::exists(primary / "alps.sua"));
    EXPECT_FALSE(std::filesystem::exists(primary / "zones.air"));
    EXPECT_EQ(zones->text(0), QStringLiteral("alps"));
    EXPECT_EQ(zones->Node().path, (primary / "alps.sua").string());

    CExplorerItem* club = pane.Child(workspace, QStringLiteral("club"));
    pane.tree->SelectOnly(club);
    pane.tree->Rename();
    TypeLabel(*pane.tree, QStringLiteral("bad/name"));
    EXPECT_EQ(club->text(0), QStringLiteral("club"));
    EXPECT_TRUE(std::filesystem::exists(primary / "club.dat"));

    // Logs are never renamed: the command is disabled and no editor opens.
    pane.tree->SelectOnly(pane.Child(workspace, QStringLiteral("4310ya1")));
    EXPECT_FALSE(pane.tree->Commands().State(cmd::kRename)->enabled);
    pane.tree->Rename();
    QApplication::processEvents();
    EXPECT_EQ(pane.tree->findChild<QLineEdit*>(), nullptr);

    // A workspace's new text is only its label.
    pane.tree->SelectOnly(workspace);
    pane.tree->Rename();
    TypeLabel(*pane.tree, QStringLiteral("Season 2024"));
    EXPECT_EQ(workspace->text(0), QStringLiteral("Season 2024"));
    EXPECT_TRUE(std::filesystem::exists(primary / "club.dat"));
}

TEST(ExplorerTree, SecondNewFolderIsNumbered) {
    ProgramSandbox sandbox;
    TempFolder primary;
    ProgramSandbox::Set(QStringLiteral("PrimaryWorkspace"), QPath(primary.Path()));
    PcPane pane;
    for (int n = 0; n < 2; ++n) {
        pane.tree->SelectOnly(pane.tree->PrimaryWorkspace());
        pane.tree->NewFolder();
        auto* editor = pane.tree->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << "the new folder's label is edited at once";
        QTest::keyClick(editor, Qt::Key_Escape);
    }
    EXPECT_TRUE(std::filesystem::is_directory(primary / "New Folder"));
    EXPECT_TRUE(std::filesystem::is_directory(primary / "New Folder (2)"));
    EXPECT_EQ(pane.Texts(pane.tree->PrimaryWorkspace()),
              (QStringList{QStringLiteral("New Folder"), QStringLiteral("New Folder (2)")}));
    EXPECT_EQ(pane.tree->Caret()->text(0), QStringLiteral("New Folder (2)"));
}

// A workspace with two folders, airspace, navpoints and four logs.
struct StockedPane {
    StockedPane() {
        std::filesystem::create_directory(primary / "Maps");
        std::filesystem::create_directory(primary / "2003");
        std::filesystem::create_directory(primary / "Club");
        WriteFile(primary / "zones.sua", "");
        WriteFile(primary / "club.dat", "");
        for (const char* name : {"4310ya1.igc", "4320ya1.igc", "4330ya1.igc", "4340ya1.igc"})
            WriteFile(primary / name, test::Header("010304"));
        ProgramSandbox::Set(QStringLiteral("PrimaryWorkspace"), QPath(primary.Path()));
        pane = std::make_unique<PcPane>();
        workspace = pane->tree->PrimaryWorkspace();
    }
    // The sub-folder "Club", expanded.
    CExplorerItem* Club() const {
        CExplorerItem* club = pane->Child(workspace, QStringLiteral("Club"));
        club->setExpanded(true);
        return club;
    }
    CExplorerItem* Log(int day) const {
        return pane->Child(workspace, QStringLiteral("43%1").arg(day) + QStringLiteral("0ya1"));
    }

    ProgramSandbox sandbox;
    TempFolder primary;
    std::unique_ptr<PcPane> pane;
    CExplorerItem* workspace = nullptr;
};

TEST(ExplorerTree, FolderContentsInPaneOrder) {
    StockedPane stocked;
    const QStringList texts = stocked.pane->Texts(stocked.workspace);
    ASSERT_EQ(texts.size(), 8);
    EXPECT_EQ(texts[0], QStringLiteral("2003"));
    EXPECT_EQ(texts[1], QStringLiteral("Club"));
    EXPECT_EQ(texts[2], QStringLiteral("zones"));
    EXPECT_EQ(texts[3], QStringLiteral("club"));
    EXPECT_EQ(texts[4], QStringLiteral("4340ya1.igc - Mar 04, 2004 - Anna Berg"));
    EXPECT_EQ(texts[7], QStringLiteral("4310ya1.igc - Mar 01, 2004 - Anna Berg"));
}

TEST(ExplorerTree, ClickCtrlAndShiftSelect) {
    StockedPane stocked;
    PcPane& pane = *stocked.pane;
    pane.Click(stocked.Log(4));
    EXPECT_EQ(pane.tree->Selection().size(), 1u);
    pane.Click(stocked.Log(2), Qt::ControlModifier);
    EXPECT_EQ(pane.tree->Selection().size(), 2u);
    pane.Click(stocked.Log(2), Qt::ControlModifier);
    EXPECT_EQ(pane.tree->Selection().size(), 1u) << "Ctrl+click toggles";
    EXPECT_EQ(pane.tree->Caret(), stocked.Log(2));
    pane.Click(stocked.Log(1), Qt::ShiftModifier);
    EXPECT_EQ(pane.tree->Selection().size(), 2u) << "Shift selects from the caret to the item";
    EXPECT_FALSE(stocked.Log(4)->isSelected()) << "and only those";
    pane.Click(pane.Child(stocked.workspace, QStringLiteral("2003")),
               Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pane.tree->Selection().size(), 8u) << "Ctrl+Shift keeps the rest";
    pane.Click(stocked.Log(3));
    EXPECT_EQ(pane.tree->Selection().size(), 1u);
}

TEST(ExplorerTree, RubberBandSelectsWhatItTouchesAndEscapeClears) {
    StockedPane stocked;
    PcPane& pane = *stocked.pane;
    pane.Click(stocked.Log(1));
    QWidget* viewport = pane.tree->viewport();
    const QRect last = pane.tree->visualItemRect(stocked.Log(1));
    const QPoint empty(viewport->width() - 5, last.bottom() + 20);
    const QPoint over(20, pane.tree->visualItemRect(stocked.Log(3)).center().y());
    QTest::mousePress(viewport, Qt::LeftButton, {}, empty);
    EXPECT_TRUE(pane.tree->Selection().empty()) << "a plain band clears the old selection";
    QMouseEvent move(QEvent::MouseMove, over, viewport->mapToGlobal(over), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    EXPECT_TRUE(pane.tree->RubberBandActive());
    EXPECT_EQ(pane.tree->Selection().size(), 3u);
    Screenshot(pane.tree.get(), QStringLiteral("explorer-rubber-band"));
    QTest::keyClick(pane.tree.get(), Qt::Key_Escape);
    EXPECT_FALSE(pane.tree->RubberBandActive());
    EXPECT_TRUE(pane.tree->Selection().empty());
}

TEST(ExplorerTree, OnlySelectionsOfOneFileKindDrag) {
    StockedPane stocked;
    CKORTreeCtrl& tree = *stocked.pane->tree;
    tree.SelectOnly(stocked.Log(1));
    stocked.Log(2)->setSelected(true);
    stocked.workspace->setSelected(true);
    const auto logs = tree.DraggableSelection();
    ASSERT_EQ(logs.size(), 2u) << "the workspace is left out";
    EXPECT_EQ(logs[0].sourceTree, kPcTreeNumber);
    EXPECT_NE(logs[0].sourceItem, 0u);
    stocked.pane->Child(stocked.workspace, QStringLiteral("club"))->setSelected(true);
    EXPECT_TRUE(tree.DraggableSelection().empty()) << "a log and a navpoint file";
    tree.SelectOnly(stocked.pane->Child(stocked.workspace, QStringLiteral("Club")));
    EXPECT_TRUE(tree.DraggableSelection().empty()) << "folders are not dragged";
}

TEST(ExplorerTree, DropsGoToFoldersAndMoveTheFiles) {
    StockedPane stocked;
    CKORTreeCtrl& tree = *stocked.pane->tree;
    CExplorerItem* club = stocked.Club();
    tree.SelectOnly(stocked.Log(1));
    stocked.Log(2)->setSelected(true);
    const auto nodes = tree.DraggableSelection();
    EXPECT_TRUE(tree.AcceptsDrop(nodes, club));
    EXPECT_FALSE(tree.AcceptsDrop(nodes, stocked.workspace)) << "they are there already";
    EXPECT_FALSE(tree.AcceptsDrop(nodes, stocked.Log(3)));
    EXPECT_FALSE(tree.AcceptsDrop(nodes, nullptr));
    tree.DropNodes(nodes, club, Qt::MoveAction, &tree);
    EXPECT_TRUE(std::filesystem::exists(stocked.primary / "Club" / "4310ya1.igc"));
    EXPECT_FALSE(std::filesystem::exists(stocked.primary / "4310ya1.igc"));
    EXPECT_EQ(club->childCount(), 2);
    EXPECT_EQ(stocked.Log(1), nullptr) << "moved items leave their old place";
    // A copy keeps the original.
    tree.SelectOnly(stocked.Log(3));
    tree.DropNodes(tree.DraggableSelection(), club, Qt::CopyAction, &tree);
    EXPECT_TRUE(std::filesystem::exists(stocked.primary / "4330ya1.igc"));
    EXPECT_TRUE(std::filesystem::exists(stocked.primary / "Club" / "4330ya1.igc"));
    EXPECT_NE(stocked.Log(3), nullptr);
}

TEST(ExplorerTree, CopyCutAndPasteThroughTheClipboard) {
    StockedPane stocked;
    CKORTreeCtrl& tree = *stocked.pane->tree;
    CExplorerItem* club = stocked.Club();
    tree.SelectOnly(stocked.Log(1));
    EXPECT_TRUE(tree.Commands().State(cmd::kEditCopy)->enabled);
    EXPECT_FALSE(tree.Commands().State(cmd::kEditPaste)->enabled) << "the caret is a log";
    tree.Copy();
    tree.SelectOnly(club);
    EXPECT_FALSE(tree.Commands().State(cmd::kEditCopy)->enabled) << "folders are not copied";
    tree.Paste();
    EXPECT_TRUE(std::filesystem::exists(stocked.primary / "Club" / "4310ya1.igc"));
    EXPECT_TRUE(std::filesystem::exists(stocked.primary / "4310ya1.igc"));
    EXPECT_EQ(club->childCount(), 1);
    EXPECT_EQ(tree.Caret(), club->Child(0)) << "the pasted file becomes the caret";

    tree.SelectOnly(stocked.Log(2));
    tree.Cut();
    EXPECT_TRUE(tree.HasCutItems());
    tree.SelectOnly(club);
    tree.Paste();
    EXPECT_FALSE(std::filesystem::exists(stocked.primary / "4320ya1.igc"));
    EXPECT_TRUE(std::filesystem::exists(stocked.primary / "Club" / "4320ya1.igc"));
    EXPECT_EQ(stocked.Log(2), nullptr);
    EXPECT_FALSE(tree.HasCutItems());
}

TEST(ExplorerTree, PastingVanishedFilesIsReportedOnce) {
    StockedPane stocked;
    CKORTreeCtrl& tree = *stocked.pane->tree;
    CExplorerItem* club = stocked.pane->Child(stocked.workspace, QStringLiteral("Club"));
    tree.SelectOnly(stocked.Log(3));
    stocked.Log(4)->setSelected(true);
    tree.Copy();
    std::filesystem::remove(stocked.primary / "4330ya1.igc");
    std::filesystem::remove(stocked.primary / "4340ya1.igc");
    tree.SelectOnly(club);
    QString report;
    ModalScript script({ModalScript::Answer(QMessageBox::Ok, &report)});
    tree.Paste();
    EXPECT_EQ(script.StepsLeft(), 0u);
    EXPECT_TRUE(report.contains(QStringLiteral("4330ya1.igc no longer exists")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("4340ya1.igc no longer exists")));
    EXPECT_TRUE(std::filesystem::is_empty(stocked.primary / "Club"));
}

TEST(ExplorerTree, DeleteMovesFilesToTheTrashAndKeepsFoldersThatAreNotEmpty) {
    StockedPane stocked;
    CKORTreeCtrl& tree = *stocked.pane->tree;
    WriteFile(stocked.primary / "Club" / "keep.dat", "");
    tree.SelectOnly(stocked.Log(1));
    stocked.pane->Child(stocked.workspace, QStringLiteral("Club"))->setSelected(true);
    stocked.pane->Child(stocked.workspace, QStringLiteral("2003"))->setSelected(true);
    QString message;
    ModalScript script({ModalScript::Answer(QMessageBox::Ok, &message)});
    tree.Commands().Execute(cmd::kDelete);
    EXPECT_EQ(message, QPath(stocked.primary / "Club") + QStringLiteral(" is not empty."));
    EXPECT_FALSE(std::filesystem::exists(stocked.primary / "4310ya1.igc"));
    EXPECT_FALSE(std::filesystem::exists(stocked.primary / "2003")) << "an empty folder goes";
    EXPECT_TRUE(std::filesystem::exists(stocked.primary / "Club" / "keep.dat"));
    EXPECT_EQ(stocked.Log(1), nullptr);
    EXPECT_NE(stocked.pane->Child(stocked.workspace, QStringLiteral("Club")), nullptr);
    const auto trash =
        std::filesystem::path(QDir::homePath().toStdString()) / ".local/share/Trash/files";
    EXPECT_TRUE(std::filesystem::exists(trash / "4310ya1.igc")) << "in the desktop's trash";
}

TEST(ExplorerTree, PopupMenusOfEveryKind) {
    StockedPane stocked;
    CKORTreeCtrl& tree = *stocked.pane->tree;
    const auto texts = [&](CExplorerItem* item) {
        QStringList list;
        for (const auto& entry : tree.PopupMenuOf(*item)) {
            list << entry.text;
            for (const auto& sub : entry.submenu)
                list << QStringLiteral("  ") + sub.text;
        }
        return list;
    };
    const QList<std::pair<CExplorerItem*, QStringList>> menus{
        {stocked.Log(1),
         {"Send to Floppy (A:)", "Display", "Overlay", "Edit...", "Cut\tCtrl+X", "Copy\tCtrl+C",
          "Delete\tDel", "Analyze Flight...", "Validate Security...", "Convert Log to IGC Format",
          "View Navpoints in Log...", "Properties..."}},
        {stocked.pane->Child(stocked.workspace, QStringLiteral("club")),
         {"Send To", "  Floppy Disk (A:)", "  Flash Card", "  Recorder...", "Display", "Overlay",
          "Edit...", "Cut\tCtrl+X", "Copy\tCtrl+C", "Rename", "Delete\tDel", "Properties..."}},
        {stocked.pane->Child(stocked.workspace, QStringLiteral("zones")),
         {"Send To", "  Floppy Disk (A:)", "  Flash Card", "Display", "Overlay", "Edit...",
          "Cut\tCtrl+X", "Copy\tCtrl+C", "Rename", "Delete\tDel", "Properties..."}},
        {stocked.workspace,
         {"New Workspace...", "Change Worspace...", "Open...", "New Folder...", "Import Files...",
          "Paste\tCtrl+V", "Rename", "Delete\tDel", "Properties..."}},
        {stocked.pane->Child(stocked.workspace, QStringLiteral("Club")),
         {"Set As Default", "  Navpoint Folder", "  Flight Log Folder", "Open...", "New Folder...",
          "Import Files...", "Paste\tCtrl+V", "Rename", "Delete\tDel", "Properties..."}},
    };
    const char* names[] = {"log", "navpoints", "airspace", "workspace", "folder"};
    for (qsizetype i = 0; i < menus.size(); ++i) {
        EXPECT_EQ(texts(menus[i].first), menus[i].second) << names[i];
        tree.SelectOnly(menus[i].first);
        std::unique_ptr<QMenu> menu(tree.CreatePopupMenu(*menus[i].first));
        ASSERT_NE(menu, nullptr);
        menu->popup(QPoint(0, 0));
        QApplication::processEvents();
        Screenshot(menu.get(), QStringLiteral("explorer-popup-") + QLatin1String(names[i]));
    }
    EXPECT_EQ(texts(stocked.pane->Child(stocked.workspace, QStringLiteral("2003"))).size(), 10)
        << "sub-folders are folders too";
}

TEST(ExplorerTree, RecorderPaneStartsNotConnected) {
    ProgramSandbox sandbox;
    ExplorerContext context;
    CKORTreeCtrl recorder(CKORTreeCtrl::Role::Recorder, context);
    recorder.Build();
    ASSERT_EQ(recorder.topLevelItemCount(), 1);
    EXPECT_EQ(recorder.RecorderRoot()->text(0), QStringLiteral("Velmora Recorder (Not Connected)"));
    EXPECT_FALSE(recorder.Connected());
    const auto menu = recorder.PopupMenuOf(*recorder.RecorderRoot());
    ASSERT_EQ(menu.size(), 1u);
    EXPECT_EQ(menu[0].text, QStringLiteral("Connect..."));
    EXPECT_EQ(menu[0].id, cmd::kConnect);
}

} // namespace
} // namespace vantrel
