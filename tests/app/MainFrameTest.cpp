// The main frame on the offscreen platform: menus, command routing, toolbars, placement, the
// state saved on close, the About box, the splash window and the status-bar progress.
#include "app/MainFrame.h"

#include "IgcText.h"
#include "ModalScript.h"
#include "ProgramSandbox.h"
#include "TempFolder.h"
#include "app/AboutBox.h"
#include "app/SplashWindow.h"
#include "app/StatusBarProgress.h"
#include "app/Toolbars.h"
#include "app/VantrelApp.h"
#include "commands/CommandIds.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using korlink::test::ModalScript;
using korlink::test::Screenshot;
using korlink::test::TempFolder;
using korlink::test::WriteFile;
using test::ProgramSandbox;
using test::QPath;

// Every menu command as "Menu/Sub/Text" -> id.
void CollectMenu(const QMenu& menu, const QString& prefix, std::map<QString, int>& out) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        if (action->menu())
            CollectMenu(*action->menu(), prefix + action->text() + u'/', out);
        else
            out[prefix + action->text()] = action->data().toInt();
    }
}

std::map<QString, int> MenuCommands(const CMainFrame& frame) {
    std::map<QString, int> commands;
    for (QAction* top : frame.menuBar()->actions())
        CollectMenu(*top->menu(), top->text() + u'/', commands);
    return commands;
}

TEST(MainFrame, MenuTextsAndCommandNumbers) {
    ProgramSandbox sandbox;
    CommandMap app;
    CMainFrame frame(app);
    const auto commands = MenuCommands(frame);
    const std::map<QString, int> expected{
        {"&File/&New/&Workspace...", 32789},
        {"&File/&New/&Folder", 32799},
        {"&File/&New/&Navpoints...", 32815},
        {"&File/&Open...\tCtrl+O", 57601},
        {"&File/&Close", 57602},
        {"&File/Recent File", 57616},
        {"&File/E&xit", 57665},
        {"&Edit/Cu&t\tCtrl+X", 57635},
        {"&Edit/&Copy\tCtrl+C", 57634},
        {"&Edit/&Paste\tCtrl+V", 57637},
        {"&Edit/&Delete\tDel", 32850},
        {"&Edit/Rename", 32833},
        {"&View/&Toolbar", 59392},
        {"&View/&Status Bar", 59393},
        {"&View/&Explorer Bar", 32787},
        {"&View/R&otate/Rotate &Down", 32780},
        {"&View/R&otate/Rotate &Left", 32779},
        {"&View/R&otate/Rotate &Right", 32778},
        {"&View/R&otate/Rotate &Up", 32781},
        {"&View/&Zoom/&Zoom In", 32783},
        {"&View/&Zoom/Zoom &Out", 32784},
        {"&View/&Zoom/&Draw Zoom Window", 32786},
        {"&View/&Animation/&Start", 32774},
        {"&View/&Animation/S&top", 32775},
        {"&View/&Animation/S&lower", 32776},
        {"&View/&Animation/&Faster", 32777},
        {"&View/&Barogram/&Engine Noise Level", 32846},
        {"&View/&Barogram/&Pressure Altitude", 32876},
        {"&View/&Barogram/&GPS Altitude", 32877},
        {"&View/&Map Display", 32785},
        {"&View/&Reset View", 32782},
        {"&View/&Next Task Point", 32831},
        {"&View/Measurment &Cursor", 32864},
        {"&Recorder/&Connect...", 32773},
        {"&Recorder/&Properties...", 32771},
        {"&Recorder/Log Manager...", 32808},
        {"&Actions/&Display", 32852},
        {"&Actions/&Overlay", 32853},
        {"&Actions/&Edit...", 32854},
        {"&Actions/&Transfer to PC", 32859},
        {"&Actions/Transfer to &Recorder", 32851},
        {"&Actions/&Verify Flight Log Security...", 32801},
        {"&Actions/&Analyze Flight...", 32847},
        {"&Actions/E&mail Flight...", 57612},
        {"Ta&sks/Define and &Transfer...", 32829},
        {"Ta&sks/&Define and Overlay...", 32826},
        {"&Tools/&Convert Log to IGC Format...", 32822},
        {"&Tools/&Options...", 32770},
        {"&Tools/&Display Options...", 32772},
        {"&Window/&Cascade", 57650},
        {"&Window/&Tile", 57651},
        {"&Window/Close &All", 32838},
        {"&Help/&Help Topics", 57667},
        {"&Help/Web Support", 32870},
        {"&Help/&About Velmora Skyline Explorer...", 57664},
    };
    EXPECT_EQ(commands, expected);
    EXPECT_EQ(frame.Action(cmd::kEditCut)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_X),
                                   QKeySequence(Qt::SHIFT | Qt::Key_Delete)}));
    EXPECT_EQ(frame.Action(cmd::kFileOpen)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_TRUE(frame.Action(cmd::kDelete)->shortcuts().isEmpty()) << "Del belongs to the trees";
}

TEST(MainFrame, UpdateRulesAndCommandsOfLaterVersions) {
    ProgramSandbox sandbox;
    CommandMap app;
    CMainFrame frame(app);
    frame.show();
    frame.UpdateCommands();
    EXPECT_FALSE(frame.Action(cmd::kCloseAll)->isEnabled()) << "no flight window";
    EXPECT_FALSE(frame.Action(cmd::kOverlay)->isEnabled());
    EXPECT_FALSE(frame.Action(cmd::kZoomIn)->isEnabled()) << "no window handles it";
    EXPECT_TRUE(frame.Action(cmd::kDefineAndTransfer)->isEnabled());
    EXPECT_TRUE(frame.Action(cmd::kExplorerBar)->isChecked());
    frame.ExecuteCommand(cmd::kExplorerBar);
    frame.UpdateCommands();
    EXPECT_FALSE(frame.ExplorerDock().isVisible());
    EXPECT_FALSE(frame.Action(cmd::kExplorerBar)->isChecked());
    frame.ExecuteCommand(cmd::kExplorerBar);
    frame.UpdateCommands();
    EXPECT_TRUE(frame.Action(cmd::kExplorerBar)->isChecked());

    QString message;
    ModalScript script({ModalScript::Answer(QMessageBox::Ok, &message)});
    EXPECT_TRUE(frame.ExecuteCommand(cmd::kLogManager));
    EXPECT_EQ(message, QStringLiteral("The log manager is not available yet."));

    // A later version takes a command over through the frame's handler map.
    bool ran = false;
    frame.Commands().On(cmd::kLogManager, [&] { ran = true; });
    frame.ExecuteCommand(cmd::kLogManager);
    EXPECT_TRUE(ran);
}

TEST(MainFrame, FlightWindowsSwapTheToolbars) {
    ProgramSandbox sandbox;
    CommandMap app;
    CMainFrame frame(app);
    frame.show();
    EXPECT_EQ(frame.MainToolbarResource(), kMainToolbarResource);
    EXPECT_EQ(frame.MainToolbar().actions().size(), 2);
    EXPECT_FALSE(frame.AnimationToolbar().isVisible());
    Screenshot(&frame, QStringLiteral("main-window-empty"));
    QMdiSubWindow* window = frame.DocumentArea().addSubWindow(new QWidget);
    window->show();
    frame.DocumentArea().setActiveSubWindow(window);
    QApplication::processEvents();
    EXPECT_EQ(frame.MainToolbarResource(), kFlightMainToolbarResource);
    EXPECT_EQ(frame.MainToolbar().actions().size(), 5);
    EXPECT_TRUE(frame.AnimationToolbar().isVisible());
    EXPECT_TRUE(frame.ViewToolbar().isVisible());
    frame.UpdateCommands();
    EXPECT_TRUE(frame.Action(cmd::kCloseAll)->isEnabled());
    Screenshot(&frame, QStringLiteral("main-window-flight-toolbars"));
    window->close();
    delete window;
    QApplication::processEvents();
    EXPECT_EQ(frame.MainToolbarResource(), kMainToolbarResource);
    EXPECT_FALSE(frame.ViewToolbar().isVisible());
}

TEST(MainFrame, PlacementIsRestoredByItsRules) {
    ProgramSandbox sandbox;
    CommandMap app;
    {
        ProgramSandbox::Set(QStringLiteral("WindowPos"),
                            QStringLiteral("2,3,-1,-1,-1,-1,40,30,740,530"));
        CMainFrame frame(app);
        EXPECT_TRUE(frame.RestorePlacement());
        frame.ShowRestored();
        EXPECT_TRUE(frame.isMaximized());
        EXPECT_EQ(frame.normalGeometry(), QRect(40, 30, 700, 500));
        const WindowPlacement saved = frame.Placement();
        EXPECT_EQ(saved.flags, kRestoreToMaximized);
        EXPECT_EQ(saved.showCommand, kShowMaximized);
        EXPECT_EQ(saved.left, 40);
        EXPECT_EQ(saved.bottom, 530);
    }
    {
        ProgramSandbox::Set(QStringLiteral("WindowPos"),
                            QStringLiteral("0,2,-1,-1,-1,-1,40,30,740,530"));
        CMainFrame frame(app);
        EXPECT_TRUE(frame.RestorePlacement());
        frame.ShowRestored();
        EXPECT_FALSE(frame.isMinimized());
        EXPECT_FALSE(frame.isMaximized());
    }
    for (const char* bad : {"1,1,40,30", "0,1,-1,-1,-1,-1,40,30,20,10", "junk"}) {
        ProgramSandbox::Set(QStringLiteral("WindowPos"), QLatin1String(bad));
        CMainFrame frame(app);
        const QSize before = frame.size();
        EXPECT_FALSE(frame.RestorePlacement()) << bad;
        frame.ShowRestored();
        EXPECT_EQ(frame.size(), before) << bad;
    }
}

TEST(MainFrame, ClosingSavesPlacementBarsAndWorkspaces) {
    ProgramSandbox sandbox;
    TempFolder primary, club;
    ProgramSandbox::Set(QStringLiteral("PrimaryWorkspace"), QPath(primary.Path()));
    CommandMap app;
    {
        CMainFrame frame(app);
        frame.show();
        frame.setGeometry(50, 60, 900, 650);
        frame.Explorer().Context().chooseFolder = [&](QWidget*, const QString& title,
                                                      const QString&) {
            EXPECT_EQ(title, QStringLiteral("Select New Workspace Location."));
            return QPath(club.Path());
        };
        frame.ExecuteCommand(cmd::kNewWorkspace);
        if (auto* editor = frame.Explorer().PcPane().findChild<QLineEdit*>())
            QTest::keyClick(editor, Qt::Key_Escape);
        frame.close();
    }
    const auto placement =
        ParsePlacement(ProgramSandbox::Get(QStringLiteral("WindowPos")).toString().toStdString());
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->left, 50);
    EXPECT_EQ(placement->right, 950);
    EXPECT_TRUE(ProgramSandbox::Get(QStringLiteral("TreeBarState/Area")).isValid());
    EXPECT_TRUE(ProgramSandbox::Get(QStringLiteral("Toolbars/State")).isValid());
    EXPECT_EQ(ProgramSandbox::Get(QStringLiteral("NumWorkspaces")).toInt(), 2);
    EXPECT_EQ(ProgramSandbox::Get(QStringLiteral("Workspace1")).toString(), QPath(club.Path()));
    EXPECT_EQ(ProgramSandbox::Get(QStringLiteral("Workspace1Name")).toString(),
              QStringLiteral("New Workspace - (") + QPath(club.Path()) + u')');
}

TEST(MainFrame, ExplorerBarKeepsItsPlace) {
    ProgramSandbox sandbox;
    CommandMap app;
    {
        CMainFrame frame(app);
        frame.show();
        frame.ExplorerDock().ApplyState(BarState{Qt::RightDockWidgetArea, false, {}, 260, true});
        frame.close();
    }
    CMainFrame frame(app);
    frame.show();
    EXPECT_EQ(frame.dockWidgetArea(&frame.ExplorerDock()), Qt::RightDockWidgetArea);
    EXPECT_FALSE(frame.ResultsBar().isVisible()) << "the results bar starts hidden";
    EXPECT_EQ(frame.dockWidgetArea(&frame.ResultsBar()), Qt::LeftDockWidgetArea);
    ProgramSandbox::Set(QStringLiteral("TreeBarState/Area"), QStringLiteral("sideways"));
    CMainFrame damaged(app);
    EXPECT_EQ(damaged.dockWidgetArea(&damaged.ExplorerDock()), Qt::LeftDockWidgetArea);
}

TEST(MainFrame, ThreeWorkspacesExpanded) {
    ProgramSandbox sandbox;
    TempFolder primary, club, contest;
    std::filesystem::create_directory(primary / "2003 Season");
    WriteFile(primary / "alps.sua", "");
    WriteFile(primary / "club.dat", "");
    for (const char* name : {"4310ya1.igc", "4350ya1.igc", "43b0ya2.igc"})
        WriteFile(primary / name, test::Header("010304"));
    WriteFile(club / "home.dat", "");
    WriteFile(club / "5670ya1.igc", test::Header("070695"));
    std::filesystem::create_directory(contest / "Day 1");
    WriteFile(contest / "48a0ya1.igc", test::Header("100804"));
    ProgramSandbox::Set(QStringLiteral("PrimaryWorkspace"), QPath(primary.Path()));
    ProgramSandbox::Set(QStringLiteral("NumWorkspaces"), 3);
    ProgramSandbox::Set(QStringLiteral("Workspace1"), QPath(club.Path()));
    ProgramSandbox::Set(QStringLiteral("Workspace2"), QPath(contest.Path()));
    ProgramSandbox::Set(QStringLiteral("Workspace2Name"), QStringLiteral("Nationals 2004"));
    CommandMap app;
    CMainFrame frame(app);
    frame.resize(1000, 620);
    frame.show();
    CKORTreeCtrl& pc = frame.Explorer().PcPane();
    for (int i = 0; i < pc.topLevelItemCount(); ++i)
        pc.topLevelItem(i)->setExpanded(true);
    EXPECT_EQ(pc.topLevelItemCount(), 3);
    EXPECT_EQ(pc.ItemAt(0)->childCount(), 6);
    EXPECT_EQ(pc.ItemAt(2)->text(0), QStringLiteral("Nationals 2004"));
    QApplication::processEvents();
    Screenshot(&frame, QStringLiteral("main-window-three-workspaces"));
    // The recorder root's menu, with the states the frame gives its commands.
    CKORTreeCtrl& recorder = frame.Explorer().RecorderPane();
    std::unique_ptr<QMenu> menu(recorder.CreatePopupMenu(*recorder.RecorderRoot()));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().front()->isEnabled());
    menu->popup(QPoint(0, 0));
    QApplication::processEvents();
    Screenshot(menu.get(), QStringLiteral("explorer-popup-recorder-root"));
}

TEST(AboutBox, RowsWithAndWithoutTheMapControl) {
    const auto without =
        AboutRows(QStringLiteral("May 13 2004"), QStringLiteral("Apr 17 2003"), std::nullopt);
    ASSERT_EQ(without.size(), 5u);
    EXPECT_EQ(without[0], std::pair(QStringLiteral("Version:"), QStringLiteral("1.11")));
    EXPECT_EQ(without[1].second, QStringLiteral("  May 13 2004"));
    EXPECT_EQ(without[3],
              std::pair(QStringLiteral("  Build Date:"), QStringLiteral("  Apr 17 2003")));
    EXPECT_EQ(without[4],
              std::pair(QStringLiteral("OCX Name:"), QStringLiteral("**NOT INSTALLED**")));
    const auto with = AboutRows(
        QString(), QString(),
        MapPluginInfo{QStringLiteral("/p"), QStringLiteral("Jun 1 2024"), QStringLiteral("2.0")});
    ASSERT_EQ(with.size(), 7u);
    EXPECT_EQ(with[5].second, QStringLiteral("  Jun 1 2024"));
    EXPECT_EQ(with[6], std::pair(QStringLiteral("  Version:"), QStringLiteral("  2.0")));
    EXPECT_EQ(LibraryBuildDate(), QStringLiteral("Apr 17 2003"));
    EXPECT_FALSE(FindMapPlugin({QStringLiteral("/nowhere/libtrkview.so")}));

    CAboutBox box(std::nullopt);
    box.show();
    QApplication::processEvents();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Velmora Skyline Explorer"));
    EXPECT_EQ(box.List().topLevelItem(4)->text(1), QStringLiteral("**NOT INSTALLED**"));
    EXPECT_EQ(box.List().columnWidth(0), 100);
    Screenshot(&box, QStringLiteral("about-box"));
}

TEST(SplashWindow, HidesOnAKeyOrAfterItsTime) {
    CSplashWindow splash;
    splash.ShowSplash();
    EXPECT_TRUE(splash.isVisible());
    Screenshot(&splash, QStringLiteral("splash-window"));
    QWidget other;
    other.show();
    QTest::keyClick(&other, Qt::Key_A);
    EXPECT_FALSE(splash.isVisible());
    CSplashWindow timed;
    timed.ShowSplash();
    QTest::qWait(CSplashWindow::kShowMilliseconds + 200);
    EXPECT_FALSE(timed.isVisible());
}

TEST(StatusBarProgress, FillsTheRightHalfAndLeavesReady) {
    ProgramSandbox sandbox;
    CommandMap app;
    CMainFrame frame(app);
    frame.show();
    QApplication::processEvents();
    QLabel& pane = frame.MessagePane();
    EXPECT_EQ(pane.text(), QStringLiteral("For Help, press F1"));
    {
        CStatusBarProgress progress(&pane, QStringLiteral("Importing..."), 0, 4);
        progress.Report(3);
        EXPECT_EQ(pane.text(), QStringLiteral("Importing..."));
        EXPECT_EQ(progress.Bar()->value(), 38);
        EXPECT_EQ(progress.Bar()->geometry().left(), pane.width() / 2);
        EXPECT_EQ(progress.Bar()->geometry().right(), pane.width() - 1);
        Screenshot(&frame, QStringLiteral("main-window-progress"));
    }
    EXPECT_EQ(pane.text(), QStringLiteral("Ready"));
    EXPECT_TRUE(pane.findChildren<QProgressBar*>().isEmpty());
}

TEST(VantrelApp, CommandLineAndOpenFilter) {
    const auto line = ParseCommandLine({QStringLiteral("vantrel"), QStringLiteral("a.igc"),
                                        QStringLiteral("--screenshot"), QStringLiteral("p.png"),
                                        QStringLiteral("b.kor")});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->files, (QStringList{QStringLiteral("a.igc"), QStringLiteral("b.kor")}));
    EXPECT_EQ(line->screenshot, QStringLiteral("p.png"));
    EXPECT_EQ(DialogFilters(QLatin1String(kOpenFilter)),
              (QStringList{QStringLiteral("Velmora Navpoint Files (*.dat)"),
                           QStringLiteral("Special Use Airspace Files (*.sua *.air)"),
                           QStringLiteral("Velmora KOR Files (*.kor)"),
                           QStringLiteral("IGC Flight Data Files (*.igc)"),
                           QStringLiteral("All Files (*)")}));
}

TEST(VantrelApp, PlainStartOpensNoFlightWindow) {
    ProgramSandbox sandbox;
    CVantrelApp program;
    CommandLine line;
    line.showSplash = false;
    ASSERT_TRUE(program.InitInstance(line));
    EXPECT_TRUE(program.MainFrame()->DocumentArea().subWindowList().isEmpty());
    EXPECT_EQ(program.MainFrame()->windowTitle(), QStringLiteral("Velmora Skyline Explorer"));
    program.MainFrame()->close();
}

TEST(VantrelApp, FilesOfTheCommandLineAreOpened) {
    ProgramSandbox sandbox;
    TempFolder folder;
    WriteFile(folder / "4310ya1.igc", test::Header("010304") + test::BRecord(10, 0, 0, 51, 0) +
                                          test::BRecord(10, 0, 4, 51.001, 0.001));
    CVantrelApp program;
    CommandLine line;
    line.showSplash = false;
    line.files << QPath(folder / "4310ya1.igc");
    ASSERT_TRUE(program.InitInstance(line));
    EXPECT_EQ(program.MainFrame()->DocumentArea().subWindowList().size(), 1);
    EXPECT_EQ(program.Recent().Files().value(0), QPath(folder / "4310ya1.igc"));
    program.MainFrame()->close();
}

} // namespace
} // namespace vantrel
