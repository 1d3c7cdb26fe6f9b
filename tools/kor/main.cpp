// kor: the recorder toolset on the command line.
#include "Commands.h"
#include "OutputFolder.h"
#include "link/PortDevices.h"
#include "logfiles/IgcWriter.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

// The device and trace options reach the library the way a user would set them by hand.
void ApplyToEnvironment(const kor::GlobalOptions& options) {
    if (!options.device.empty())
        ::setenv(("KORLINK_" + korlink::PortName(options.port)).c_str(), options.device.c_str(), 1);
    if (!options.trace.empty())
        ::setenv("KORLINK_TRACE", options.trace.c_str(), 1);
}

// What the command line left over names: an option or a command kor does not know. Nothing
// when every argument was taken.
std::optional<std::string> UnknownArgument(const CLI::App& app) {
    const auto remaining = app.remaining();
    if (remaining.empty())
        return std::nullopt;
    const auto& first = remaining.front();
    return (first.starts_with('-') ? "unknown option \"" : "unknown command \"") + first + "\"";
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "kor: %s (kor --help lists the commands and options)\n", message.c_str());
    return kor::kUsageExit;
}

// Parses the command line; the exit code when kor is to stop here (help, version, a usage
// error), nothing when a command is to run.
std::optional<int> Parse(CLI::App& app, int argc, char** argv) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& stop) {
        return app.exit(stop); // --help, --version
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return kor::kUsageExit;
    }
    if (const auto unknown = UnknownArgument(app))
        return UsageError(*unknown);
    if (app.get_subcommands().empty())
        return UsageError("a command is required");
    return std::nullopt;
}

// Runs a command; an exception it lets through ends kor with its own exit code.
int Run(const kor::Command& command) {
    try {
        return command.run();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "kor: unexpected failure: %s\n", failure.what());
    } catch (...) {
        std::fprintf(stderr, "kor: unexpected failure\n");
    }
    return kor::kUnexpectedFailureExit;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"kor: talk to the flight recorder, convert and check its logs"};
    app.set_version_flag("--version", "kor " + std::string(korlink::ProductVersion()));
    kor::GlobalOptions options;
    app.add_option("--port", options.port, "serial port number, COM1..COM8")
        ->check(CLI::Range(korlink::kFirstPort, korlink::kLastPort));
    app.add_option("--device", options.device, "device to use for the port (e.g. /dev/ttyUSB0)");
    app.add_option("--retries", options.retries, "further one-second connection attempts");
    app.add_option("--trace", options.trace, "append a hex dump of the line traffic to FILE")
        ->check(CLI::Validator(
            [](const std::string& path) { return kor::CheckAppendableFile(path).value_or(""); },
            "FILE"));

    const std::vector<kor::Command> commands{
        // clang-format off
        kor::AddPortsCommand(app, options),
        kor::AddConnectCommand(app, options),
        kor::AddInfoCommand(app, options),
        kor::AddConfigCommand(app, options),
        kor::AddGpsOffCommand(app, options),
        kor::AddListCommand(app, options),
        kor::AddDownloadCommand(app, options),
        kor::AddConvertCommand(app, options),
        kor::AddValidateCommand(app, options),
        kor::AddNavpointsCommand(app, options),
        kor::AddTasksCommand(app, options),
        kor::AddTaskCommand(app, options),
        kor::AddDeclareCommand(app, options),
        kor::AddDeclarationCommand(app, options),
        kor::AddSiteNameCommand(app, options),
        kor::AddIgcInfoCommand(app),
        kor::AddAirspaceCommand(app),
        kor::AddAnalyzeCommand(app),
        kor::AddTaskConfigCommand(app),
        // clang-format on
    };

    // Left-over arguments are kept (not refused by the parser) so that they can be named.
    app.allow_extras();
    if (const auto stop = Parse(app, argc, argv))
        return *stop;
    ApplyToEnvironment(options);
    for (const auto& command : commands) {
        if (command.subcommand->parsed())
            return Run(command);
    }
    return kor::kUsageExit;
}
