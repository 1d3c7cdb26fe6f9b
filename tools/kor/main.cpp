// kor: the recorder toolset on the command line.
#include "Commands.h"
#include "OutputFolder.h"
#include "link/PortDevices.h"

#include <cstdlib>
#include <vector>

namespace {

// The device and trace options reach the library the way a user would set them by hand.
void ApplyToEnvironment(const kor::GlobalOptions& options) {
    if (!options.device.empty())
        ::setenv(("KORLINK_" + korlink::PortName(options.port)).c_str(), options.device.c_str(), 1);
    if (!options.trace.empty())
        ::setenv("KORLINK_TRACE", options.trace.c_str(), 1);
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"kor: talk to the flight recorder, convert and check its logs"};
    app.require_subcommand(1);
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

    CLI11_PARSE(app, argc, argv);
    ApplyToEnvironment(options);
    for (const auto& command : commands) {
        if (command.subcommand->parsed())
            return command.run();
    }
    return 1;
}
