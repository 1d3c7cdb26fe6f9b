#pragma once

#include "document/TimeShift.h"

#include <CLI/CLI.hpp>

namespace kor {

// The options that choose how fix times become local time.
inline void AddTimeOptions(CLI::App& command, vantrel::TimeSettings& time) {
    command
        .add_option("--time-option", time.logTimeOption,
                    "local time: 0 this computer's zone, 1 the flight's zone, 2 --user-offset")
        ->check(CLI::Range(0, 2));
    command.add_option("--user-offset", time.logTimeUserValue,
                       "hours added to the fix times with --time-option 2");
}

} // namespace kor
