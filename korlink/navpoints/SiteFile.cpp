#include "SiteFile.h"

#include "navpoints/NumberText.h"

#include <climits>
#include <fstream>

namespace korlink {
namespace {

using navpoints::Navpoint;

constexpr long long kVersion = 1;
constexpr long long kMaxStringLength = 256;
constexpr std::string_view kSeparators = " \t\r\n";

void AddItem(std::string& text, std::string_view item) {
    (text += item) += '\t';
}

void AddString(std::string& text, std::string_view value) {
    AddItem(text, std::to_string(value.size()));
    AddItem(text, value);
}

void AddNavpoint(std::string& text, const Navpoint& navpoint) {
    AddItem(text, navpoints::FixedText(navpoint.Latitude(), 12, 15));
    AddItem(text, navpoints::FixedText(navpoint.Longitude(), 12, 15));
    AddItem(text, navpoints::ShortestText(navpoint.Elevation()));
    AddItem(text, std::to_string(navpoint.Attributes()));
    AddItem(text, std::to_string(navpoint.Id()));
    AddString(text, navpoint.Name());
    AddString(text, navpoint.Remark());
}

// Reads the items of a site file text in order.
class SiteTextReader {
public:
    explicit SiteTextReader(std::string_view text) : rest_(text) {}

    std::optional<long long> Integer(long long lowest, long long highest) {
        const auto value = navpoints::WholeInteger(Token());
        if (!value || *value < lowest || *value > highest)
            return std::nullopt;
        return value;
    }
    std::optional<double> Double() { return navpoints::WholeDouble(Token()); }
    std::optional<float> Float() { return navpoints::WholeFloat(Token()); }

    // A length outside 1 .. 256 gives an empty string and reads no characters.
    std::optional<std::string> String() {
        const auto length = navpoints::WholeInteger(Token());
        if (!length)
            return std::nullopt;
        if (*length < 1 || *length > kMaxStringLength)
            return std::string{};
        const auto size = static_cast<std::size_t>(*length);
        if (rest_.empty() || rest_[0] != '\t' || rest_.size() - 1 < size)
            return std::nullopt;
        std::string value(rest_.substr(1, size));
        rest_.remove_prefix(1 + size);
        return value;
    }

    bool AtEnd() const { return rest_.find_first_not_of(kSeparators) == std::string_view::npos; }

private:
    std::string_view Token() {
        const auto first = rest_.find_first_not_of(kSeparators);
        rest_.remove_prefix(first == std::string_view::npos ? rest_.size() : first);
        const auto length = std::min(rest_.find_first_of(kSeparators), rest_.size());
        const auto token = rest_.substr(0, length);
        rest_.remove_prefix(length);
        return token;
    }

    std::string_view rest_;
};

std::optional<Navpoint> ReadNavpoint(SiteTextReader& reader) {
    const auto latitude = reader.Double();
    const auto longitude = reader.Double();
    const auto elevation = reader.Float();
    const auto attributes = reader.Integer(0, UINT32_MAX);
    const auto id = reader.Integer(Navpoint::kMinId, Navpoint::kMaxId);
    const auto name = reader.String();
    const auto remark = reader.String();
    if (!latitude || !longitude || !elevation || !attributes || !id || !name || !remark)
        return std::nullopt;
    return Navpoint(static_cast<int>(*id), *name, *latitude, *longitude,
                    static_cast<std::uint32_t>(*attributes), *elevation, *remark);
}

bool ReadTask(SiteTextReader& reader, SiteDatabase& database) {
    const auto slot = reader.Integer(0, SiteDatabase::kTasks - 1);
    TaskIds ids{};
    for (auto& id : ids) {
        const auto value = reader.Integer(INT32_MIN, INT32_MAX);
        if (!value)
            return false;
        id = static_cast<std::int32_t>(*value);
    }
    return slot && database.SetTask(static_cast<int>(*slot), ids);
}

} // namespace

std::string SiteFileText(const SiteDatabase& database) {
    std::string text;
    AddItem(text, std::to_string(kVersion));
    AddString(text, database.Name());
    AddItem(text, std::to_string(database.NavpointCount()));
    for (const Navpoint* navpoint : database.Navpoints().InOrder())
        AddNavpoint(text, *navpoint);
    AddItem(text, std::to_string(database.TaskCount()));
    for (int task = 0; task < SiteDatabase::kTasks; ++task) {
        const TaskPoints points = database.GetTask(task);
        if (points.count == 0)
            continue;
        AddItem(text, std::to_string(task));
        for (const auto id : points.ids)
            AddItem(text, std::to_string(id));
    }
    AddItem(text, std::to_string(database.TrailingNumber()));
    return text;
}

std::optional<SiteDatabase> ReadSiteText(std::string_view text) {
    SiteTextReader reader(text);
    SiteDatabase database;
    const auto version = reader.Integer(kVersion, kVersion);
    const auto name = reader.String();
    const auto navpointCount = reader.Integer(0, Navpoint::kMaxId);
    if (!version || !name || !navpointCount)
        return std::nullopt;
    database.SetName(*name);
    for (long long i = 0; i < *navpointCount; ++i) {
        const auto navpoint = ReadNavpoint(reader);
        if (!navpoint || !database.AddNavpoint(*navpoint))
            return std::nullopt;
    }
    const auto taskCount = reader.Integer(0, SiteDatabase::kTasks);
    if (!taskCount)
        return std::nullopt;
    for (long long i = 0; i < *taskCount; ++i) {
        if (!ReadTask(reader, database))
            return std::nullopt;
    }
    const auto trailing = reader.Integer(INT16_MIN, UINT16_MAX);
    if (!trailing || !reader.AtEnd())
        return std::nullopt;
    database.SetTrailingNumber(static_cast<std::int32_t>(*trailing));
    return database;
}

std::optional<SiteDatabase> ReadSiteFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxSiteFileSize)
            return std::nullopt;
    }
    return ReadSiteText(text);
}

std::filesystem::path NewSiteFileName(const std::filesystem::path& directory) {
    for (int number = 1; number < INT_MAX; ++number) {
        auto path = directory / ("KORSite" + std::to_string(number) + ".sit");
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)))
            return path;
    }
    return {};
}

} // namespace korlink
