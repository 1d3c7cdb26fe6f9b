// kor igc-info, kor airspace: what the flight reader finds in IGC files and airspace files.
#include "Commands.h"
#include "FlightFile.h"
#include "JsonText.h"
#include "TimeOptions.h"
#include "document/AirspaceFile.h"
#include "document/IgcFlight.h"

#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kor {
namespace {

using vantrel::IgcFlight;

struct IgcInfoOptions {
    std::vector<std::string> files;
    bool json = false;
    vantrel::TimeSettings time;
};

// What igc-info reports for one file.
struct FlightReport {
    std::string file;
    std::optional<std::string> error;
    IgcFlight flight;
};

FlightReport ReadFlight(const std::string& file, const vantrel::TimeSettings& time) {
    FlightReport report{file, std::nullopt, {}};
    report.error = ReadFlightFile(file, time, report.flight);
    if (!report.error && !HoldsFlight(report.flight))
        report.error = "not a flight: it holds no fixes";
    return report;
}

// "2004-02-01T10:00:00" for seconds since 1970, UTC.
std::string DateTimeText(std::int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm fields{};
    char text[40] = "";
    if (::gmtime_r(&time, &fields))
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &fields);
    return text;
}

// An offset from UTC in minutes east: "-05:00", "+05:30".
std::string ZoneText(long long minutes) {
    const long long magnitude = minutes < 0 ? -minutes : minutes;
    char text[32];
    std::snprintf(text, sizeof text, "%c%02lld:%02lld", minutes < 0 ? '-' : '+', magnitude / 60,
                  magnitude % 60);
    return text;
}

std::optional<std::string> UtcText(std::optional<std::int64_t> record) {
    if (!record)
        return std::nullopt;
    return DateTimeText(*record) + "Z";
}

// A record time as local time after a shift of `shift` minutes, with its offset from UTC.
std::optional<std::string> LocalText(std::optional<std::int64_t> record, long long shift) {
    if (!record)
        return std::nullopt;
    return DateTimeText(*record - shift * 60) + ZoneText(-shift);
}

std::string DeclarationsJson(const IgcFlight& flight) {
    std::vector<std::string> declarations;
    for (const auto& declaration : flight.Declarations()) {
        std::vector<std::string> points;
        for (const auto& point : declaration.points)
            points.push_back(JsonObject()
                                 .Add("lat", point.latitude)
                                 .Add("lon", point.longitude)
                                 .Add("name", point.name)
                                 .Text());
        declarations.push_back(
            JsonObject()
                .Add("task_number", static_cast<long long>(declaration.taskNumber))
                .Add("turnpoints", static_cast<long long>(declaration.turnpointCount))
                .AddJson("points", JsonArray(points))
                .Text());
    }
    return JsonArray(declarations);
}

JsonObject& AddText(JsonObject& object, std::string_view key,
                    const std::optional<std::string>& text) {
    return text ? object.Add(key, *text) : object.AddNull(key);
}

std::string ReportJson(const FlightReport& report) {
    const IgcFlight& flight = report.flight;
    const auto& header = flight.Header();
    const long long shift = flight.TimeShiftMinutes();
    JsonObject object;
    object.Add("file", report.file)
        .Add("fixes", static_cast<long long>(flight.FixCount()))
        .Add("invalid_fixes", static_cast<long long>(flight.InvalidFixCount()));
    AddText(object, "first_fix_utc", UtcText(flight.FirstRecordTime()));
    AddText(object, "last_fix_utc", UtcText(flight.LastRecordTime()));
    AddText(object, "first_fix_local", LocalText(flight.FirstRecordTime(), shift));
    AddText(object, "last_fix_local", LocalText(flight.LastRecordTime(), shift));
    object.Add("max_pressure_alt_ft", static_cast<long long>(flight.MaxPressureAltitude()))
        .Add("max_gps_alt_ft", static_cast<long long>(flight.MaxGpsAltitude()))
        .Add("pilot", header.pilot)
        .Add("glider_type", header.gliderType)
        .Add("glider_id", header.gliderId)
        .Add("competition_id", header.competitionId)
        .Add("recorder_id", header.recorderId)
        .Add("manufacturer", header.manufacturer)
        .Add("hardware_version", header.hardwareVersion)
        .Add("time_zone", header.timeZoneMinutes / 60.0)
        .AddJson("declarations", DeclarationsJson(flight))
        .Add("log_navpoints", static_cast<long long>(flight.LogNavpoints().Count()));
    AddText(object, "error", report.error);
    return object.Text();
}

void PrintReport(const FlightReport& report) {
    const IgcFlight& flight = report.flight;
    const auto& header = flight.Header();
    const auto shown = [](const std::optional<std::string>& text) {
        return text ? *text : std::string("-");
    };
    std::printf("%s\n", report.file.c_str());
    std::printf("  fixes            %d (%d invalid)\n", flight.FixCount(),
                flight.InvalidFixCount());
    std::printf("  first fix        %s  local %s\n",
                shown(UtcText(flight.FirstRecordTime())).c_str(),
                shown(LocalText(flight.FirstRecordTime(), flight.TimeShiftMinutes())).c_str());
    std::printf("  last fix         %s  local %s\n",
                shown(UtcText(flight.LastRecordTime())).c_str(),
                shown(LocalText(flight.LastRecordTime(), flight.TimeShiftMinutes())).c_str());
    std::printf("  max altitude     %d ft pressure, %d ft GPS\n", flight.MaxPressureAltitude(),
                flight.MaxGpsAltitude());
    std::printf("  pilot            %s\n", header.pilot.c_str());
    std::printf("  glider           %s  id %s  competition id %s\n", header.gliderType.c_str(),
                header.gliderId.c_str(), header.competitionId.c_str());
    std::printf("  recorder         %s %s  hardware %s\n", header.manufacturer.c_str(),
                header.recorderId.c_str(), header.hardwareVersion.c_str());
    std::printf("  time zone        %s\n", ZoneText(header.timeZoneMinutes).c_str());
    for (const auto& declaration : flight.Declarations()) {
        std::printf("  declaration      task %d, %d turnpoints\n", declaration.taskNumber,
                    declaration.turnpointCount);
        for (const auto& point : declaration.points)
            std::printf("    %11.6f %11.6f  %s\n", point.latitude, point.longitude,
                        point.name.c_str());
    }
    std::printf("  log navpoints    %d\n", flight.LogNavpoints().Count());
}

int IgcInfo(const IgcInfoOptions& options) {
    std::vector<std::string> objects;
    int status = 0;
    for (const auto& file : options.files) {
        const auto report = ReadFlight(file, options.time);
        if (report.error) {
            status = 1;
            std::fprintf(stderr, "%s: %s\n", file.c_str(), report.error->c_str());
        }
        if (options.json)
            objects.push_back(ReportJson(report));
        else if (!report.error)
            PrintReport(report);
    }
    if (options.json)
        std::printf("%s\n", JsonArray(objects, true).c_str());
    return status;
}

int AirspaceInfo(const std::string& file) {
    const auto airspace = vantrel::ReadAirspaceFile(file);
    if (!airspace || airspace->titleCount == 0) {
        std::fprintf(stderr, "No Valid Airspace in : %s\n", file.c_str());
        return 1;
    }
    std::printf("%zu sections\n", airspace->sections.size());
    for (const auto& section : airspace->sections)
        std::printf("%s\n", vantrel::SectionTitle(section).c_str());
    return 0;
}

} // namespace

Command AddIgcInfoCommand(CLI::App& app) {
    auto options = std::make_shared<IgcInfoOptions>();
    auto* command = app.add_subcommand(
        "igc-info",
        "what the flight reader finds in IGC files (stored logs through their IGC file)");
    command->add_option("FILE", options->files, "IGC files or stored logs")->required();
    command->add_flag("--json", options->json, "one JSON object per file, in an array");
    AddTimeOptions(*command, options->time);
    return {command, [options] { return IgcInfo(*options); }};
}

Command AddAirspaceCommand(CLI::App& app) {
    auto file = std::make_shared<std::string>();
    auto* command =
        app.add_subcommand("airspace", "the sections of an airspace file and their titles");
    command->add_option("FILE", *file, "airspace file (.sua, .air)")->required();
    return {command, [file] { return AirspaceInfo(*file); }};
}

} // namespace kor
