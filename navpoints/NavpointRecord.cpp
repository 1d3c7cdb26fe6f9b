#include "NavpointRecord.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace navpoints {
namespace {

template <std::size_t N> std::string_view FieldText(const char (&field)[N]) {
    return {field, static_cast<std::size_t>(std::find(field, field + N, '\0') - field)};
}

template <std::size_t N> void SetField(char (&field)[N], const std::string& text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

} // namespace

Navpoint FromRecord(const NavpointRecord& record) {
    return Navpoint(record.id, FieldText(record.name), record.latitude, record.longitude,
                    record.attributes, record.elevation, FieldText(record.remark));
}

void ToRecord(const Navpoint& navpoint, NavpointRecord& record) {
    record.latitude = navpoint.Latitude();
    record.longitude = navpoint.Longitude();
    record.elevation = navpoint.Elevation();
    record.attributes = navpoint.Attributes();
    record.id = navpoint.Id();
    SetField(record.name, navpoint.Name());
    SetField(record.remark, navpoint.Remark());
    std::memset(record.pad, 0, sizeof record.pad);
}

} // namespace navpoints
