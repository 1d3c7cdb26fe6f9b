#pragma once

#include "link/ConnectPrompt.h"
#include "link/ConnectingSequence.h"

#include <QDialog>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace korlink {

class CTranslator;

// "Connecting": probes once a second until the recorder answers, then after the last attempt
// says so and offers Retry and Help.
class CConnectDlg : public QDialog, public ConnectPrompt {
public:
    static constexpr unsigned kResourceId = 1000;

    explicit CConnectDlg(const CTranslator& translator, QWidget* parent = nullptr);

    ConnectResult Run(CRecorderLink& link, const std::string& portName, unsigned retries) override;

    // For the dialog's own timer, and for tests that drive it.
    void Tick();
    void PressRetry();

    QLabel* FirstLine() const { return firstLine_; }
    QLabel* SecondLine() const { return secondLine_; }
    QPushButton* RetryButton() const { return retry_; }
    QPushButton* HelpButton() const { return help_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    void Refresh();

    const CTranslator& translator_;
    CRecorderLink* link_ = nullptr;
    std::unique_ptr<ConnectingSequence> sequence_;
    QLabel* firstLine_;
    QLabel* secondLine_;
    QPushButton* retry_;
    QPushButton* cancel_;
    QPushButton* help_;
    QTimer* timer_;
};

} // namespace korlink
