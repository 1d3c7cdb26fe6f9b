// korlink-host: loads libkorlink.so into a Qt application, as the explorer program does, and
// calls its exports by hand: for trying the library's dialogs and taking screenshots of them.
//
//   korlink-host [--library PATH] [--call NAME] [--screenshot FILE] [--folder PATH]
//
// With --call, the export runs at once; with --screenshot, the first dialog it opens is saved
// as a picture a moment after it shows, then closed. KORManageSites opens the site databases of
// --folder (default ~/KOR/Sites, made when missing); KOREditWaypoints edits a few sample
// navpoints.
#include "korlink/korlink.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLibrary>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

namespace {

NavpointRecord SampleNavpoint(int32_t id, const char* name, double latitude, double longitude,
                              uint32_t attributes, float elevation, const char* remark) {
    NavpointRecord record{};
    record.id = id;
    record.latitude = latitude;
    record.longitude = longitude;
    record.attributes = attributes;
    record.elevation = elevation;
    std::strncpy(record.name, name, sizeof record.name - 1);
    std::strncpy(record.remark, remark, sizeof record.remark - 1);
    return record;
}

// A few navpoints for the navpoint editor, with room for as many again.
std::vector<NavpointRecord> SampleNavpoints() {
    std::vector<NavpointRecord> records{
        SampleNavpoint(1, "HOMEFIELD", 51.508333, -0.120833, 2 | 8 | 16 | 64, 99.97f, "RWY 27"),
        SampleNavpoint(2, "CHURCH", 51.75, -0.5, 1, 120, "Spire"),
        SampleNavpoint(3, "BRIDGE", 52.125, 0.25, 1 | 32, 15, ""),
        SampleNavpoint(7, "LAKE", 51.2, 0.6, 1 | 8, 40, "Reservoir"),
        SampleNavpoint(12, "SOUTHPOINT", -33.875, 151.2, 1, 12, "Far away")};
    records.resize(records.size() * 2);
    return records;
}

// The exports this host knows how to call, by name, each with the descriptor it is given.
class LibraryCalls {
public:
    LibraryCalls(const QString& path, QString folder)
        : library_(path), folder_(std::move(folder)) {}

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
        if (name == QLatin1String("KOREditWaypoints"))
            return EditWaypoints(reinterpret_cast<decltype(&KOREditWaypoints)>(symbol), d);
        if (name == QLatin1String("KORManageSites")) {
            QDir().mkpath(folder_);
            const auto code = reinterpret_cast<decltype(&KORManageSites)>(symbol)(
                &d, QFile::encodeName(folder_).constData());
            return Code(name, code) + QStringLiteral(" folder ") + folder_;
        }
        using DescriptorOnly = uint32_t (*)(const ConnectionDescriptor*);
        return Code(name, reinterpret_cast<DescriptorOnly>(symbol)(&d));
    }

    static QStringList Names() {
        return {QStringLiteral("KORConnect"),       QStringLiteral("KORInfo"),
                QStringLiteral("KOREditConfig"),    QStringLiteral("KORAbout"),
                QStringLiteral("KORGetRevDate"),    QStringLiteral("KORGPSOff"),
                QStringLiteral("KOREditWaypoints"), QStringLiteral("KORManageSites")};
    }

private:
    static QString EditWaypoints(decltype(&KOREditWaypoints) edit, const ConnectionDescriptor& d) {
        auto records = SampleNavpoints();
        uint32_t count = 0;
        const auto code =
            edit(&d, "Sample", 5, static_cast<int32_t>(records.size()), records.data(), &count);
        QString result =
            Code(QStringLiteral("KOREditWaypoints"), code) + QStringLiteral(" count %1").arg(count);
        for (uint32_t i = 0; i < count; ++i) {
            const auto& record = records[i];
            result += QStringLiteral("\n  %1 %2 %3 %4 %5 m attributes %6 %7")
                          .arg(record.id)
                          .arg(QString::fromLatin1(record.name))
                          .arg(record.latitude, 0, 'f', 5)
                          .arg(record.longitude, 0, 'f', 5)
                          .arg(static_cast<double>(record.elevation), 0, 'f', 1)
                          .arg(record.attributes)
                          .arg(QString::fromLatin1(record.remark));
        }
        return result;
    }

    static QString Code(const QString& name, uint32_t code) {
        return QStringLiteral("%1: status %2").arg(name).arg(code);
    }

    QLibrary library_;
    QString folder_;
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
    const QCommandLineOption folderOption(
        QStringLiteral("folder"), QStringLiteral("folder of site databases for KORManageSites"),
        QStringLiteral("PATH"), QDir::homePath() + QStringLiteral("/KOR/Sites"));
    parser.addOptions({libraryOption, callOption, shotOption, folderOption});
    parser.process(application);

    LibraryCalls calls(parser.value(libraryOption), parser.value(folderOption));
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
