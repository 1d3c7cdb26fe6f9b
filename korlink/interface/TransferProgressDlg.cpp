#include "TransferProgressDlg.h"

#include "DialogTranslation.h"
#include "Translator.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace korlink {

CTransferProgressDlg::CTransferProgressDlg(const LogDirectoryEntry& flight,
                                           const CTranslator& translator, QWidget* parent)
    : QDialog(parent), translator_(translator), pilot_(new QLabel), contest_(new QLabel),
      start_(new QLabel), bar_(new QProgressBar) {
    setObjectName(QStringLiteral("CTransferProgressDlg"));
    setWindowTitle(QStringLiteral("Transferring Flight Log"));
    const auto& e = flight.bytes;
    startTime_ =
        QString::fromStdString(translator.Translate("Start Time: ")) +
        QString::asprintf("%02d/%02d/%02d  %02d:%02d:%02d", e[2], e[1], e[0], e[3], e[4], e[5]);
    pilot_->setObjectName(QStringLiteral("pilot"));
    contest_->setObjectName(QStringLiteral("contest"));
    start_->setObjectName(QStringLiteral("start"));
    bar_->setRange(0, TransferProgressBar::kRange);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pilot_);
    layout->addWidget(contest_);
    layout->addWidget(start_);
    layout->addWidget(bar_);
    setMinimumWidth(360);
    TranslateDialog(this, translator_);
}

void CTransferProgressDlg::IdentityRead(const RecorderConfig& config) {
    pilotLine_ = QString::fromStdString(translator_.Translate("Pilot : ") + config.pilot);
    contestLine_ = QString::fromStdString(translator_.Translate("Contest ID: ") + config.compId);
}

void CTransferProgressDlg::AreaStarted(std::uint32_t total) {
    progress_.AreaStarted(total);
    pilot_->setText(pilotLine_);
    contest_->setText(contestLine_);
    start_->setText(startTime_);
    ShowProgress();
}

void CTransferProgressDlg::BlockDone(std::uint32_t done) {
    progress_.BlockDone(done);
    ShowProgress();
}

void CTransferProgressDlg::FixDataComplete() {
    progress_.FixDataComplete();
}

void CTransferProgressDlg::Failed(std::uint32_t) {
    close();
}

void CTransferProgressDlg::Finished() {
    close();
}

void CTransferProgressDlg::ShowProgress() {
    bar_->setValue(progress_.Position());
    // The download holds the thread, so the window is drawn at once rather than by the event
    // loop.
    repaint();
}

} // namespace korlink
