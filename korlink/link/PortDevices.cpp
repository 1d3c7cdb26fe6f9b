#include "PortDevices.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace korlink {
namespace {

bool InRange(int port) {
    return port >= kFirstPort && port <= kLastPort;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::optional<std::string> FromPortsConfig(int port) {
    std::ifstream in(PortsConfigPath());
    const std::string key = PortName(port);
    std::string line;
    while (std::getline(in, line)) {
        const auto text = Trim(line);
        const auto equals = text.find('=');
        if (text.empty() || text[0] == '#' || equals == std::string::npos)
            continue;
        if (Trim(text.substr(0, equals)) == key) {
            auto device = Trim(text.substr(equals + 1));
            if (!device.empty())
                return device;
        }
    }
    return std::nullopt;
}

// Devices named prefix + number, ordered by number.
std::vector<std::string> NumberedDevices(const std::string& prefix) {
    std::vector<std::pair<long, std::string>> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev", error)) {
        const auto name = entry.path().filename().string();
        if (name.rfind(prefix, 0) != 0 || name.size() == prefix.size())
            continue;
        const auto digits = name.substr(prefix.size());
        if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        found.emplace_back(std::strtol(digits.c_str(), nullptr, 10), entry.path().string());
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> paths;
    for (auto& [number, path] : found)
        paths.push_back(std::move(path));
    return paths;
}

} // namespace

std::string PortName(int port) {
    return InRange(port) ? "COM" + std::to_string(port) : "";
}

std::string PortsConfigPath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string base = (xdg && *xdg) ? xdg : std::string(home ? home : "") + "/.config";
    return base + "/korlink/ports.conf";
}

std::vector<std::string> UsbSerialAdapters() {
    auto adapters = NumberedDevices("ttyUSB");
    const auto acm = NumberedDevices("ttyACM");
    adapters.insert(adapters.end(), acm.begin(), acm.end());
    return adapters;
}

std::optional<std::string> PortDevice(int port) {
    if (!InRange(port))
        return std::nullopt;
    const std::string variable = "KORLINK_" + PortName(port);
    if (const char* device = std::getenv(variable.c_str()); device && *device)
        return device;
    if (auto device = FromPortsConfig(port))
        return device;
    const auto adapters = UsbSerialAdapters();
    if (static_cast<std::size_t>(port) <= adapters.size())
        return adapters[static_cast<std::size_t>(port) - 1];
    return "/dev/ttyS" + std::to_string(port - 1);
}

} // namespace korlink
