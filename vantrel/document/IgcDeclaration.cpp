#include "IgcDeclaration.h"

#include "IgcCoordinates.h"
#include "LocalClock.h"

#include <optional>

namespace vantrel {
namespace {

constexpr std::size_t kFirstLineLength = 24;
constexpr std::size_t kNameLength = 20;
constexpr int kPointLinesBeyondTurnpoints = 4;

int YearOf(int twoDigits) {
    return twoDigits < 90 ? 2000 + twoDigits : 1900 + twoDigits;
}

std::time_t DeclarationTime(std::string_view line) {
    const auto day = DigitsAt(line, 1, 2), month = DigitsAt(line, 3, 2);
    const auto year = DigitsAt(line, 5, 2), hour = DigitsAt(line, 7, 2);
    const auto minute = DigitsAt(line, 9, 2), second = DigitsAt(line, 11, 2);
    if (!day || !month || !year || !hour || !minute || !second)
        return 0;
    if (*day < 1 || *day > 31 || *month < 1 || *month > 12 || *hour > 24 || *minute > 60 ||
        *second > 60)
        return 0;
    return LocalTime({*day, *month, YearOf(*year)}, *hour, *minute, *second);
}

std::time_t PlannedDate(std::string_view line) {
    const auto day = DigitsAt(line, 13, 2), month = DigitsAt(line, 15, 2);
    const auto year = DigitsAt(line, 17, 2);
    if (!day || !month || !year || *day == 0 || *month == 0 || *year == 0 || *day >= 32 ||
        *month >= 13)
        return 0;
    return LocalTime({*day, *month, YearOf(*year)}, 0, 0, 0);
}

std::optional<DeclaredPoint> PointOf(std::string_view line) {
    const auto latitude = SignedAngleAt(line, 1, 2, 'S');
    const auto longitude = SignedAngleAt(line, 9, 3, 'W');
    if (!latitude || !longitude)
        return std::nullopt;
    return DeclaredPoint{*latitude, *longitude,
                         std::string(TrimRight(Part(line, 18, kNameLength)))};
}

// The next line when it continues the block (a C record), taken and counted.
std::optional<std::string_view> NextPointLine(TextLines& lines, int& lineCount) {
    const auto next = lines.Peek();
    if (!next)
        return std::nullopt;
    const auto line = TrimLeft(*next);
    if (line.empty() || line.front() != 'C')
        return std::nullopt;
    lines.Next();
    ++lineCount;
    return line;
}

} // namespace

IgcDeclaration ReadDeclaration(std::string_view first, TextLines& lines, int& lineCount) {
    IgcDeclaration declaration;
    if (first.size() < kFirstLineLength) {
        while (NextPointLine(lines, lineCount)) {
        }
        return declaration;
    }
    declaration.declarationTime = DeclarationTime(first);
    declaration.plannedDate = PlannedDate(first);
    declaration.taskNumber = DigitsAt(first, 19, 4).value_or(0);
    declaration.turnpointCount = DigitsAt(first, 23, 2).value_or(0);

    for (int n = 0; n < declaration.turnpointCount + kPointLinesBeyondTurnpoints; ++n) {
        const auto line = NextPointLine(lines, lineCount);
        const auto point = line ? PointOf(*line) : std::nullopt;
        if (!point)
            break;
        declaration.points.push_back(*point);
    }
    return declaration;
}

} // namespace vantrel
