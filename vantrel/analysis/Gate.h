#pragma once

#include "document/GeoPosition.h"
#include "navpoints/Navpoint.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace vantrel {

// A start or finish gate: a cylinder around a centre navpoint or a line through it.
struct Gate {
    static constexpr std::int32_t kCylinder = 0;
    static constexpr std::int32_t kLine = 1;

    // For a line: its heading is the course to the first turnpoint (start) or from the finish
    // to the last turnpoint.
    bool perpendicular = false;
    // For a cylinder in use, the task legs to this gate are shortened by its radius.
    bool inUse = false;
    GeoPosition centre;
    GeoPosition endA;          // centre offset by the radius at heading - 90 degrees
    GeoPosition endB;          // centre offset by the radius at heading + 90 degrees
    GeoPosition backPoint;     // centre offset by the radius at heading + 180 degrees
    std::int32_t centreId = 0; // negative: not defined
    double crossAngle = 0;     // (heading - 90 degrees) in radians
    double radius = 5.0;       // nm; for a line, half its width
    std::int32_t type = kCylinder;
    std::int32_t base = 0;   // feet above the home elevation
    std::int32_t top = 5000; // feet above the home elevation
    double heading = 0;      // degrees, direction of flight through a line

    bool IsLine() const { return type == kLine; }
    bool IsCylinder() const { return type != kLine; }
    // True only for a line with the perpendicular mark.
    bool IsPerpendicular() const { return IsLine() && perpendicular; }

    // Centre, cross angle, line ends and back point from the centre navpoint.
    void BuildGeometry(const navpoints::Navpoint& centreNavpoint);

    // Whether the segment from fix a to fix b meets a line gate; when `directed`, only a
    // crossing in the gate's direction counts. Always false for a cylinder.
    bool Crosses(const GeoPosition& a, const GeoPosition& b, bool directed) const;
    // The time at which the segment from a (at timeA) to b (at timeB) crosses the line,
    // interpolated along the segment and rounded half up; none when it does not cross.
    std::optional<std::time_t> CrossingTime(const GeoPosition& a, std::time_t timeA,
                                            const GeoPosition& b, std::time_t timeB) const;
};

// "Gate not defined", or "Cylinder, 5.0 Miles Radius, Center at point 3" with the radius (the
// width for a line) in `distanceUnit`.
std::string GateDescription(const Gate& gate, int distanceUnit);

// The gate defaults of a new flight window, sizes given in the display units and stored in
// nautical miles and feet.
Gate DefaultStartGate(int distanceUnit, int altitudeUnit);
Gate DefaultFinishGate(int distanceUnit, int altitudeUnit);

// The fields of the gate dialog, in display units: the size is the radius of a cylinder and
// the full width of a line.
struct GateEntry {
    std::int32_t type = Gate::kCylinder;
    double size = 0;
    std::int32_t top = 0;
    std::int32_t base = 0;
    std::int32_t heading = 0; // whole degrees
    bool perpendicular = false;
    std::int32_t centreId = 0;
};
GateEntry GateEntryOf(const Gate& gate, int distanceUnit, int altitudeUnit);
// Stores a dialog's fields into a gate: sizes back to nautical miles, heights to feet
// (truncated).
void ApplyGateEntry(const GateEntry& entry, int distanceUnit, int altitudeUnit, Gate& gate);

} // namespace vantrel
