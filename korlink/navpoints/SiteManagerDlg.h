#pragma once

#include "FileChooser.h"
#include "SiteDatabase.h"

#include <QDialog>
#include <filesystem>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace korlink {

class CTranslator;
class RecorderSites;

// "Manage Navpoint Databases": lists the site databases of a folder and creates, deletes,
// edits and transfers them. Every change is saved at once. Without a recorder the databases
// can be edited but not filled from or sent to a recorder.
class CSiteManagerDlg : public QDialog {
public:
    CSiteManagerDlg(std::filesystem::path folder, RecorderSites* recorder,
                    const CTranslator& translator, FileChooser chooseFile = AskForFile,
                    QWidget* parent = nullptr);

    // The databases in the order of the list's rows.
    const std::vector<SiteDatabase>& Databases() const { return databases_; }

    QTreeWidget* List() const { return list_; }
    QPushButton* NewButton() const { return new_; }
    QPushButton* NewFromRecorderButton() const { return fromRecorder_; }
    QPushButton* NavpointsButton() const { return navpoints_; }
    QPushButton* TasksButton() const { return tasks_; }
    QPushButton* ToRecorderButton() const { return toRecorder_; }
    QPushButton* DeleteButton() const { return delete_; }

private:
    QLayout* BuildButtons();
    void LoadFolder();
    void Add(SiteDatabase database);
    // Gives a new database the next free file name, saves it, adds it and selects it.
    void AddNew(SiteDatabase database);
    void ShowRow(int row);
    // The selected row; -1 without a selection.
    int Selected() const;
    SiteDatabase* SelectedDatabase();
    void UpdateButtons();
    // Saves a database; says so when it cannot.
    bool Saved(const SiteDatabase& database);

    void NewDatabase();
    void NewFromRecorder();
    void EditNavpoints();
    void EditTasks();
    void ToRecorder();
    void Delete();

    std::filesystem::path folder_;
    RecorderSites* recorder_;
    const CTranslator& translator_;
    FileChooser chooseFile_;
    std::vector<SiteDatabase> databases_;
    QTreeWidget* list_;
    QPushButton* new_ = nullptr;
    QPushButton* fromRecorder_ = nullptr;
    QPushButton* navpoints_ = nullptr;
    QPushButton* tasks_ = nullptr;
    QPushButton* toRecorder_ = nullptr;
    QPushButton* delete_ = nullptr;
};

} // namespace korlink
