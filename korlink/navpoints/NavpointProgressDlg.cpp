#include "NavpointProgressDlg.h"

#include "interface/DialogTranslation.h"
#include "interface/Library.h"
#include "interface/Translator.h"
#include "link/RecorderLink.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace korlink {
namespace {

constexpr std::chrono::milliseconds kStartDelay{100};

int BarValue(unsigned value) {
    return static_cast<int>(std::min<unsigned>(value, INT_MAX));
}

} // namespace

CNavpointProgressDlg::CNavpointProgressDlg(CRecorderLink& link, TransferRunner::Title title,
                                           const CTranslator& translator, QWidget* parent)
    : QDialog(parent), link_(link), outer_(link.Operation()), bar_(new QProgressBar) {
    setObjectName(QStringLiteral("CNavpointProgressDlg"));
    setWindowTitle(QString::fromLatin1(TransferTitleText(title)));
    bar_->setObjectName(QStringLiteral("progress"));
    bar_->setRange(0, 1);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    setMinimumWidth(320);
    TranslateDialog(this, translator);
}

bool CNavpointProgressDlg::Run(const std::function<bool()>& transfer) {
    transfer_ = transfer;
    QTimer::singleShot(kStartDelay, this, &CNavpointProgressDlg::RunTransfer);
    exec();
    return succeeded_;
}

void CNavpointProgressDlg::RunTransfer() {
    running_ = true;
    bool transferred = false;
    {
        const CRecorderLink::OperationScope scope(link_, *this);
        transferred = transfer_();
    }
    running_ = false;
    succeeded_ = transferred && !stopped_;
    done(succeeded_ ? Accepted : Rejected);
}

void CNavpointProgressDlg::reject() {
    // The transfer holds the thread; it sees the request at its next step and returns.
    if (running_)
        stopped_ = true;
    else
        QDialog::reject();
}

bool CNavpointProgressDlg::IsCancelled() const {
    QCoreApplication::processEvents();
    return stopped_ || outer_.IsCancelled();
}

void CNavpointProgressDlg::Sleep(std::chrono::milliseconds duration) {
    QCoreApplication::processEvents();
    outer_.Sleep(duration);
}

void CNavpointProgressDlg::SetProgressRange(unsigned range) {
    bar_->setRange(0, BarValue(std::max(range, 1u)));
    bar_->setValue(0);
    QCoreApplication::processEvents();
}

void CNavpointProgressDlg::SetProgressPosition(unsigned position) {
    bar_->setValue(std::min(BarValue(position), bar_->maximum()));
    QCoreApplication::processEvents();
}

bool LibraryTransfer::Shown() {
    return Library::HasGui();
}

bool LibraryTransfer::Run(Title title, const std::function<bool()>& transfer) {
    if (!windowed_)
        return transfer();
    CNavpointProgressDlg dialog(link_, title, translator_);
    return dialog.Run(transfer);
}

void LibraryTransfer::NoSendMode() {
    if (!windowed_)
        return;
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(translator_.Translate("Error")),
                    QString::fromStdString(translator_.Translate("No Connect")), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("noConnect"));
    box.exec();
}

} // namespace korlink
