#include "ConnectDlg.h"

#include "DialogTranslation.h"
#include "Help.h"
#include "Translator.h"
#include "link/RecorderLink.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace korlink {
namespace {
constexpr int kTickMs = 1000;
constexpr std::chrono::seconds kConnectedHold{3};
} // namespace

CConnectDlg::CConnectDlg(const CTranslator& translator, QWidget* parent)
    : QDialog(parent), translator_(translator),
      firstLine_(new QLabel(QStringLiteral("Attempting connection to Velmora recorder on "))),
      secondLine_(new QLabel), retry_(new QPushButton(QStringLiteral("Retry"))),
      cancel_(new QPushButton(QStringLiteral("Cancel"))),
      help_(new QPushButton(QStringLiteral("Help..."))), timer_(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Connecting"));
    setObjectName(QStringLiteral("CConnectDlg"));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(retry_, QDialogButtonBox::ActionRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    buttons->addButton(help_, QDialogButtonBox::HelpRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(firstLine_);
    layout->addWidget(secondLine_);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    firstLine_->setObjectName(QStringLiteral("firstLine"));
    secondLine_->setObjectName(QStringLiteral("secondLine"));
    retry_->setObjectName(QStringLiteral("retry"));
    help_->setObjectName(QStringLiteral("help"));
    retry_->setEnabled(false);
    help_->setEnabled(false);

    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &CConnectDlg::Tick);
    connect(retry_, &QPushButton::clicked, this, &CConnectDlg::PressRetry);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, [] { OpenHelp(kDialogHelpBase + kResourceId); });
}

ConnectResult CConnectDlg::Run(CRecorderLink& link, const std::string& portName, unsigned retries) {
    link_ = &link;
    sequence_ = std::make_unique<ConnectingSequence>(
        portName, retries, [this](std::string_view text) { return translator_.Translate(text); });
    setWindowTitle(QString::fromStdString(sequence_->Caption()));
    TranslateDialog(this, translator_);
    Refresh();
    timer_->start();
    const int answer = exec();
    timer_->stop();
    if (answer != QDialog::Accepted)
        return ConnectResult::Cancelled;
    return sequence_->IsConnected() ? ConnectResult::Connected : ConnectResult::NoRecorder;
}

void CConnectDlg::Tick() {
    if (!sequence_ || !link_)
        return;
    const bool connected = sequence_->Tick([this] { return link_->Interrupt(1); });
    if (!sequence_->IsTimerRunning())
        timer_->stop();
    Refresh();
    if (connected) {
        timer_->stop();
        link_->Operation().Sleep(kConnectedHold);
        accept();
    }
}

void CConnectDlg::PressRetry() {
    if (!sequence_)
        return;
    sequence_->Retry();
    Refresh();
    timer_->start();
}

void CConnectDlg::Refresh() {
    firstLine_->setText(QString::fromStdString(sequence_->FirstLine()));
    secondLine_->setText(QString::fromStdString(sequence_->SecondLine()));
    retry_->setEnabled(sequence_->IsRetryEnabled());
    help_->setEnabled(sequence_->IsHelpEnabled());
}

} // namespace korlink
