// The task definition dialog and the navpoint selector, driven through their controls.
#include "ModalScript.h"
#include "SiteDialogs.h"
#include "navpoints/Attributes.h"
#include "navpoints/NavpointSelectorDlg.h"
#include "navpoints/TaskDefinitionDlg.h"

#include <QComboBox>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace korlink {
namespace {

using navpoints::Navpoint;
using test::ModalScript;
using test::Named;
using test::Screenshot;
using test::Type;
using namespace navpoints::attribute;

SiteDatabase Alps() {
    SiteDatabase alps;
    alps.SetName("Alps");
    alps.AddNavpoint(Navpoint(1, "HOME", 46.0, 8.0, kHome | kAirfield, 400, ""));
    alps.AddNavpoint(Navpoint(3, "THREE", 46.0, 8.5, kTurnpoint, 900, ""));
    alps.AddNavpoint(Navpoint(4, "FIELD", 46.25, 8.75, kAirfield | kLandable, 500, ""));
    alps.AddNavpoint(Navpoint(5, "FIVE", 46.5, 8.5, kStart, 1200, ""));
    alps.AddNavpoint(Navpoint(9, "NINE", 46.5, 9.0, kFinish, 800, ""));
    const std::int32_t task[]{5, 3, 9};
    alps.SetTask(2, task);
    return alps;
}

TaskIds Ids(std::initializer_list<std::int32_t> ids) {
    TaskIds task{};
    std::copy(ids.begin(), ids.end(), task.begin());
    return task;
}

double SumOfShares(const QTreeWidget* legs) {
    double sum = 0;
    for (const auto& row : test::Rows(legs))
        sum += row[4].chopped(1).toDouble();
    return sum;
}

TEST(TaskDefinition, TurnpointsBecomeTheTaskAndItsLegs) {
    const SiteDatabase alps = Alps();
    CTaskDefinitionDlg dialog(alps, test::English());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Alps Tasks"));
    ASSERT_EQ(dialog.TaskCombo()->count(), 10);
    EXPECT_EQ(dialog.TaskCombo()->itemText(0), QStringLiteral("Task A"));
    EXPECT_EQ(dialog.TaskCombo()->itemText(8), QStringLiteral("Task I"));
    EXPECT_EQ(dialog.TaskCombo()->itemText(9), QStringLiteral("Task K"));
    EXPECT_EQ(dialog.TurnpointsEdit()->text(), QString());

    Type(dialog.TurnpointsEdit(), QStringLiteral("3, 5, 9"));
    EXPECT_EQ(dialog.EditedTasks()[0], Ids({3, 5, 9}));
    const auto rows = test::Rows(dialog.LegList());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (QStringList{"2", "THREE", "  0.00 km", "  0.00 km", "   0.0%"}));
    EXPECT_EQ(rows[1][0], QStringLiteral("4")) << "the ordinal, not the id";
    EXPECT_DOUBLE_EQ(SumOfShares(dialog.LegList()), 100.0);
    dialog.show();
    Screenshot(&dialog, QStringLiteral("task-definition"));

    dialog.UnitButton(DistanceUnit::NauticalMiles)->setChecked(true);
    EXPECT_TRUE(dialog.LegList()->topLevelItem(2)->text(3).endsWith(QStringLiteral(" nm")));

    // An id of 250 or above stays in the task without a row; an airfield is passed over.
    Type(dialog.TurnpointsEdit(), QStringLiteral("3 4 300,9"));
    EXPECT_EQ(dialog.EditedTasks()[0], Ids({3, 4, 300, 9}));
    EXPECT_EQ(dialog.LegList()->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.LegList()->topLevelItem(1)->text(1), QStringLiteral("NINE"));

    Type(dialog.TurnpointsEdit(), QStringLiteral("1 2 3 4 5 6 7 8 9 10 11"));
    EXPECT_EQ(dialog.EditedTasks()[0], Ids({1, 2, 3, 4, 5, 6, 7, 8, 9}));

    SiteDatabase copy = alps;
    dialog.CopyTasksTo(copy);
    EXPECT_EQ(copy.GetTask(0).count, 9);
    EXPECT_EQ(copy.GetTask(2).ids, Ids({5, 3, 9}));
}

TEST(TaskDefinition, SwitchingTasksAndClearingAll) {
    CTaskDefinitionDlg dialog(Alps(), test::English());
    dialog.TaskCombo()->setCurrentIndex(2);
    EXPECT_EQ(dialog.TurnpointsEdit()->text(), QStringLiteral("5, 3, 9"));
    EXPECT_EQ(dialog.LegList()->topLevelItemCount(), 3);
    Type(dialog.TurnpointsEdit(), QStringLiteral("5 9"));
    dialog.TaskCombo()->setCurrentIndex(9);
    Type(dialog.TurnpointsEdit(), QStringLiteral("1"));
    dialog.TaskCombo()->setCurrentIndex(2);
    EXPECT_EQ(dialog.TurnpointsEdit()->text(), QStringLiteral("5, 9"));
    EXPECT_EQ(dialog.EditedTasks()[9], Ids({1}));

    dialog.ClearAllButton()->click();
    EXPECT_EQ(dialog.TaskCombo()->currentIndex(), 0);
    EXPECT_EQ(dialog.TurnpointsEdit()->text(), QString());
    EXPECT_EQ(dialog.LegList()->topLevelItemCount(), 0);
    for (const auto& task : dialog.EditedTasks())
        EXPECT_EQ(task, TaskIds{});
}

TEST(TaskDefinition, BrowseAppendsTheChosenNavpoint) {
    CTaskDefinitionDlg dialog(Alps(), test::English());
    dialog.show();
    Type(dialog.TurnpointsEdit(), QStringLiteral("3"));
    QStringList listed;
    ModalScript script({[&](QWidget* window) {
        auto* list = Named<QTreeWidget>(window, "list");
        for (const auto& row : test::Rows(list))
            listed << row[0];
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Navpoint Selecter"));
        EXPECT_FALSE(Named(window, "ok")->isEnabled());
        list->setCurrentItem(test::RowWithId(list, 9));
        Screenshot(window, QStringLiteral("navpoint-selector"));
        ModalScript::Click(Named(window, "ok"));
    }});
    dialog.BrowseButton()->click();
    EXPECT_EQ(listed, (QStringList{"3", "5", "9"})) << "turnpoints, starts and finishes only";
    EXPECT_EQ(dialog.TurnpointsEdit()->text(), QStringLiteral("3, 9"));
    EXPECT_EQ(dialog.EditedTasks()[0], Ids({3, 9}));
    EXPECT_EQ(dialog.LegList()->topLevelItemCount(), 2);

    ModalScript cancelled({[](QWidget* window) { ModalScript::Click(Named(window, "cancel")); }});
    dialog.BrowseButton()->click();
    EXPECT_EQ(dialog.TurnpointsEdit()->text(), QStringLiteral("3, 9"));
}

} // namespace
} // namespace korlink
