// The transfer dialog and the download progress window on the offscreen platform.
#include "ModalScript.h"
#include "RecorderWithFlights.h"
#include "SimulatedRecorder.h"
#include "TemporaryFolder.h"
#include "interface/LogTransferDlg.h"
#include "interface/TransferProgressDlg.h"
#include "interface/Translator.h"
#include "korlink/korlink.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace korlink {
namespace {

using test::ModalScript;
using test::RecorderWithFlights;
using test::Screenshot;
using test::SimulatedRecorder;

QString Cell(CLogTransferDlg& dialog, int row, int column) {
    return dialog.List()->topLevelItem(row)->text(column);
}

class TransferDialogTest : public ::testing::Test {
protected:
    TransferDialogTest()
        : recorder_(RecorderWithFlights({{3, 12, 4}, {3, 12, 5}, {3, 12, 6}})),
          english_(DataDirectory()) {
        english_.Apply(0);
        // The flight of 5 December is already on the PC.
        korsim::DownloadedLog(recorder_.simulator->Model(), 2)->Save(folder_.Path());
        recorder_.Open();
    }

    SimulatedRecorder recorder_;
    test::TemporaryFolder folder_;
    CTranslator english_;
};

TEST_F(TransferDialogTest, ListsTheFlightsAndWhatIsAlreadyStored) {
    CLogTransferDlg dialog(recorder_.link, folder_.Path(), english_);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Not Connected"));
    EXPECT_EQ(dialog.StatusLine()->text(), QStringLiteral("Ready"));
    EXPECT_FALSE(dialog.TransferButton()->isEnabled());
    dialog.Tick();
    ASSERT_TRUE(dialog.IsConnected());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Connected to Recorder : Q0YA"));
    EXPECT_TRUE(dialog.PilotLine()->text().startsWith(QStringLiteral("Pilot : ")));
    EXPECT_TRUE(dialog.PilotLine()->text().endsWith(QStringLiteral(" - JS  (ASW 27   )")));
    EXPECT_TRUE(dialog.TransferButton()->isEnabled());
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 3);
    const QStringList first{QStringLiteral("1"),        QStringLiteral("12/06/03"),
                            Cell(dialog, 0, 2),         Cell(dialog, 0, 3),
                            QStringLiteral("~300"),     QString(),
                            QStringLiteral("Available")};
    for (int column = 0; column < 7; ++column)
        EXPECT_EQ(Cell(dialog, 0, column), first[column]) << column;
    EXPECT_EQ(Cell(dialog, 1, 6), QStringLiteral("Exists as 3C5Q0YA1.KOR"));
    EXPECT_EQ(Cell(dialog, 0, 3).size(), 8);
    dialog.show();
    Screenshot(&dialog, QStringLiteral("log-transfer"));
    recorder_.simulator.reset(); // the recorder is unplugged
    dialog.Tick();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Not Connected"));
    EXPECT_EQ(dialog.StatusLine()->text(), QStringLiteral("Not Connected"));
    EXPECT_EQ(dialog.List()->topLevelItemCount(), 0);
    EXPECT_FALSE(dialog.TransferButton()->isEnabled());
    EXPECT_TRUE(dialog.PilotLine()->text().isEmpty());
}

TEST_F(TransferDialogTest, TransfersWriteFilesAndCloseSwitchesTheGpsOff) {
    CLogTransferDlg dialog(recorder_.link, folder_.Path(), english_);
    dialog.Tick();
    dialog.TransferSelected(); // nothing selected: the first row
    EXPECT_EQ(Cell(dialog, 0, 6), QStringLiteral("Written to 3C6Q0YA1.KOR"));
    EXPECT_EQ(Cell(dialog, 0, 5), QStringLiteral("OK"));
    EXPECT_EQ(dialog.StatusLine()->text(), QStringLiteral("Ready"));
    EXPECT_EQ(dialog.Bar()->value(), 0);

    QString question;
    ModalScript overwrite({ModalScript::Answer(QMessageBox::Yes, &question)});
    dialog.List()->setCurrentItem(dialog.List()->topLevelItem(1));
    dialog.TransferSelected();
    EXPECT_EQ(question, QStringLiteral("Log already exists, transfer anyway?"));
    EXPECT_EQ(Cell(dialog, 1, 6), QStringLiteral("Written to 3C5Q0YA2.KOR"));
    ASSERT_EQ(dialog.WrittenPaths().size(), 2u);
    EXPECT_EQ(dialog.WrittenPaths()[1], (folder_.Path() / "3C5Q0YA2.KOR").string());

    ModalScript declined({ModalScript::Answer(QMessageBox::Cancel)});
    dialog.TransferSelected();
    EXPECT_EQ(dialog.WrittenPaths().size(), 2u);

    EXPECT_EQ(recorder_.CommandCount("die"), 0u);
    dialog.reject();
    EXPECT_TRUE(recorder_.WaitForCommand("die"));
}

// A flight whose fix blocks fail is still written, but it is not the flight on the PC: the row
// stays unmarked, so transferring it again asks nothing.
TEST(TransferDialog, AnIncompleteCopyIsNotMarkedAsStored) {
    korsim::SimulatorOptions options;
    options.faults.failBlock = 2;
    SimulatedRecorder recorder(RecorderWithFlights({{3, 12, 6}}), options);
    test::TemporaryFolder folder;
    CTranslator english(DataDirectory());
    english.Apply(0);
    recorder.Open();
    CLogTransferDlg dialog(recorder.link, folder.Path(), english);
    dialog.Tick();
    dialog.TransferSelected();
    EXPECT_TRUE(Cell(dialog, 0, 6).startsWith(QStringLiteral("Written to 3C6Q0YA1.KOR (1024 of ")))
        << Cell(dialog, 0, 6).toStdString();
    EXPECT_EQ(Cell(dialog, 0, 5), QStringLiteral("FAILED"));
    ModalScript asked({ModalScript::Answer(QMessageBox::Yes)});
    dialog.TransferSelected();
    EXPECT_EQ(asked.StepsLeft(), 1u);
    EXPECT_TRUE(Cell(dialog, 0, 6).startsWith(QStringLiteral("Written to 3C6Q0YA2.KOR")));
}

TEST_F(TransferDialogTest, ClosingWithoutATransferSendsNothing) {
    CLogTransferDlg dialog(recorder_.link, folder_.Path(), english_);
    dialog.Tick();
    dialog.accept();
    EXPECT_FALSE(recorder_.WaitForCommand("die", std::chrono::milliseconds{300}));
}

// Runs `action` once `ready` holds, looking every 50 ms.
void WhenReady(std::function<bool()> ready, std::function<void()> action) {
    QTimer::singleShot(50, [ready, action] {
        if (ready())
            action();
        else
            WhenReady(ready, action);
    });
}

TEST(TransferExports, GetLogsReportsTheWrittenPaths) {
    SimulatedRecorder recorder(RecorderWithFlights({{3, 12, 5}}));
    test::TemporaryFolder folder;
    ModalScript script({[](QWidget* dialog) {
        // The dialog's own timer finds the recorder; then transfer, then close.
        auto* transfer = dialog->findChild<QPushButton*>(QStringLiteral("transfer"));
        auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("list"));
        WhenReady([transfer] { return transfer->isEnabled(); },
                  [=] {
                      transfer->click();
                      WhenReady(
                          [list] {
                              return list->topLevelItemCount() > 0 &&
                                     list->topLevelItem(0)->text(6).startsWith(
                                         QStringLiteral("Written to"));
                          },
                          [dialog] {
                              Screenshot(dialog, QStringLiteral("log-transfer-written"));
                              dialog->findChild<QPushButton*>(QStringLiteral("close"))->click();
                          });
                  });
    }});
    const ConnectionDescriptor descriptor{1, 0, 0, 0};
    LogPathList paths{};
    EXPECT_EQ(KORGetLogs(&descriptor, folder.Path().c_str(), &paths), uint32_t{KOR_OK});
    ASSERT_EQ(paths.count, 1u);
    EXPECT_EQ(std::string(paths.paths[0]), (folder.Path() / "3C5Q0YA1.KOR").string());
    EXPECT_EQ(paths.paths[1][0], '\0');
    EXPECT_TRUE(recorder.WaitForCommand("die"));
}

TEST(TransferExports, ProgressWindowShowsTheFlight) {
    CTranslator english(DataDirectory());
    english.Apply(0);
    LogDirectoryEntry entry;
    entry.bytes = {3, 12, 5, 13, 2, 7, 3, 12, 5, 15, 40, 12, 100, 0, 0, 0};
    CTransferProgressDlg window(entry, english);
    auto config = *RecorderConfig::Decode(korsim::RecorderModel::Minimal().records['x']);
    window.IdentityRead(config);
    window.AreaStarted(20000);
    window.BlockDone(10240);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("start"))->text(),
              QStringLiteral("Start Time: 05/12/03  13:02:07"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("contest"))->text(),
              QStringLiteral("Contest ID: JS "));
    EXPECT_EQ(window.Bar()->value(), 51);
    window.FixDataComplete();
    window.AreaStarted(1000);
    window.BlockDone(1000);
    EXPECT_EQ(window.Bar()->value(), 200);
    window.show();
    Screenshot(&window, QStringLiteral("transfer-progress"));
}

TEST(TransferProgress, BarCoversBothAreas) {
    TransferProgressBar bar;
    bar.AreaStarted(50); // shorter than 100 bytes: one step per byte
    bar.BlockDone(50);
    EXPECT_EQ(bar.Position(), 50);
    bar.FixDataComplete();
    bar.AreaStarted(5000);
    EXPECT_EQ(bar.Position(), 100);
    bar.BlockDone(2500);
    EXPECT_EQ(bar.Position(), 150);
    bar.AreaStarted(199); // step 1: would run past the end
    bar.BlockDone(199);
    EXPECT_EQ(bar.Position(), TransferProgressBar::kRange);
    bar.Reset();
    EXPECT_EQ(bar.Position(), 0);
}

} // namespace
} // namespace korlink
