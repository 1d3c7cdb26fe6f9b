#pragma once

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QString>

namespace vantrel {

// The progress bar's own range is 0 to this.
inline constexpr int kProgressSteps = 50;

// The bar position of a value in a range (low and high in either order):
// round((v - low) / ((high - low) x 0.02)), held within 0 to 50. An empty range is full once
// the value reaches it.
int ProgressStep(double value, double low, double high);

// A progress indicator in the status bar's message pane for a long file operation: it sets the
// message (when given), fills the right half of the pane with a progress bar while it lives,
// and leaves the message "Ready" behind.
class CStatusBarProgress {
public:
    CStatusBarProgress(QLabel* messagePane, const QString& text, double low, double high);
    ~CStatusBarProgress();
    CStatusBarProgress(const CStatusBarProgress&) = delete;
    CStatusBarProgress& operator=(const CStatusBarProgress&) = delete;

    void Report(double value);
    const QProgressBar* Bar() const { return bar_; }

private:
    QPointer<QLabel> pane_;
    QPointer<QProgressBar> bar_;
    double low_;
    double high_;
};

} // namespace vantrel
