#include "FlightDownload.h"

#include "RecorderConfiguration.h"
#include "korlink/korlink.h"
#include "link/RecorderLink.h"
#include "logfiles/StoredLogCheck.h"

#include <algorithm>

namespace korlink {
namespace {

// The recorder's security record fills the first 34 bytes of the log's security block.
constexpr std::size_t kSecurityRecordStored = 34;

// Passes the block reports of the link's transfers on as download progress, and everything
// else (cancellation, pauses) to the operation the download runs in.
class AreaProgress : public OperationEnvironment {
public:
    AreaProgress(OperationEnvironment& outer, DownloadProgress& progress)
        : outer_(outer), progress_(progress) {}

    bool IsCancelled() const override { return outer_.IsCancelled(); }
    void Sleep(std::chrono::milliseconds duration) override { outer_.Sleep(duration); }
    void SetText(std::string_view text) override { outer_.SetText(text); }
    void SetProgressRange(unsigned range) override { progress_.AreaStarted(range); }
    void SetProgressPosition(unsigned position) override {
        progress_.BlockDone(position);
        done_ = position;
    }

    unsigned Done() const { return done_; }
    void Restart() { done_ = 0; }

private:
    OperationEnvironment& outer_;
    DownloadProgress& progress_;
    unsigned done_ = 0;
};

// Sends Interrupt(1) when the download ends, whatever its outcome.
struct FinalInterrupt {
    CRecorderLink& link;
    ~FinalInterrupt() { link.Interrupt(1); }
};

void CopyInto(ByteView from, std::span<std::uint8_t> to) {
    std::copy_n(from.begin(), std::min(from.size(), to.size()), to.begin());
}

std::optional<DownloadCounts> ReadCounts(CRecorderLink& link) {
    link.EnterUploadMode();
    const auto record = link.ReadRecord('c');
    return record ? DecodeDownloadCounts(*record) : std::nullopt;
}

// The four records in the order the recorder is asked for them; nothing when one fails.
std::optional<TrailerRecords> ReadTrailer(CRecorderLink& link) {
    link.Interrupt(1);
    link.EnterUploadMode();
    TrailerRecords records;
    const auto take = [](std::optional<Bytes> payload, Bytes& into) {
        if (payload)
            into = std::move(*payload);
        return payload.has_value();
    };
    if (take(link.ReadRecord('x'), records.flightInformation) &&
        take(link.ReadRecord('d'), records.declaration) &&
        take(link.ReadSecurityRecord(), records.security) &&
        take(link.ReadRecord('w'), records.recorderStatus))
        return records;
    return std::nullopt;
}

DownloadOutcome Fail(DownloadProgress& progress, DownloadOutcome outcome, std::uint32_t status) {
    progress.Failed(status);
    outcome.status = status;
    return outcome;
}

} // namespace

DownloadOutcome DownloadFlight(CRecorderLink& link, StoredLog& log, int flight,
                               DownloadProgress& progress) {
    DownloadOutcome outcome;
    AreaProgress areaProgress(link.Operation(), progress);
    const CRecorderLink::OperationScope scope(link, areaProgress);
    const FinalInterrupt finalInterrupt{link};

    link.Interrupt(5);
    const auto identity = ReadConfig(link);
    if (!identity)
        return Fail(progress, outcome, KOR_INVALID_PORT);
    progress.IdentityRead(*identity);
    const auto counts = ReadCounts(link);
    if (!counts)
        return Fail(progress, outcome, KOR_INVALID_PORT);

    link.Interrupt(1);
    link.EnterUploadMode();
    const auto length = link.OpenArea(flight) ? link.AreaSize() : std::nullopt;
    if (!length) {
        progress.Failed(KOR_COMMUNICATION_ERROR);
        link.LeaveBlockMode();
        outcome.status = KOR_COMMUNICATION_ERROR;
        return outcome;
    }
    auto& header = log.Header();
    log.SetDownloadLengths(*length);
    header.navpointCount = counts->navpointCount;
    header.navpointRecordSize = counts->recordSize;
    header.siteLength = counts->siteLength;
    outcome.fixDataLength = *length;
    // A flight larger than a stored log can hold is refused rather than cut.
    if (!log.FitsImage()) {
        progress.Failed(KOR_COMMUNICATION_ERROR);
        link.LeaveBlockMode();
        outcome.status = KOR_COMMUNICATION_ERROR;
        return outcome;
    }

    // The destination holds the fix data and the two check bytes of its last block, which the
    // flight information overwrites afterwards.
    const auto fixData = log.MutableSection(header.FixDataOffset(), *length + 2u);
    outcome.fixDataComplete = link.ReadBlocks(*length, fixData);
    outcome.fixDataReceived = outcome.fixDataComplete ? *length : areaProgress.Done();
    // What a failed block left behind is not the recorder's data: the fix data past the last
    // good block stays zero, which no fix record ends in.
    std::fill(fixData.begin() + outcome.fixDataReceived, fixData.begin() + *length, 0);
    link.LeaveBlockMode();
    if (link.Operation().IsCancelled())
        return Fail(progress, outcome, KOR_CANCELLED);
    progress.FixDataComplete();

    const auto trailer = ReadTrailer(link);
    if (!trailer)
        return Fail(progress, outcome, KOR_INVALID_PORT);
    StoreTrailer(*trailer, log);

    areaProgress.Restart();
    const auto site = link.DownloadArea(command::kSiteArea);
    outcome.siteAreaComplete = site.status == AreaStatus::Complete;
    if (link.Operation().IsCancelled())
        return Fail(progress, outcome, KOR_CANCELLED);
    CopyInto(site.data, log.MutableSection(header.SiteStart(),
                                           header.siteLength + std::uint64_t{header.navpointCount} *
                                                                   header.navpointRecordSize));
    log.DecodeBlocks();
    log.WriteHeaderText();
    progress.Finished();
    return outcome;
}

std::optional<DownloadCounts> DecodeDownloadCounts(ByteView record) {
    if (record.size() < 4)
        return std::nullopt;
    DownloadCounts counts{static_cast<std::uint32_t>(record[0] << 8 | record[1]), record[2],
                          record[3]};
    // A stored log holds at most 255 navpoint records; a larger count is taken as none.
    if (counts.navpointCount > StoredLogHeader::kMaxNavpointCount)
        counts.navpointCount = 0;
    return counts;
}

void StoreTrailer(const TrailerRecords& records, StoredLog& log) {
    const auto& header = log.Header();
    CopyInto(records.flightInformation,
             log.MutableSection(header.FlightInfoStart(), header.flightInfoLength));
    CopyInto(records.declaration,
             log.MutableSection(header.DeclarationStart(), header.declarationLength));
    CopyInto(
        ByteView(records.security).first(std::min(records.security.size(), kSecurityRecordStored)),
        log.MutableSection(header.headerLength, header.securityLength));
    CopyInto(records.recorderStatus,
             log.MutableSection(header.RecorderInfoStart(), header.recorderInfoLength));
}

SavedFlight SaveAndCheck(const StoredLog& log, const std::filesystem::path& folder) {
    SavedFlight saved;
    saved.securityOk = PassesStoredLogCheck(log);
    const auto file = log.Save(folder);
    saved.written = file.status == LogFileStatus::Ok;
    saved.name = file.name;
    saved.status = !saved.written     ? KOR_LOG_WRITE_FAILED
                   : saved.securityOk ? KOR_OK
                                      : KOR_SECURITY_CHECK_FAILED;
    return saved;
}

std::optional<int> FlightOfDay(const std::vector<LogDirectoryEntry>& entries, int day, int month) {
    if (entries.empty())
        return std::nullopt;
    if (day < 0 || month < 0)
        return 1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].bytes[1] == month && entries[i].bytes[2] == day)
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

void TransferProgressBar::AreaStarted(std::uint32_t total) {
    step_ = std::max<std::uint32_t>(1, total / 100);
    position_ = base_;
}

void TransferProgressBar::BlockDone(std::uint32_t done) {
    position_ = std::min<int>(kRange, base_ + static_cast<int>(done / step_));
}

void TransferProgressBar::Reset() {
    base_ = 0;
    position_ = 0;
}

LogTime FirstFixOf(const LogDirectoryEntry& entry) {
    LogTime time{};
    std::copy_n(entry.bytes.begin(), time.size(), time.begin());
    return time;
}

} // namespace korlink
