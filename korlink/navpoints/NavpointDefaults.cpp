#include "NavpointDefaults.h"

#include "navpoints/DisplayText.h"

#include <QSettings>

namespace korlink {
namespace {

constexpr auto kAltitude = "DefaultAltitude";
constexpr auto kLatitude = "DefaultLatitude";
constexpr auto kLongitude = "DefaultLongitude";

// The settings store shared with the explorer program.
class SettingsGroup {
public:
    SettingsGroup()
        : settings_(QStringLiteral("Velmora Avionics"),
                    QStringLiteral("Velmora Skyline Explorer")) {
        settings_.beginGroup(QStringLiteral("Settings"));
    }
    QSettings& operator*() { return settings_; }

private:
    QSettings settings_;
};

int ReadInt(QSettings& settings, const char* key, int fallback) {
    bool ok = false;
    const int value = settings.value(QLatin1String(key), fallback).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

NavpointDefaults NavpointDefaults::Load() {
    SettingsGroup group;
    NavpointDefaults defaults;
    defaults.altitude = ReadInt(*group, kAltitude, defaults.altitude);
    defaults.latitude = ReadInt(*group, kLatitude, defaults.latitude);
    defaults.longitude = ReadInt(*group, kLongitude, defaults.longitude);
    return defaults;
}

void NavpointDefaults::Save() const {
    SettingsGroup group;
    (*group).setValue(QLatin1String(kAltitude), altitude);
    (*group).setValue(QLatin1String(kLatitude), latitude);
    (*group).setValue(QLatin1String(kLongitude), longitude);
}

double NavpointDefaults::ElevationFactorOf(int altitude) {
    return altitude == 0 ? navpoints::kFeetPerMetre : 1.0;
}

} // namespace korlink
