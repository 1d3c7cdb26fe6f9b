#pragma once

#include <string>

class QWidget;

namespace korlink {

// The library's message boxes, with texts already translated.
void ShowStop(QWidget* parent, const std::string& text);
void ShowInformation(QWidget* parent, const std::string& text);
bool AskYesNo(QWidget* parent, const std::string& text);
// Yes, No and Cancel; true only for Yes.
bool AskYesNoCancel(QWidget* parent, const std::string& text);

// Shows the wait cursor while it lives.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace korlink
