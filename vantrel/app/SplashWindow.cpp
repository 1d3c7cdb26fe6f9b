#include "SplashWindow.h"

#include "icons/IconSet.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>

namespace vantrel {

QPixmap SplashPicture() {
    QPixmap picture(400, 220);
    picture.fill(QColor(0x27, 0x38, 0x4a));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(24, 62, RenderImage(QStringLiteral("application"), QSize(96, 96)));
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPointSize(17);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(136, 70, 250, 40), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Velmora Skyline"));
    painter.drawText(QRect(136, 104, 250, 40), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Explorer"));
    QFont small = painter.font();
    small.setPointSize(9);
    small.setBold(false);
    painter.setFont(small);
    painter.setPen(QColor(0xe8, 0xb4, 0x4a));
    painter.drawText(QRect(136, 150, 250, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Velmora Avionics"));
    return picture;
}

CSplashWindow::CSplashWindow() : QSplashScreen(SplashPicture()) {
    setObjectName(QStringLiteral("SplashWindow"));
    timer_.setSingleShot(true);
    timer_.setInterval(kShowMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
}

CSplashWindow::~CSplashWindow() {
    qApp->removeEventFilter(this);
}

void CSplashWindow::ShowSplash() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    qApp->installEventFilter(this);
    timer_.start();
}

bool CSplashWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        if (isVisible()) {
            hide();
            timer_.stop();
            qApp->removeEventFilter(this);
        }
        break;
    default:
        break;
    }
    return QSplashScreen::eventFilter(watched, event);
}

} // namespace vantrel
