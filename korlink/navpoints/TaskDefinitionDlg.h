#pragma once

#include "SiteDatabase.h"
#include "TaskLegs.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace korlink {

class CTranslator;

// "Task Definition": edits a copy of a site database's ten tasks, showing the legs of the
// selected one. The caller copies the tasks back with `CopyTasksTo` when it is accepted.
class CTaskDefinitionDlg : public QDialog {
public:
    using Tasks = std::array<TaskIds, SiteDatabase::kTasks>;

    CTaskDefinitionDlg(const SiteDatabase& database, const CTranslator& translator,
                       QWidget* parent = nullptr);

    const Tasks& EditedTasks() const { return tasks_; }
    void CopyTasksTo(SiteDatabase& database) const;

    QComboBox* TaskCombo() const { return task_; }
    QLineEdit* TurnpointsEdit() const { return turnpoints_; }
    QPushButton* BrowseButton() const { return browse_; }
    QPushButton* ClearAllButton() const { return clearAll_; }
    QRadioButton* UnitButton(DistanceUnit unit) const;
    QTreeWidget* LegList() const { return legs_; }

private:
    QLayout* BuildUnits();
    int Slot() const;
    DistanceUnit Unit() const;
    void ShowTask();
    void TakeTurnpoints();
    void ShowLegs();
    void Browse();
    void ClearAll();

    navpoints::NavpointList navpoints_;
    Tasks tasks_{};
    const CTranslator& translator_;
    QComboBox* task_;
    QLineEdit* turnpoints_;
    QPushButton* browse_;
    QPushButton* clearAll_;
    std::array<QRadioButton*, 3> units_{};
    QTreeWidget* legs_;
};

} // namespace korlink
