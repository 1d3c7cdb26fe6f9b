#pragma once

#include "Simulator.h"
#include "TestOperation.h"
#include "link/RecorderLink.h"

#include <cstdlib>
#include <memory>
#include <thread>

namespace korlink::test {

// A simulated recorder on port 1 and the link that talks to it.
struct SimulatedRecorder {
    explicit SimulatedRecorder(korsim::RecorderModel model = korsim::RecorderModel::Minimal(),
                               korsim::SimulatorOptions options = {})
        : simulator(std::make_unique<korsim::Simulator>(std::move(model), options)),
          scope(link, operation) {
        ::setenv("KORLINK_COM1", simulator->DevicePath().c_str(), 1);
    }

    // Opens the port and checks that the recorder answers.
    bool Open() { return link.OpenPort(1) == ConnectResult::Connected; }

    unsigned Interrupts() const { return simulator->Counters().protocol.interrupts; }
    unsigned CommandCount(const std::string& command) const {
        unsigned n = 0;
        for (const auto& c : simulator->Counters().protocol.commands)
            n += c == command ? 1 : 0;
        return n;
    }

    // Commands sent without a reply arrive a moment after the call returns.
    bool WaitForCommand(const std::string& command,
                        std::chrono::milliseconds limit = std::chrono::milliseconds{1000}) const {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (CommandCount(command) == 0 && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds{5});
        return CommandCount(command) > 0;
    }

    std::unique_ptr<korsim::Simulator> simulator;
    CRecorderLink link;
    RecordingOperation operation;
    CRecorderLink::OperationScope scope;
};

} // namespace korlink::test
