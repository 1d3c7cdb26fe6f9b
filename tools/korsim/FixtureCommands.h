#pragma once

#include <CLI/CLI.hpp>
#include <functional>

namespace korsim {

// A subcommand of korsim and what runs it once the command line is parsed (the exit code).
struct FixtureCommand {
    CLI::App* subcommand;
    std::function<int()> run;
};

// korsim make-log -o DIR [--seed N] [--fixes N]: writes a stored log as a download makes it.
FixtureCommand AddMakeLogCommand(CLI::App& app);

// korsim sign-igc IN.igc -o OUT.igc [--key-index K] [--status W]: writes a signed IGC file.
FixtureCommand AddSignIgcCommand(CLI::App& app);

} // namespace korsim
