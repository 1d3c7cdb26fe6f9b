#pragma once

#include <optional>
#include <string>

namespace korsim {

// The master side of a pseudo-terminal. The client opens the slave device as its serial port;
// its line settings (speed, raw mode) are read back here.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int MasterFd() const { return master_; }
    const std::string& DevicePath() const { return devicePath_; }

    // The speed the client set, in bit/s; nothing when it is not a known rate.
    std::optional<unsigned> ClientSpeed() const;
    // True once the client has switched its end to raw mode (no echo, no line editing).
    bool ClientIsRaw() const;

private:
    int master_ = -1;
    std::string devicePath_;
};

} // namespace korsim
