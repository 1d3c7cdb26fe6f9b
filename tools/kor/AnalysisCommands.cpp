// kor analyze, kor task-config: flights scored against a contest task, and the analysis
// configuration files that hold a day's task.
#include "Commands.h"
#include "FlightScoring.h"
#include "JsonText.h"
#include "TimeOptions.h"
#include "analysis/AnalysisConfigFile.h"
#include "analysis/IdList.h"
#include "document/Units.h"
#include "navpoints/NavpointFile.h"
#include "navpoints/NumberText.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <thread>

namespace kor {
namespace {

// Exit codes: every flight analysed, some not, or the run could not begin.
enum Outcome { kAnalysed = 0, kNotAnalysed = 1, kUnusable = 2 };

struct AnalyzeOptions {
    std::vector<std::string> files;
    std::string config;
    bool declared = false;
    std::string navpoints;
    int units = 0;
    bool json = false;
    bool csv = false;
    vantrel::TimeSettings time;
    std::string openTime;
};

std::optional<ScoringSetup> Setup(const AnalyzeOptions& options) {
    ScoringSetup setup;
    setup.units = options.units;
    setup.time = options.time;
    if (!options.openTime.empty())
        setup.openTime = options.openTime;
    if (!options.navpoints.empty()) {
        std::error_code error;
        navpoints::NavpointList list;
        if (!std::filesystem::is_regular_file(options.navpoints, error)) {
            std::fprintf(stderr, "Invalid navpoint filename.\n");
            return std::nullopt;
        }
        if (navpoints::ReadNavpointFile(options.navpoints, list) == 0 || list.Count() == 0) {
            std::fprintf(stderr, "Navpoint file is not valid.\n");
            return std::nullopt;
        }
        setup.navpoints = std::move(list);
    }
    if (options.declared)
        setup.source = TaskSource::Declaration;
    if (!options.config.empty()) {
        setup.source = TaskSource::ConfigFile;
        setup.settings = vantrel::DefaultTaskSettings(options.units, vantrel::kFeet);
        const auto load = vantrel::LoadAnalysisConfig(options.config, setup.settings);
        if (load != vantrel::ConfigLoad::Loaded) {
            std::fprintf(stderr, "%s: %s\n", options.config.c_str(),
                         load == vantrel::ConfigLoad::Missing ? "no such configuration file"
                                                              : vantrel::kConfigDamagedText);
            return std::nullopt;
        }
    }
    return setup;
}

// One flight's score; a failure no step expected is that flight's error (an exception must not
// leave a worker thread).
FlightScore ScoreOne(const std::string& file, const ScoringSetup& setup) {
    try {
        return ScoreFlight(file, setup);
    } catch (const std::exception& failure) {
        FlightScore score;
        score.file = file;
        score.error = std::string("unexpected failure: ") + failure.what();
        return score;
    }
}

// Scores every file on all cores; the results keep the order of the files.
std::vector<FlightScore> ScoreAll(const std::vector<std::string>& files,
                                  const ScoringSetup& setup) {
    std::vector<FlightScore> scores(files.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < files.size(); i = next++)
            scores[i] = ScoreOne(files[i], setup);
    };
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::jthread> workers;
    for (std::size_t n = 1; n < std::min(cores, files.size()); ++n)
        workers.emplace_back(work);
    work();
    workers.clear();
    return scores;
}

int Analyze(const AnalyzeOptions& options) {
    const auto setup = Setup(options);
    if (!setup)
        return kUnusable;
    const auto scores = ScoreAll(options.files, *setup);
    int outcome = kAnalysed;
    std::vector<std::string> objects;
    if (options.csv)
        std::printf("%s\n", ScoreCsvHeader().c_str());
    for (const auto& score : scores) {
        if (!score.analysed) {
            outcome = kNotAnalysed;
            std::fprintf(stderr, "%s: %s\n", score.file.c_str(), score.error->c_str());
        }
        if (options.json)
            objects.push_back(ScoreJson(score));
        else if (options.csv)
            std::printf("%s\n", ScoreCsv(score).c_str());
        else
            std::printf("%s%s", &score == &scores.front() ? "" : "\n", ScoreText(score).c_str());
    }
    if (options.json)
        std::printf("%s\n", JsonArray(objects, true).c_str());
    return outcome;
}

// One gate's options of task-config.
struct GateOptions {
    std::optional<int> centre;
    std::optional<std::string> type;
    std::optional<double> size;
    std::optional<int> top, base, heading;
    std::optional<bool> perpendicular;
    std::optional<bool> inUse;
};

struct TaskConfigOptions {
    std::string file;
    std::string write;
    std::optional<std::string> turnpoints, radii;
    std::optional<bool> assignedArea;
    std::optional<double> turnpointRadius, navpointRadius;
    GateOptions start, finish;
    int units = 0;
    int altitudeUnits = 0;
};

void ApplyGate(const GateOptions& options, int units, int altitudeUnits, vantrel::Gate& gate) {
    vantrel::GateEntry entry = vantrel::GateEntryOf(gate, units, altitudeUnits);
    if (options.type)
        entry.type = *options.type == "line" ? vantrel::Gate::kLine : vantrel::Gate::kCylinder;
    entry.size = options.size.value_or(entry.size);
    entry.top = options.top.value_or(entry.top);
    entry.base = options.base.value_or(entry.base);
    entry.heading = options.heading.value_or(entry.heading);
    entry.perpendicular = options.perpendicular.value_or(entry.perpendicular);
    entry.centreId = options.centre.value_or(entry.centreId);
    // A gate keeps what its fields do not show unless an option changes it.
    const bool changed = options.type || options.size || options.top || options.base ||
                         options.heading || options.perpendicular || options.centre;
    if (changed)
        vantrel::ApplyGateEntry(entry, units, altitudeUnits, gate);
    gate.inUse = options.inUse.value_or(gate.inUse);
}

void Apply(const TaskConfigOptions& options, vantrel::TaskSettings& settings) {
    const auto inMiles = [&](double shown) {
        return vantrel::ConvertDistance(shown, options.units, vantrel::kNauticalMiles);
    };
    if (options.turnpoints)
        settings.turnpointIds = vantrel::ParseIdList(*options.turnpoints);
    if (options.radii) {
        const auto radii = vantrel::ParseIdList(*options.radii);
        std::copy(radii.begin(), radii.end(), settings.assignedRadii.begin());
    }
    settings.assignedAreaTask = options.assignedArea.value_or(settings.assignedAreaTask);
    if (options.turnpointRadius)
        settings.turnpointRadius = inMiles(*options.turnpointRadius);
    if (options.navpointRadius)
        settings.navpointRadius = inMiles(*options.navpointRadius);
    ApplyGate(options.start, options.units, options.altitudeUnits, settings.startGate);
    ApplyGate(options.finish, options.units, options.altitudeUnits, settings.finishGate);
}

std::string GateDetails(const vantrel::Gate& gate, int altitudeUnits) {
    const auto entry = vantrel::GateEntryOf(gate, vantrel::kNauticalMiles, altitudeUnits);
    const char* altitude = vantrel::AltitudeUnitName(altitudeUnits);
    std::string text = gate.inUse ? "in use" : "not in use";
    if (gate.IsLine())
        text += gate.perpendicular ? ", perpendicular to the course"
                                   : ", heading " + std::to_string(entry.heading);
    else
        text += ", base " + std::to_string(entry.base) + " " + altitude + ", top " +
                std::to_string(entry.top) + " " + altitude;
    return text;
}

void PrintConfig(const std::string& file, const vantrel::TaskSettings& settings, int units,
                 int altitudeUnits) {
    const char* unit = vantrel::DistanceUnitName(units);
    const auto shown = [&](double nauticalMiles) {
        return navpoints::FixedText(
                   vantrel::ConvertDistance(nauticalMiles, vantrel::kNauticalMiles, units), 2) +
               " " + unit;
    };
    const std::vector<int> radii(settings.assignedRadii.begin(),
                                 settings.assignedRadii.begin() +
                                     static_cast<long>(settings.turnpointIds.size()));
    std::printf("%s\n", file.c_str());
    std::printf("  turnpoints        %s\n", vantrel::IdListText(settings.turnpointIds).c_str());
    std::printf("  assigned area     %s, radii %s %s\n", settings.assignedAreaTask ? "yes" : "no",
                vantrel::IdListText(radii).c_str(), unit);
    std::printf("  turnpoint radius  %s\n", shown(settings.turnpointRadius).c_str());
    std::printf("  navpoint radius   %s\n", shown(settings.navpointRadius).c_str());
    std::printf("  start gate        %s\n",
                vantrel::GateDescription(settings.startGate, units).c_str());
    std::printf("                    %s\n", GateDetails(settings.startGate, altitudeUnits).c_str());
    std::printf("  finish gate       %s\n",
                vantrel::GateDescription(settings.finishGate, units).c_str());
    std::printf("                    %s\n",
                GateDetails(settings.finishGate, altitudeUnits).c_str());
    std::printf("  gates shown       start %s, finish %s\n", settings.startGateShown ? "yes" : "no",
                settings.finishGateShown ? "yes" : "no");
}

int TaskConfig(const TaskConfigOptions& options) {
    const std::string& file = options.write.empty() ? options.file : options.write;
    if (file.empty()) {
        std::fprintf(stderr, "task-config: give a configuration file, or --write FILE\n");
        return kUsageExit;
    }
    vantrel::TaskSettings settings =
        vantrel::DefaultTaskSettings(options.units, options.altitudeUnits);
    const auto load = vantrel::LoadAnalysisConfig(file, settings);
    if (load == vantrel::ConfigLoad::Damaged ||
        (load == vantrel::ConfigLoad::Missing && options.write.empty())) {
        std::fprintf(stderr, "%s: %s\n", file.c_str(),
                     load == vantrel::ConfigLoad::Missing ? "no such configuration file"
                                                          : vantrel::kConfigDamagedText);
        return kUnusable;
    }
    if (!options.write.empty()) {
        if (load == vantrel::ConfigLoad::Missing) {
            // A new task as the wizard leaves it: both gates in use.
            settings.startGate.inUse = true;
            settings.finishGate.inUse = true;
        }
        Apply(options, settings);
        if (!vantrel::SaveAnalysisConfig(file, settings)) {
            std::fprintf(stderr, "%s: cannot write the configuration file\n", file.c_str());
            return kNotAnalysed;
        }
    }
    PrintConfig(file, settings, options.units, options.altitudeUnits);
    return 0;
}

void AddGateOptions(CLI::App& command, const std::string& gate, GateOptions& options) {
    command.add_option("--" + gate, options.centre, gate + " gate centre navpoint id");
    command.add_option("--" + gate + "-type", options.type, gate + " gate kind")
        ->check(CLI::IsMember({"cylinder", "line"}));
    command.add_option("--" + gate + "-size", options.size,
                       gate + " gate radius (cylinder) or width (line), in --units");
    command.add_option("--" + gate + "-top", options.top,
                       gate + " cylinder top above home, in --altitude-units");
    command.add_option("--" + gate + "-base", options.base,
                       gate + " cylinder base above home, in --altitude-units");
    command.add_option("--" + gate + "-heading", options.heading,
                       gate + " line heading, whole degrees");
    command.add_option("--" + gate + "-perpendicular", options.perpendicular,
                       gate + " line perpendicular to the course (true/false)");
    command.add_option("--" + gate + "-in-use", options.inUse,
                       gate + " cylinder radius taken off the task legs (true/false)");
}

} // namespace

Command AddAnalyzeCommand(CLI::App& app) {
    auto options = std::make_shared<AnalyzeOptions>();
    auto* command = app.add_subcommand(
        "analyze", "score flights (IGC files or stored logs) against a contest task");
    command->add_option("FILE", options->files, "IGC files or stored logs")->required();
    auto* config = command->add_option("--config", options->config,
                                       "analysis configuration file (.cfg) holding the task");
    command->add_flag("--declared", options->declared, "the task of each flight's declaration")
        ->excludes(config);
    command->add_option("--navpoints", options->navpoints,
                        "navpoint file (.dat); else each flight's log navpoints");
    command->add_option("--units", options->units, "distance unit: 0 miles, 1 nm, 2 km")
        ->check(CLI::Range(0, 2));
    auto* json = command->add_flag("--json", options->json, "one JSON object per flight");
    command->add_flag("--csv", options->csv, "one CSV row per flight")->excludes(json);
    AddTimeOptions(*command, options->time);
    command->add_option("--open-time", options->openTime,
                        "task open time HH:MM[:SS], local; starts before it are noted");
    command->footer("Without --config or --declared, a flight's own configuration file is used "
                    "(its path less 9 characters, plus .cfg), else its declaration.");
    return {command, [options] { return Analyze(*options); }};
}

Command AddTaskConfigCommand(CLI::App& app) {
    auto options = std::make_shared<TaskConfigOptions>();
    auto* command = app.add_subcommand(
        "task-config", "print an analysis configuration file, or write one (--write)");
    command->add_option("FILE", options->file, "configuration file to print");
    command->add_option("--write", options->write,
                        "configuration file to write (its other settings kept when it exists)");
    command->add_option("--turnpoints", options->turnpoints, "turnpoint ids, e.g. 3,5,9");
    command->add_option("--radii", options->radii, "assigned radii, whole numbers in --units");
    command->add_option("--assigned-area", options->assignedArea,
                        "assigned area task (true/false)");
    command
        ->add_option("--turnpoint-radius", options->turnpointRadius,
                     "outer turnpoint radius, in --units")
        ->check(CLI::Range(0.1, 100.0));
    command
        ->add_option("--navpoint-radius", options->navpointRadius,
                     "radius at which a turnpoint counts as reached, in --units")
        ->check(CLI::Range(0.1, 100.0));
    AddGateOptions(*command, "start", options->start);
    AddGateOptions(*command, "finish", options->finish);
    command->add_option("--units", options->units, "distance unit: 0 miles, 1 nm, 2 km")
        ->check(CLI::Range(0, 2));
    command->add_option("--altitude-units", options->altitudeUnits, "0 feet, 1 metres")
        ->check(CLI::Range(0, 1));
    return {command, [options] { return TaskConfig(*options); }};
}

} // namespace kor
