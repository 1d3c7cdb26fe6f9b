#include "LogTransferDlg.h"

#include "ControlNames.h"
#include "DialogTranslation.h"
#include "Messages.h"
#include "RecorderConfiguration.h"
#include "Translator.h"
#include "link/RecorderLink.h"
#include "logfiles/LogNaming.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korlink {
namespace {

constexpr int kTickMs = 1000;
constexpr std::chrono::milliseconds kConnectSettle{2000};

// The first mounted removable volume, where a flash card would be; else the home folder.
QString FirstRemovableVolume() {
    for (const auto& volume : QStorageInfo::mountedVolumes()) {
        const QString device = QString::fromUtf8(volume.device()).section(QLatin1Char('/'), -1);
        QFile removable(QStringLiteral("/sys/class/block/%1/removable").arg(device));
        if (volume.isValid() && volume.isReady() && removable.open(QIODevice::ReadOnly) &&
            removable.readAll().trimmed() == "1")
            return volume.rootPath();
    }
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

} // namespace

CLogTransferDlg::CLogTransferDlg(CRecorderLink& link, std::filesystem::path folder,
                                 const CTranslator& translator, QWidget* parent)
    : QDialog(parent), link_(link), folder_(std::move(folder)), translator_(translator),
      autoTransfer_(new QCheckBox(
          QStringLiteral("&Automatically transfer the most recent log when connected"))),
      pilot_(new QLabel), destination_(new QLabel),
      changeDestination_(new QPushButton(QStringLiteral("&Change Destination..."))),
      list_(new QTreeWidget), status_(new QLabel), bar_(new QProgressBar),
      transfer_(new QPushButton(QStringLiteral("&Transfer"))),
      close_(new QPushButton(QStringLiteral("Close"))), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("CLogTransferDlg"));
    NameControls({{autoTransfer_, "autoTransfer"},
                  {pilot_, "pilot"},
                  {destination_, "destination"},
                  {changeDestination_, "changeDestination"},
                  {list_, "list"},
                  {status_, "status"},
                  {bar_, "progress"},
                  {transfer_, "transfer"},
                  {close_, "close"}});
    chooseFolder = [this](QWidget* parentWidget) -> std::optional<std::filesystem::path> {
        const QString chosen = QFileDialog::getExistingDirectory(
            parentWidget, Tr("Select destination for flight logs"), FirstRemovableVolume());
        if (chosen.isEmpty())
            return std::nullopt;
        return std::filesystem::path(chosen.toStdString());
    };
    list_->setHeaderLabels({QString(), QStringLiteral("Date"), QStringLiteral("Start Time"),
                            QStringLiteral("Duration"), QStringLiteral("Fixes"),
                            QStringLiteral("Security"), QStringLiteral("Status")});
    const int widths[] = {30, 70, 80, 80, 70, 70, 160};
    for (int column = 0; column < 7; ++column)
        list_->header()->resizeSection(column, widths[column]);
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int column = 0; column < 7; ++column) {
        auto* header = list_->headerItem();
        header->setText(column, Tr(header->text(column).toStdString().c_str()));
    }
    bar_->setRange(0, TransferProgressBar::kRange);
    bar_->setTextVisible(false);

    auto* destinationRow = new QHBoxLayout;
    destinationRow->addWidget(destination_, 1);
    destinationRow->addWidget(changeDestination_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bar_, 1);
    buttons->addWidget(transfer_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(autoTransfer_);
    layout->addWidget(pilot_);
    layout->addLayout(destinationRow);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    resize(620, 400);

    connect(timer_, &QTimer::timeout, this, &CLogTransferDlg::Tick);
    connect(transfer_, &QPushButton::clicked, this, &CLogTransferDlg::TransferSelected);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { TransferSelected(); });
    connect(changeDestination_, &QPushButton::clicked, this, &CLogTransferDlg::ChangeDestination);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    destination_->setText(Tr("Logs will be transfered to : ") +
                          QString::fromStdString(folder_.string()));
    ShowNotConnected();
    status_->setText(Tr("Ready"));
    TranslateDialog(this, translator_);
    timer_->setInterval(kTickMs);
    timer_->start();
}

QString CLogTransferDlg::Tr(const char* text) const {
    return QString::fromStdString(translator_.Translate(text));
}

void CLogTransferDlg::EnableConnectedControls(bool enabled) {
    for (QWidget* control :
         {static_cast<QWidget*>(destination_), static_cast<QWidget*>(transfer_),
          static_cast<QWidget*>(changeDestination_), static_cast<QWidget*>(list_)})
        control->setEnabled(enabled);
    pilot_->setEnabled(enabled);
}

void CLogTransferDlg::ShowNotConnected() {
    connected_ = false;
    setWindowTitle(Tr("Not Connected"));
    pilot_->clear();
    status_->setText(Tr("Not Connected"));
    list_->clear();
    entries_.clear();
    exists_.clear();
    EnableConnectedControls(false);
}

void CLogTransferDlg::ShowConnected(const RecorderConfig& config) {
    connected_ = true;
    setWindowTitle(Tr("Connected to Recorder : ") + QString::fromStdString(config.RecorderId()));
    pilot_->setText(Tr("Pilot : ") + QString::fromStdString(config.pilot + " - " + config.compId +
                                                            " (" + config.glider + ")"));
    status_->setText(Tr("Ready"));
}

void CLogTransferDlg::Tick() {
    if (busy_)
        return; // ticks are handled only between operations
    const bool answered = link_.Interrupt(1);
    if (!answered && connected_) {
        ShowNotConnected();
    } else if (answered && !connected_) {
        busy_ = true;
        std::optional<RecorderConfig> config;
        {
            WaitCursor wait;
            link_.Operation().Sleep(kConnectSettle);
            config = ReadConfig(link_);
        }
        if (config) {
            ShowConnected(*config);
            FillList();
            EnableConnectedControls(true);
            busy_ = false;
            if (autoTransfer_->isChecked())
                TransferSelected();
        }
        busy_ = false;
    }
}

void CLogTransferDlg::FillList() {
    list_->clear();
    entries_ = ReadDirectoryList(link_);
    exists_.assign(entries_.size(), false);
    if (entries_.empty())
        return;
    const auto config = ReadConfig(link_);
    const std::string recorderId = config ? config->RecorderId() : std::string();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const auto& e = entries_[i].bytes;
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kNumber, QString::number(i + 1));
        item->setTextAlignment(kNumber, Qt::AlignCenter);
        item->setText(kDate, QString::asprintf("%02d/%02d/%02d", e[1], e[2], e[0]));
        item->setText(kStart, QString::asprintf("%02d:%02d:%02d", e[3], e[4], e[5]));
        item->setText(kDuration, QString::fromStdString(FlightDuration(entries_[i])));
        item->setText(kFixes, QStringLiteral("~%1").arg(entries_[i].RecordCount()));
        const auto existing =
            FindStoredLogByStartTime(folder_, FirstFixOf(entries_[i]), recorderId);
        if (existing)
            SetRowStatus(static_cast<int>(i), translator_.Translate("Exists as ") + *existing,
                         true);
        else
            SetRowStatus(static_cast<int>(i), translator_.Translate("Available"), false);
    }
}

void CLogTransferDlg::SetRowStatus(int row, const std::string& text, bool exists) {
    if (auto* item = list_->topLevelItem(row))
        item->setText(kStatus, QString::fromStdString(text));
    if (exists && static_cast<std::size_t>(row) < exists_.size())
        exists_[static_cast<std::size_t>(row)] = true;
}

void CLogTransferDlg::TransferSelected() {
    if (list_->topLevelItemCount() == 0)
        return;
    auto* item = list_->currentItem();
    if (!item || !item->isSelected()) {
        item = list_->topLevelItem(0);
        list_->setCurrentItem(item);
        item->setSelected(true);
        list_->setFocus();
    }
    Transfer(list_->indexOfTopLevelItem(item));
}

void CLogTransferDlg::Transfer(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= entries_.size())
        return;
    if (exists_[static_cast<std::size_t>(row)] &&
        AskYesNoCancel(this, translator_.Translate("Log already exists, transfer anyway?")) !=
            Answer::Yes)
        return;
    busy_ = true;
    std::optional<WaitCursor> wait(std::in_place);
    if (!link_.Interrupt(1)) {
        wait.reset();
        ShowStop(this,
                 translator_.Translate("Lost connection with recorder, could not transfer log."));
        ShowNotConnected();
        busy_ = false;
        timer_->start();
        return;
    }
    progress_.Reset();
    bar_->setValue(0);
    status_->setText(
        QString::fromStdString(WithNumber(translator_.Translate("Transfering Log %d"), row + 1)));
    status_->repaint();
    StoredLog log;
    const auto outcome = DownloadFlight(link_, log, row + 1, *this);
    if (outcome.status != 0) {
        wait.reset();
        ShowStop(this, translator_.Translate(
                           "A Communications error occured while transfering the log."));
        SetRowStatus(row, translator_.Translate("Com Error"), false);
    } else {
        status_->setText(Tr("Writing"));
        status_->repaint();
        const auto saved = SaveAndCheck(log, folder_);
        list_->topLevelItem(row)->setText(kSecurity, saved.securityOk ? Tr("OK") : Tr("FAILED"));
        if (!saved.written) {
            wait.reset();
            ShowStop(this,
                     translator_.Translate("Could not write KOR file to : ") + folder_.string());
            SetRowStatus(row, translator_.Translate("Write Error"), false);
        } else {
            written_.push_back(InFolder(folder_, saved.name).string());
            if (written_.size() == kReportedPaths + 1) {
                wait.reset();
                ShowInformation(this, WithNumber(translator_.Translate(
                                                     "The logs are written, but only the first %d "
                                                     "are passed back to the program."),
                                                 kReportedPaths));
            }
            std::string status = translator_.Translate("Written to ") + saved.name;
            // A flight whose fix blocks failed is still written; say how much of it arrived.
            if (!outcome.fixDataComplete)
                status += " (" + std::to_string(outcome.fixDataReceived) + " of " +
                          std::to_string(outcome.fixDataLength) + " bytes)";
            // Only a copy that passes its check counts as the flight being on the PC, as in
            // the search that fills the list.
            SetRowStatus(row, status, saved.securityOk);
        }
    }
    status_->setText(Tr("Ready"));
    busy_ = false;
}

void CLogTransferDlg::ChangeDestination() {
    const auto chosen = chooseFolder(this);
    if (!chosen)
        return;
    folder_ = *chosen;
    destination_->setText(Tr("Logs will be transfered to : ") +
                          QString::fromStdString(folder_.string()));
    busy_ = true;
    {
        WaitCursor wait;
        FillList();
    }
    busy_ = false;
}

void CLogTransferDlg::done(int result) {
    timer_->stop();
    // The recorder goes back to logging only after a flight was taken from it.
    if (!written_.empty())
        link_.GpsOff();
    QDialog::done(result);
}

void CLogTransferDlg::AreaStarted(std::uint32_t total) {
    progress_.AreaStarted(total);
    bar_->setValue(progress_.Position());
    bar_->repaint();
}

void CLogTransferDlg::BlockDone(std::uint32_t done) {
    progress_.BlockDone(done);
    bar_->setValue(progress_.Position());
    bar_->repaint();
}

void CLogTransferDlg::FixDataComplete() {
    progress_.FixDataComplete();
}

void CLogTransferDlg::Failed(std::uint32_t) {}

void CLogTransferDlg::Finished() {
    progress_.Reset();
    bar_->setValue(0);
}

} // namespace korlink
