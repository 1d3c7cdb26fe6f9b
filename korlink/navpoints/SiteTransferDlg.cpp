#include "SiteTransferDlg.h"

#include "RecorderSites.h"
#include "TaskText.h"
#include "interface/ControlNames.h"
#include "interface/DialogTranslation.h"
#include "interface/Messages.h"
#include "interface/StatusCodes.h"
#include "interface/Translator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace korlink {

CSiteTransferDlg::CSiteTransferDlg(const SiteDatabase& database, RecorderSites* recorder,
                                   const CTranslator& translator, QWidget* parent)
    : QDialog(parent), database_(database), recorder_(recorder), translator_(translator),
      navpoints_(new QCheckBox), tasks_(new QCheckBox),
      declare_(new QCheckBox(QStringLiteral("&Declare Task:"))), declareTask_(new QComboBox),
      send_(new QPushButton(QStringLiteral("&Send to recorder"))) {
    setObjectName(QStringLiteral("CSiteTransferDlg"));
    setWindowTitle(QStringLiteral("Transfer to recorder"));
    NameControls({{navpoints_, "navpoints"},
                  {tasks_, "tasks"},
                  {declare_, "declare"},
                  {declareTask_, "declareTask"},
                  {send_, "send"}});

    const int navpointCount = std::min(database.NavpointCount(), kRecorderNavpoints);
    navpoints_->setText(
        QString::fromStdString(WithNumber(translator.Translate("%d Navpoints"), navpointCount)));
    navpoints_->setChecked(true);
    tasks_->setText(
        QString::fromStdString(WithNumber(translator.Translate("%d Tasks"), database.TaskCount())));
    tasks_->setEnabled(database.TaskCount() > 0);
    for (int slot = 0; slot < SiteDatabase::kTasks; ++slot) {
        if (database.IsTaskDefined(slot))
            declareTask_->addItem(QString::fromStdString(translator.Translate(TaskName(slot))),
                                  slot);
    }
    send_->setEnabled(recorder_ != nullptr);
    send_->setDefault(true);

    auto* boxes = new QGridLayout;
    boxes->addWidget(navpoints_, 0, 0, 1, 2);
    boxes->addWidget(tasks_, 1, 0, 1, 2);
    boxes->addWidget(declare_, 2, 0);
    boxes->addWidget(declareTask_, 2, 1, Qt::AlignLeft);
    boxes->setColumnStretch(1, 1);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(send_, QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addStretch();
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(320);

    connect(tasks_, &QCheckBox::toggled, this, &CSiteTransferDlg::UpdateDeclare);
    connect(declare_, &QCheckBox::toggled, this, &CSiteTransferDlg::UpdateDeclare);
    connect(send_, &QPushButton::clicked, this, &CSiteTransferDlg::Send);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    UpdateDeclare();
    TranslateDialog(this, translator_);
}

void CSiteTransferDlg::UpdateDeclare() {
    // A declaration goes with the tasks it names.
    const bool tasks = tasks_->isEnabled() && tasks_->isChecked();
    declare_->setEnabled(tasks);
    declareTask_->setEnabled(tasks && declare_->isChecked());
}

bool CSiteTransferDlg::Succeeded(std::uint32_t status, bool sendingNavpoints) {
    if (status == KOR_OK)
        return true;
    if (sendingNavpoints && status == KOR_NAVPOINTS_NOT_CONFIRMED) {
        ShowStop(this,
                 translator_.Translate(
                     "WARNING - Navpoint transfer verification failed, resend the navpoints."));
    } else if (const std::string message = StatusMessage(status); !message.empty()) {
        ShowStop(this, translator_.Translate(message));
    }
    return false;
}

void CSiteTransferDlg::Send() {
    if (!recorder_)
        return;
    // The wait cursor shows during each exchange, never over a message.
    const auto waiting = [](auto call) {
        WaitCursor wait;
        return call();
    };
    if (navpoints_->isChecked() &&
        !Succeeded(waiting([&] { return recorder_->SendNavpoints(database_); }), true))
        return;
    const bool tasks = tasks_->isEnabled() && tasks_->isChecked();
    for (int slot = 0; tasks && slot < SiteDatabase::kTasks; ++slot) {
        if (database_.IsTaskDefined(slot) &&
            !Succeeded(
                waiting([&] { return recorder_->SendTask(slot, database_.GetTask(slot).ids); }),
                false))
            return;
    }
    const QVariant declared = declareTask_->currentData();
    if (tasks && declare_->isChecked() && declared.isValid() &&
        !Succeeded(waiting([&] { return recorder_->DeclareTask(declared.toInt()); }), false))
        return;
    accept();
}

} // namespace korlink
