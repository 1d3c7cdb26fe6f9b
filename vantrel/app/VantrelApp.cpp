#include "VantrelApp.h"

#include "commands/CommandIds.h"
#include "settings/ProgramSettings.h"

#include <QCommandLineParser>
#include <QFileDialog>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>

namespace vantrel {

std::optional<CommandLine> ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QLatin1String(kProductName));
    parser.addHelpOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the main window to FILE once it has painted, then exit."),
        QStringLiteral("FILE"));
    const QCommandLineOption noSplash(QStringLiteral("no-splash"),
                                      QStringLiteral("Do not show the splash window."));
    parser.addOption(screenshot);
    parser.addOption(noSplash);
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Files to open."),
                                 QStringLiteral("[FILE...]"));
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "vantrel: %s\n", qPrintable(parser.errorText()));
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fprintf(stdout, "%s", qPrintable(parser.helpText()));
        return std::nullopt;
    }
    CommandLine line;
    line.files = parser.positionalArguments();
    line.screenshot = parser.value(screenshot);
    line.showSplash = !parser.isSet(noSplash);
    return line;
}

QStringList DialogFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (description.isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        if (patterns == QLatin1String("*.*"))
            patterns = QStringLiteral("*");
        description.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)$")));
        filters << description + QStringLiteral(" (") + patterns + u')';
    }
    return filters;
}

void SelectSettingsStore() {
    QCoreApplication::setOrganizationName(QLatin1String(kCompanyKey));
    QCoreApplication::setApplicationName(QLatin1String(kProductName));
}

CVantrelApp::CVantrelApp() : template_(std::make_unique<CFlightSummaryTemplate>()) {
    RegisterCommands();
}

CVantrelApp::~CVantrelApp() = default;

bool CVantrelApp::InitInstance(const CommandLine& commandLine) {
    SelectSettingsStore();
    unattended_ = !commandLine.screenshot.isEmpty();
    recent_ = RecentFiles();
    frame_ = std::make_unique<CMainFrame>(commands_);
    frame_->SetMapPluginFinder(
        [] { return FindMapPlugin(MapPluginCandidates(QCoreApplication::applicationDirPath())); });
    if (commandLine.showSplash && commandLine.screenshot.isEmpty()) {
        splash_ = std::make_unique<CSplashWindow>();
        splash_->ShowSplash();
    }
    frame_->setWindowTitle(QLatin1String(kProductName));
    for (const QString& file : commandLine.files)
        if (!OpenDocumentFile(file))
            return false;
    frame_->RestorePlacement();
    frame_->ShowRestored();
    frame_->UpdateCommands();
    if (!commandLine.screenshot.isEmpty())
        TakeScreenshotWhenPainted(commandLine.screenshot);
    return true;
}

QMdiSubWindow* CVantrelApp::OpenDocumentFile(const QString& path) {
    MessageBoxPrompt boxes(frame_.get());
    ConsolePrompt console;
    DocumentPrompt& prompt = unattended_ ? static_cast<DocumentPrompt&>(console) : boxes;
    QMdiSubWindow* window = template_->OpenDocumentFile(path, frame_->DocumentArea(), prompt);
    if (window)
        recent_.Add(QFileInfo(path).absoluteFilePath());
    frame_->UpdateCommands();
    return window;
}

void CVantrelApp::SetDocumentTemplate(std::unique_ptr<CDocumentTemplate> documentTemplate) {
    template_ = std::move(documentTemplate);
}

void CVantrelApp::RegisterCommands() {
    commands_.On(cmd::kFileOpen, [this] { FileOpen(); });
    for (int n = 0; n < RecentFiles::kSize; ++n)
        commands_.On(
            cmd::kRecentFile + n,
            [this, n] {
                const QStringList files = recent_.Files();
                if (n >= files.size())
                    return;
                const QString path = files[n];
                if (!OpenDocumentFile(path))
                    recent_.Remove(path);
            },
            [this, n] { return CommandState{n < recent_.Files().size()}; });
}

void CVantrelApp::FileOpen() {
    const QStringList filters = DialogFilters(QLatin1String(kOpenFilter));
    QString selected = filters.value(4);
    const QString start = ProgramSettings().FlightLogFolder();
    const QStringList paths =
        QFileDialog::getOpenFileNames(frame_.get(), QStringLiteral("Select Files"), start,
                                      filters.join(QStringLiteral(";;")), &selected);
    for (const QString& path : paths)
        OpenDocumentFile(path);
}

void CVantrelApp::TakeScreenshotWhenPainted(const QString& path) {
    // Queued behind the events of showing the windows, so that everything has been laid out
    // and painted once before the picture is taken.
    QTimer::singleShot(0, frame_.get(), [this, path] {
        QCoreApplication::processEvents();
        const bool saved = frame_->grab().save(path, "PNG");
        if (!saved)
            std::fprintf(stderr, "vantrel: cannot save the picture %s\n", qPrintable(path));
        screenshotResult_ = saved ? 0 : 1;
        frame_->close();
    });
}

} // namespace vantrel
