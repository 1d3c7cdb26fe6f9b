#include "PseudoTerminal.h"

#include "link/LineSpeeds.h"

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
    return korlink::BitsPerSecond(::cfgetospeed(&settings));
}

bool PseudoTerminal::ClientIsRaw() const {
    termios settings{};
    return ::tcgetattr(master_, &settings) == 0 && (settings.c_lflag & (ECHO | ICANON)) == 0;
}

} // namespace korsim
