// The recorder's replies as they come off the line (a recorder, or something pretending to be
// one on the port, is outside input like any file): the log directory and its header, the
// configuration and status records, the download's count record, the trailer records a
// download stores, framed replies and transfer blocks. Every decoder takes the same input.
#include "interface/FlightDownload.h"
#include "interface/LogDirectory.h"
#include "interface/RecorderConfig.h"
#include "interface/RecorderStatus.h"
#include "link/Checks.h"
#include "link/Commands.h"
#include "logfiles/IgcWriter.h"
#include "logfiles/StoredLogCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using korlink::ByteView;

void Directory(ByteView input) {
    const auto entries = korlink::DecodeLogDirectory(input);
    if (entries.size() > korlink::kMaxDirectoryEntries)
        std::abort();
    for (const auto& entry : entries) {
        if (entry.description.size() >= korlink::kDescriptionCapacity ||
            entry.description != korlink::DescribeDirectoryEntry(entry.bytes))
            std::abort();
        korlink::FlightDuration(entry);
    }
    const auto header = korlink::DecodeDirectoryHeader(input, korlink::command::kDirectoryCapacity);
    if (header && header->bodyLength > korlink::command::kDirectoryCapacity)
        std::abort();
}

void Records(ByteView input) {
    if (const auto config = korlink::RecorderConfig::Decode(input)) {
        config->RecorderId();
        // What is decoded encodes back onto the same record.
        if (korlink::RecorderConfig::Decode(config->Encode())->Encode() != config->Encode())
            std::abort();
    }
    korlink::RecorderStatus::Decode(input);
    const auto counts = korlink::DecodeDownloadCounts(input);
    if (counts && counts->navpointCount > 255)
        std::abort();
}

// The first byte sets how many bytes are the command, the second how many of them its check
// covers; the rest is the reply.
void FramedReply(ByteView input) {
    if (input.size() < 2)
        return;
    const std::size_t commandLength = std::min<std::size_t>(input[0] % 8, input.size() - 2);
    const auto command = input.subspan(2, commandLength);
    const auto reply = input.subspan(2 + commandLength);
    const bool valid = korlink::IsValidFramedReply(reply, command, input[1] % 8);
    const auto payload = korlink::FramedPayload(reply, command, input[1] % 8);
    if (valid != payload.has_value() || (payload && payload->size() + 3 != reply.size()))
        std::abort();
    korlink::IsValidBlock(input);
}

// The trailer records a download stores after fix data of the first byte's length (zeros: the
// records are what is fuzzed); the next four bytes give the records' lengths.
void Trailer(ByteView input) {
    if (input.size() < 5)
        return;
    const std::uint32_t fixDataLength = input[0];
    korlink::TrailerRecords records;
    auto rest = input.subspan(5);
    for (const auto& [record, length] :
         {std::pair{&records.flightInformation, input[1]},
          std::pair{&records.declaration, input[2]}, std::pair{&records.security, input[3]},
          std::pair{&records.recorderStatus, input[4]}}) {
        const auto taken = rest.first(std::min<std::size_t>(length, rest.size()));
        record->assign(taken.begin(), taken.end());
        rest = rest.subspan(taken.size());
    }
    // One log for every run, its sections emptied as in a fresh one: a new image per run costs
    // more than the decoding.
    static korlink::StoredLog log;
    log.SetDownloadLengths(fixDataLength);
    std::memset(log.Image().data(), 0, static_cast<std::size_t>(log.TotalLength()));
    korlink::StoreTrailer(records, log);
    log.DecodeBlocks();
    log.WriteHeaderText();
    korlink::IgcText(log, "fuzz");
    korlink::PassesStoredLogCheck(log);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteView input(data, size);
    Directory(input);
    Records(input);
    FramedReply(input);
    Trailer(input);
    return 0;
}
