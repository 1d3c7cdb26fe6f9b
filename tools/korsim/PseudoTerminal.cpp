#include "PseudoTerminal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace korsim {

PseudoTerminal::PseudoTerminal() {
    int slave = -1;
    char name[256] = {};
    if (openpty(&master_, &slave, name, nullptr, nullptr) != 0)
        throw std::runtime_error(std::string("openpty: ") + std::strerror(errno));
    // The client owns the slave side; keeping it open here would keep its settings and its
    // exclusive mark alive across the client's opens.
    ::close(slave);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    devicePath_ = name;
}

PseudoTerminal::~PseudoTerminal() {
    if (master_ >= 0)
        ::close(master_);
}

std::optional<unsigned> PseudoTerminal::ClientSpeed() const {
    termios settings{};
    if (::tcgetattr(master_, &settings) != 0)
        return std::nullopt;
    switch (::cfgetospeed(&settings)) {
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    case B230400: return 230400;
    default: return std::nullopt;
    }
}

bool PseudoTerminal::ClientIsRaw() const {
    termios settings{};
    return ::tcgetattr(master_, &settings) == 0 && (settings.c_lflag & (ECHO | ICANON)) == 0;
}

} // namespace korsim
