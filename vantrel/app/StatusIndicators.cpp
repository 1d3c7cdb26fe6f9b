#include "StatusIndicators.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>
#include <array>

namespace vantrel {
namespace {

const char* LedSuffix(LockKey key) {
    switch (key) {
    case LockKey::Caps:
        return "::capslock";
    case LockKey::Num:
        return "::numlock";
    default:
        return "::scrolllock";
    }
}

// Keeps the three panes in step with the lock keys: read once at start and again after every
// key press of a lock key.
class LockKeyWatcher : public QObject {
public:
    LockKeyWatcher(std::array<QLabel*, 3> panes, QObject* parent) : QObject(parent), panes_(panes) {
        Refresh();
        qApp->installEventFilter(this);
    }
    ~LockKeyWatcher() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
                QTimer::singleShot(0, this, [this] { Refresh(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Refresh() {
        static constexpr std::array<const char*, 3> kTexts{"CAP", "NUM", "SCRL"};
        static constexpr std::array<LockKey, 3> kKeys{LockKey::Caps, LockKey::Num, LockKey::Scroll};
        for (std::size_t i = 0; i < panes_.size(); ++i)
            panes_[i]->setText(LockKeyOn(kKeys[i]).value_or(false) ? QLatin1String(kTexts[i])
                                                                   : QString());
    }

    std::array<QLabel*, 3> panes_;
};

} // namespace

std::optional<bool> LockKeyOn(LockKey key, const QString& ledFolder) {
    const QDir folder(ledFolder);
    const QStringList leds =
        folder.entryList({QStringLiteral("*") + QLatin1String(LedSuffix(key))}, QDir::AllEntries);
    std::optional<bool> on;
    for (const QString& led : leds) {
        QFile brightness(folder.filePath(led + QStringLiteral("/brightness")));
        if (!brightness.open(QIODevice::ReadOnly))
            continue;
        const bool lit = brightness.readAll().trimmed().toInt() > 0;
        on = on.value_or(false) || lit;
    }
    return on;
}

void AddLockIndicators(QStatusBar& statusBar) {
    std::array<QLabel*, 3> panes{};
    static constexpr std::array<const char*, 3> kNames{"CapsLockPane", "NumLockPane",
                                                       "ScrollLockPane"};
    for (std::size_t i = 0; i < panes.size(); ++i) {
        panes[i] = new QLabel(&statusBar);
        panes[i]->setObjectName(QLatin1String(kNames[i]));
        panes[i]->setAlignment(Qt::AlignCenter);
        panes[i]->setMinimumWidth(
            panes[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        panes[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar.addPermanentWidget(panes[i]);
    }
    new LockKeyWatcher(panes, &statusBar);
}

} // namespace vantrel
