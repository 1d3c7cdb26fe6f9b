#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace korlink::test {

// Plays the user of modal windows: each step runs on the next modal window that opens, from
// inside the event loop of the call that opened it. Steps click through queued calls
// (Click), so that a window opened by a click gets its own step.
class ModalScript {
public:
    using Step = std::function<void(QWidget*)>;

    explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    std::size_t StepsLeft() const { return steps_.size() - next_; }

    // A step that answers a message box with `button`, recording its text and icon.
    static Step Answer(QMessageBox::StandardButton button, QString* text = nullptr,
                       QMessageBox::Icon* icon = nullptr) {
        return [=](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (!box)
                return;
            if (text)
                *text = box->text();
            if (icon)
                *icon = box->icon();
            Click(box->button(button));
        };
    }

    static void Click(QObject* button) {
        QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
    }

private:
    void Poll() {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || window == last_ || !window->isVisible() || next_ >= steps_.size())
            return;
        last_ = window;
        steps_[next_++](window);
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QPointer<QWidget> last_;
    QTimer timer_;
};

// Saves a picture of a window for review under build/screenshots/.
inline void Screenshot(QWidget* window, const QString& name) {
    QDir().mkpath(QStringLiteral(KORLINK_SCREENSHOT_DIR));
    window->grab().save(QStringLiteral(KORLINK_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
}

} // namespace korlink::test
