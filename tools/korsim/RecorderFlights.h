#pragma once

#include "FlightGenerator.h"
#include "RecorderModel.h"
#include "logfiles/StoredLog.h"

#include <optional>
#include <span>

namespace korsim {

// Stores flights in the recorder: their fix data as areas 1..n (the most recent flight first,
// as the directory lists them), the directory, and the site as its navpoint memory with the
// most recent flight's task as task 0 and as the declaration. From then on the recorder signs
// each flight it is asked for. `flights` is in the order flown.
void StoreFlights(RecorderModel& model, const Site& site, std::span<const GeneratedFlight> flights);

// Flights on consecutive days from `seed` on, each of `fixes` fixes.
std::vector<GeneratedFlight> GenerateFlights(const Site& site, unsigned seed, std::size_t count,
                                             std::size_t fixes);

// The stored log that a download of flight area `area` assembles from the recorder's records
// and areas, with its header text written and its blocks decoded. Nothing when the area does
// not exist or the log would not fit its image.
std::optional<korlink::StoredLog> DownloadedLog(const RecorderModel& model, int area);

// A configuration record (record x, 106 bytes) of serial number 1234 (recorder Q0YA) and a
// status record (record w, 38 bytes), for fixtures that must not change with the default model.
Bytes SampleConfiguration();
Bytes SampleStatus();

} // namespace korsim
