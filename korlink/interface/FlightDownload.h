#pragma once

#include "LogDirectory.h"
#include "RecorderConfig.h"
#include "logfiles/StoredLog.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace korlink {

class CRecorderLink;

// What a flight download reports as it goes, in the order it happens: each block area starts
// with its total length, each block reports the bytes done in that area, the fix data
// completes, and the download ends finished or failed with its status code. The base class
// watches nothing.
class DownloadProgress {
public:
    virtual ~DownloadProgress() = default;
    // The recorder's identity, read before any area is opened.
    virtual void IdentityRead(const RecorderConfig&) {}
    virtual void AreaStarted(std::uint32_t /*total*/) {}
    virtual void BlockDone(std::uint32_t /*done*/) {}
    virtual void FixDataComplete() {}
    virtual void Failed(std::uint32_t /*status*/) {}
    virtual void Finished() {}
};

// What came of a download besides its status.
struct DownloadOutcome {
    // KOR_OK, KOR_INVALID_PORT (records), KOR_COMMUNICATION_ERROR, or KOR_CANCELLED when the
    // operation was cancelled (the log is then incomplete and must not be saved)
    std::uint32_t status = 0;
    bool fixDataComplete = false;
    std::uint32_t fixDataLength = 0;
    std::uint32_t fixDataReceived = 0; // bytes of fix data that arrived before a block failed
    bool siteAreaComplete = false;
};

// The count record of a download (record c): the navpoint count (bytes 0 and 1, high first),
// the size of one navpoint record and the site block length. A count above what a stored log
// holds (255) is taken as none. Nothing when the record is shorter than 4 bytes.
struct DownloadCounts {
    std::uint32_t navpointCount = 0;
    std::uint32_t recordSize = 0;
    std::uint32_t siteLength = 0;
};
std::optional<DownloadCounts> DecodeDownloadCounts(ByteView record);

// The records read after the fix data, as the recorder sent their payloads.
struct TrailerRecords {
    Bytes flightInformation; // record x
    Bytes declaration;       // record d
    Bytes security;          // "b 128"
    Bytes recorderStatus;    // record w
};

// Copies them into the log's sections, each cut to its section: the flight information, the
// declaration, the first 34 bytes of the security block (the rest stays zero) and the recorder
// information.
void StoreTrailer(const TrailerRecords& records, StoredLog& log);

// Downloads flight `flight` (1-based, in directory order) into a fresh stored log: the
// configuration, the counts, the fix data area, the trailer records and the site and navpoint
// area. A failed fix block does not stop the download; the log then holds the fix data up to
// it, zeros after it, and fails its security check.
DownloadOutcome DownloadFlight(CRecorderLink& link, StoredLog& log, int flight,
                               DownloadProgress& progress);

// A downloaded flight saved into a folder and checked.
struct SavedFlight {
    std::uint32_t status = 0; // KOR_OK, KOR_LOG_WRITE_FAILED or KOR_SECURITY_CHECK_FAILED
    bool written = false;
    std::string name; // the file name chosen in the folder
    bool securityOk = false;
};

// Checks the log's security value, then saves it under its file name.
SavedFlight SaveAndCheck(const StoredLog& log, const std::filesystem::path& folder);

// The flight to download for a date: the first entry of that day and month, or flight 1 when
// either is negative. Nothing when no entry matches.
std::optional<int> FlightOfDay(const std::vector<LogDirectoryEntry>& entries, int day, int month);

// The first fix of a directory entry as the log naming and search use it.
LogTime FirstFixOf(const LogDirectoryEntry& entry);

// The progress bar of a download, 0 to 200: the fix data fills the first half and the site and
// navpoint area the second; each area moves in steps of a hundredth of its length.
class TransferProgressBar {
public:
    static constexpr int kRange = 200;

    void AreaStarted(std::uint32_t total);
    void BlockDone(std::uint32_t done);
    void FixDataComplete() { base_ = kRange / 2; }
    void Reset();
    int Position() const { return position_; }

private:
    int base_ = 0;
    std::uint32_t step_ = 1;
    int position_ = 0;
};

} // namespace korlink
