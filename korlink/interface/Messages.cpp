#include "Messages.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

namespace korlink {
namespace {

QString Caption() {
    return QApplication::applicationDisplayName();
}

} // namespace

void ShowStop(QWidget* parent, const std::string& text) {
    QMessageBox::critical(parent, Caption(), QString::fromStdString(text));
}

void ShowInformation(QWidget* parent, const std::string& text) {
    QMessageBox::information(parent, Caption(), QString::fromStdString(text));
}

bool AskYesNo(QWidget* parent, const std::string& text) {
    return QMessageBox::question(parent, Caption(), QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool AskYesNoCancel(QWidget* parent, const std::string& text) {
    return QMessageBox::question(parent, Caption(), QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) ==
           QMessageBox::Yes;
}

WaitCursor::WaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace korlink
