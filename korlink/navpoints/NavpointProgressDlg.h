#pragma once

#include "RecorderTransfer.h"
#include "link/Operation.h"

#include <QDialog>
#include <functional>

class QProgressBar;

namespace korlink {

class CRecorderLink;
class CTranslator;

// The navpoint transfer window: one progress bar, titled by what moves where. 100 ms after it
// opens it runs the transfer, moving the bar as the transfer reports; it closes when the
// transfer returns. Closing it while the transfer runs stops the transfer.
class CNavpointProgressDlg : public QDialog, public OperationEnvironment {
public:
    CNavpointProgressDlg(CRecorderLink& link, TransferRunner::Title title,
                         const CTranslator& translator, QWidget* parent = nullptr);

    // Shows the window modally and runs `transfer` in it. True when the transfer succeeded
    // and was not stopped.
    bool Run(const std::function<bool()>& transfer);

    QProgressBar* Bar() const { return bar_; }

    bool IsCancelled() const override;
    void Sleep(std::chrono::milliseconds duration) override;
    void SetText(std::string_view) override {}
    void SetProgressRange(unsigned range) override;
    void SetProgressPosition(unsigned position) override;

    void reject() override;

private:
    void RunTransfer();

    CRecorderLink& link_;
    // The operation the link ran in before: it performs the pauses.
    OperationEnvironment& outer_;
    std::function<bool()> transfer_;
    bool running_ = false;
    bool stopped_ = false;
    bool succeeded_ = false;
    QProgressBar* bar_;
};

// Runs navpoint transfers as the exports do: in the progress window, with "No Connect" when
// download mode cannot be entered; straight through and silent when the caller asked for
// quiet or there is no screen.
class LibraryTransfer : public TransferRunner {
public:
    LibraryTransfer(CRecorderLink& link, const CTranslator& translator, bool quiet)
        : link_(link), translator_(translator), windowed_(!quiet && Shown()) {}

    bool Run(Title title, const std::function<bool()>& transfer) override;
    void NoSendMode() override;

private:
    static bool Shown();

    CRecorderLink& link_;
    const CTranslator& translator_;
    bool windowed_;
};

} // namespace korlink
