#pragma once

#include "Simulator.h"
#include "link/RecorderLink.h"

#include <cstdio>
#include <cstdlib>

// A simulated recorder paced at true line timing on port 1, and the link to it, for the
// benchmarks that measure a transfer against its ideal line time.
struct LineTimedRecorder {
    explicit LineTimedRecorder(korsim::RecorderModel model)
        : simulator(std::move(model), korsim::SimulatorOptions{.lineTiming = true, .faults = {}}) {
        ::setenv("KORLINK_COM1", simulator.DevicePath().c_str(), 1);
    }

    // Opens the port and probes; says so on stderr when the recorder does not answer.
    bool Open(const char* benchmark) {
        if (link.OpenPort(1) == korlink::ConnectResult::Connected)
            return true;
        std::fprintf(stderr, "%s: the simulated recorder did not answer\n", benchmark);
        return false;
    }

    korsim::Simulator simulator;
    korlink::CRecorderLink link;
};
