// The navpoint editor, driven through its controls, and KOREditWaypoints as a program calls it.
#include "ModalScript.h"
#include "SiteDialogs.h"
#include "TemporaryFolder.h"
#include "korlink/korlink.h"
#include "navpoints/Attributes.h"
#include "navpoints/NavpointDefaults.h"
#include "navpoints/NavpointEditorDlg.h"
#include "navpoints/NavpointFile.h"
#include "navpoints/NavpointListWidget.h"
#include "navpoints/NavpointRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSettings>
#include <cstring>
#include <gtest/gtest.h>

namespace korlink {
namespace {

using navpoints::Navpoint;
using navpoints::NavpointList;
using test::ModalScript;
using test::Named;
using test::Screenshot;
using test::Type;
using namespace navpoints::attribute;

NavpointList Sample() {
    NavpointList list;
    list.Put(Navpoint(1, "HOMEFIELD", 51.508333, -0.120833, kAirfield | kHome, 99.97f, "RWY 27"));
    list.Put(Navpoint(2, "CHURCH", -33.5, 151.25, kTurnpoint | kStart, 120, "Spire"));
    list.Put(Navpoint(7, "LAKE", 51.2, 0.6, kTurnpoint | kLandable, 40, ""));
    return list;
}

void SelectId(CNavpointEditorDlg& editor, int id) {
    editor.List()->setCurrentItem(editor.List()->RowOf(id));
}

QString NoFile(QWidget*, const FileRequest&) {
    return {};
}

// Opens an editor on the sample in feet, answering its file questions with `chooser`.
struct EditorFixture {
    explicit EditorFixture(FileChooser chooser = NoFile)
        : editor("Alps", Sample(), test::English(), std::move(chooser)) {
        editor.ElevationUnitCombo()->setCurrentIndex(0);
        editor.show();
    }
    CNavpointEditorDlg editor;
};

// Clicks a button that answers with a message box, and returns its text.
QString MessageAfter(QPushButton* button, QMessageBox::StandardButton answer = QMessageBox::Ok) {
    QString text;
    ModalScript script({ModalScript::Answer(answer, &text)});
    button->click();
    EXPECT_EQ(script.StepsLeft(), 0u) << "no message box";
    return text;
}

TEST(NavpointEditor, SelectingARowFillsTheFields) {
    EditorFixture fixture;
    auto& editor = fixture.editor;
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Alps Navpoints"));
    EXPECT_EQ(editor.IdEdit()->text(), QStringLiteral("8")) << "the next free id";
    const auto rows = test::Rows(editor.List());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0],
              (QStringList{"1", "HOMEFIELD", QString::fromUtf8("51° 30.500 N"),
                           QString::fromUtf8("  0° 07.250 W"), " H A ", "  328 ft", "RWY 27"}));
    SelectId(editor, 2);
    EXPECT_EQ(editor.IdEdit()->text(), QStringLiteral("2"));
    EXPECT_EQ(editor.NameEdit()->text(), QStringLiteral("CHURCH"));
    EXPECT_EQ(editor.LatitudeDegreesEdit()->text(), QStringLiteral("33"));
    EXPECT_EQ(editor.LatitudeMinutesEdit()->text(), QStringLiteral("30.000"));
    EXPECT_TRUE(editor.SouthButton()->isChecked());
    EXPECT_EQ(editor.LongitudeMinutesEdit()->text(), QStringLiteral("15.000"));
    EXPECT_FALSE(editor.WestButton()->isChecked());
    EXPECT_EQ(editor.ElevationEdit()->text(), QStringLiteral("394  "));
    EXPECT_TRUE(Named<QCheckBox>(&editor, "turnpoint")->isChecked());
    EXPECT_TRUE(Named<QCheckBox>(&editor, "start")->isChecked());
    EXPECT_FALSE(Named<QCheckBox>(&editor, "home")->isChecked());
    Screenshot(&editor, QStringLiteral("navpoint-editor"));

    // Metres: the list and the typed elevation follow the unit.
    editor.ElevationUnitCombo()->setCurrentIndex(1);
    EXPECT_EQ(editor.ElevationEdit()->text(), QStringLiteral("120  "));
    EXPECT_EQ(editor.List()->RowOf(1)->text(5), QStringLiteral("  100 m"));
    EXPECT_EQ(editor.List()->SelectedId(), 2);
    EXPECT_FALSE(editor.Changed());
}

TEST(NavpointEditor, ApplyRefusesInvalidFields) {
    struct Case {
        const char* field;
        const char* text;
        const char* message; // none: the navpoint is taken
    };
    const Case cases[] = {
        {"id", "0", "Invalid navpoint ID"},
        {"id", "65536", "Invalid navpoint ID"},
        {"id", "12a", "Invalid navpoint ID"},
        {"id", "", "Invalid navpoint ID"},
        {"name", "   ", "Invalid navpoint Name"},
        {"name", "", "Invalid navpoint Name"},
        {"latitudeDegrees", "91", "Invalid navpoint Latitude"},
        {"latitudeMinutes", "60", "Invalid navpoint Latitude"},
        {"longitudeDegrees", "180", nullptr}, // 180° 00.000 is still a longitude
        {"longitudeMinutes", "-1", "Invalid navpoint Longitude"},
        {"elevation", "high", "Invalid navpoint Elevation"},
    };
    for (const auto& c : cases) {
        EditorFixture fixture;
        auto& editor = fixture.editor;
        Type(editor.NameEdit(), QStringLiteral("NEW"));
        Type(Named<QLineEdit>(&editor, c.field), QString::fromLatin1(c.text));
        if (!c.message) {
            Named(&editor, "apply")->click();
            EXPECT_EQ(editor.Navpoints().Count(), 4) << c.field;
            continue;
        }
        EXPECT_EQ(MessageAfter(Named(&editor, "apply")), QString::fromLatin1(c.message))
            << c.field << " '" << c.text << "'";
        EXPECT_EQ(editor.Navpoints(), Sample());
        EXPECT_FALSE(editor.Changed());
    }
}

TEST(NavpointEditor, ApplyReplacesAnIdAndOffersTheNextFreeOne) {
    EditorFixture fixture;
    auto& editor = fixture.editor;
    SelectId(editor, 2);
    Type(editor.NameEdit(), QStringLiteral("  STEEPLE "));
    Type(editor.ElevationEdit(), QStringLiteral("3281"));
    Named<QCheckBox>(&editor, "start")->setChecked(false);
    Named<QCheckBox>(&editor, "finish")->setChecked(true);
    Named(&editor, "apply")->click();
    EXPECT_TRUE(editor.Changed());
    EXPECT_EQ(editor.Navpoints().Count(), 3);
    const Navpoint* replaced = editor.Navpoints().Find(2);
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(replaced->Name(), "STEEPLE");
    EXPECT_DOUBLE_EQ(replaced->Latitude(), -33.5);
    EXPECT_DOUBLE_EQ(replaced->Longitude(), 151.25);
    EXPECT_FLOAT_EQ(replaced->Elevation(), 1000.0f);
    EXPECT_EQ(replaced->Attributes(), kTurnpoint | kFinish);
    EXPECT_EQ(editor.List()->RowOf(2)->text(1), QStringLiteral("STEEPLE"));
    EXPECT_EQ(editor.IdEdit()->text(), QStringLiteral("8"));

    // A new navpoint at the offered id, typed from scratch.
    Type(editor.NameEdit(), QStringLiteral("RIDGE"));
    Type(editor.LatitudeDegreesEdit(), QStringLiteral("46"));
    Type(editor.LatitudeMinutesEdit(), QStringLiteral("07.5"));
    Named<QRadioButton>(&editor, "north")->setChecked(true);
    Type(editor.LongitudeDegreesEdit(), QStringLiteral("8"));
    Type(editor.LongitudeMinutesEdit(), QStringLiteral(""));
    Named<QRadioButton>(&editor, "west")->setChecked(true);
    Named(&editor, "apply")->click();
    const Navpoint* added = editor.Navpoints().Find(8);
    ASSERT_NE(added, nullptr);
    EXPECT_DOUBLE_EQ(added->Latitude(), 46.125);
    EXPECT_DOUBLE_EQ(added->Longitude(), -8.0);
    EXPECT_EQ(editor.IdEdit()->text(), QStringLiteral("9"));
    EXPECT_EQ(editor.List()->topLevelItemCount(), 4);

    SelectId(editor, 1);
    Named(&editor, "delete")->click();
    EXPECT_EQ(editor.Navpoints().Find(1), nullptr);
    EXPECT_EQ(editor.List()->topLevelItemCount(), 3);
    EXPECT_FALSE(Named(&editor, "delete")->isEnabled()) << "nothing selected";
}

TEST(NavpointEditor, ImportAddsAndReplacesThenCounts) {
    test::TemporaryFolder folder;
    const auto path = folder.Write("import.dat", "**\n"
                                                 "1,50:00.000N,007:00.000E,0F,T,NEWHOME,\n"
                                                 "12,51:30.500N,000:07.250W,328F,TAS,HOMEFIELD,\n");
    test::ChooserStub chooser{QString::fromStdString(path.string()), {}};
    EditorFixture fixture(chooser.Chooser());
    auto& editor = fixture.editor;

    QString question, done;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalScript script({ModalScript::Answer(QMessageBox::Ok, &question),
                        ModalScript::Answer(QMessageBox::Ok, &done, &icon)});
    Named(&editor, "import")->click();
    EXPECT_EQ(question, QStringLiteral("Imported navpoints may replace those already entered."));
    EXPECT_EQ(done, QStringLiteral("2 navpoints successfully Imported."));
    EXPECT_EQ(icon, QMessageBox::Information);
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].title, QStringLiteral("Import Navpoints From File"));
    EXPECT_EQ(chooser.asked[0].filter,
              QStringLiteral("Velmora Navpoint Files (*.dat);;All Files (*)"));
    EXPECT_EQ(editor.Navpoints().Count(), 4);
    EXPECT_EQ(editor.Navpoints().Find(1)->Name(), "NEWHOME");
    EXPECT_EQ(editor.List()->RowOf(12)->text(1), QStringLiteral("HOMEFIELD"));
    EXPECT_TRUE(editor.Changed());

    // Declining the question asks for no file; a file without navpoints says so.
    ModalScript declined({ModalScript::Answer(QMessageBox::Cancel)});
    Named(&editor, "import")->click();
    EXPECT_EQ(chooser.asked.size(), 1u);
    chooser.path = QString::fromStdString(folder.Write("empty.dat", "** nothing\n").string());
    QString failure;
    ModalScript empty(
        {ModalScript::Answer(QMessageBox::Ok), ModalScript::Answer(QMessageBox::Ok, &failure)});
    Named(&editor, "import")->click();
    EXPECT_EQ(failure, QStringLiteral("Could not import navpoints from specified file."));
    EXPECT_EQ(editor.Navpoints().Count(), 4);
}

TEST(NavpointEditor, SaveAsWritesANavpointFileThatReadsBack) {
    test::TemporaryFolder folder;
    test::ChooserStub chooser{QString::fromStdString((folder / "alps.dat").string()), {}};
    EditorFixture fixture(chooser.Chooser());
    auto& editor = fixture.editor;
    EXPECT_EQ(MessageAfter(Named(&editor, "saveAs")),
              QStringLiteral("3 navpoints successfully exported."));
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].mode, FileRequest::Mode::Save);
    EXPECT_EQ(chooser.asked[0].suggestedName, QStringLiteral("Alps.dat"));
    EXPECT_EQ(chooser.asked[0].filter,
              QStringLiteral("Velmora Turnpoint Files (*.dat);;All Files (*)"));

    const std::string written = folder.Read("alps.dat");
    EXPECT_EQ(written, navpoints::NavpointFileText(Sample(), "Alps"));
    NavpointList readBack;
    EXPECT_EQ(navpoints::ReadNavpointFile(folder / "alps.dat", readBack), 3);
    EXPECT_EQ(navpoints::NavpointFileText(readBack, "Alps"), written);
    EXPECT_FALSE(editor.Changed()) << "exporting changes nothing";

    const auto unwritable = folder / "no-such-folder" / "alps.dat";
    chooser.path = QString::fromStdString(unwritable.string());
    EXPECT_EQ(MessageAfter(Named(&editor, "saveAs")),
              QStringLiteral("Could not open navpoint file:  ") + chooser.path);
}

TEST(NavpointEditor, CancelWithChangesAsksWhetherToKeepThem) {
    struct Case {
        QMessageBox::StandardButton answer;
        bool stillOpen;
        int result;
    };
    const Case cases[] = {{QMessageBox::Cancel, true, -1},
                          {QMessageBox::No, false, QDialog::Rejected},
                          {QMessageBox::Yes, false, QDialog::Accepted}};
    for (const auto& c : cases) {
        EditorFixture fixture;
        auto& editor = fixture.editor;
        int result = -1;
        QObject::connect(&editor, &QDialog::finished, [&](int r) { result = r; });
        SelectId(editor, 7);
        Named(&editor, "delete")->click();
        EXPECT_EQ(MessageAfter(Named(&editor, "cancel"), c.answer),
                  QStringLiteral("Save changes to navpoints?"));
        EXPECT_EQ(editor.isVisible(), c.stillOpen);
        EXPECT_EQ(result, c.result);
    }
    // Without changes Cancel closes at once.
    EditorFixture unchanged;
    Named(&unchanged.editor, "cancel")->click();
    EXPECT_FALSE(unchanged.editor.isVisible());
}

TEST(NavpointEditor, DefaultsAreReadAtOpeningAndWrittenOnClose) {
    NavpointDefaults{1, 1, 0}.Save();
    {
        CNavpointEditorDlg editor("Alps", Sample(), test::English());
        EXPECT_EQ(editor.ElevationUnitCombo()->currentIndex(), 1);
        EXPECT_TRUE(editor.SouthButton()->isChecked());
        EXPECT_FALSE(editor.WestButton()->isChecked());
        EXPECT_EQ(editor.List()->RowOf(1)->text(5), QStringLiteral("  100 m"));
        editor.ElevationUnitCombo()->setCurrentIndex(0);
        Named<QRadioButton>(&editor, "north")->setChecked(true);
        editor.WestButton()->setChecked(true);
        editor.show();
        Named(&editor, "close")->click();
        EXPECT_EQ(editor.result(), QDialog::Accepted);
    }
    QSettings settings(QStringLiteral("Velmora Avionics"),
                       QStringLiteral("Velmora Skyline Explorer"));
    EXPECT_EQ(settings.value(QStringLiteral("Settings/DefaultAltitude")).toInt(), 0);
    EXPECT_EQ(settings.value(QStringLiteral("Settings/DefaultLatitude")).toInt(), 0);
    EXPECT_EQ(settings.value(QStringLiteral("Settings/DefaultLongitude")).toInt(), 1);
    // Cancel leaves them alone.
    NavpointDefaults{1, 1, 0}.Save();
    CNavpointEditorDlg cancelled("Alps", Sample(), test::English());
    cancelled.ElevationUnitCombo()->setCurrentIndex(0);
    cancelled.show();
    Named(&cancelled, "cancel")->click();
    EXPECT_EQ(NavpointDefaults::Load().altitude, 1);
}

// The caller's records of the export: the sample, then room for four more.
std::vector<NavpointRecord> CallerRecords() {
    std::vector<NavpointRecord> records(7);
    std::memset(records.data(), 0x5A, records.size() * sizeof(NavpointRecord));
    const auto list = Sample();
    const auto sample = list.InOrder();
    for (std::size_t i = 0; i < sample.size(); ++i)
        navpoints::ToRecord(*sample[i], records[i]);
    records[2].id = 10000; // beyond the ids the editor takes
    return records;
}

ModalScript::Step AddNavpoints(int count) {
    return [=](QWidget* window) {
        for (int i = 0; i < count; ++i) {
            Type(Named<QLineEdit>(window, "name"), QStringLiteral("ADDED%1").arg(i));
            Named(window, "apply")->click();
        }
        ModalScript::Click(Named(window, "close"));
    };
}

TEST(EditWaypoints, CancelledOrUnchangedLeavesTheRecordsAndGivesThree) {
    const ConnectionDescriptor descriptor{1, 0, 0, 1};
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        auto records = CallerRecords();
        const auto before = records;
        QString title;
        ModalScript script({
            [&](QWidget* window) {
                title = window->windowTitle();
                AddNavpoints(0)(window); // nothing changed: Close gives 3
            },
            [&](QWidget* window) {
                auto* list = Named<QTreeWidget>(window, "list");
                list->setCurrentItem(list->topLevelItem(0));
                Named(window, "delete")->click();
                ModalScript::Click(Named(window, "cancel"));
            },
            ModalScript::Answer(answer),
        });
        std::uint32_t count = 99;
        EXPECT_EQ(KOREditWaypoints(&descriptor, "Alps", 3, 7, records.data(), &count),
                  std::uint32_t{KOR_CANCELLED});
        EXPECT_EQ(title, QStringLiteral("Alps Navpoints"));
        EXPECT_EQ(count, 0u);
        const auto status = KOREditWaypoints(&descriptor, "Alps", 3, 7, records.data(), &count);
        if (answer == QMessageBox::No) {
            EXPECT_EQ(status, std::uint32_t{KOR_CANCELLED});
            EXPECT_EQ(std::memcmp(records.data(), before.data(), records.size() * 64), 0);
        } else {
            EXPECT_EQ(status, std::uint32_t{KOR_OK}) << "Yes keeps the changes";
            EXPECT_EQ(count, 1u) << "navpoint 1 deleted, 10000 never taken";
            EXPECT_EQ(records[0].id, 2);
        }
    }
}

TEST(EditWaypoints, ChangesAreWrittenBackUpToTheCapacity) {
    const ConnectionDescriptor descriptor{1, 0, 0, 1};
    auto records = CallerRecords();
    ModalScript script({AddNavpoints(3)});
    std::uint32_t count = 0;
    ASSERT_EQ(KOREditWaypoints(&descriptor, "Alps", 3, 4, records.data(), &count),
              std::uint32_t{KOR_OK});
    EXPECT_EQ(count, 4u);
    const int ids[] = {1, 2, 3, 4};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(records[i].id, ids[i]);
    EXPECT_STREQ(records[2].name, "ADDED0");
    EXPECT_EQ(records[3].reserved[0], 0x5A) << "bytes 0 to 7 are the caller's";
    EXPECT_EQ(records[4].id, 0x5A5A5A5A) << "nothing past the capacity";
}

} // namespace
} // namespace korlink
