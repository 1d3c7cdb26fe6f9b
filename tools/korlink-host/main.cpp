// korlink-host: loads libkorlink.so into a Qt application, as the explorer program does, and
// calls its exports by hand: for trying the library's dialogs and taking screenshots of them.
//
//   korlink-host [--library PATH] [--call NAME] [--screenshot FILE] [--folder PATH]
//                [--file PATH] [--number N] [--date DD.MM] [--ids 1,2,3] [--quiet]
//
// With --call, the export runs at once with the arguments its declaration names; a name that is
// not one of the 23 exports is refused. With --screenshot, the first dialog it opens is saved as
// a picture a moment after it shows, then closed. Flights go to --folder (default ~/KOR/Flights)
// and KORManageSites opens the site databases there (default ~/KOR/Sites), made when missing;
// the file exports take --file; KORGetLog takes log --number, KORSetTask and KORDeclareTask
// task --number, KORSetTask the navpoint --ids, KORGetSingleLog the --date; KOREditWaypoints
// and KORSetWaypoints use a few sample navpoints.
#include "LibraryCalls.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

namespace {

// Polls for the first modal dialog; the poll belongs to `owner` until it has found one.
void ScreenshotFirstDialog(const QString& file, QObject* owner) {
    auto* poll = new QTimer(owner);
    poll->setInterval(1500);
    QObject::connect(poll, &QTimer::timeout, [poll, file] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->grab().save(file);
            dialog->close();
            poll->deleteLater();
        }
    });
    poll->start();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("korlink-host"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption libraryOption(
        QStringLiteral("library"), QStringLiteral("library to load"), QStringLiteral("PATH"),
        QStringLiteral(KORLINK_LIBRARY_PATH));
    const QCommandLineOption callOption(
        QStringLiteral("call"), QStringLiteral("export to call at once"), QStringLiteral("NAME"));
    const QCommandLineOption shotOption(QStringLiteral("screenshot"),
                                        QStringLiteral("save the first dialog as a picture"),
                                        QStringLiteral("FILE"));
    const QCommandLineOption folderOption(
        QStringLiteral("folder"),
        QStringLiteral("folder for flights (~/KOR/Flights), or site databases (~/KOR/Sites)"),
        QStringLiteral("PATH"));
    const QCommandLineOption fileOption(
        QStringLiteral("file"), QStringLiteral("stored log or IGC file for the file exports"),
        QStringLiteral("PATH"));
    const QCommandLineOption numberOption(QStringLiteral("number"),
                                          QStringLiteral("log number or task number"),
                                          QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption dateOption(QStringLiteral("date"),
                                        QStringLiteral("day and month for KORGetSingleLog"),
                                        QStringLiteral("DD.MM"), QStringLiteral("1.1"));
    const QCommandLineOption idsOption(QStringLiteral("ids"),
                                       QStringLiteral("navpoint ids for KORSetTask"),
                                       QStringLiteral("1,2,3"), QStringLiteral("1,2,3"));
    const QCommandLineOption quietOption(
        QStringLiteral("quiet"), QStringLiteral("set the descriptor's quiet flag (no dialogs)"));
    parser.addOptions({libraryOption, callOption, shotOption, folderOption, fileOption,
                       numberOption, dateOption, idsOption, quietOption});
    parser.process(application);

    const auto arguments = [&](const QString& name) {
        CallArguments call;
        const bool sites = name == QLatin1String("KORManageSites");
        call.folder = parser.isSet(folderOption)
                          ? parser.value(folderOption)
                          : QDir::homePath() + (sites ? QStringLiteral("/KOR/Sites")
                                                      : QStringLiteral("/KOR/Flights"));
        if (LibraryCalls::TakesFolder(name))
            QDir().mkpath(call.folder);
        call.file = parser.value(fileOption);
        call.number = parser.value(numberOption).toInt();
        const auto date = parser.value(dateOption).split(QLatin1Char('.'));
        call.day = date.value(0).toInt();
        call.month = date.value(1).toInt();
        call.ids.clear();
        for (const auto& id : parser.value(idsOption).split(QLatin1Char(','), Qt::SkipEmptyParts))
            call.ids += id.toInt();
        return call;
    };

    if (parser.isSet(callOption) && !LibraryCalls::Knows(parser.value(callOption))) {
        std::fprintf(stderr, "korlink-host: %s is not an export it can call; these are:\n  %s\n",
                     qPrintable(parser.value(callOption)),
                     qPrintable(LibraryCalls::Names().join(QStringLiteral(" "))));
        return 2;
    }
    LibraryCalls calls(parser.value(libraryOption));
    QString error;
    if (!calls.Load(error)) {
        qCritical("korlink-host: %s", qPrintable(error));
        return 1;
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("korlink-host"));
    auto* port = new QSpinBox;
    port->setRange(1, 8);
    auto* language = new QSpinBox;
    language->setRange(-1, 10);
    auto* retries = new QSpinBox;
    retries->setRange(0, 100);
    retries->setValue(3);
    auto* quiet = new QSpinBox;
    quiet->setRange(0, 1);
    quiet->setValue(parser.isSet(quietOption) ? 1 : 0);
    auto* log = new QPlainTextEdit;
    log->setReadOnly(true);
    const auto descriptor = [=] {
        return ConnectionDescriptor{
            static_cast<uint16_t>(port->value()), static_cast<int16_t>(language->value()),
            static_cast<uint16_t>(retries->value()), static_cast<uint8_t>(quiet->value())};
    };
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Port"), port);
    form->addRow(QStringLiteral("Language"), language);
    form->addRow(QStringLiteral("Retries"), retries);
    form->addRow(QStringLiteral("Quiet"), quiet);
    auto* buttons = new QGridLayout;
    constexpr int kButtonColumns = 3;
    for (const auto& name : LibraryCalls::Names()) {
        auto* button = new QPushButton(name);
        QObject::connect(button, &QPushButton::clicked, [&calls, log, descriptor, arguments, name] {
            log->appendPlainText(calls.Call(name, descriptor(), arguments(name)));
        });
        const int index = buttons->count();
        buttons->addWidget(button, index / kButtonColumns, index % kButtonColumns);
    }
    buttons->setRowStretch(buttons->rowCount(), 1);
    auto* top = new QHBoxLayout;
    top->addLayout(form);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(top);
    layout->addWidget(log);

    if (parser.isSet(callOption)) {
        if (parser.isSet(shotOption))
            ScreenshotFirstDialog(parser.value(shotOption), &application);
        const QString name = parser.value(callOption);
        const QString result = calls.Call(name, descriptor(), arguments(name));
        std::printf("%s\n", qPrintable(result));
        return 0;
    }
    window.resize(720, 480);
    window.show();
    return application.exec();
}
