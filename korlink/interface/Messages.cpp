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

bool AskOkCancel(QWidget* parent, const std::string& text) {
    return QMessageBox::warning(parent, Caption(), QString::fromStdString(text),
                                QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

Answer AskYesNoCancel(QWidget* parent, const std::string& text) {
    switch (QMessageBox::question(parent, Caption(), QString::fromStdString(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::string WithNumber(std::string text, long long number) {
    if (const auto at = text.find("%d"); at != std::string::npos)
        text.replace(at, 2, std::to_string(number));
    return text;
}

WaitCursor::WaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace korlink
