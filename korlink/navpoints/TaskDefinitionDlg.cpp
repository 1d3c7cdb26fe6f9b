#include "TaskDefinitionDlg.h"

#include "NavpointSelectorDlg.h"
#include "TaskText.h"
#include "interface/ControlNames.h"
#include "interface/DialogTranslation.h"
#include "interface/Translator.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korlink {
namespace {

// The unit the leg list starts in.
constexpr DistanceUnit kFirstUnit = DistanceUnit::Kilometres;

QString Translated(const CTranslator& translator, const std::string& text) {
    return QString::fromStdString(translator.Translate(text));
}

} // namespace

CTaskDefinitionDlg::CTaskDefinitionDlg(const SiteDatabase& database, const CTranslator& translator,
                                       QWidget* parent)
    : QDialog(parent), navpoints_(database.Navpoints()), translator_(translator),
      task_(new QComboBox), turnpoints_(new QLineEdit),
      browse_(new QPushButton(QStringLiteral("Browse..."))),
      clearAll_(new QPushButton(QStringLiteral("Clear All"))), legs_(new QTreeWidget) {
    setObjectName(QStringLiteral("CTaskDefinitionDlg"));
    setWindowTitle(QString::fromStdString(database.Name()) + QStringLiteral(" Tasks"));
    for (int slot = 0; slot < SiteDatabase::kTasks; ++slot) {
        tasks_[static_cast<std::size_t>(slot)] = database.GetTask(slot).ids;
        task_->addItem(Translated(translator, TaskName(slot)));
    }
    NameControls({{task_, "task"},
                  {turnpoints_, "turnpoints"},
                  {browse_, "browse"},
                  {clearAll_, "clearAll"},
                  {legs_, "legs"}});

    QStringList headings;
    for (const char* heading : {"No.", "Name", "Leg", "Distance", "Percent"})
        headings << Translated(translator, heading);
    legs_->setHeaderLabels(headings);
    legs_->setRootIsDecorated(false);
    legs_->header()->setStretchLastSection(false);
    legs_->setMinimumSize(480, 200);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Task : ")), 0, 0);
    grid->addWidget(task_, 0, 1, Qt::AlignLeft);
    grid->addWidget(clearAll_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Turnpoints:")), 1, 0);
    grid->addWidget(turnpoints_, 1, 1);
    grid->addWidget(browse_, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(BuildUnits());
    layout->addWidget(legs_, 1);
    layout->addWidget(buttons);
    for (auto* button : {browse_, clearAll_})
        button->setAutoDefault(false);

    connect(task_, &QComboBox::currentIndexChanged, this, &CTaskDefinitionDlg::ShowTask);
    connect(turnpoints_, &QLineEdit::textEdited, this, &CTaskDefinitionDlg::TakeTurnpoints);
    connect(browse_, &QPushButton::clicked, this, &CTaskDefinitionDlg::Browse);
    connect(clearAll_, &QPushButton::clicked, this, &CTaskDefinitionDlg::ClearAll);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowTask();
    TranslateDialog(this, translator_);
}

QLayout* CTaskDefinitionDlg::BuildUnits() {
    const std::tuple<const char*, const char*, DistanceUnit> units[] = {
        {"Miles", "miles", DistanceUnit::Miles},
        {"Kilometers", "kilometers", DistanceUnit::Kilometres},
        {"Nautical Miles", "nauticalMiles", DistanceUnit::NauticalMiles}};
    auto* row = new QHBoxLayout;
    for (const auto& [text, name, unit] : units) {
        auto* button = new QRadioButton(QString::fromLatin1(text));
        button->setObjectName(QString::fromLatin1(name));
        button->setChecked(unit == kFirstUnit);
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                ShowLegs();
        });
        units_[static_cast<std::size_t>(unit)] = button;
        row->addWidget(button);
    }
    row->addStretch();
    return row;
}

QRadioButton* CTaskDefinitionDlg::UnitButton(DistanceUnit unit) const {
    return units_[static_cast<std::size_t>(unit)];
}

void CTaskDefinitionDlg::CopyTasksTo(SiteDatabase& database) const {
    for (int slot = 0; slot < SiteDatabase::kTasks; ++slot)
        database.SetTask(slot, tasks_[static_cast<std::size_t>(slot)]);
}

int CTaskDefinitionDlg::Slot() const {
    return std::clamp(task_->currentIndex(), 0, SiteDatabase::kTasks - 1);
}

DistanceUnit CTaskDefinitionDlg::Unit() const {
    for (std::size_t unit = 0; unit < units_.size(); ++unit) {
        if (units_[unit]->isChecked())
            return static_cast<DistanceUnit>(unit);
    }
    return kFirstUnit;
}

void CTaskDefinitionDlg::ShowTask() {
    turnpoints_->setText(
        QString::fromStdString(TurnpointsText(tasks_[static_cast<std::size_t>(Slot())])));
    ShowLegs();
}

void CTaskDefinitionDlg::TakeTurnpoints() {
    const auto ids = ParseTurnpoints(turnpoints_->text().toStdString());
    auto& task = tasks_[static_cast<std::size_t>(Slot())];
    task = {};
    std::copy(ids.begin(), ids.end(), task.begin());
    ShowLegs();
}

void CTaskDefinitionDlg::ShowLegs() {
    legs_->clear();
    const auto result = ComputeLegs(navpoints_, tasks_[static_cast<std::size_t>(Slot())]);
    for (const auto& leg : result.legs) {
        QStringList texts;
        for (const auto& text : LegColumns(leg, result.total, Unit()))
            texts << QString::fromStdString(text);
        auto* row = new QTreeWidgetItem(texts);
        for (int column : {0, 2, 3, 4})
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        legs_->addTopLevelItem(row);
    }
    for (int column = 0; column < legs_->columnCount(); ++column)
        legs_->resizeColumnToContents(column);
    // The name takes what room is left.
    legs_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
}

void CTaskDefinitionDlg::Browse() {
    CNavpointSelectorDlg selector(navpoints_, translator_, this);
    if (selector.exec() != QDialog::Accepted || !selector.ChosenId())
        return;
    const QString typed = turnpoints_->text().trimmed();
    const QString id = QString::number(*selector.ChosenId());
    turnpoints_->setText(typed.isEmpty() ? id : typed + QStringLiteral(", ") + id);
    TakeTurnpoints();
}

void CTaskDefinitionDlg::ClearAll() {
    tasks_ = {};
    if (task_->currentIndex() == 0)
        ShowTask();
    else
        task_->setCurrentIndex(0);
}

} // namespace korlink
