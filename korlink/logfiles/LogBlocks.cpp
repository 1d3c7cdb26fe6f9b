#include "LogBlocks.h"

#include "LogBytes.h"

namespace korlink {

using namespace logbytes;

namespace {

constexpr std::size_t kDeclarationEntry = 7;
constexpr std::uint8_t kSouthOrWest = 0x80;

// Degrees, minutes with the hemisphere bit, hundredths of a minute.
double DeclaredAngle(ByteView block, std::size_t offset) {
    const auto minutes = At(block, offset + 1);
    const double angle = At(block, offset) + ((minutes & 0x7F) + At(block, offset + 2) * 0.01) / 60;
    return (minutes & kSouthOrWest) ? -angle : angle;
}

} // namespace

FlightInformation DecodeFlightInformation(ByteView block) {
    FlightInformation info;
    info.units = At(block, 0);
    info.serialNumber = BigEndian16(block, 2);
    info.pilotName = Text(block, 4, 24);
    info.gliderType = Text(block, 28, 9);
    info.competitionId = Text(block, 37, 3);
    info.datum = At(block, 41);
    info.hardwareCode = At(block, 96);
    return info;
}

RecorderInformation DecodeRecorderInformation(ByteView block) {
    RecorderInformation info;
    info.internalVoltage = At(block, 0);
    info.externalVoltage = At(block, 1);
    info.backupVoltage = At(block, 2);
    info.chargeCurrent = BigEndian16(block, 3);
    info.firmwareVersion = Text(block, 9, 6);
    return info;
}

LogNavpoint DecodeLogNavpoint(ByteView record) {
    LogNavpoint navpoint;
    navpoint.latitude = AngleFrom24Bits(BigEndian24(record, 0));
    navpoint.longitude = AngleFrom24Bits(BigEndian24(record, 3));
    navpoint.elevation = BigEndian16(record, 12);
    navpoint.id = BigEndian16(record, 14);
    navpoint.attributes = BigEndian16(record, 16);
    navpoint.name = Text(record, 18, 12);
    navpoint.remark = Text(record, 30, 12);
    return navpoint;
}

LogDeclaration DecodeDeclaration(ByteView block, const LogTime& firstFix,
                                 std::span<const LogNavpoint> navpoints) {
    LogDeclaration declaration;
    for (std::size_t i = 0; i < declaration.declared.size(); ++i)
        declaration.declared[i] = At(block, i);
    declaration.firstFix = firstFix;
    for (std::size_t n = 0; n < LogDeclaration::kMaxPoints; ++n) {
        const auto entry = declaration.declared.size() + n * kDeclarationEntry;
        const auto number = At(block, entry);
        if (number == 0)
            break;
        DeclaredPoint point;
        point.navpoint = number;
        point.latitude = DeclaredAngle(block, entry + 1);
        point.longitude = DeclaredAngle(block, entry + 4);
        if (number <= navpoints.size())
            point.name = navpoints[number - 1].name;
        declaration.points.push_back(std::move(point));
    }
    return declaration;
}

} // namespace korlink
