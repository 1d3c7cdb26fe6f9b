#pragma once

#include "RecorderFlights.h"
#include "RecorderFormat.h"
#include "TempFolder.h"
#include "logfiles/StoredLog.h"

#include <optional>

namespace korlink::test {

// A recorder with the sample configuration and one generated flight, and the stored log a
// download of that flight makes.
struct LogFixture {
    explicit LogFixture(std::size_t fixes = 120, unsigned seed = 5) {
        model.records['x'] = korsim::SampleConfiguration();
        model.records['w'] = korsim::SampleStatus();
        site = korsim::GenerateSite(seed);
        flights = korsim::GenerateFlights(site, seed, 1, fixes);
        korsim::StoreFlights(model, site, flights);
    }

    // The stored log of the flight, or of other fix data / declaration in the same recorder.
    StoredLog Log() const { return *korsim::DownloadedLog(model, 1); }

    void SetFixes(std::span<const korsim::FlightSample> fixes) {
        model.areas[1] = korsim::EncodeFixData(fixes);
    }
    void SetDeclaration(std::span<const std::uint8_t> task) {
        auto block = korsim::EncodeDeclaration(flights[0].declared, task, site);
        block.resize(75, 0);
        model.records['d'] = block;
    }

    // Saves the log into `folder` and gives its path.
    std::filesystem::path Saved(const StoredLog& log, const std::filesystem::path& folder) const {
        return folder / log.Save(folder).name;
    }

    korsim::RecorderModel model;
    korsim::Site site;
    std::vector<korsim::GeneratedFlight> flights;
};

} // namespace korlink::test
