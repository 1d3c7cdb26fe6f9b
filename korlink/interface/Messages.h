#pragma once

#include <string>

class QWidget;

namespace korlink {

// The library's message boxes, with texts already translated.
void ShowStop(QWidget* parent, const std::string& text);
void ShowInformation(QWidget* parent, const std::string& text);
bool AskYesNo(QWidget* parent, const std::string& text);
// OK / Cancel; true for OK.
bool AskOkCancel(QWidget* parent, const std::string& text);
enum class Answer { Yes, No, Cancel };
Answer AskYesNoCancel(QWidget* parent, const std::string& text);

// The text with its first "%d" replaced by the number.
std::string WithNumber(std::string text, long long number);

// Shows the wait cursor while it lives.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace korlink
