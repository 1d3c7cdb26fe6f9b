#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>

namespace vantrel {

// What a menu item or button of a command shows.
struct CommandState {
    bool enabled = true;
    bool checked = false;
};

// The commands one window handles: what each runs and, optionally, when it is enabled or
// checked (always enabled when no rule is given). A later On for the same number replaces the
// handler, which is how a window that grows takes a command over.
class CommandMap {
public:
    using Run = std::function<void()>;
    using Update = std::function<CommandState()>;

    void On(int id, Run run, Update update = {});
    void Remove(int id);
    bool Handles(int id) const { return handlers_.contains(id); }
    // Runs a command; false when this map does not handle it.
    bool Execute(int id) const;
    // The command's state; none when this map does not handle it.
    std::optional<CommandState> State(int id) const;

private:
    struct Handler {
        Run run;
        Update update;
    };
    std::map<int, Handler> handlers_;
};

// A window that handles commands of its own (a flight window, an explorer tree). The main
// frame asks the active one before its own handlers.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    virtual CommandMap& Commands() = 0;
};

// A handler for a command that a later version of the program implements: it tells the user
// that `what` is not available yet.
CommandMap::Run NotAvailableYet(QWidget* parent, const QString& what);

} // namespace vantrel
