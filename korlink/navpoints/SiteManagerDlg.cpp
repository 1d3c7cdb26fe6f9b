#include "SiteManagerDlg.h"

#include "NavpointEditorDlg.h"
#include "RecorderSites.h"
#include "SiteNameDlg.h"
#include "SiteTransferDlg.h"
#include "TaskDefinitionDlg.h"
#include "interface/DialogTranslation.h"
#include "interface/Messages.h"
#include "interface/StatusCodes.h"
#include "interface/Translator.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

namespace korlink {
namespace {

bool IsSiteFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error) &&
           QString::fromStdString(entry.path().extension().string())
                   .compare(QStringLiteral(".sit"), Qt::CaseInsensitive) == 0;
}

// Names compared with runs of digits taken as numbers, so that KORSite2 comes before KORSite10.
bool NaturalLess(const std::string& a, const std::string& b) {
    const auto isDigit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const auto endA = std::find_if_not(a.begin() + i, a.end(), isDigit) - a.begin();
            const auto endB = std::find_if_not(b.begin() + j, b.end(), isDigit) - b.begin();
            // Without leading zeros, the longer run is the larger number.
            const auto startA = std::min(a.find_first_not_of('0', i), std::size_t(endA));
            const auto startB = std::min(b.find_first_not_of('0', j), std::size_t(endB));
            const auto digitsA = a.substr(startA, std::size_t(endA) - startA);
            const auto digitsB = b.substr(startB, std::size_t(endB) - startB);
            if (digitsA.size() != digitsB.size())
                return digitsA.size() < digitsB.size();
            if (digitsA != digitsB)
                return digitsA < digitsB;
            i = std::size_t(endA);
            j = std::size_t(endB);
        } else if (a[i] != b[j]) {
            return a[i] < b[j];
        } else {
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

// The ".sit" files of a folder, in the order of their names.
std::vector<std::filesystem::path> SiteFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (IsSiteFile(entry))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        return NaturalLess(a.filename().string(), b.filename().string());
    });
    return files;
}

QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

CSiteManagerDlg::CSiteManagerDlg(std::filesystem::path folder, RecorderSites* recorder,
                                 const CTranslator& translator, FileChooser chooseFile,
                                 QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), recorder_(recorder), translator_(translator),
      chooseFile_(std::move(chooseFile)), list_(new QTreeWidget) {
    setObjectName(QStringLiteral("CSiteManagerDlg"));
    setWindowTitle(QStringLiteral("Manage Navpoint Databases"));
    list_->setObjectName(QStringLiteral("list"));
    QStringList headings;
    for (const char* heading : {"Name", "Navpoints", "Tasks"})
        headings << QString::fromStdString(translator.Translate(heading));
    list_->setHeaderLabels(headings);
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumSize(380, 220);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(BuildButtons());
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CSiteManagerDlg::UpdateButtons);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &CSiteManagerDlg::EditNavpoints);

    LoadFolder();
    TranslateDialog(this, translator_);
}

QLayout* CSiteManagerDlg::BuildButtons() {
    auto* buttons = new QVBoxLayout;
    const std::tuple<const char*, const char*, QPushButton**, void (CSiteManagerDlg::*)()>
        actions[] = {{"New Database...", "newDatabase", &new_, &CSiteManagerDlg::NewDatabase},
                     {"New from Recorder", "newFromRecorder", &fromRecorder_,
                      &CSiteManagerDlg::NewFromRecorder},
                     {"Navpoints...", "navpoints", &navpoints_, &CSiteManagerDlg::EditNavpoints},
                     {"Tasks...", "tasks", &tasks_, &CSiteManagerDlg::EditTasks},
                     {"To Recorder...", "toRecorder", &toRecorder_, &CSiteManagerDlg::ToRecorder},
                     {"Delete...", "delete", &delete_, &CSiteManagerDlg::Delete}};
    for (const auto& [text, name, member, action] : actions) {
        auto* button = new QPushButton(QString::fromLatin1(text));
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
        *member = button;
    }
    fromRecorder_->setEnabled(recorder_ != nullptr);
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    return buttons;
}

void CSiteManagerDlg::LoadFolder() {
    for (const auto& path : SiteFiles(folder_)) {
        SiteDatabase database;
        if (database.Load(path))
            Add(std::move(database));
    }
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    UpdateButtons();
}

void CSiteManagerDlg::Add(SiteDatabase database) {
    databases_.push_back(std::move(database));
    list_->addTopLevelItem(new QTreeWidgetItem);
    ShowRow(static_cast<int>(databases_.size()) - 1);
}

void CSiteManagerDlg::ShowRow(int row) {
    const SiteDatabase& database = databases_[static_cast<std::size_t>(row)];
    QTreeWidgetItem* item = list_->topLevelItem(row);
    item->setText(0, QString::fromStdString(database.Name()));
    item->setText(1, QString::number(database.NavpointCount()));
    item->setText(2, QString::number(database.TaskCount()));
    item->setToolTip(0, Path(database.Path()));
    for (int column : {1, 2})
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
}

int CSiteManagerDlg::Selected() const {
    const auto selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front());
}

SiteDatabase* CSiteManagerDlg::SelectedDatabase() {
    const int row = Selected();
    return row < 0 ? nullptr : &databases_[static_cast<std::size_t>(row)];
}

void CSiteManagerDlg::UpdateButtons() {
    const bool selected = Selected() >= 0;
    for (auto* button : {navpoints_, tasks_, toRecorder_, delete_})
        button->setEnabled(selected);
}

bool CSiteManagerDlg::Saved(const SiteDatabase& database) {
    if (database.Save())
        return true;
    ShowStop(this, translator_.Translate("Could not save navpoint database:  ") +
                       database.Path().string());
    return false;
}

void CSiteManagerDlg::NewDatabase() {
    CSiteNameDlg ask(translator_, this);
    if (ask.exec() != QDialog::Accepted)
        return;
    SiteDatabase database;
    database.SetName(ask.Name());
    AddNew(std::move(database));
}

void CSiteManagerDlg::AddNew(SiteDatabase database) {
    database.ChooseNewFileName(folder_);
    if (!Saved(database))
        return;
    Add(std::move(database));
    list_->setCurrentItem(list_->topLevelItem(list_->topLevelItemCount() - 1));
}

void CSiteManagerDlg::NewFromRecorder() {
    if (!recorder_)
        return;
    SiteDatabase database;
    std::uint32_t status = KOR_OK;
    {
        WaitCursor wait;
        status = recorder_->ReadSite(database);
    }
    if (status != KOR_OK) {
        if (const std::string message = StatusMessage(status); !message.empty())
            ShowStop(this, translator_.Translate(message));
        return;
    }
    AddNew(std::move(database));
}

void CSiteManagerDlg::EditNavpoints() {
    SiteDatabase* selected = SelectedDatabase();
    if (!selected)
        return;
    SiteDatabase& database = *selected;
    CNavpointEditorDlg editor(database.Name(), database.Navpoints(), translator_, chooseFile_,
                              this);
    if (editor.exec() != QDialog::Accepted || !editor.Changed())
        return;
    // Tasks name navpoints by id; after the navpoints changed they may name other places.
    database.SetNavpoints(editor.Navpoints());
    database.ClearTasks();
    Saved(database);
    ShowRow(Selected());
}

void CSiteManagerDlg::EditTasks() {
    SiteDatabase* selected = SelectedDatabase();
    if (!selected)
        return;
    SiteDatabase& database = *selected;
    CTaskDefinitionDlg dialog(database, translator_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.CopyTasksTo(database);
    Saved(database);
    ShowRow(Selected());
}

void CSiteManagerDlg::ToRecorder() {
    const SiteDatabase* selected = SelectedDatabase();
    if (!selected)
        return;
    const SiteDatabase& database = *selected;
    if (database.NavpointCount() == 0) {
        ShowStop(this, translator_.Translate("Cannot export a site which contains no navpoints."));
        return;
    }
    CSiteTransferDlg(database, recorder_, translator_, this).exec();
}

void CSiteManagerDlg::Delete() {
    const int row = Selected();
    if (row < 0)
        return;
    const SiteDatabase& database = databases_[static_cast<std::size_t>(row)];
    if (!AskYesNo(this, translator_.Translate("Ok to delete database: ") + database.Name() + "?"))
        return;
    std::error_code error;
    std::filesystem::remove(database.Path(), error);
    if (error) {
        ShowStop(this, translator_.Translate("Could not delete navpoint database:  ") +
                           database.Path().string());
        return;
    }
    databases_.erase(databases_.begin() + row);
    delete list_->takeTopLevelItem(row);
    UpdateButtons();
}

} // namespace korlink
