// korsim: a simulated flight recorder on a pseudo-terminal, and fixtures made the way it makes
// them (stored logs, signed IGC files).
#include "FixtureCommands.h"
#include "NavpointPreload.h"
#include "RecorderFlights.h"
#include "Simulator.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>

namespace {

bool WriteEnvFile(const std::string& path, const std::string& device) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "KORLINK_COM1=" << device << '\n';
        if (!out.flush())
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

int WaitForStopSignal() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    int signal = 0;
    sigwait(&signals, &signal);
    return signal;
}

// The recorder served on the pseudo-terminal: the default records with generated flights, and
// the navpoints of a navpoint file when one is given.
std::optional<korsim::RecorderModel> ServedRecorder(unsigned seed, std::size_t flights,
                                                    std::size_t fixes,
                                                    const std::string& navpointFile) {
    auto model = korsim::RecorderModel::Minimal();
    const auto site = korsim::GenerateSite(seed);
    korsim::StoreFlights(model, site, korsim::GenerateFlights(site, seed, flights, fixes));
    if (!navpointFile.empty()) {
        auto preloaded = korsim::SiteFromNavpointFile(navpointFile);
        if (!preloaded) {
            std::cerr << "korsim: cannot read " << navpointFile << '\n';
            return std::nullopt;
        }
        auto memory = model.navpointMemory;
        memory.site = std::move(*preloaded);
        model.StoreNavpoints(std::move(memory));
    }
    return model;
}

int Serve(const std::string& envFile, const korsim::SimulatorOptions& options,
          korsim::RecorderModel model) {
    // Block the stop signals before the simulator's thread starts, so that only sigwait sees them.
    sigset_t signals;
    sigemptyset(&signals);
    for (const int s : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&signals, s);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    try {
        korsim::Simulator simulator(std::move(model), options);
        std::cout << "korsim: listening on " << simulator.DevicePath() << std::endl;
        if (!envFile.empty() && !WriteEnvFile(envFile, simulator.DevicePath())) {
            std::cerr << "korsim: cannot write " << envFile << '\n';
            return 1;
        }
        WaitForStopSignal();
        const auto counters = simulator.Counters();
        std::cout << "korsim: stopped after " << counters.protocol.interrupts << " interrupts, "
                  << counters.bytesReceived << " bytes received, " << counters.bytesSent
                  << " bytes sent" << std::endl;
    } catch (const std::exception& error) {
        std::cerr << "korsim: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"korsim: a simulated flight recorder on a pseudo-terminal"};
    app.require_subcommand(0, 1);
    std::string envFile;
    korsim::SimulatorOptions options;
    unsigned seed = 1;
    std::size_t flights = 3;
    std::size_t fixes = 2400;
    std::string navpointFile;
    app.add_option("--env-file", envFile, "also write KORLINK_COM1=<device> into this file");
    app.add_flag("--line-timing", options.lineTiming,
                 "pace every byte at the line rate of the speed in use");
    app.add_option("--corrupt-block", options.faults.corruptBlock,
                   "send block K of an area damaged, once");
    app.add_option("--fail-block", options.faults.failBlock,
                   "send block K of a flight's fix data damaged every time");
    app.add_option("--drop-interrupts", options.faults.dropInterruptAnswers,
                   "leave the first N interrupts unanswered");
    app.add_option("--silent-after", options.faults.silentAfterBytes,
                   "fall silent after sending N bytes");
    app.add_option("--move-navpoint", options.faults.movedNavpoint,
                   "store navpoint N, when it is sent, further north (see --move-metres)");
    options.faults.movedMetres = 60;
    app.add_option("--move-metres", options.faults.movedMetres,
                   "how far --move-navpoint moves it (default 60)");
    app.add_option("--flights", flights, "number of stored flights (at most 16)")
        ->check(CLI::Range(0, 16));
    app.add_option("--fixes", fixes, "fixes per stored flight");
    app.add_option("--seed", seed, "flight generator seed");
    app.add_option("--navpoints", navpointFile,
                   "preload the recorder's navpoints (at most 500) from a navpoint file (.dat)");
    const korsim::FixtureCommand commands[] = {korsim::AddMakeLogCommand(app),
                                               korsim::AddSignIgcCommand(app)};
    CLI11_PARSE(app, argc, argv);
    for (const auto& command : commands) {
        if (command.subcommand->parsed())
            return command.run();
    }
    auto model = ServedRecorder(seed, flights, fixes, navpointFile);
    if (!model)
        return 1;
    return Serve(envFile, options, std::move(*model));
}
