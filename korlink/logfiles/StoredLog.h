#pragma once

#include "FixRecord.h"
#include "LogBlocks.h"
#include "StoredLogHeader.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korlink {

// Outcome of loading or saving a stored log.
enum class LogFileStatus {
    Ok = 0,
    CannotRead = 11, // the file cannot be opened, read, created or written
    BadHeader = 13,
};

struct SavedLog {
    LogFileStatus status = LogFileStatus::CannotRead;
    std::string name; // the chosen file name, without folder
};

// A stored log: the recorder's bytes of one flight behind a short text header, held as one
// file image of at most 250000 bytes, with its header fields and decoded blocks.
class StoredLog {
public:
    static constexpr std::size_t kImageSize = 250000;
    static constexpr std::size_t kMaxFixRecords = 65536;

    StoredLog();

    // Reads the file into the image (the header, then the rest of its declared length; a short
    // file reads as zeros past its end) and decodes its blocks.
    LogFileStatus Load(const std::filesystem::path& path);

    // Saves the image under the name chosen for its first fix and recorder id.
    SavedLog Save(const std::filesystem::path& folder) const;

    // The section lengths a download sets for fix data of `length` bytes. The navpoint record
    // size and count and the site length are the recorder's and are set by the caller.
    void SetDownloadLengths(std::uint32_t fixDataLength);
    // Writes the header text of the fields into the image; false when it does not fit.
    bool WriteHeaderText();
    // Decodes the flight information, recorder information, site and navpoint sections and the
    // first fix; the recorder id, pilot name and competition id then come from the flight
    // information.
    void DecodeBlocks();

    StoredLogHeader& Header() { return header_; }
    const StoredLogHeader& Header() const { return header_; }
    std::uint64_t TotalLength() const { return header_.TotalLength(); }
    bool FitsImage() const { return TotalLength() <= kImageSize; }

    // The whole image, and its sections as the header lays them out (cut at the image's end).
    std::span<std::uint8_t> Image() { return image_; }
    ByteView Image() const { return image_; }
    ByteView Section(std::uint64_t offset, std::uint64_t length) const;
    std::span<std::uint8_t> MutableSection(std::uint64_t offset, std::uint64_t length);
    ByteView SecurityBlock() const { return Section(header_.headerLength, header_.securityLength); }
    ByteView FixData() const { return Section(header_.FixDataOffset(), header_.fixDataLength); }
    // The fix data up to its last non-zero byte. Every fix record ends in a byte that holds its
    // end nibble, so zeros after it are bytes that never arrived (a download whose blocks failed
    // leaves them) or padding, never fixes.
    ByteView RecordedFixData() const;
    ByteView DeclarationBlock() const {
        return Section(header_.DeclarationStart(), header_.declarationLength);
    }

    const FlightInformation& FlightInfo() const { return flightInfo_; }
    const RecorderInformation& RecorderInfo() const { return recorderInfo_; }
    const std::string& SiteName() const { return siteName_; }
    const std::string& RecorderId() const { return header_.recorderId; }
    std::uint16_t SerialNumber() const { return flightInfo_.serialNumber; }
    const std::vector<LogNavpoint>& Navpoints() const { return navpoints_; }
    const LogFix& FirstFix() const { return firstFix_; }
    std::uint32_t FixCountEstimate() const { return header_.fixCountEstimate; }

    // Unpacks the fix record at byte `position` of the fix data. Returns the position of the
    // next record, or 0 when this one ends at or beyond the end of the fix data.
    std::size_t ReadFixRecord(std::size_t position, NibbleRecord& record) const;

    LogDeclaration Declaration() const;

private:
    std::vector<std::uint8_t> image_;
    StoredLogHeader header_;
    FlightInformation flightInfo_;
    RecorderInformation recorderInfo_;
    std::string siteName_;
    std::vector<LogNavpoint> navpoints_;
    LogFix firstFix_;
};

// The date and time of a stored log's first fix and its fix count estimate.
struct LogFileTime {
    LogTime time{};
    std::uint32_t estimate = 0;
};

enum class LogFileTimeStatus { Ok, Missing, Unreadable };

// Missing when the file does not exist, unreadable when it does not load.
LogFileTimeStatus ReadLogFileTime(const std::filesystem::path& path, LogFileTime& out);

} // namespace korlink
