#pragma once

#include "NavpointMemory.h"
#include "link/Bytes.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace korsim {

using korlink::Bytes;

// Everything the simulated recorder holds: its records, its log directory and its memory areas
// (flights by directory position 1..16, the site and navpoint area 130). Once navpoints are
// stored (StoreNavpoints, or a navpoint line or clear received), the navpoint memory is the one
// source of area 130 and records c, t and d.
struct RecorderModel {
    std::map<char, Bytes> records; // payloads of records c, d, t, w and x
    Bytes securityRecord;          // payload of the "b 128" reply
    Bytes directory;               // the directory body of "b 129" / "b"
    std::map<int, Bytes> areas;
    std::vector<std::string> receivedLines; // data lines accepted in download mode
    unsigned navpointClears = 0;
    // Set when the areas hold real flights: "b 128" then reports the security record of the
    // flight opened last, signed over its fix data and the current records x and d.
    bool signsFlights = false;
    NavpointMemory navpointMemory;

    // A recorder with a little of everything, enough to exercise every command.
    static RecorderModel Minimal();

    // The payload of "b 128" after flight area `area` (0: none) was opened.
    Bytes SecurityRecordFor(int area) const;

    // Called for each data line sent in download mode; false leaves the line unanswered.
    // A configuration line replaces the configuration and, as on the real recorder, erases
    // the stored flights.
    bool AcceptLine(std::string_view line);
    void ClearNavpoints();
    // Replaces the navpoint memory and serves it from now on.
    void StoreNavpoints(NavpointMemory memory);
    // Moves navpoint `number` (1-based) this far north, as a recorder that stored it wrongly.
    void MoveNavpoint(std::size_t number, double metres);
    void EraseFlights();
    std::size_t FlightCount() const;
};

// Deterministic bytes covering every value 0..255, so that transfers exercise the bytes a
// terminal would otherwise interpret (XON 17, XOFF 19, CR, LF).
Bytes PatternBytes(std::size_t length, unsigned seed);

} // namespace korsim
