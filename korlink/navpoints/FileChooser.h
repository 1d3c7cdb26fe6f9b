#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace korlink {

// A question for a file path, as a file dialog asks it.
struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;
    // Qt's filter syntax: "Name (*.dat);;All Files (*)".
    QString filter;
    QString defaultSuffix;
    // The file name offered at first (save dialogs).
    QString suggestedName;
};

// Asks the user for a path; empty when the user cancels. Dialogs take one so that a caller
// (a test) can answer without a file dialog.
using FileChooser = std::function<QString(QWidget* parent, const FileRequest& request)>;

// Asks through QFileDialog; a save dialog asks before it replaces an existing file.
QString AskForFile(QWidget* parent, const FileRequest& request);

} // namespace korlink
