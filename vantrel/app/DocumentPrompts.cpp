#include "DocumentTemplate.h"

#include <QMessageBox>
#include <cstdio>

namespace vantrel {
namespace {

constexpr auto kCaption = "Velmora Skyline Explorer";

} // namespace

void MessageBoxPrompt::ShowError(const std::string& message) {
    QMessageBox::critical(parent_, QLatin1String(kCaption), QString::fromStdString(message));
}

bool MessageBoxPrompt::AskYesNo(const std::string& question) {
    return QMessageBox::question(parent_, QLatin1String(kCaption), QString::fromStdString(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void ConsolePrompt::ShowError(const std::string& message) {
    std::fprintf(stderr, "vantrel: %s\n", message.c_str());
}

bool ConsolePrompt::AskYesNo(const std::string& question) {
    std::fprintf(stderr, "vantrel: %s (answered No)\n", question.c_str());
    return false;
}

} // namespace vantrel
