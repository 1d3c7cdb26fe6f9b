#pragma once

namespace korlink {

// The navpoint editor's choices kept in the settings store (group "Settings"): read when the
// editor opens, written when it closes with OK.
struct NavpointDefaults {
    // "DefaultAltitude": the elevation unit, 0 feet, any other value metres.
    int altitude = 0;
    // "DefaultLatitude": 0 north, 1 south.
    int latitude = 0;
    // "DefaultLongitude": 0 east, 1 west.
    int longitude = 1;

    static NavpointDefaults Load();
    void Save() const;

    // Elevations are shown in metres × this factor: 3.281 for feet, 1 for metres.
    double ElevationFactor() const { return ElevationFactorOf(altitude); }
    static double ElevationFactorOf(int altitude);
};

} // namespace korlink
