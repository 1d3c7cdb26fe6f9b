#include "LibraryCalls.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace {

using Descriptor = ConnectionDescriptor;
using Caller = std::function<QString(QFunctionPointer, const Descriptor&, const CallArguments&)>;

// The export's own type for a resolved symbol.
template <typename Function> Function As(QFunctionPointer symbol) {
    return reinterpret_cast<Function>(symbol);
}

QString Status(uint32_t code) {
    return QStringLiteral("status %1").arg(code);
}

QByteArray Path(const QString& path) {
    return QFile::encodeName(path);
}

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

// A few navpoints for the navpoint editor and for sending, with room for as many again.
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
constexpr int32_t kSampleCount = 5;

QString NavpointLines(const NavpointRecord* records, uint32_t count) {
    QString lines;
    for (uint32_t i = 0; i < count; ++i) {
        const auto& record = records[i];
        lines += QStringLiteral("\n  %1 %2 %3 %4 %5 m attributes %6 %7")
                     .arg(record.id)
                     .arg(QString::fromLatin1(record.name))
                     .arg(record.latitude, 0, 'f', 5)
                     .arg(record.longitude, 0, 'f', 5)
                     .arg(static_cast<double>(record.elevation), 0, 'f', 1)
                     .arg(record.attributes)
                     .arg(QString::fromLatin1(record.remark));
    }
    return lines;
}

QString LogPaths(const LogPathList& list) {
    QString paths = QStringLiteral(" count %1").arg(list.count);
    for (uint32_t i = 0; i < list.count && i < std::size(list.paths); ++i)
        paths += QStringLiteral("\n  ") + QFile::decodeName(list.paths[i]);
    return paths;
}

QString Numbers(const int32_t* numbers, std::size_t count) {
    QStringList texts;
    for (std::size_t i = 0; i < count; ++i)
        texts += QString::number(numbers[i]);
    return texts.join(QLatin1Char(' '));
}

QString GetLogs(QFunctionPointer f, const Descriptor& d, const CallArguments& a) {
    LogPathList list{};
    const auto code = As<decltype(&KORGetLogs)>(f)(&d, Path(a.folder).constData(), &list);
    return Status(code) + LogPaths(list);
}

QString GetWaypoints(QFunctionPointer f, const Descriptor& d, const CallArguments&) {
    std::vector<NavpointRecord> records(250);
    uint32_t count = 0;
    char site[33] = {};
    const auto code = As<decltype(&KORGetWaypoints)>(f)(&d, static_cast<int32_t>(records.size()),
                                                        records.data(), &count, site);
    return Status(code) +
           QStringLiteral(" site '%1' count %2").arg(QString::fromLatin1(site)).arg(count) +
           NavpointLines(records.data(), count);
}

QString SetWaypoints(QFunctionPointer f, const Descriptor& d, const CallArguments&) {
    const auto records = SampleNavpoints();
    uint32_t sent = 0;
    const auto code =
        As<decltype(&KORSetWaypoints)>(f)(&d, kSampleCount, records.data(), "Sample", &sent);
    return Status(code) + QStringLiteral(" sent %1").arg(sent);
}

QString EditWaypoints(QFunctionPointer f, const Descriptor& d, const CallArguments&) {
    auto records = SampleNavpoints();
    uint32_t count = 0;
    const auto code = As<decltype(&KOREditWaypoints)>(f)(
        &d, "Sample", kSampleCount, static_cast<int32_t>(records.size()), records.data(), &count);
    return Status(code) + QStringLiteral(" count %1").arg(count) +
           NavpointLines(records.data(), count);
}

QString GetSingleLog(QFunctionPointer f, const Descriptor& d, const CallArguments& a) {
    char path[256] = {};
    const auto code =
        As<decltype(&KORGetSingleLog)>(f)(&d, Path(a.folder).constData(), a.day, a.month, path);
    return Status(code) + QStringLiteral(" path '%1'").arg(QFile::decodeName(path));
}

QString GetLog(QFunctionPointer f, const Descriptor& d, const CallArguments& a) {
    LogResult result{};
    const auto code =
        As<decltype(&KORGetLog)>(f)(&d, Path(a.folder).constData(), a.number, &result);
    return Status(code) + QStringLiteral(" written %1 path '%2'")
                              .arg(result.written)
                              .arg(QFile::decodeName(result.path));
}

QString GetLogInfo(QFunctionPointer f, const Descriptor& d, const CallArguments&) {
    auto list = std::make_unique<LogInfoList>();
    const auto code = As<decltype(&KORGetLogInfo)>(f)(&d, list.get());
    QString text = Status(code) + QStringLiteral(" count %1").arg(list->count);
    for (uint32_t i = 0; i < list->count && i < std::size(list->descriptions); ++i)
        text += QStringLiteral("\n  ") + QString::fromLatin1(list->descriptions[i]);
    return text;
}

QString ConvertFile(QFunctionPointer f, const Descriptor&, const CallArguments& a) {
    char name[512] = {};
    uint32_t checkOk = 0;
    const auto code = As<decltype(&KORConvertFile)>(f)(Path(a.file).constData(),
                                                       Path(a.folder).constData(), name, &checkOk);
    return Status(code) +
           QStringLiteral(" file '%1' check %2").arg(QFile::decodeName(name)).arg(checkOk);
}

QString ValidateIgcFile(QFunctionPointer f, const Descriptor&, const CallArguments& a) {
    std::array<char, 4096> report{};
    const auto code = As<decltype(&KORValidateIGCFile)>(f)(
        Path(a.file).constData(), static_cast<int32_t>(report.size()), report.data());
    return Status(code) + QStringLiteral(" report '%1'").arg(QString::fromLatin1(report.data()));
}

QString GetLogFileTime(QFunctionPointer f, const Descriptor&, const CallArguments& a) {
    uint8_t time[6] = {};
    uint32_t estimate = 0;
    const auto code =
        As<decltype(&KORGetLogFileTime)>(f)(Path(a.file).constData(), time, &estimate);
    return Status(code) + QStringLiteral(" time %1-%2-%3 %4:%5:%6 fixes %7")
                              .arg(time[0])
                              .arg(time[1])
                              .arg(time[2])
                              .arg(time[3])
                              .arg(time[4])
                              .arg(time[5])
                              .arg(estimate);
}

QString GetTasks(QFunctionPointer f, const Descriptor& d, const CallArguments&) {
    std::array<int32_t, 90> tasks{};
    const auto code = As<decltype(&KORGetTasks)>(f)(&d, tasks.data());
    QString text = Status(code);
    for (std::size_t task = 0; task < 10; ++task)
        text += QStringLiteral("\n  task %1: ").arg(task + 1) + Numbers(&tasks[task * 9], 9);
    return text;
}

QString SetTask(QFunctionPointer f, const Descriptor& d, const CallArguments& a) {
    const std::vector<int32_t> ids(a.ids.begin(), a.ids.end());
    return Status(
        As<decltype(&KORSetTask)>(f)(&d, a.number, static_cast<int32_t>(ids.size()), ids.data()));
}

QString GetDeclaration(QFunctionPointer f, const Descriptor& d, const CallArguments&) {
    char first[32] = {}, second[32] = {};
    uint32_t count = 0;
    std::array<int32_t, 9> numbers{};
    const auto code =
        As<decltype(&KORGetDeclaration)>(f)(&d, first, second, &count, numbers.data());
    return Status(code) +
           QStringLiteral(" declared '%1' second '%2' points %3: ")
               .arg(QString::fromLatin1(first), QString::fromLatin1(second))
               .arg(count) +
           Numbers(numbers.data(), std::min<std::size_t>(count, numbers.size()));
}

QString SiteNameOf(QFunctionPointer f, const Descriptor& d, const CallArguments&) {
    char site[33] = {};
    const auto code = As<decltype(&KORGetSiteName)>(f)(&d, site);
    return Status(code) + QStringLiteral(" site '%1'").arg(QString::fromLatin1(site));
}

QString Info(QFunctionPointer f, const Descriptor& d, const CallArguments&) {
    char pilot[25] = {}, id[5] = {}, comp[4] = {}, glider[10] = {};
    const auto code = As<decltype(&KORInfo)>(f)(&d, pilot, id, comp, glider);
    return Status(code) +
           QStringLiteral(" pilot '%1' id '%2' comp '%3' glider '%4'").arg(pilot, id, comp, glider);
}

QString RevDate(QFunctionPointer f, const Descriptor&, const CallArguments&) {
    char date[12] = {};
    As<decltype(&KORGetRevDate)>(f)(date, sizeof date);
    return QString::fromLatin1(date);
}

QString GpsOff(QFunctionPointer f, const Descriptor&, const CallArguments&) {
    As<decltype(&KORGPSOff)>(f)();
    return QStringLiteral("done");
}

using Callers = std::vector<std::pair<QString, Caller>>;

// By ordinal.
const Callers& AllCallers() {
    static const Callers callers{
        {QStringLiteral("KORInfo"), Info},
        {QStringLiteral("KORGetLogs"), GetLogs},
        {QStringLiteral("KOREditConfig"),
         [](QFunctionPointer f, const Descriptor& d, const CallArguments&) {
             return Status(As<decltype(&KOREditConfig)>(f)(&d));
         }},
        {QStringLiteral("KORGetWaypoints"), GetWaypoints},
        {QStringLiteral("KORGetSingleLog"), GetSingleLog},
        {QStringLiteral("KORValidateFile"),
         [](QFunctionPointer f, const Descriptor&, const CallArguments& a) {
             return Status(As<decltype(&KORValidateFile)>(f)(Path(a.file).constData()));
         }},
        {QStringLiteral("KORConvertFile"), ConvertFile},
        {QStringLiteral("KORGetTasks"), GetTasks},
        {QStringLiteral("KORSetTask"), SetTask},
        {QStringLiteral("KORDeclareTask"),
         [](QFunctionPointer f, const Descriptor& d, const CallArguments& a) {
             return Status(As<decltype(&KORDeclareTask)>(f)(&d, a.number));
         }},
        {QStringLiteral("KORGetDeclaration"), GetDeclaration},
        {QStringLiteral("KORAbout"),
         [](QFunctionPointer f, const Descriptor&, const CallArguments&) {
             return Status(As<decltype(&KORAbout)>(f)());
         }},
        {QStringLiteral("KORManageSites"),
         [](QFunctionPointer f, const Descriptor& d, const CallArguments& a) {
             return Status(As<decltype(&KORManageSites)>(f)(&d, Path(a.folder).constData())) +
                    QStringLiteral(" folder ") + a.folder;
         }},
        {QStringLiteral("KORGetLogInfo"), GetLogInfo},
        {QStringLiteral("KORConnect"),
         [](QFunctionPointer f, const Descriptor& d, const CallArguments&) {
             return Status(As<decltype(&KORConnect)>(f)(&d));
         }},
        {QStringLiteral("KORGetLog"), GetLog},
        {QStringLiteral("KORGetSiteName"), SiteNameOf},
        {QStringLiteral("KORSetWaypoints"), SetWaypoints},
        {QStringLiteral("KOREditWaypoints"), EditWaypoints},
        {QStringLiteral("KORGetLogFileTime"), GetLogFileTime},
        {QStringLiteral("KORGetRevDate"), RevDate},
        {QStringLiteral("KORGPSOff"), GpsOff},
        {QStringLiteral("KORValidateIGCFile"), ValidateIgcFile},
    };
    return callers;
}

Callers::const_iterator Find(const QString& name) {
    return std::find_if(AllCallers().begin(), AllCallers().end(),
                        [&](const auto& caller) { return caller.first == name; });
}

} // namespace

LibraryCalls::LibraryCalls(const QString& path) : library_(path) {}

bool LibraryCalls::Load(QString& error) {
    if (!library_.load()) {
        error = library_.errorString();
        return false;
    }
    return true;
}

bool LibraryCalls::Knows(const QString& name) {
    return Find(name) != AllCallers().end();
}

QStringList LibraryCalls::Names() {
    QStringList names;
    for (const auto& caller : AllCallers())
        names += caller.first;
    return names;
}

bool LibraryCalls::TakesFolder(const QString& name) {
    return QStringList{QStringLiteral("KORGetLogs"), QStringLiteral("KORGetSingleLog"),
                       QStringLiteral("KORGetLog"), QStringLiteral("KORConvertFile"),
                       QStringLiteral("KORManageSites")}
        .contains(name);
}

QString LibraryCalls::Call(const QString& name, const ConnectionDescriptor& descriptor,
                           const CallArguments& arguments) {
    const auto caller = Find(name);
    if (caller == AllCallers().end())
        return QStringLiteral("%1: not an export of the library").arg(name);
    const auto symbol = library_.resolve(name.toLatin1().constData());
    if (!symbol)
        return QStringLiteral("%1: not exported").arg(name);
    return name + QStringLiteral(": ") + caller->second(symbol, descriptor, arguments);
}
