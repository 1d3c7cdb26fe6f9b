#include "CommandMap.h"

#include <QMessageBox>

namespace vantrel {

void CommandMap::On(int id, Run run, Update update) {
    handlers_[id] = Handler{std::move(run), std::move(update)};
}

void CommandMap::Remove(int id) {
    handlers_.erase(id);
}

bool CommandMap::Execute(int id) const {
    const auto found = handlers_.find(id);
    if (found == handlers_.end())
        return false;
    if (found->second.run)
        found->second.run();
    return true;
}

std::optional<CommandState> CommandMap::State(int id) const {
    const auto found = handlers_.find(id);
    if (found == handlers_.end())
        return std::nullopt;
    return found->second.update ? found->second.update() : CommandState{};
}

CommandMap::Run NotAvailableYet(QWidget* parent, const QString& what) {
    return [parent, what] {
        QMessageBox::information(parent, QStringLiteral("Velmora Skyline Explorer"),
                                 what + QStringLiteral(" is not available yet."));
    };
}

} // namespace vantrel
