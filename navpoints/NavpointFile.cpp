#include "NavpointFile.h"

#include "Attributes.h"
#include "Coordinates.h"
#include "DisplayText.h"
#include "FileReplace.h"
#include "NumberText.h"

#include <cmath>
#include <fstream>
#include <optional>

namespace navpoints {
namespace {

constexpr double kMetresPerFoot = 0.30478513;
constexpr std::string_view kSiteComment = "** Site : ";

constexpr double kMostLatitude = 90;
constexpr double kMostLongitude = 180;

enum class LineKind { Navpoint, Comment, Unreadable, EndOfData };

struct ParsedLine {
    LineKind kind = LineKind::Unreadable;
    std::optional<Navpoint> navpoint;
};

struct Minutes {
    double value = 0;
    bool negative = false;
};

// The text before the next `delimiter`, moving `rest` past it; nothing when there is none.
std::optional<std::string_view> NextField(std::string_view& rest, char delimiter) {
    const auto at = rest.find(delimiter);
    if (at == std::string_view::npos)
        return std::nullopt;
    const auto field = rest.substr(0, at);
    rest.remove_prefix(at + 1);
    return field;
}

// At most `width` characters of a whole number ("%2d"), moving `text` past them.
std::optional<int> NarrowInteger(std::string_view& text, std::size_t width) {
    const auto first = text.find_first_not_of(" \t");
    text.remove_prefix(first == std::string_view::npos ? text.size() : first);
    std::size_t length = 0;
    if (length < width && length < text.size() && (text[0] == '-' || text[0] == '+'))
        ++length;
    const std::size_t signLength = length;
    while (length < width && length < text.size() && text[length] >= '0' && text[length] <= '9')
        ++length;
    if (length == signLength)
        return std::nullopt;
    const int value = LeadingInteger(text.substr(0, length));
    text.remove_prefix(length);
    return value;
}

// "MM:SS" as minutes.
std::optional<double> MinutesAndSeconds(std::string_view text) {
    const auto minutes = NarrowInteger(text, 2);
    if (!minutes || text.empty() || text[0] != ':')
        return std::nullopt;
    text.remove_prefix(1);
    const auto seconds = NarrowInteger(text, 2);
    if (!seconds)
        return std::nullopt;
    return *minutes + *seconds / 60.0;
}

// A minutes field with its hemisphere letter: decimal minutes, or minutes and seconds.
std::optional<Minutes> ParseMinutes(std::string_view field, char positive, char negative) {
    const auto letterAt = field.find_first_of(std::string{positive, negative});
    if (letterAt == std::string_view::npos)
        return std::nullopt;
    std::string text(field);
    const bool isNegative = text[letterAt] == negative;
    text[letterAt] = ' ';
    std::optional<double> value;
    if (text.find('.') != std::string::npos)
        value = LeadingNumber(text);
    else if (text.find(':') != std::string::npos)
        value = MinutesAndSeconds(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return Minutes{*value, isNegative};
}

float ParseElevation(std::string_view field) {
    const double value = LeadingInteger(field);
    const bool feet = field.find('F') != std::string_view::npos;
    return static_cast<float>(feet ? value * kMetresPerFoot : value);
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == line.npos;
}

bool IsOnTheGlobe(const Navpoint& navpoint) {
    return std::fabs(navpoint.Latitude()) <= kMostLatitude &&
           std::fabs(navpoint.Longitude()) <= kMostLongitude;
}

ParsedLine ParseLine(std::string_view line) {
    if (line.starts_with("**") || IsBlank(line))
        return {LineKind::Comment, std::nullopt};
    std::string_view rest = line;
    const auto idField = NextField(rest, ',');
    const int id = LeadingInteger(idField ? *idField : line);
    if (id < Navpoint::kMinId || id > Navpoint::kMaxId)
        return {LineKind::EndOfData, std::nullopt};
    const auto latitudeDegrees = NextField(rest, ':');
    const auto latitudeMinutes = NextField(rest, ',');
    const auto longitudeDegrees = NextField(rest, ':');
    const auto longitudeMinutes = NextField(rest, ',');
    const auto elevation = NextField(rest, ',');
    const auto attributes = NextField(rest, ',');
    if (!idField || !latitudeDegrees || !latitudeMinutes || !longitudeDegrees ||
        !longitudeMinutes || !elevation || !attributes)
        return {};
    const auto latitude = ParseMinutes(*latitudeMinutes, 'N', 'S');
    const auto longitude = ParseMinutes(*longitudeMinutes, 'E', 'W');
    if (!latitude || !longitude)
        return {};
    const auto name = NextField(rest, ',');
    const std::string_view remark = name ? rest : std::string_view{};
    Navpoint navpoint(id, name ? *name : rest, LeadingInteger(*latitudeDegrees), latitude->value,
                      latitude->negative, LeadingInteger(*longitudeDegrees), longitude->value,
                      longitude->negative, AttributesFromLetters(*attributes),
                      ParseElevation(*elevation), remark);
    if (!IsOnTheGlobe(navpoint))
        return {};
    return {LineKind::Navpoint, std::move(navpoint)};
}

// Reads one line of at most `limit` characters (without its LF, and without the CR of a CR LF);
// the rest of a longer line is passed over. False at the end of the input.
bool ReadBoundedLine(std::istream& in, std::string& line, std::size_t limit) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    bool any = false;
    bool cut = false;
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        any = true;
        if (c == '\n')
            break;
        if (line.size() <= limit)
            line += static_cast<char>(c);
        else
            cut = true;
    }
    if (!cut && !line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > limit)
        line.resize(limit);
    return any;
}

// The site name of a "** Site : " comment line (without its line end).
std::optional<std::string> SiteNameOfComment(std::string_view line) {
    if (!line.starts_with(kSiteComment))
        return std::nullopt;
    return std::string(line.substr(kSiteComment.size()));
}

// Names and remarks must not break the line they are written on; a name must not hold the
// field delimiter either.
std::string LineSafe(std::string_view text, bool isName) {
    std::string safe(text);
    for (char& c : safe) {
        if (c == '\n' || c == '\r' || (isName && c == ','))
            c = ' ';
    }
    return safe;
}

} // namespace

NavpointReading ReadNavpointLines(std::istream& in, NavpointList& list) {
    NavpointReading reading;
    std::string line;
    bool opening = true;
    try {
        for (int number = 1; ReadBoundedLine(in, line, kMaxNavpointLineLength); ++number) {
            const ParsedLine parsed = ParseLine(line);
            opening = opening && parsed.kind == LineKind::Comment;
            if (opening && !reading.siteName)
                reading.siteName = SiteNameOfComment(line);
            if (parsed.kind == LineKind::EndOfData) {
                reading.endedAtLine = number;
                break;
            }
            if (parsed.kind == LineKind::Unreadable)
                ++reading.unreadable;
            else if (parsed.navpoint && list.Put(*parsed.navpoint))
                ++reading.read;
        }
    } catch (const std::ios_base::failure&) {
        // The stream buffer reports a failed read (a folder opened as a file) by throwing.
        reading.failed = true;
    }
    reading.failed = reading.failed || in.bad();
    return reading;
}

int ReadNavpoints(std::istream& in, NavpointList& list) {
    return ReadNavpointLines(in, list).read;
}

int ReadNavpointFile(const std::filesystem::path& path, NavpointList& list) {
    std::ifstream in(path, std::ios::binary);
    return in ? ReadNavpoints(in, list) : 0;
}

std::string NavpointLine(const Navpoint& navpoint) {
    // To the nearest foot: the recorder's whole metres come back as the feet a file gave them.
    const int feet = TruncatedInt(navpoint.Elevation() * kFeetPerMetre + 0.5);
    return IdText(navpoint.Id()) + ',' + FileLatitudeText(navpoint.Latitude()) + ',' +
           FileLongitudeText(navpoint.Longitude()) + ',' + std::to_string(feet) + "F," +
           AttributeLetters(navpoint.Attributes()) + ',' + LineSafe(navpoint.Name(), true) + ',' +
           LineSafe(navpoint.Remark(), false);
}

std::optional<std::string> ReadNavpointFileSiteName(std::istream& in) {
    std::string line;
    while (std::getline(in, line) && line.starts_with("**")) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (auto name = SiteNameOfComment(line))
            return name;
    }
    return std::nullopt;
}

std::string NavpointFileText(const NavpointList& list, std::string_view siteName) {
    std::string text = "**\n" + std::string(kSiteComment) + LineSafe(siteName, false) + "\n**\n";
    for (const Navpoint* navpoint : list.InOrder())
        (text += NavpointLine(*navpoint)) += '\n';
    return text;
}

bool WriteNavpointFile(const std::filesystem::path& path, const NavpointList& list,
                       std::string_view siteName) {
    return ReplaceFileContents(path, NavpointFileText(list, siteName));
}

} // namespace navpoints
