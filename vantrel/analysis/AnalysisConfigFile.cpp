#include "AnalysisConfigFile.h"

#include "ArchiveBytes.h"
#include "navpoints/FileReplace.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace vantrel {
namespace {

constexpr std::int32_t kCurrentVersion = 2;
constexpr std::int32_t kFirstVersion = 1;
constexpr std::uint16_t kGateFormat = 2;
constexpr std::size_t kPathCut = 9;

// One turnpoint entry: id and assigned radius (version 2) or the id alone (version 1).
std::size_t EntrySize(std::int32_t version) {
    return version >= kCurrentVersion ? 8 : 4;
}

std::optional<bool> Flag(std::optional<std::uint16_t> word) {
    return word ? std::optional(*word != 0) : std::nullopt;
}

// Reads a gate record in either layout; false when the bytes end inside it.
bool ReadGate(ArchiveReader& in, Gate& gate) {
    const auto format = in.Word();
    if (!format)
        return false;
    const bool current = *format >= kGateFormat;
    const auto inUse = current ? Flag(in.Word()) : std::optional(*format != 0);
    const auto centreId = in.Int();
    const auto crossAngle = in.Double();
    const auto radius = in.Double();
    const auto type = in.Word();
    const auto base = in.Int();
    const auto top = in.Int();
    const auto heading = current ? in.Double() : std::optional<double>();
    const auto wholeHeading = current ? std::optional<std::int32_t>() : in.Int();
    const auto perpendicular = current ? Flag(in.Word()) : std::optional(false);
    if (!inUse || !centreId || !crossAngle || !radius || !type || !base || !top ||
        !(heading || wholeHeading) || !perpendicular)
        return false;
    gate.inUse = *inUse;
    gate.centreId = *centreId;
    gate.crossAngle = *crossAngle;
    gate.radius = *radius;
    gate.type = *type;
    gate.base = *base;
    gate.top = *top;
    gate.heading = heading ? *heading : static_cast<double>(*wholeHeading);
    gate.perpendicular = *perpendicular;
    return true;
}

void WriteGate(ArchiveWriter& out, const Gate& gate) {
    out.Word(kGateFormat);
    out.Word(gate.inUse ? 1 : 0);
    out.Int(gate.centreId);
    out.Double(gate.crossAngle);
    out.Double(gate.radius);
    out.Word(static_cast<std::uint16_t>(gate.type));
    out.Int(gate.base);
    out.Int(gate.top);
    out.Double(gate.heading);
    out.Word(gate.perpendicular ? 1 : 0);
}

// Reads the turnpoint entries, keeping the first 12; false when the bytes end inside them.
bool ReadTurnpoints(ArchiveReader& in, std::int32_t version, TaskSettings& read) {
    const auto count = in.Int();
    if (!count || *count < 0 ||
        static_cast<std::size_t>(*count) > in.Remaining() / EntrySize(version))
        return false;
    for (std::int32_t i = 0; i < *count; ++i) {
        const auto id = in.Int();
        const auto radius = version >= kCurrentVersion ? in.Int() : std::optional(1);
        if (!id || !radius)
            return false;
        const auto slot = static_cast<std::size_t>(i);
        if (slot < kIdListLength) {
            read.turnpointIds.push_back(*id);
            read.assignedRadii[slot] = *radius;
        }
    }
    return true;
}

bool ReadFields(ArchiveReader& in, TaskSettings& read) {
    const auto version = in.Int();
    if (!version || (*version != kFirstVersion && *version != kCurrentVersion))
        return false;
    if (!ReadTurnpoints(in, *version, read))
        return false;
    const auto turnpointRadius = in.Double();
    const auto navpointRadius = in.Double();
    const auto startShown = in.Int();
    const auto finishShown = in.Int();
    const auto assignedArea = *version >= kCurrentVersion ? in.Int() : std::optional(0);
    if (!turnpointRadius || !navpointRadius || !startShown || !finishShown || !assignedArea)
        return false;
    read.turnpointRadius = *turnpointRadius;
    read.navpointRadius = *navpointRadius;
    read.startGateShown = *startShown != 0;
    read.finishGateShown = *finishShown != 0;
    read.assignedAreaTask = *assignedArea != 0;
    return ReadGate(in, read.startGate) && ReadGate(in, read.finishGate);
}

// What the loader sets before it reads: no turnpoints, radius 1 in every slot, no assigned
// area task.
void ClearTurnpoints(TaskSettings& settings) {
    settings.turnpointIds.clear();
    settings.assignedAreaTask = false;
    settings.assignedRadii.fill(1);
}

} // namespace

std::filesystem::path AnalysisConfigPath(const std::filesystem::path& flightPath) {
    std::string text = flightPath.string();
    text.resize(text.size() > kPathCut ? text.size() - kPathCut : 0);
    return text + ".cfg";
}

ConfigLoad ReadAnalysisConfig(std::span<const std::uint8_t> bytes, TaskSettings& settings) {
    ClearTurnpoints(settings);
    TaskSettings read = settings;
    ArchiveReader in(bytes);
    if (!ReadFields(in, read))
        return ConfigLoad::Damaged;
    settings = read;
    return ConfigLoad::Loaded;
}

ConfigLoad LoadAnalysisConfig(const std::filesystem::path& path, TaskSettings& settings) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        ClearTurnpoints(settings);
        return ConfigLoad::Missing;
    }
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    if (!file.is_open() || file.bad()) {
        ClearTurnpoints(settings);
        return ConfigLoad::Damaged;
    }
    return ReadAnalysisConfig(bytes, settings);
}

std::string AnalysisConfigBytes(const TaskSettings& settings) {
    ArchiveWriter out;
    out.Int(kCurrentVersion);
    const std::size_t count = std::min(settings.turnpointIds.size(), kIdListLength);
    out.Int(static_cast<std::int32_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        out.Int(settings.turnpointIds[i]);
        out.Int(settings.assignedRadii[i]);
    }
    out.Double(settings.turnpointRadius);
    out.Double(settings.navpointRadius);
    out.Int(settings.startGateShown ? 1 : 0);
    out.Int(settings.finishGateShown ? 1 : 0);
    out.Int(settings.assignedAreaTask ? 1 : 0);
    WriteGate(out, settings.startGate);
    WriteGate(out, settings.finishGate);
    return out.Bytes();
}

bool SaveAnalysisConfig(const std::filesystem::path& path, const TaskSettings& settings) {
    return navpoints::ReplaceFileContents(path, AnalysisConfigBytes(settings));
}

} // namespace vantrel
