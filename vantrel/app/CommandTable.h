#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <vector>

namespace vantrel {

// One entry of the main menu: a command (id and exact text, with its accelerator text after a
// tab), a separator (id 0, no text), or a sub-menu (id 0, text and entries).
struct MenuItem {
    QString text;
    int id = 0;
    std::vector<MenuItem> submenu;

    bool IsSeparator() const { return id == 0 && text.isEmpty(); }
    bool IsSubmenu() const { return id == 0 && !text.isEmpty(); }
};

// The menu of the main frame and of flight windows, menu by menu.
const std::vector<MenuItem>& MainMenu();

// The keyboard accelerators of a command beyond what its menu text shows (the standard set:
// Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+P, Ctrl+Z and Alt+Backspace, Ctrl+X and Shift+Delete, Ctrl+C and
// Ctrl+Insert, Ctrl+V and Shift+Insert, F6, Shift+F6, F1, Shift+F1).
QList<QKeySequence> Accelerators(int id);

// The commands that have accelerators but no menu item.
std::vector<int> AcceleratorOnlyCommands();

// Short names of commands for tool tips and status texts.
QString CommandName(int id);

} // namespace vantrel
