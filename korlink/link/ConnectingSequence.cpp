#include "ConnectingSequence.h"

namespace korlink {

ConnectingSequence::ConnectingSequence(std::string portName, unsigned retries, Translate translate)
    : portName_(std::move(portName)), retries_(retries), translate_(std::move(translate)),
      firstLine_(translate_("Attempting connection to Velmora recorder")) {}

std::string ConnectingSequence::Caption() const {
    return translate_("Attempting connection on: ") + portName_;
}

bool ConnectingSequence::Tick(const Probe& probe) {
    const unsigned attempt = attempts_++;
    if (attempt <= retries_) {
        firstLine_ += '.';
    } else {
        timerRunning_ = false;
        firstLine_ = translate_("Could not find a Velmora recorder on: ") + portName_;
        secondLine_ = translate_("Make sure your recorder is connected and turned on.");
        helpEnabled_ = true;
        retryEnabled_ = true;
    }
    connected_ = probe();
    return connected_;
}

void ConnectingSequence::Retry() {
    firstLine_ = translate_("Attempting connection to Velmora recorder");
    secondLine_.clear();
    attempts_ = 0;
    helpEnabled_ = false;
    timerRunning_ = true;
}

} // namespace korlink
