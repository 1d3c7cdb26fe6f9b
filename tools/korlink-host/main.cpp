// korlink-host: loads libkorlink.so into a Qt application, as the explorer program does, and
// calls its exports by hand: for trying the library's dialogs and taking screenshots of them.
//
//   korlink-host [--library PATH] [--call NAME] [--screenshot FILE]
//
// With --call, the export runs at once; with --screenshot, the first dialog it opens is saved
// as a picture a moment after it shows, then closed.
#include "korlink/korlink.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLibrary>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <map>

namespace {

// The exports this host knows how to call, by name, each with the descriptor it is given.
class LibraryCalls {
public:
    explicit LibraryCalls(const QString& path) : library_(path) {}

    bool Load(QString& error) {
        if (!library_.load()) {
            error = library_.errorString();
            return false;
        }
        return true;
    }

    // Calls an export and describes what it returned; empty when the export is unknown.
    QString Call(const QString& name, const ConnectionDescriptor& d) {
        const auto symbol = library_.resolve(name.toLatin1().constData());
        if (!symbol)
            return QStringLiteral("%1: not exported").arg(name);
        if (name == QLatin1String("KORAbout"))
            return Code(name, reinterpret_cast<decltype(&KORAbout)>(symbol)());
        if (name == QLatin1String("KORGPSOff")) {
            reinterpret_cast<decltype(&KORGPSOff)>(symbol)();
            return name + QStringLiteral(": done");
        }
        if (name == QLatin1String("KORGetRevDate")) {
            char date[12] = {};
            reinterpret_cast<decltype(&KORGetRevDate)>(symbol)(date, sizeof date);
            return name + QStringLiteral(": ") + QString::fromLatin1(date);
        }
        if (name == QLatin1String("KORInfo")) {
            char pilot[25] = {}, id[5] = {}, comp[4] = {}, glider[10] = {};
            const auto code =
                reinterpret_cast<decltype(&KORInfo)>(symbol)(&d, pilot, id, comp, glider);
            return Code(name, code) + QStringLiteral(" pilot '%1' id '%2' comp '%3' glider '%4'")
                                          .arg(pilot, id, comp, glider);
        }
        using DescriptorOnly = uint32_t (*)(const ConnectionDescriptor*);
        return Code(name, reinterpret_cast<DescriptorOnly>(symbol)(&d));
    }

    static QStringList Names() {
        return {QStringLiteral("KORConnect"),    QStringLiteral("KORInfo"),
                QStringLiteral("KOREditConfig"), QStringLiteral("KORAbout"),
                QStringLiteral("KORGetRevDate"), QStringLiteral("KORGPSOff")};
    }

private:
    static QString Code(const QString& name, uint32_t code) {
        return QStringLiteral("%1: status %2").arg(name).arg(code);
    }

    QLibrary library_;
};

void ScreenshotFirstDialog(const QString& file) {
    auto* poll = new QTimer;
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
    parser.addOptions({libraryOption, callOption, shotOption});
    parser.process(application);

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
    auto* buttons = new QVBoxLayout;
    for (const auto& name : LibraryCalls::Names()) {
        auto* button = new QPushButton(name);
        QObject::connect(button, &QPushButton::clicked, [&calls, log, descriptor, name] {
            log->appendPlainText(calls.Call(name, descriptor()));
        });
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(form);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(top);
    layout->addWidget(log);

    if (parser.isSet(callOption)) {
        if (parser.isSet(shotOption))
            ScreenshotFirstDialog(parser.value(shotOption));
        const QString result = calls.Call(parser.value(callOption), descriptor());
        std::printf("%s\n", qPrintable(result));
        return 0;
    }
    window.resize(520, 360);
    window.show();
    return application.exec();
}
