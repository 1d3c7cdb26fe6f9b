#pragma once

#include "document/FlightDocument.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QString>

namespace vantrel {

// The program's one document template: it opens a file as a document in a new flight window.
// The flight window may also be a CommandTarget (its view commands) and a FlightWindow.
class CDocumentTemplate {
public:
    virtual ~CDocumentTemplate() = default;
    // Opens a file in a new flight window of `area`; null when the document refused the file
    // (it has told the user why through `prompt`).
    virtual QMdiSubWindow* OpenDocumentFile(const QString& path, QMdiArea& area,
                                            DocumentPrompt& prompt) = 0;
};

// What the main frame asks of the active flight window.
class FlightWindow {
public:
    virtual ~FlightWindow() = default;
    // Whether its animation is running (Overlay and Define and Transfer wait for it to stop).
    virtual bool PlaybackRunning() const = 0;
};

// The template until flight windows draw flights: it reads the file with the flight reader and
// shows what it read as text, saying that the flight display is not there yet.
class CFlightSummaryTemplate : public CDocumentTemplate {
public:
    QMdiSubWindow* OpenDocumentFile(const QString& path, QMdiArea& area,
                                    DocumentPrompt& prompt) override;
};

// Messages of documents in message boxes (stop icon) and questions with Yes and No.
class MessageBoxPrompt : public DocumentPrompt {
public:
    explicit MessageBoxPrompt(QWidget* parent) : parent_(parent) {}
    void ShowError(const std::string& message) override;
    bool AskYesNo(const std::string& question) override;

private:
    QWidget* parent_;
};

// Messages of documents on the standard error stream, for runs nobody watches (pictures
// taken with --screenshot); every question is answered No.
class ConsolePrompt : public DocumentPrompt {
public:
    void ShowError(const std::string& message) override;
    bool AskYesNo(const std::string& question) override;
};

} // namespace vantrel
