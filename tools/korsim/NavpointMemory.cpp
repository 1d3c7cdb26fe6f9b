#include "NavpointMemory.h"

#include "RecorderFormat.h"
#include "link/Commands.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace korsim {
namespace {

constexpr std::size_t kSiteBlock = 32;
constexpr std::size_t kSiteNameSent = 64;
constexpr std::size_t kRecordSize = 48;
constexpr std::size_t kTextLength = 12;
constexpr std::size_t kNavpointFields = 6; // number, latitude, longitude, elevation, id, attributes

std::size_t PayloadLength(char letter) {
    return *korlink::command::RecordReplyLength(letter) - 3;
}

// The comma-separated fields after the line's letter; the last one takes the rest of the line.
std::vector<std::string_view> Fields(std::string_view line, std::size_t most) {
    std::vector<std::string_view> fields;
    line.remove_prefix(2);
    while (fields.size() + 1 < most) {
        const auto comma = line.find(',');
        if (comma == std::string_view::npos)
            break;
        fields.push_back(line.substr(0, comma));
        line.remove_prefix(comma + 1);
    }
    fields.push_back(line);
    return fields;
}

template <typename Number>
std::optional<Number> Whole(std::string_view text, Number low, Number high) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// "DDMM.mmmmH" or "DDDMM.mmmmH": degrees of `degreeDigits` digits, decimal minutes, hemisphere.
std::optional<double> LineAngle(std::string_view text, std::size_t degreeDigits, char positive,
                                char negative) {
    if (text.size() < degreeDigits + 2 || (text.back() != positive && text.back() != negative))
        return std::nullopt;
    const auto degrees = Whole<int>(text.substr(0, degreeDigits), 0, 180);
    const auto minutesText = text.substr(degreeDigits, text.size() - degreeDigits - 1);
    double minutes = 0;
    const auto [end, error] =
        std::from_chars(minutesText.data(), minutesText.data() + minutesText.size(), minutes);
    if (!degrees || error != std::errc{} || end != minutesText.data() + minutesText.size() ||
        minutes < 0 || minutes >= 60)
        return std::nullopt;
    const double angle = *degrees + minutes / 60.0;
    return text.back() == negative ? -angle : angle;
}

bool ApplyNavpoint(NavpointMemory& memory, std::string_view line) {
    const auto fields = Fields(line, kNavpointFields + 1);
    if (fields.size() != kNavpointFields + 1)
        return false;
    const auto number = Whole<std::size_t>(fields[0], 1, NavpointMemory::kCapacity);
    const auto latitude = LineAngle(fields[1], 2, 'N', 'S');
    const auto longitude = LineAngle(fields[2], 3, 'E', 'W');
    const auto elevation = Whole<long>(fields[3], -100000, 100000);
    const auto id = Whole<std::uint16_t>(fields[4], 0, 0xFFFF);
    const auto attributes = Whole<std::uint16_t>(fields[5], 0, 0xFFFF);
    if (!number || !latitude || !longitude || !elevation || !id || !attributes)
        return false;
    const auto text = fields[6];
    SiteNavpoint navpoint{
        *latitude,
        *longitude,
        static_cast<std::uint16_t>(std::clamp<long>(*elevation, 0, 0xFFFF)),
        *id,
        *attributes,
        std::string(text.substr(0, kTextLength)),
        std::string(text.substr(std::min(text.size(), kTextLength), kTextLength))};
    auto& navpoints = memory.site.navpoints;
    if (navpoints.size() < *number)
        navpoints.resize(*number);
    navpoints[*number - 1] = std::move(navpoint);
    return true;
}

bool ApplyTask(NavpointMemory& memory, std::string_view line) {
    const auto fields = Fields(line, NavpointMemory::kTaskSlots + 1);
    if (fields.size() != NavpointMemory::kTaskSlots + 1)
        return false;
    const auto task = Whole<std::size_t>(fields[0], 0, NavpointMemory::kTasks - 1);
    if (!task)
        return false;
    std::array<std::uint8_t, NavpointMemory::kTaskSlots> numbers{};
    for (std::size_t slot = 0; slot < numbers.size(); ++slot) {
        const auto number = Whole<unsigned>(fields[slot + 1], 0, 99999);
        if (!number)
            return false;
        numbers[slot] = static_cast<std::uint8_t>(*number); // a byte a slot, as stored
    }
    memory.tasks[*task] = numbers;
    return true;
}

bool ApplyDeclaration(NavpointMemory& memory, std::string_view line, const LogTime& now) {
    const auto task = Whole<std::size_t>(line.substr(2), 0, NavpointMemory::kTasks - 1);
    if (!task)
        return false;
    const auto& numbers = memory.tasks[*task];
    memory.declaredTask.assign(numbers.begin(), std::find(numbers.begin(), numbers.end(), 0));
    memory.declared = now;
    return true;
}

} // namespace

bool IsNavpointLine(std::string_view line) {
    return line.starts_with('Y') || line.starts_with("C,") || line.starts_with("T,") ||
           line.starts_with("D,");
}

bool ApplyNavpointLine(NavpointMemory& memory, std::string_view line, const LogTime& now) {
    if (line.starts_with('Y')) {
        memory.site.name = std::string(line.substr(1, kSiteNameSent));
        return true;
    }
    if (line.starts_with("C,"))
        return ApplyNavpoint(memory, line);
    if (line.starts_with("T,"))
        return ApplyTask(memory, line);
    if (line.starts_with("D,"))
        return ApplyDeclaration(memory, line, now);
    return false;
}

Bytes SiteArea(const NavpointMemory& memory) {
    Bytes area(kSiteBlock, 0);
    const auto& name = memory.site.name;
    std::copy_n(name.begin(), std::min(name.size(), kSiteBlock), area.begin());
    area.reserve(kSiteBlock + memory.site.navpoints.size() * kRecordSize);
    for (const auto& navpoint : memory.site.navpoints) {
        const auto record = EncodeNavpointRecord(navpoint);
        area.insert(area.end(), record.begin(), record.end());
    }
    return area;
}

Bytes CountsRecord(const NavpointMemory& memory) {
    Bytes counts(PayloadLength('c'), 0);
    const auto count = memory.site.navpoints.size();
    counts[0] = static_cast<std::uint8_t>(count >> 8);
    counts[1] = static_cast<std::uint8_t>(count);
    counts[2] = kRecordSize;
    counts[3] = kSiteBlock;
    return counts;
}

Bytes TaskRecord(const NavpointMemory& memory) {
    Bytes record(PayloadLength('t'), 0);
    auto at = record.begin();
    for (const auto& task : memory.tasks)
        at = std::copy(task.begin(), task.end(), at);
    return record;
}

Bytes DeclarationRecord(const NavpointMemory& memory) {
    auto record = EncodeDeclaration(memory.declared, memory.declaredTask, memory.site);
    record.resize(PayloadLength('d'), 0);
    return record;
}

NavpointMemory MemoryOfSite(Site site, const LogTime& declared, std::vector<std::uint8_t> task) {
    NavpointMemory memory;
    memory.site = std::move(site);
    std::copy_n(task.begin(), std::min(task.size(), NavpointMemory::kTaskSlots),
                memory.tasks[0].begin());
    memory.declared = declared;
    memory.declaredTask = std::move(task);
    return memory;
}

} // namespace korsim
