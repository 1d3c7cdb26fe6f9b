// The site dialogs against a simulated recorder: the transfer dialog sends navpoints, tasks and
// the declaration, and the manager makes a database from the recorder's site.
#include "ModalScript.h"
#include "RecorderWithNavpoints.h"
#include "SimulatedRecorder.h"
#include "SiteDialogs.h"
#include "TemporaryFolder.h"
#include "interface/Library.h"
#include "korlink/korlink.h"
#include "navpoints/NavpointProgressDlg.h"
#include "navpoints/RecorderSiteLink.h"
#include "navpoints/SiteManagerDlg.h"
#include "navpoints/SiteTransferDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace korlink {
namespace {

using navpoints::Navpoint;
using test::ModalScript;

// A recorder on port 1 reached the way the dialogs reach it: through the library's own link
// (whose pauses cost nothing here), with a connection that is not quiet, so that the navpoints
// are verified in the progress window.
struct SiteRecorder {
    explicit SiteRecorder(korsim::Faults faults = {})
        : recorder(test::RecorderWithNavpoints(0), korsim::SimulatorOptions{false, faults}),
          scope(Library::Instance().Link(), operation), sites(Library::Instance()) {
        sites.SetConnection({1, 0, 0, 0});
    }

    std::vector<std::string> Lines() const { return recorder.simulator->Model().receivedLines; }

    test::SimulatedRecorder recorder;
    test::RecordingOperation operation;
    CRecorderLink::OperationScope scope;
    CRecorderSiteLink sites;
};

SiteDatabase Alps() {
    SiteDatabase site;
    site.SetName("Alps");
    site.AddNavpoint(Navpoint(1, "HOME", 46.5, 8.0, 2, 500, "RWY 09"));
    site.AddNavpoint(Navpoint(2, "PEAK", 46.6, 8.1, 1, 2100, ""));
    site.AddNavpoint(Navpoint(3, "LAKE", 46.7, 8.2, 1, 380, ""));
    const std::int32_t out[]{1, 2, 1};
    const std::int32_t triangle[]{1, 2, 3, 1};
    site.SetTask(0, out);
    site.SetTask(2, triangle);
    return site;
}

// A step for a navpoint progress window: remembers its title and lets it run.
ModalScript::Step Progress(std::vector<QString>& titles) {
    return [&titles](QWidget* window) {
        EXPECT_NE(window->findChild<QProgressBar*>(QStringLiteral("progress")), nullptr);
        titles.push_back(window->windowTitle());
    };
}

TEST(SiteRecorder, TransferSendsNavpointsTasksAndTheDeclarationInOrder) {
    SiteRecorder recorder;
    const SiteDatabase site = Alps();
    CSiteTransferDlg dialog(site, &recorder.sites, test::English());
    dialog.show();
    dialog.TasksBox()->setChecked(true);
    dialog.DeclareBox()->setChecked(true);
    dialog.DeclareCombo()->setCurrentIndex(1); // Task C, slot 2
    std::vector<QString> titles;
    ModalScript script({Progress(titles), Progress(titles)});
    dialog.SendButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(titles, (std::vector<QString>{QStringLiteral("Transfering Navpoints to Recorder"),
                                            QStringLiteral("Verifying Navpoints")}));
    const auto lines = recorder.Lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "YAlps" + std::string(60, ' '));
    EXPECT_EQ(lines[1], "C,1,4630.0000N,00800.0000E,500,1,2,HOME        RWY 09      ");
    EXPECT_EQ(lines[3].substr(0, 4), "C,3,");
    EXPECT_EQ(lines[4], "T,0,1,2,1,0,0,0,0,0,0");
    EXPECT_EQ(lines[5], "T,2,1,2,3,1,0,0,0,0,0");
    EXPECT_EQ(lines[6], "D,2");
    const auto memory = recorder.recorder.simulator->Model().navpointMemory;
    EXPECT_EQ(memory.declaredTask, (std::vector<std::uint8_t>{1, 2, 3, 1}));
}

TEST(SiteRecorder, NavpointsTheRecorderDidNotKeepShowTheirOwnWarning) {
    SiteRecorder recorder({.movedNavpoint = 2, .movedMetres = 60});
    const SiteDatabase site = Alps();
    CSiteTransferDlg dialog(site, &recorder.sites, test::English());
    dialog.show();
    dialog.TasksBox()->setChecked(true);
    std::vector<QString> titles;
    QString message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalScript script({Progress(titles), Progress(titles),
                        ModalScript::Answer(QMessageBox::Ok, &message, &icon)});
    dialog.SendButton()->click();
    EXPECT_EQ(
        message,
        QStringLiteral("WARNING - Navpoint transfer verification failed, resend the navpoints."));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(recorder.Lines().size(), 4u) << "no task is sent after a failed verification";
    EXPECT_TRUE(dialog.isVisible());
}

TEST(SiteRecorder, NewFromRecorderTakesTheSiteWithoutItsPadding) {
    SiteRecorder recorder;
    ASSERT_EQ(recorder.sites.SendNavpoints(Alps()), uint32_t{KOR_OK});
    test::TemporaryFolder folder;
    CSiteManagerDlg manager(folder.Path(), &recorder.sites, test::English(),
                            [](QWidget*, const FileRequest&) { return QString(); });
    manager.show();
    std::vector<QString> titles;
    ModalScript script({Progress(titles)});
    manager.NewFromRecorderButton()->click();
    EXPECT_EQ(titles, (std::vector<QString>{QStringLiteral("Transfering Navpoints to PC")}));
    SiteDatabase read;
    ASSERT_TRUE(read.Load(folder / "KORSite1.sit"));
    EXPECT_EQ(read.Name(), "Alps");
    ASSERT_EQ(read.NavpointCount(), 3);
    EXPECT_EQ(read.Navpoints().Find(1)->Name(), "HOME");
    EXPECT_EQ(read.Navpoints().Find(1)->Remark(), "RWY 09");
    EXPECT_FLOAT_EQ(read.Navpoints().Find(2)->Elevation(), 2100.0f);
}

} // namespace
} // namespace korlink
