// The flight window until flights are drawn: what the flight reader found in the file, as text.
#include "DocumentTemplate.h"
#include "document/FlightDocument.h"
#include "korlink/korlink.h"
#include "settings/ProgramSettings.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <memory>

namespace vantrel {
namespace {

DocumentSettings SettingsOfDocument() {
    const ProgramSettings settings;
    DocumentSettings document;
    document.time.logTimeOption = settings.Integer(QStringLiteral("LogTimeOption"), 0);
    document.time.logTimeUserMinutes = 60 * settings.Integer(QStringLiteral("LogTimeUserValue"), 0);
    document.navpointDefault = settings.Integer(QStringLiteral("NavpointDefault"), 1);
    document.navpointDefaultFile =
        settings.Text(QStringLiteral("NavpointDefaultFile"), QString()).toStdString();
    document.navpointControlPointsOnly =
        settings.Integer(QStringLiteral("NavpointControlPointsOnly"), 0) != 0;
    return document;
}

QString TimeText(std::optional<std::time_t> time) {
    if (!time)
        return QStringLiteral("-");
    std::tm local{};
    localtime_r(&*time, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return QString::fromLatin1(text);
}

QString Summary(const FlightDocument& document, const FlightDocument::Added& added) {
    QStringList lines;
    for (const auto& flight : document.Flights()) {
        const IgcHeader& header = flight->Header();
        lines << QStringLiteral("Flight: %1").arg(QString::fromStdString(flight->Path().string()));
        lines << QStringLiteral("Pilot: %1").arg(QString::fromStdString(header.pilot));
        lines << QStringLiteral("Glider: %1 %2")
                     .arg(QString::fromStdString(header.gliderType),
                          QString::fromStdString(header.gliderId));
        lines << QStringLiteral("Date: %1-%2-%3")
                     .arg(header.date.year, 4, 10, QLatin1Char('0'))
                     .arg(header.date.month, 2, 10, QLatin1Char('0'))
                     .arg(header.date.day, 2, 10, QLatin1Char('0'));
        lines << QStringLiteral("Fixes: %1 (first %2, last %3)")
                     .arg(flight->FixCount())
                     .arg(TimeText(flight->FirstFixTime()), TimeText(flight->LastFixTime()));
    }
    lines << QStringLiteral("Navpoints shown: %1").arg(added.shownNavpoints.size());
    if (!added.airspaceSections.empty())
        lines << QStringLiteral("Airspace sections: %1").arg(added.airspaceSections.size());
    lines << QString() << QStringLiteral("The map and barogram display is not available yet.");
    return lines.join(u'\n');
}

} // namespace

QMdiSubWindow* CFlightSummaryTemplate::OpenDocumentFile(const QString& path, QMdiArea& area,
                                                        DocumentPrompt& prompt) {
    FlightDocument document(SettingsOfDocument(), KORConvertFile);
    const FlightDocument::Added added = document.Open(path.toStdString(), prompt);
    if (!added.ok)
        return nullptr;
    auto* text = new QPlainTextEdit(Summary(document, added));
    text->setReadOnly(true);
    QMdiSubWindow* window = area.addSubWindow(text);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QFileInfo(path).fileName());
    window->showMaximized();
    return window;
}

} // namespace vantrel
