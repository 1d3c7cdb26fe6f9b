#include "IgcHeader.h"

#include "TimeShift.h"

#include <optional>
#include <string>

namespace vantrel {
namespace {

constexpr std::size_t kShortestRecorderRecord = 7;
constexpr std::size_t kRecorderIdLength = 5;
constexpr std::size_t kShortestDateRecord = 11;

// The value of an H record: the text after its first colon, or after a fixed index when it has
// none; trimmed.
std::string ValueOf(std::string_view line, std::size_t fixedIndex) {
    const auto colon = line.find(':');
    return std::string(
        Trim(colon == std::string_view::npos ? Part(line, fixedIndex) : line.substr(colon + 1)));
}

// The date of "HFDTEDDMMYY" and of "HFDTEDATE:DDMMYY,NN": six digits from the first digit at or
// after the subtype.
std::optional<FlightDate> DateOf(std::string_view line) {
    if (line.size() < kShortestDateRecord)
        return std::nullopt;
    const auto first = line.find_first_of("0123456789", 5);
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto day = DigitsAt(line, first, 2);
    const auto month = DigitsAt(line, first + 2, 2);
    const auto year = DigitsAt(line, first + 4, 2);
    if (!day || !month || !year || *day < 1 || *day > 31 || *month < 1 || *month > 12)
        return std::nullopt;
    return FlightDate{*day, *month, *year >= 80 ? 1900 + *year : 2000 + *year};
}

// The zone after the record's first colon, in minutes: "UTC-05:00" → -300, "+5:30" and "+5.50"
// → 330; 0 when there is no colon or no zone after it.
int TimeZoneMinutesOf(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || colon < 1)
        return 0;
    return ZoneMinutesOf(line.substr(colon + 1)).value_or(0);
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// False when the record cannot be read.
bool ReadHeaderRecord(std::string_view line, IgcHeader& header) {
    const auto subtype = Part(line, 2, 3);
    if (subtype == "DTE") {
        const auto date = DateOf(line);
        if (date)
            header.date = *date;
        return date.has_value();
    }
    if (subtype == "PLT")
        header.pilot = ValueOf(line, 12);
    else if (subtype == "GTY")
        header.gliderType = ValueOf(line, 17);
    else if (subtype == "GID" && (Contains(line, "GliderType") || Contains(line, "Glider Type")))
        header.gliderType = std::string(Trim(Part(line, 16)));
    else if (subtype == "GID")
        header.gliderId = ValueOf(line, 15);
    else if (subtype == "CID")
        header.competitionId = UpperCase(ValueOf(line, 20));
    else if (subtype == "SIT")
        header.site = ValueOf(line, 11);
    else if (subtype == "UNT")
        header.units = ValueOf(line, 12);
    else if (subtype == "RHW")
        header.hardwareVersion = ValueOf(line, 20);
    else if (subtype == "TZN" || subtype == "TZO")
        header.timeZoneMinutes = TimeZoneMinutesOf(line);
    return true;
}

// The columns named by an extension code in an I record: the two digits 4 and 2 characters
// before it.
void ReadExtension(std::string_view line, std::string_view code, int& start, int& end) {
    const auto at = line.find(code);
    if (at == std::string_view::npos || at < 4)
        return;
    start = DigitsAt(line, at - 4, 2).value_or(-1);
    end = DigitsAt(line, at - 2, 2).value_or(-1);
}

std::string ErrorText(int line, char letter) {
    return "ERROR occured on line : " + std::to_string(line) + "; RecordType : " + letter + " ";
}

} // namespace

HeaderOutcome ReadHeader(std::string_view text, IgcHeader& header) {
    HeaderOutcome outcome;
    TextLines lines(text);
    while (const auto next = lines.Next()) {
        ++outcome.lineCount;
        const auto line = TrimLeft(*next);
        if (line.empty())
            continue;
        bool readable = true;
        switch (line.front()) {
        case 'A':
            readable = line.size() >= kShortestRecorderRecord;
            if (readable) {
                header.manufacturer = std::string(line.substr(1, 3));
                header.recorderId = std::string(Part(line, 4, kRecorderIdLength));
            }
            break;
        case 'H':
            readable = ReadHeaderRecord(line, header);
            break;
        case 'I':
            ReadExtension(line, "FXA", header.fxaStart, header.fxaEnd);
            ReadExtension(line, "ENL", header.enlStart, header.enlEnd);
            break;
        case 'C':
            header.declarations.push_back(ReadDeclaration(line, lines, outcome.lineCount));
            break;
        case 'B':
            return outcome;
        default:
            break;
        }
        if (!readable) {
            outcome.read = false;
            outcome.errorText = ErrorText(outcome.lineCount, line.front());
            return outcome;
        }
    }
    return outcome;
}

} // namespace vantrel
