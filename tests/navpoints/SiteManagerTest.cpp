// The site database manager, its name dialog and the transfer dialog, driven through their
// controls, with a recorder that records what it is asked.
#include "ModalScript.h"
#include "SiteDialogs.h"
#include "TemporaryFolder.h"
#include "korlink/korlink.h"
#include "navpoints/Attributes.h"
#include "navpoints/SiteManagerDlg.h"
#include "navpoints/SiteNameDlg.h"
#include "navpoints/SiteTransferDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <gtest/gtest.h>

namespace korlink {
namespace {

using navpoints::Navpoint;
using test::ModalScript;
using test::Named;
using test::RecordingRecorder;
using test::Screenshot;
using test::TemporaryFolder;
using namespace navpoints::attribute;

SiteDatabase Site(const std::string& name, int navpoints, std::vector<int> taskSlots = {}) {
    SiteDatabase site;
    site.SetName(name);
    for (int id = 1; id <= navpoints; ++id)
        site.AddNavpoint(
            Navpoint(id, "P" + std::to_string(id), 46.0 + id / 100.0, 8.0, kTurnpoint, 500, ""));
    for (const int slot : taskSlots) {
        const std::int32_t ids[]{1, 2, slot + 1};
        site.SetTask(slot, ids);
    }
    return site;
}

void SaveIn(const TemporaryFolder& folder, const char* file, SiteDatabase site) {
    site.SetPath(folder / file);
    ASSERT_TRUE(site.Save());
}

SiteDatabase Loaded(const std::filesystem::path& path) {
    SiteDatabase site;
    EXPECT_TRUE(site.Load(path)) << path;
    return site;
}

QString NoFile(QWidget*, const FileRequest&) {
    return {};
}

ModalScript::Step NameAndOk(const QString& name) {
    return [=](QWidget* window) {
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Navpoint Database Information"));
        auto* edit = Named<QLineEdit>(window, "name");
        EXPECT_EQ(edit->text(), QStringLiteral("New Site"));
        test::Type(edit, name);
        ModalScript::Click(Named(window, "ok"));
    };
}

TEST(SiteManager, ListsTheReadableDatabasesAndSelectsTheFirst) {
    TemporaryFolder folder;
    SaveIn(folder, "KORSite10.sit", Site("Ten", 2, {0}));
    SaveIn(folder, "KORSite2.sit", Site("Alps", 3, {0, 4}));
    SaveIn(folder, "KORSite002a.SIT", Site("Upper case", 1));
    folder.Write("broken.sit", "1\t4\tAl");
    folder.Write("notes.txt", "not a database");
    CSiteManagerDlg manager(folder.Path(), nullptr, test::English(), NoFile);
    EXPECT_EQ(manager.windowTitle(), QStringLiteral("Manage Navpoint Databases"));
    const auto rows = test::Rows(manager.List());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (QStringList{"Alps", "3", "2"}));
    EXPECT_EQ(rows[1], (QStringList{"Upper case", "1", "0"}));
    EXPECT_EQ(rows[2], (QStringList{"Ten", "2", "1"}));
    EXPECT_EQ(manager.List()->currentItem(), manager.List()->topLevelItem(0));
    EXPECT_TRUE(manager.DeleteButton()->isEnabled());
    EXPECT_FALSE(manager.NewFromRecorderButton()->isEnabled()) << "no recorder";
    manager.show();
    Screenshot(&manager, QStringLiteral("site-manager"));

    manager.List()->clearSelection();
    for (auto* button : {manager.NavpointsButton(), manager.TasksButton(),
                         manager.ToRecorderButton(), manager.DeleteButton()})
        EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    EXPECT_TRUE(manager.NewButton()->isEnabled());

    TemporaryFolder empty;
    CSiteManagerDlg none(empty.Path(), nullptr, test::English(), NoFile);
    EXPECT_EQ(none.List()->topLevelItemCount(), 0);
    EXPECT_FALSE(none.NavpointsButton()->isEnabled());
}

TEST(SiteManager, NewDatabaseTakesTheFirstFreeFileName) {
    struct Case {
        std::vector<const char*> present;
        const char* created;
    };
    const Case cases[] = {{{}, "KORSite1.sit"},
                          {{"KORSite1.sit", "KORSite2.sit"}, "KORSite3.sit"},
                          {{"KORSite2.sit"}, "KORSite1.sit"}};
    for (const auto& c : cases) {
        TemporaryFolder folder;
        for (const char* file : c.present)
            SaveIn(folder, file, Site(file, 1));
        CSiteManagerDlg manager(folder.Path(), nullptr, test::English(), NoFile);
        manager.show();
        ModalScript script({[](QWidget* window) {
            Screenshot(window, QStringLiteral("site-name"));
            NameAndOk(QStringLiteral("Dolomites"))(window);
        }});
        manager.NewButton()->click();
        const auto created = folder / c.created;
        EXPECT_EQ(Loaded(created).Name(), "Dolomites") << c.created;
        ASSERT_EQ(manager.List()->topLevelItemCount(), static_cast<int>(c.present.size()) + 1);
        EXPECT_EQ(manager.List()->currentItem()->text(0), QStringLiteral("Dolomites"));
        EXPECT_EQ(manager.Databases().back().Path(), created);
    }

    // Cancel creates nothing; a blank name cannot be taken.
    TemporaryFolder folder;
    CSiteManagerDlg manager(folder.Path(), nullptr, test::English(), NoFile);
    manager.show();
    bool okWithBlank = true;
    ModalScript cancelled({[&](QWidget* window) {
        test::Type(Named<QLineEdit>(window, "name"), QStringLiteral("  "));
        okWithBlank = Named(window, "ok")->isEnabled();
        ModalScript::Click(Named(window, "cancel"));
    }});
    manager.NewButton()->click();
    EXPECT_FALSE(okWithBlank);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(SiteManager, EditedNavpointsClearTheTasksAndAreSaved) {
    TemporaryFolder folder;
    SaveIn(folder, "KORSite1.sit", Site("Alps", 3, {0, 2}));
    CSiteManagerDlg manager(folder.Path(), nullptr, test::English(), NoFile);
    manager.show();

    // Closed without changes: the database stays as it was.
    ModalScript unchanged({[](QWidget* window) {
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Alps Navpoints"));
        ModalScript::Click(Named(window, "close"));
    }});
    manager.NavpointsButton()->click();
    EXPECT_EQ(Loaded(folder / "KORSite1.sit").TaskCount(), 2);

    ModalScript deleting({[](QWidget* window) {
        auto* list = Named<QTreeWidget>(window, "list");
        list->setCurrentItem(test::RowWithId(list, 2));
        Named(window, "delete")->click();
        ModalScript::Click(Named(window, "close"));
    }});
    manager.NavpointsButton()->click();
    const SiteDatabase saved = Loaded(folder / "KORSite1.sit");
    EXPECT_EQ(saved.NavpointCount(), 2);
    EXPECT_EQ(saved.Navpoints().Find(2), nullptr);
    EXPECT_EQ(saved.TaskCount(), 0);
    EXPECT_EQ(test::Rows(manager.List())[0], (QStringList{"Alps", "2", "0"}));
}

TEST(SiteManager, TasksAreSavedOnOk) {
    TemporaryFolder folder;
    SaveIn(folder, "KORSite1.sit", Site("Alps", 3));
    CSiteManagerDlg manager(folder.Path(), nullptr, test::English(), NoFile);
    manager.show();
    for (const char* button : {"cancel", "ok"}) {
        ModalScript script({[=](QWidget* window) {
            test::Type(Named<QLineEdit>(window, "turnpoints"), QStringLiteral("1 3"));
            ModalScript::Click(Named(window, button));
        }});
        manager.TasksButton()->click();
    }
    EXPECT_EQ(Loaded(folder / "KORSite1.sit").GetTask(0).ids, (TaskIds{1, 3}));
    EXPECT_EQ(manager.List()->topLevelItem(0)->text(2), QStringLiteral("1"));
}

TEST(SiteManager, DeleteAsksFirst) {
    TemporaryFolder folder;
    SaveIn(folder, "KORSite1.sit", Site("Alps", 1));
    SaveIn(folder, "KORSite2.sit", Site("Jura", 1));
    CSiteManagerDlg manager(folder.Path(), nullptr, test::English(), NoFile);
    manager.show();
    QString question;
    ModalScript declined({ModalScript::Answer(QMessageBox::No, &question)});
    manager.DeleteButton()->click();
    EXPECT_EQ(question, QStringLiteral("Ok to delete database: Alps?"));
    EXPECT_TRUE(std::filesystem::exists(folder / "KORSite1.sit"));
    EXPECT_EQ(manager.List()->topLevelItemCount(), 2);

    ModalScript accepted({ModalScript::Answer(QMessageBox::Yes)});
    manager.DeleteButton()->click();
    EXPECT_FALSE(std::filesystem::exists(folder / "KORSite1.sit"));
    EXPECT_TRUE(std::filesystem::exists(folder / "KORSite2.sit"));
    ASSERT_EQ(manager.List()->topLevelItemCount(), 1);
    EXPECT_EQ(manager.Databases().front().Name(), "Jura");
}

TEST(SiteManager, ToRecorderNeedsNavpoints) {
    TemporaryFolder folder;
    SaveIn(folder, "KORSite1.sit", Site("Empty", 0));
    SaveIn(folder, "KORSite2.sit", Site("Alps", 2, {1}));
    RecordingRecorder recorder;
    CSiteManagerDlg manager(folder.Path(), &recorder, test::English(), NoFile);
    manager.show();
    QString message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalScript script({ModalScript::Answer(QMessageBox::Ok, &message, &icon)});
    manager.ToRecorderButton()->click();
    EXPECT_EQ(message, QStringLiteral("Cannot export a site which contains no navpoints."));
    EXPECT_EQ(icon, QMessageBox::Critical);

    manager.List()->setCurrentItem(manager.List()->topLevelItem(1));
    ModalScript transfer({[](QWidget* window) {
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Transfer to recorder"));
        Named<QCheckBox>(window, "tasks")->setChecked(true);
        ModalScript::Click(Named(window, "send"));
    }});
    manager.ToRecorderButton()->click();
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string>{"navpoints 2 Alps", "task 1: 1 2 2 0 0 0 0 0 0"}));
}

TEST(SiteManager, NewFromRecorderSavesTheRecordersSite) {
    TemporaryFolder folder;
    SaveIn(folder, "KORSite1.sit", Site("Alps", 1));
    RecordingRecorder recorder;
    recorder.site = Site("CLUB SITE", 4);
    recorder.answers = {KOR_COMMUNICATION_ERROR};
    CSiteManagerDlg manager(folder.Path(), &recorder, test::English(), NoFile);
    manager.show();
    ASSERT_TRUE(manager.NewFromRecorderButton()->isEnabled());
    QString message;
    ModalScript failing({ModalScript::Answer(QMessageBox::Ok, &message)});
    manager.NewFromRecorderButton()->click();
    EXPECT_EQ(message, QStringLiteral("Communication error."));
    EXPECT_FALSE(std::filesystem::exists(folder / "KORSite2.sit"));
    EXPECT_EQ(manager.List()->topLevelItemCount(), 1);

    manager.NewFromRecorderButton()->click();
    const SiteDatabase read = Loaded(folder / "KORSite2.sit");
    EXPECT_EQ(read.Name(), "CLUB SITE");
    EXPECT_EQ(read.NavpointCount(), 4);
    EXPECT_EQ(test::Rows(manager.List()).back(), (QStringList{"CLUB SITE", "4", "0"}));
}

// The transfer dialog of a database with navpoints and tasks in slots 0, 2 and 9.
struct TransferFixture {
    TransferFixture() : site(Site("Alps", 3, {0, 2, 9})), dialog(site, &recorder, test::English()) {
        dialog.show();
    }
    SiteDatabase site;
    RecordingRecorder recorder;
    CSiteTransferDlg dialog;
};

TEST(SiteTransfer, SendsNavpointsThenTasksThenTheDeclaration) {
    TransferFixture fixture;
    auto& dialog = fixture.dialog;
    EXPECT_EQ(dialog.NavpointsBox()->text(), QStringLiteral("3 Navpoints"));
    EXPECT_TRUE(dialog.NavpointsBox()->isChecked());
    EXPECT_EQ(dialog.TasksBox()->text(), QStringLiteral("3 Tasks"));
    ASSERT_EQ(dialog.DeclareCombo()->count(), 3);
    EXPECT_EQ(dialog.DeclareCombo()->itemText(0), QStringLiteral("Task A"));
    EXPECT_EQ(dialog.DeclareCombo()->itemText(2), QStringLiteral("Task K"));
    EXPECT_FALSE(dialog.DeclareBox()->isEnabled()) << "tasks are not checked";
    dialog.TasksBox()->setChecked(true);
    dialog.DeclareBox()->setChecked(true);
    dialog.DeclareCombo()->setCurrentIndex(1);
    Screenshot(&dialog, QStringLiteral("site-transfer"));
    dialog.SendButton()->click();
    EXPECT_EQ(fixture.recorder.calls,
              (std::vector<std::string>{"navpoints 3 Alps", "task 0: 1 2 1 0 0 0 0 0 0",
                                        "task 2: 1 2 3 0 0 0 0 0 0", "task 9: 1 2 10 0 0 0 0 0 0",
                                        "declare 2"}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(SiteTransfer, AFailureShowsItsMessageAndEndsTheSending) {
    struct Case {
        std::vector<std::uint32_t> answers;
        const char* message;
        std::size_t calls;
    };
    const Case cases[] = {
        {{KOR_NAVPOINTS_NOT_CONFIRMED},
         "WARNING - Navpoint transfer verification failed, resend the navpoints.",
         1},
        {{KOR_NO_CONNECTION}, "No connection established to recorder", 1},
        {{0, 0, KOR_TASK_NOT_CONFIRMED},
         "Specified task could not be validated in the recorder.",
         3},
        {{0, 0, 0, 0, KOR_DECLARATION_NOT_CONFIRMED},
         "Specified declaration could not be validated in the recorder.",
         5},
    };
    for (const auto& c : cases) {
        TransferFixture fixture;
        fixture.recorder.answers = c.answers;
        fixture.dialog.TasksBox()->setChecked(true);
        fixture.dialog.DeclareBox()->setChecked(true);
        QString message;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        ModalScript script({ModalScript::Answer(QMessageBox::Ok, &message, &icon)});
        fixture.dialog.SendButton()->click();
        EXPECT_EQ(message, QString::fromLatin1(c.message));
        EXPECT_EQ(icon, QMessageBox::Critical);
        EXPECT_EQ(fixture.recorder.calls.size(), c.calls) << c.message;
        EXPECT_TRUE(fixture.dialog.isVisible()) << "stays open to send again";
    }
}

TEST(SiteTransfer, CountsAndWhatCanBeSent) {
    const SiteDatabase many = Site("Big", 310);
    CSiteTransferDlg dialog(many, nullptr, test::English());
    EXPECT_EQ(dialog.NavpointsBox()->text(), QStringLiteral("250 Navpoints"));
    EXPECT_EQ(dialog.TasksBox()->text(), QStringLiteral("0 Tasks"));
    EXPECT_FALSE(dialog.TasksBox()->isEnabled());
    EXPECT_EQ(dialog.DeclareCombo()->count(), 0);
    EXPECT_FALSE(dialog.SendButton()->isEnabled()) << "no recorder";

    // Only the navpoints: no tasks and no declaration go out.
    TransferFixture fixture;
    fixture.dialog.DeclareBox()->setChecked(true);
    fixture.dialog.SendButton()->click();
    EXPECT_EQ(fixture.recorder.calls, (std::vector<std::string>{"navpoints 3 Alps"}));
}

} // namespace
} // namespace korlink
