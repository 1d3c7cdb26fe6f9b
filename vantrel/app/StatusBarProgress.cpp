#include "StatusBarProgress.h"

#include "analysis/Interpolation.h"

#include <QApplication>
#include <algorithm>

namespace vantrel {

int ProgressStep(double value, double low, double high) {
    if (low > high)
        std::swap(low, high);
    if (high == low)
        return value >= low ? kProgressSteps : 0;
    const long long step = RoundHalfUp((value - low) / ((high - low) * 0.02));
    return static_cast<int>(std::clamp<long long>(step, 0, kProgressSteps));
}

CStatusBarProgress::CStatusBarProgress(QLabel* messagePane, const QString& text, double low,
                                       double high)
    : pane_(messagePane), low_(low), high_(high) {
    if (!pane_)
        return;
    if (!text.isEmpty())
        pane_->setText(text);
    bar_ = new QProgressBar(pane_);
    bar_->setRange(0, kProgressSteps);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    const QRect area = pane_->rect();
    bar_->setGeometry(area.width() / 2, 1, area.width() - area.width() / 2, area.height() - 2);
    bar_->show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

CStatusBarProgress::~CStatusBarProgress() {
    delete bar_.data();
    if (pane_)
        pane_->setText(QStringLiteral("Ready"));
}

void CStatusBarProgress::Report(double value) {
    if (!bar_)
        return;
    bar_->setValue(ProgressStep(value, low_, high_));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace vantrel
