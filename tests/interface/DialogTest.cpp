// The library's dialogs on the offscreen platform: through the C interface as the explorer
// calls it, and one by one for their details. Screenshots go to build/screenshots/.
#include "ModalScript.h"
#include "SimulatedRecorder.h"
#include "interface/ConfigDlg.h"
#include "interface/ConnectDlg.h"
#include "interface/LibraryAboutDlg.h"
#include "interface/RecorderInfoDlg.h"
#include "interface/Translator.h"
#include "korlink/korlink.h"
#include "logfiles/IgcWriter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace korlink {
namespace {

using test::ModalScript;
using test::Screenshot;
using test::SimulatedRecorder;

ConnectionDescriptor Descriptor(std::uint16_t retries = 3, std::uint8_t quiet = 0) {
    return ConnectionDescriptor{1, 0, retries, quiet};
}

QPushButton* ButtonWithText(QWidget* window, const QString& text) {
    for (auto* button : window->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

ModalScript::Step EditAndTransfer(const QString& pilot, int enroute, int arrival) {
    return [=](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("pilot"))->setText(pilot);
        dialog->findChild<QSpinBox*>(QStringLiteral("enroute"))->setValue(enroute);
        dialog->findChild<QSpinBox*>(QStringLiteral("arrival"))->setValue(arrival);
        ModalScript::Click(dialog->findChild<QPushButton*>(QStringLiteral("transfer")));
    };
}

std::string LineWithIntervals(unsigned arrivalCode, unsigned enrouteCode) {
    return "x,0,    Anna        Berg    ,ASW 27   JS ,100,5,3," +
           std::to_string(arrivalCode * 256 + enrouteCode);
}

TEST(EditConfig, WarnsAboutStoredFlightsThenWritesTheConfiguration) {
    SimulatedRecorder recorder; // holds two flights
    QString question, done;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalScript script({
        [](QWidget* dialog) {
            Screenshot(dialog, QStringLiteral("config-dialog"));
            EditAndTransfer(QStringLiteral("Anna Berg"), 35, 200)(dialog);
        },
        ModalScript::Answer(QMessageBox::Yes, &question),
        ModalScript::Answer(QMessageBox::Ok, &done, &icon),
    });
    const auto descriptor = Descriptor();
    EXPECT_EQ(KOREditConfig(&descriptor), uint32_t{KOR_OK});
    EXPECT_EQ(script.StepsLeft(), 0u);
    EXPECT_EQ(question, QStringLiteral("Changing the configuration will destroy the 2 log(s) "
                                       "stored in your recorder. Continue?"));
    EXPECT_EQ(done, QStringLiteral("Recorder configuration was sucessfully updated."));
    EXPECT_EQ(icon, QMessageBox::Information);
    const auto model = recorder.simulator->Model();
    ASSERT_FALSE(model.receivedLines.empty());
    EXPECT_EQ(model.receivedLines.back(), LineWithIntervals(60, 31));
    EXPECT_EQ(model.FlightCount(), 0u);
}

TEST(EditConfig, RecorderWithoutFlightsIsWrittenWithoutAsking) {
    auto empty = korsim::RecorderModel::Minimal();
    empty.EraseFlights();
    SimulatedRecorder recorder(empty);
    QString done;
    ModalScript script({EditAndTransfer(QStringLiteral("Anna Berg"), 6030, 4),
                        ModalScript::Answer(QMessageBox::Ok, &done)});
    const auto descriptor = Descriptor();
    EXPECT_EQ(KOREditConfig(&descriptor), uint32_t{KOR_OK});
    EXPECT_EQ(done, QStringLiteral("Recorder configuration was sucessfully updated."));
    EXPECT_EQ(recorder.simulator->Model().receivedLines.back(), LineWithIntervals(4, 255));
}

TEST(EditConfig, MissingAcknowledgementIsSettledByReadingBack) {
    struct Case {
        korsim::Faults faults;
        std::uint32_t status;
        const char* message;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {{.unacknowledgedLines = 3},
         KOR_OK,
         "Recorder configuration was sucessfully updated.",
         QMessageBox::Information},
        {{.ignoredLines = 3},
         KOR_COMMUNICATION_ERROR,
         "Configuration update failed.",
         QMessageBox::Critical},
    };
    for (const auto& c : cases) {
        korsim::SimulatorOptions options;
        options.faults = c.faults;
        SimulatedRecorder recorder(korsim::RecorderModel::Minimal(), options);
        QString message;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        ModalScript script({EditAndTransfer(QStringLiteral("Anna Berg"), 10, 4),
                            ModalScript::Answer(QMessageBox::Yes),
                            ModalScript::Answer(QMessageBox::Ok, &message, &icon)});
        const auto descriptor = Descriptor();
        EXPECT_EQ(KOREditConfig(&descriptor), c.status) << c.message;
        EXPECT_EQ(message, QString::fromLatin1(c.message));
        EXPECT_EQ(icon, c.icon);
    }
}

TEST(EditConfig, NothingIsWrittenUnlessTheUserGoesThrough) {
    SimulatedRecorder recorder;
    QString invalid;
    const auto cancel = [](QWidget* dialog) {
        ModalScript::Click(ButtonWithText(dialog, QStringLiteral("Cancel")));
    };
    ModalScript cancelled({cancel});
    const auto descriptor = Descriptor();
    EXPECT_EQ(KOREditConfig(&descriptor), uint32_t{KOR_OK});

    ModalScript declined({EditAndTransfer(QStringLiteral("Anna Berg"), 10, 4),
                          ModalScript::Answer(QMessageBox::No)});
    EXPECT_EQ(KOREditConfig(&descriptor), uint32_t{KOR_OK});

    ModalScript blankPilot({EditAndTransfer(QStringLiteral("   "), 10, 4),
                            ModalScript::Answer(QMessageBox::Ok, &invalid), cancel});
    EXPECT_EQ(KOREditConfig(&descriptor), uint32_t{KOR_OK});
    EXPECT_EQ(invalid, QStringLiteral("Invalid Pilot Name."));
    EXPECT_EQ(blankPilot.StepsLeft(), 0u);

    EXPECT_TRUE(recorder.simulator->Model().receivedLines.empty());
    EXPECT_EQ(recorder.simulator->Model().FlightCount(), 2u);
}

TEST(ConnectDialog, RecorderAnsweringOnTheSecondTickConnects) {
    korsim::SimulatorOptions options;
    options.faults.dropInterruptAnswers = 6; // the port's probe and the first tick
    SimulatedRecorder recorder(korsim::RecorderModel::Minimal(), options);
    QString caption;
    ModalScript script({[&](QWidget* dialog) {
        caption = dialog->windowTitle();
        Screenshot(dialog, QStringLiteral("connecting"));
    }});
    const auto descriptor = Descriptor(3, 0);
    EXPECT_EQ(KORConnect(&descriptor), uint32_t{KOR_OK});
    EXPECT_EQ(caption, QStringLiteral("Attempting connection on: COM1"));
    EXPECT_EQ(recorder.Interrupts(), 7u);
}

TEST(ConnectDialog, FailureOffersRetryAndCancelGivesThree) {
    korsim::SimulatorOptions options;
    options.faults.dropInterruptAnswers = 1000;
    SimulatedRecorder recorder(korsim::RecorderModel::Minimal(), options);
    CTranslator english(DataDirectory());
    english.Apply(0);
    CConnectDlg dialog(english);
    QString failure, afterRetry;
    bool retryEnabled = false;
    ModalScript script({[&](QWidget*) {
        // Retry count 0: the second tick reports the failure.
        dialog.Tick();
        dialog.Tick();
        failure = dialog.FirstLine()->text();
        retryEnabled = dialog.RetryButton()->isEnabled() && dialog.HelpButton()->isEnabled();
        Screenshot(&dialog, QStringLiteral("connecting-failed"));
        dialog.PressRetry();
        afterRetry = dialog.FirstLine()->text();
        ModalScript::Click(dialog.CancelButton());
    }});
    EXPECT_EQ(dialog.Run(recorder.link, "COM1", 0), ConnectResult::Cancelled);
    EXPECT_EQ(failure, QStringLiteral("Could not find a Velmora recorder on: COM1"));
    EXPECT_TRUE(retryEnabled);
    EXPECT_EQ(afterRetry, QStringLiteral("Attempting connection to Velmora recorder"));
    EXPECT_FALSE(dialog.HelpButton()->isEnabled());
}

RecorderConfig SampleConfig() {
    auto model = korsim::RecorderModel::Minimal();
    return *RecorderConfig::Decode(model.records['x']);
}

RecorderStatus SampleStatus() {
    auto model = korsim::RecorderModel::Minimal();
    return *RecorderStatus::Decode(model.records['w']);
}

TEST(ConfigDialog, UnitsChangeTheRadiusDisplayOnly) {
    CTranslator english(DataDirectory());
    english.Apply(0);
    CConfigDlg dialog(SampleConfig(), SampleStatus(), english);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Norvane Configuration: S/N  Q0YA"));
    EXPECT_EQ(dialog.PilotEdit()->text(), QStringLiteral("    John        Smith"));
    EXPECT_EQ(dialog.RadiiGroup()->title(), QStringLiteral("Radii ( Nautical Miles )"));
    EXPECT_EQ(dialog.ApproachRadiusSpin()->text(), QStringLiteral("0.27"));
    dialog.UnitsCombo()->setCurrentIndex(1);
    EXPECT_EQ(dialog.RadiiGroup()->title(), QStringLiteral("Radii ( Kilometers )"));
    EXPECT_EQ(dialog.ApproachRadiusSpin()->text(), QStringLiteral("0.50"));
    EXPECT_EQ(dialog.ApproachRadiusSpin()->value(), 5);
    dialog.ApproachRadiusSpin()->stepBy(1);
    EXPECT_EQ(dialog.ApproachRadiusSpin()->text(), QStringLiteral("0.60"));
    dialog.ArrivalRadiusSpin()->setValue(0);
    dialog.ArrivalRadiusSpin()->stepBy(-1);
    EXPECT_EQ(dialog.ArrivalRadiusSpin()->value(), 0);
    dialog.EnrouteSpin()->setValue(0);
    dialog.EnrouteSpin()->stepBy(-1);
    EXPECT_EQ(dialog.EnrouteSpin()->value(), 0);
    dialog.show();
    Screenshot(&dialog, QStringLiteral("config-dialog-kilometres"));
}

TEST(ConfigDialog, InformationAndAboutBoxes) {
    CTranslator english(DataDirectory());
    english.Apply(0);
    CRecorderInfoDlg info(SampleConfig(), SampleStatus(), english);
    ASSERT_EQ(info.List()->topLevelItemCount(), 7);
    EXPECT_EQ(info.List()->topLevelItem(1)->text(0), QStringLiteral("External voltage"));
    EXPECT_EQ(info.List()->topLevelItem(1)->text(1), QStringLiteral("12.4 volts"));
    info.show();
    Screenshot(&info, QStringLiteral("recorder-info"));

    CLibraryAboutDlg about(english);
    const auto labels = about.findChildren<QLabel*>();
    const bool hasVersion = std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->text() == QStringLiteral("Velmora Access Library Version: ") +
                                    QString::fromLatin1(ProductVersion().data());
    });
    EXPECT_TRUE(hasVersion);
    about.show();
    Screenshot(&about, QStringLiteral("about-library"));
}

TEST(DialogTranslation, TranslatesTextsButNotWhatTheUserEdits) {
    CTranslator german(KORLINK_SOURCE_DIR "/data/examples/deutsch");
    german.Apply(1);
    auto config = SampleConfig();
    config.glider = "Cancel"; // an edit field holding a text that is also a key
    CConfigDlg dialog(config, SampleStatus(), german);
    EXPECT_EQ(dialog.GliderEdit()->text(), QStringLiteral("Cancel"));
    EXPECT_NE(ButtonWithText(&dialog, QStringLiteral("Abbrechen")), nullptr);
    const auto labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->text() == QStringLiteral("Flugzeug: ");
    }));

    CRecorderInfoDlg info(SampleConfig(), SampleStatus(), german);
    EXPECT_EQ(info.windowTitle(), QStringLiteral("Logger-Information"));
    EXPECT_EQ(info.List()->topLevelItem(1)->text(0), QStringLiteral("Externe Spannung"));
    EXPECT_EQ(info.List()->topLevelItem(2)->text(0),
              QStringLiteral("Internal voltage (Model Lyra only)"));
    info.show();
    Screenshot(&info, QStringLiteral("recorder-info-deutsch"));
}

} // namespace
} // namespace korlink
