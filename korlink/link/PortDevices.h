#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korlink {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 8;

// The name users know a port by: "COM3" for port 3; empty outside 1..8.
std::string PortName(int port);

// The device behind port n (1..8), looked up in this order:
//   1. the environment variable KORLINK_COM<n>;
//   2. the line "COM<n>=<device>" of $XDG_CONFIG_HOME/korlink/ports.conf;
//   3. the n-th USB serial adapter (/dev/ttyUSB*, then /dev/ttyACM*), else /dev/ttyS<n-1>.
std::optional<std::string> PortDevice(int port);

// USB serial adapters present now, in a stable order (ttyUSB0, ttyUSB1, …, ttyACM0, …).
std::vector<std::string> UsbSerialAdapters();

// Path of the user's port mapping file.
std::string PortsConfigPath();

} // namespace korlink
