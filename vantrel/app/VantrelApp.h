#pragma once

#include "DocumentTemplate.h"
#include "MainFrame.h"
#include "RecentFiles.h"
#include "SplashWindow.h"
#include "commands/CommandMap.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace vantrel {

// What the command line asks for: files to open, a picture to save, no splash window.
struct CommandLine {
    QStringList files;
    QString screenshot;
    bool showSplash = true;
};

// The command line of `vantrel [FILE...] [--screenshot PNG] [--no-splash]`; none (after
// printing the reason) when it cannot be read.
std::optional<CommandLine> ParseCommandLine(const QStringList& arguments);

// The File > Open filter, as "description|patterns|...||" in the dialog's order.
inline constexpr auto kOpenFilter =
    "Velmora Navpoint Files (*.dat)|*.dat|Special Use Airspace Files (*.sua,*.air)|*.sua;*.air|"
    "Velmora KOR Files (*.kor)|*.kor|IGC Flight Data Files (*.igc)|*.igc|All Files (*.*)|*.*||";

// A "description|patterns|..||" filter as a Qt file dialog takes it: one entry per pair, the
// patterns in the description's parentheses, "*.*" as "*".
QStringList DialogFilters(const QString& filter);

// The application object: the settings store, the recent files, the document template and the
// main frame, set up in the start-up order.
class CVantrelApp : public QObject {
    Q_OBJECT
public:
    CVantrelApp();
    ~CVantrelApp() override;

    // Start-up: false when the main frame cannot be made or a file named on the command line
    // cannot be opened (the program then ends).
    bool InitInstance(const CommandLine& commandLine);

    // Opens a file as a document through the template; null when it was not opened.
    QMdiSubWindow* OpenDocumentFile(const QString& path);
    // Replaces the document template (the flight windows of a later version).
    void SetDocumentTemplate(std::unique_ptr<CDocumentTemplate> documentTemplate);

    CMainFrame* MainFrame() const { return frame_.get(); }
    CommandMap& Commands() { return commands_; }
    const RecentFiles& Recent() const { return recent_; }
    // The exit code of a --screenshot run: 0 when the picture was saved.
    int ScreenshotResult() const { return screenshotResult_; }

private:
    void RegisterCommands();
    void FileOpen();
    void TakeScreenshotWhenPainted(const QString& path);

    CommandMap commands_;
    RecentFiles recent_;
    std::unique_ptr<CDocumentTemplate> template_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<CSplashWindow> splash_;
    int screenshotResult_ = 0;
    // A --screenshot run: documents report on the console instead of in message boxes.
    bool unattended_ = false;
};

// Sets the application's names so that default settings stores are the program's.
void SelectSettingsStore();

} // namespace vantrel
