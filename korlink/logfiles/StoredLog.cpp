#include "StoredLog.h"

#include "FileDescriptor.h"
#include "LogBytes.h"
#include "LogNaming.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace korlink {
namespace {

constexpr std::size_t kSiteNameLength = 32;

// Reads up to `buffer.size()` bytes; fewer only at the end of the file. Nothing on an error.
std::optional<std::size_t> ReadUpTo(int fd, std::span<std::uint8_t> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const auto n = ::read(fd, buffer.data() + done, buffer.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

} // namespace

StoredLog::StoredLog() : image_(kImageSize, 0) {}

ByteView StoredLog::Section(std::uint64_t offset, std::uint64_t length) const {
    if (offset >= image_.size())
        return {};
    return ByteView(image_).subspan(offset,
                                    std::min<std::uint64_t>(length, image_.size() - offset));
}

std::span<std::uint8_t> StoredLog::MutableSection(std::uint64_t offset, std::uint64_t length) {
    if (offset >= image_.size())
        return {};
    return std::span(image_).subspan(offset,
                                     std::min<std::uint64_t>(length, image_.size() - offset));
}

LogFileStatus StoredLog::Load(const std::filesystem::path& path) {
    std::fill(image_.begin(), image_.end(), 0);
    const auto file = FileDescriptor::OpenForReading(path);
    if (!file.IsOpen())
        return LogFileStatus::CannotRead;
    const auto head = std::span(image_).first(StoredLogHeader::kLength);
    if (!ReadUpTo(file.Get(), head))
        return LogFileStatus::CannotRead;
    auto header = ParseStoredLogHeader(head);
    if (!header || header->TotalLength() > kImageSize)
        return LogFileStatus::BadHeader;
    header_ = std::move(*header);
    const auto total = static_cast<std::size_t>(header_.TotalLength());
    if (total > head.size() &&
        !ReadUpTo(file.Get(), std::span(image_).subspan(head.size(), total - head.size())))
        return LogFileStatus::CannotRead;
    DecodeBlocks();
    return LogFileStatus::Ok;
}

void StoredLog::DecodeBlocks() {
    flightInfo_ =
        DecodeFlightInformation(Section(header_.FlightInfoStart(), header_.flightInfoLength));
    recorderInfo_ =
        DecodeRecorderInformation(Section(header_.RecorderInfoStart(), header_.recorderInfoLength));
    const auto site = Section(header_.SiteStart(), header_.siteLength);
    siteName_ = logbytes::Text(site, 0, std::min(site.size(), kSiteNameLength));
    header_.recorderId = korlink::RecorderId(flightInfo_.serialNumber);
    header_.pilotName = flightInfo_.pilotName;
    header_.competitionId = flightInfo_.competitionId;

    navpoints_.clear();
    const auto size = header_.navpointRecordSize;
    if (size > 0) {
        const auto count =
            header_.navpointCount > StoredLogHeader::kMaxNavpointCount ? 0 : header_.navpointCount;
        for (std::uint32_t i = 0; i < count; ++i)
            navpoints_.push_back(DecodeLogNavpoint(
                Section(header_.NavpointsStart() + std::uint64_t{i} * size, size)));
    }

    NibbleRecord record;
    ReadFixRecord(0, record);
    firstFix_ = header_.fixDataLength > 0 ? DecodeFixRecord(record) : LogFix{};
}

ByteView StoredLog::RecordedFixData() const {
    const auto data = FixData();
    const auto last =
        std::find_if(data.rbegin(), data.rend(), [](std::uint8_t b) { return b != 0; });
    return data.first(static_cast<std::size_t>(data.rend() - last));
}

std::size_t StoredLog::ReadFixRecord(std::size_t position, NibbleRecord& record) const {
    const auto data = FixData();
    const auto next = UnpackRecord(data, position, kFixRecordNibbles, record);
    return next < data.size() ? next : 0;
}

LogDeclaration StoredLog::Declaration() const {
    return DecodeDeclaration(DeclarationBlock(), firstFix_.time, navpoints_);
}

void StoredLog::SetDownloadLengths(std::uint32_t fixDataLength) {
    constexpr std::uint32_t kFixesPerByteEstimate = 22;
    header_.headerLength = 100;
    header_.securityLength = 64;
    header_.fixDataLength = fixDataLength;
    header_.flightInfoLength = 100;
    header_.declarationLength = 69;
    header_.recorderInfoLength = 32;
    header_.coveredSpan = fixDataLength + 169;
    header_.flightInfoOffset = fixDataLength + 164;
    header_.fixCountEstimate = fixDataLength / kFixesPerByteEstimate;
    header_.timeZone = 0;
}

bool StoredLog::WriteHeaderText() {
    const auto text = StoredLogHeaderText(header_);
    if (!text)
        return false;
    const auto head = std::span(image_).first(StoredLogHeader::kLength);
    std::fill(head.begin(), head.end(), 0);
    std::copy(text->begin(), text->end(), head.begin());
    return true;
}

SavedLog StoredLog::Save(const std::filesystem::path& folder) const {
    if (!FitsImage())
        return {};
    const auto contents = ByteView(image_).first(static_cast<std::size_t>(TotalLength()));
    auto name = WriteUnderLogFileName(folder, firstFix_.time, header_.recorderId,
                                      LogFileKind::StoredLog, contents);
    if (!name)
        return {};
    return {LogFileStatus::Ok, std::move(*name)};
}

LogFileTimeStatus ReadLogFileTime(const std::filesystem::path& path, LogFileTime& out) {
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return LogFileTimeStatus::Missing;
    StoredLog log;
    if (log.Load(path) != LogFileStatus::Ok)
        return LogFileTimeStatus::Unreadable;
    out.time = log.FirstFix().time;
    out.estimate = log.FixCountEstimate();
    return LogFileTimeStatus::Ok;
}

} // namespace korlink
