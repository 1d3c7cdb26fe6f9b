#pragma once

#include "document/TimeShift.h"

#include <CLI/CLI.hpp>
#include <string>

namespace kor {

// The options that choose how fix times become local time.
inline void AddTimeOptions(CLI::App& command, vantrel::TimeSettings& time) {
    command
        .add_option("--time-option", time.logTimeOption,
                    "local time: 0 this computer's zone, 1 the flight's zone, 2 --user-offset")
        ->check(CLI::Range(0, 2));
    const CLI::Validator zone(
        [](std::string& text) {
            return vantrel::ZoneMinutesOf(text)
                       ? std::string()
                       : "not an offset from UTC of at most 24 hours (5, -3:30, 5.5, +5:45)";
        },
        "ZONE");
    command
        .add_option_function<std::string>(
            "--user-offset",
            [&time](const std::string& text) {
                time.logTimeUserMinutes = vantrel::ZoneMinutesOf(text).value_or(0);
            },
            "offset from UTC with --time-option 2: hours (5, -3, 5.5) or hours and minutes "
            "(+5:30, -3:30)")
        ->check(zone);
}

} // namespace kor
