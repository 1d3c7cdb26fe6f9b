#include "RecorderFlights.h"

#include "RecorderFormat.h"
#include "link/Commands.h"

#include <algorithm>

namespace korsim {
namespace {

void Copy(korlink::ByteView from, std::span<std::uint8_t> to) {
    std::copy_n(from.begin(), std::min(from.size(), to.size()), to.begin());
}

korlink::ByteView Record(const RecorderModel& model, char letter) {
    const auto record = model.records.find(letter);
    return record == model.records.end() ? korlink::ByteView{} : korlink::ByteView(record->second);
}

void PutText(Bytes& bytes, std::size_t offset, std::string_view text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(i < text.size() ? text[i] : ' ');
}

} // namespace

std::vector<GeneratedFlight> GenerateFlights(const Site& site, unsigned seed, std::size_t count,
                                             std::size_t fixes) {
    std::vector<GeneratedFlight> flights;
    for (std::size_t i = 0; i < count; ++i) {
        FlightOptions options;
        options.seed = seed + static_cast<unsigned>(i);
        options.fixes = fixes;
        options.takeoffDay[2] = static_cast<std::uint8_t>(options.takeoffDay[2] + i);
        flights.push_back(GenerateFlight(options, site));
    }
    return flights;
}

void StoreFlights(RecorderModel& model, const Site& site,
                  std::span<const GeneratedFlight> flights) {
    using namespace korlink::command;
    for (int area = kFirstFlightArea; area <= kLastFlightArea; ++area)
        model.areas.erase(area);
    model.directory.clear();
    const auto stored = std::min<std::size_t>(flights.size(), kLastFlightArea);
    for (std::size_t n = 0; n < stored; ++n) {
        const auto& flight = flights[flights.size() - 1 - n];
        model.areas[kFirstFlightArea + static_cast<int>(n)] = EncodeFixData(flight.fixes);
        if (flight.fixes.empty())
            continue;
        const auto record =
            EncodeDirectoryRecord(flight.fixes.front().time, flight.fixes.back().time,
                                  static_cast<std::uint32_t>(flight.fixes.size()));
        model.directory.insert(model.directory.end(), record.begin(), record.end());
    }

    LogTime declared{};
    std::vector<std::uint8_t> task;
    if (!flights.empty()) {
        declared = flights.back().declared;
        task = flights.back().task;
    }
    model.StoreNavpoints(MemoryOfSite(site, declared, std::move(task)));
    model.signsFlights = true;
}

std::optional<korlink::StoredLog> DownloadedLog(const RecorderModel& model, int area) {
    const auto fixData = model.areas.find(area);
    const auto siteArea = model.areas.find(korlink::command::kSiteArea);
    const auto counts = Record(model, 'c');
    if (fixData == model.areas.end() || counts.size() < 4)
        return std::nullopt;
    korlink::StoredLog log;
    auto& header = log.Header();
    log.SetDownloadLengths(static_cast<std::uint32_t>(fixData->second.size()));
    header.navpointCount = static_cast<std::uint32_t>(counts[0] << 8 | counts[1]);
    // As the download does: a count a stored log cannot hold is taken as none.
    if (header.navpointCount > korlink::StoredLogHeader::kMaxNavpointCount)
        header.navpointCount = 0;
    header.navpointRecordSize = counts[2];
    header.siteLength = counts[3];
    if (!log.FitsImage())
        return std::nullopt;
    Copy(fixData->second, log.MutableSection(header.FixDataOffset(), header.fixDataLength));
    Copy(Record(model, 'x'), log.MutableSection(header.FlightInfoStart(), header.flightInfoLength));
    Copy(Record(model, 'd'),
         log.MutableSection(header.DeclarationStart(), header.declarationLength));
    Copy(model.SecurityRecordFor(area), log.MutableSection(header.headerLength, 34));
    Copy(Record(model, 'w'),
         log.MutableSection(header.RecorderInfoStart(), header.recorderInfoLength));
    if (siteArea != model.areas.end())
        Copy(siteArea->second,
             log.MutableSection(header.SiteStart(),
                                header.siteLength + std::uint64_t{header.navpointRecordSize} *
                                                        header.navpointCount));
    log.DecodeBlocks();
    if (!log.WriteHeaderText())
        return std::nullopt;
    return log;
}

Bytes SampleConfiguration() {
    Bytes x(106, 0);
    x[0] = 1; // km, m, m/s
    x[2] = 1234 >> 8;
    x[3] = 1234 & 0xFF;
    PutText(x, 4, "    ANNA        BERG", 24);
    PutText(x, 28, "ASG 29E", 9);
    PutText(x, 37, "VR7", 3);
    x[41] = 100; // datum
    x[42] = 5;   // approach radius, 500 m
    x[43] = 10;  // arrival radius, 1 km
    x[44] = 2;   // arrival fix interval, 2 s
    x[45] = 4;   // en-route fix interval, 4 s
    x[96] = 5;   // hardware version 2.05
    return x;
}

Bytes SampleStatus() {
    Bytes w(38, 0);
    w[0] = 255; // no internal battery
    w[1] = 124; // 12.4 V external
    w[2] = 31;  // 3.1 V backup battery
    w[3] = 0x00;
    w[4] = 0x5A; // 90 mA
    PutText(w, 9, "2.31b", 6);
    return w;
}

} // namespace korsim
