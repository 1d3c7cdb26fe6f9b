#pragma once

#include "link/Operation.h"

#include <chrono>
#include <string>
#include <vector>

namespace korlink::test {

// An operation context that records what it is told and does not really pause, so that the
// protocol's settle times cost tests nothing.
class RecordingOperation : public OperationEnvironment {
public:
    bool IsCancelled() const override { return cancelled; }
    void Sleep(std::chrono::milliseconds duration) override { sleeps.push_back(duration); }
    void SetText(std::string_view text) override { texts.emplace_back(text); }
    void SetProgressRange(unsigned range) override { ranges.push_back(range); }
    void SetProgressPosition(unsigned position) override { positions.push_back(position); }

    unsigned SleepsOf(std::chrono::milliseconds duration) const {
        unsigned n = 0;
        for (const auto s : sleeps)
            n += s == duration ? 1 : 0;
        return n;
    }

    bool cancelled = false;
    std::vector<std::chrono::milliseconds> sleeps;
    std::vector<std::string> texts;
    std::vector<unsigned> ranges;
    std::vector<unsigned> positions;
};

} // namespace korlink::test
