#include "PcItems.h"

#include "LogDate.h"
#include "document/IgcFlight.h"
#include "korlink/korlink.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <system_error>

namespace vantrel {
namespace {

constexpr std::size_t kPilotSearchLength = 40;
// An IGC header is read up to its first fix; past this many bytes the rest is not header.
constexpr std::size_t kLargestIgcHeader = 256 * 1024;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// A text without blanks around it and with every run of blanks inside made one blank (the
// recorder pads the pilot's first and last name to fixed widths).
std::string Trimmed(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t';
        if (blank && (out.empty() || out.back() == ' '))
            continue;
        out += blank ? ' ' : c;
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::string Extension(const std::filesystem::path& path) {
    return Lower(path.extension().string());
}

// The pilot of a stored log's header text: between its fourth and fifth "," within the first
// 40 characters.
std::optional<std::string> StoredLogPilot(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<char, kPilotSearchLength> head{};
    in.read(head.data(), head.size());
    std::string_view text(head.data(), static_cast<std::size_t>(in.gcount()));
    text = text.substr(0, text.find('\0'));
    std::size_t start = 0;
    for (int comma = 0; comma < 4; ++comma) {
        const auto found = text.find(',', start);
        if (found == std::string_view::npos)
            return std::nullopt;
        start = found + 1;
    }
    const auto end = text.find(',', start);
    return Trimmed(text.substr(start, end == std::string_view::npos ? end : end - start));
}

std::optional<int> StoredLogYear(const std::filesystem::path& path) {
    std::uint8_t time[6] = {};
    std::uint32_t estimate = 0;
    if (KORGetLogFileTime(path.c_str(), time, &estimate) != KOR_OK || estimate == 0)
        return std::nullopt;
    return FullYearOfTwoDigits(time[0]);
}

// The text of an IGC file up to the first fix record.
std::string IgcHeaderText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text;
    std::string line;
    while (text.size() < kLargestIgcHeader && std::getline(in, line)) {
        if (!line.empty() && line[0] == 'B')
            break;
        text += line;
        text += '\n';
    }
    return text;
}

LogFacts IgcFacts(const std::filesystem::path& path) {
    IgcFlight flight;
    flight.ReadHeaderText(IgcHeaderText(path));
    LogFacts facts;
    if (flight.Date().year > 0)
        facts.year = flight.Date().year;
    const std::string pilot = Trimmed(flight.Header().pilot);
    if (!pilot.empty())
        facts.pilot = pilot;
    return facts;
}

} // namespace

std::optional<NodeKind> KindOfFileName(std::string_view fileName) {
    const std::string extension = Extension(std::filesystem::path(fileName));
    if (extension == ".sua" || extension == ".air")
        return NodeKind::Airspace;
    if (extension == ".dat")
        return NodeKind::Navpoints;
    if (extension == ".igc" || extension == ".kor")
        return NodeKind::FlightLog;
    return std::nullopt;
}

LogFacts ReadLogFacts(const std::filesystem::path& path) {
    const std::string extension = Extension(path);
    if (extension == ".kor")
        return LogFacts{StoredLogYear(path), StoredLogPilot(path)};
    if (extension == ".igc")
        return IgcFacts(path);
    return {};
}

std::string LabelDateText(std::int64_t date) {
    static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const auto seconds = static_cast<std::time_t>(date);
    std::tm local{};
    if (!localtime_r(&seconds, &local))
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%s %02d, %d", kMonths[static_cast<std::size_t>(local.tm_mon)],
                  local.tm_mday, local.tm_year + 1900);
    return text;
}

ExplorerNode FileNode(const std::filesystem::path& path, NodeKind kind) {
    ExplorerNode node;
    node.kind = kind;
    node.path = path.string();
    const std::string name = path.filename().string();
    if (kind != NodeKind::FlightLog) {
        node.label = name.substr(0, name.find('.'));
        return node;
    }
    const LogFacts facts = ReadLogFacts(path);
    node.sortDate = LogDateOfName(name, facts.year);
    node.label = name;
    if (node.sortDate != 0)
        node.label += " - " + LabelDateText(node.sortDate);
    if (facts.pilot)
        node.label += " - " + *facts.pilot;
    return node;
}

ExplorerNode FolderNode(const std::filesystem::path& path) {
    ExplorerNode node;
    node.kind = NodeKind::Folder;
    node.path = path.string();
    node.label = path.filename().string();
    return node;
}

std::vector<ExplorerNode> ListFolder(const std::filesystem::path& folder) {
    std::vector<ExplorerNode> folders;
    std::vector<std::pair<std::filesystem::path, NodeKind>> files;
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    if (error)
        return {};
    for (; entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        if (error)
            break;
        const std::string name = entry->path().filename().string();
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code typeError;
        if (entry->is_directory(typeError)) {
            if (name != "Maps")
                folders.push_back(FolderNode(entry->path()));
        } else if (const auto kind = KindOfFileName(name)) {
            files.emplace_back(entry->path(), *kind);
        }
    }
    std::vector<ExplorerNode> nodes = std::move(folders);
    // The files in the order they are looked for: airspace, navpoints, logs.
    for (const NodeKind kind : {NodeKind::Airspace, NodeKind::Navpoints, NodeKind::FlightLog})
        for (const auto& [path, fileKind] : files)
            if (fileKind == kind)
                nodes.push_back(FileNode(path, kind));
    SortPcItems(nodes);
    return nodes;
}

bool ComesBefore(const ExplorerNode& a, const ExplorerNode& b) {
    const bool aFolder = a.kind == NodeKind::Folder;
    const bool bFolder = b.kind == NodeKind::Folder;
    if (aFolder != bFolder)
        return aFolder;
    if (a.kind != b.kind)
        return static_cast<int>(a.kind) > static_cast<int>(b.kind);
    if (a.kind == NodeKind::FlightLog)
        return a.sortDate > b.sortDate;
    return Lower(a.label) < Lower(b.label);
}

void SortPcItems(std::vector<ExplorerNode>& nodes) {
    std::stable_sort(nodes.begin(), nodes.end(), ComesBefore);
}

} // namespace vantrel
