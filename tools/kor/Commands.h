#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>

namespace kor {

// Exit codes of kor's own, apart from the library's status codes (0 .. 14) and the outcomes of
// the file commands (0 .. 2): a usage error (an unknown command or option, a value refused
// before anything was done), and a failure inside kor that no command expected.
constexpr int kUsageExit = 64;
constexpr int kUnexpectedFailureExit = 70;

// Options that every command shares.
struct GlobalOptions {
    int port = 1;
    std::string device;
    unsigned retries = 3;
    std::string trace;
};

// A subcommand and what runs it once the command line is parsed; it returns the exit code.
struct Command {
    CLI::App* subcommand;
    std::function<int()> run;
};

Command AddPortsCommand(CLI::App& app, const GlobalOptions& options);
Command AddConnectCommand(CLI::App& app, const GlobalOptions& options);
Command AddInfoCommand(CLI::App& app, const GlobalOptions& options);
Command AddConfigCommand(CLI::App& app, const GlobalOptions& options);
Command AddGpsOffCommand(CLI::App& app, const GlobalOptions& options);
Command AddListCommand(CLI::App& app, const GlobalOptions& options);
Command AddDownloadCommand(CLI::App& app, const GlobalOptions& options);
Command AddConvertCommand(CLI::App& app, const GlobalOptions& options);
Command AddValidateCommand(CLI::App& app, const GlobalOptions& options);
Command AddNavpointsCommand(CLI::App& app, const GlobalOptions& options);
Command AddTasksCommand(CLI::App& app, const GlobalOptions& options);
Command AddTaskCommand(CLI::App& app, const GlobalOptions& options);
Command AddDeclareCommand(CLI::App& app, const GlobalOptions& options);
Command AddDeclarationCommand(CLI::App& app, const GlobalOptions& options);
Command AddSiteNameCommand(CLI::App& app, const GlobalOptions& options);
Command AddIgcInfoCommand(CLI::App& app);
Command AddAirspaceCommand(CLI::App& app);
Command AddAnalyzeCommand(CLI::App& app);
Command AddTaskConfigCommand(CLI::App& app);

} // namespace kor
