#pragma once

#include "TextLines.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace vantrel {

// One point line of a declaration.
struct DeclaredPoint {
    double latitude = 0;  // signed degrees
    double longitude = 0; // signed degrees
    std::string name;
};

// A task declaration from a block of C records: take-off, start, turnpoints, finish, landing.
struct IgcDeclaration {
    std::vector<DeclaredPoint> points;
    std::time_t declarationTime = 0; // 0 when its fields are out of range
    std::time_t plannedDate = 0;     // 0 when absent or out of range
    std::int32_t taskNumber = 0;
    std::int32_t turnpointCount = 0;
};

// Reads a declaration block whose first line is `first`; its point lines are taken from
// `lines`, each counted in `lineCount`. The block ends after turnpoint count + 4 point lines,
// at the end of the text, or before a line that is empty or not a C record. A first line too
// short to hold its fields gives an empty declaration, its point lines passed over.
IgcDeclaration ReadDeclaration(std::string_view first, TextLines& lines, int& lineCount);

} // namespace vantrel
