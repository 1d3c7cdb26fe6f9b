// kor ports, kor connect: finding the recorder.
#include "Commands.h"
#include "Session.h"
#include "link/PortDevices.h"
#include "link/RecorderLink.h"

#include <cstdio>

namespace kor {
namespace {

using korlink::ConnectResult;

std::string PortFailure(korlink::CRecorderLink& link, int port) {
    const auto device = korlink::PortDevice(port);
    if (!device)
        return "no such port";
    return korlink::DescribePortError(link.Port().LastError(), *device);
}

void ListPorts() {
    korlink::CRecorderLink link;
    for (int port = korlink::kFirstPort; port <= korlink::kLastPort; ++port) {
        const auto device = korlink::PortDevice(port).value_or("-");
        std::printf("%-5s %-28s ", korlink::PortName(port).c_str(), device.c_str());
        std::fflush(stdout);
        switch (link.OpenPort(port)) {
        case ConnectResult::Connected:
            std::printf("recorder answers\n");
            break;
        case ConnectResult::NoRecorder:
            std::printf("no answer\n");
            break;
        default:
            std::printf("cannot open: %s\n", PortFailure(link, port).c_str());
            break;
        }
    }
}

int Connect(const GlobalOptions& options) {
    Session session(options);
    if (!session.IsConnected())
        return session.Status();
    std::printf("Connected to recorder on %s (%s)\n", session.Link().PortName().c_str(),
                session.Link().Port().Device().c_str());
    return 0;
}

} // namespace

Command AddPortsCommand(CLI::App& app, const GlobalOptions&) {
    return {app.add_subcommand("ports",
                               "list COM1..COM8, their devices and whether a recorder answers"),
            [] {
                ListPorts();
                return 0;
            }};
}

Command AddConnectCommand(CLI::App& app, const GlobalOptions& options) {
    return {
        app.add_subcommand("connect", "connect to the recorder; the exit code is the status code"),
        [&options] { return Connect(options); }};
}

} // namespace kor
