// korsim: a simulated flight recorder on a pseudo-terminal.
#include "Simulator.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>

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

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"korsim: a simulated flight recorder on a pseudo-terminal"};
    std::string envFile;
    korsim::SimulatorOptions options;
    app.add_option("--env-file", envFile, "also write KORLINK_COM1=<device> into this file");
    app.add_flag("--line-timing", options.lineTiming,
                 "pace every byte at the line rate of the speed in use");
    app.add_option("--corrupt-block", options.faults.corruptBlock,
                   "send block K of an area damaged, once");
    app.add_option("--drop-interrupts", options.faults.dropInterruptAnswers,
                   "leave the first N interrupts unanswered");
    app.add_option("--silent-after", options.faults.silentAfterBytes,
                   "fall silent after sending N bytes");
    CLI11_PARSE(app, argc, argv);

    // Block the stop signals before the simulator's thread starts, so that only sigwait sees them.
    sigset_t signals;
    sigemptyset(&signals);
    for (const int s : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&signals, s);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    try {
        korsim::Simulator simulator(korsim::RecorderModel::Minimal(), options);
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
