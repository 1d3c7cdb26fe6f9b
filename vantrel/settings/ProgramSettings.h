#pragma once

#include "korlink/korlink.h"

#include <QSettings>
#include <QString>

namespace vantrel {

// Where the program's settings live: the company key and the product's name.
inline constexpr auto kCompanyKey = "Velmora Avionics";
inline constexpr auto kProductName = "Velmora Skyline Explorer";

// Keys of section "Settings".
namespace key {
inline constexpr auto kCommPort = "CommPort";
inline constexpr auto kConnectOnStartup = "ConnectOnStartup";
inline constexpr auto kFlashCardCheckOnStartup = "FlashCardCheckOnStartup";
inline constexpr auto kUnits = "Units";
inline constexpr auto kAltitudeUnits = "AltitudeUnits";
inline constexpr auto kFlightLogPath = "FlightLogPath";
inline constexpr auto kNavpointFilePath = "NavpointFilePath";
inline constexpr auto kMapFilePath = "MapFilePath";
inline constexpr auto kNumWorkspaces = "NumWorkspaces";
inline constexpr auto kPrimaryWorkspace = "PrimaryWorkspace";
inline constexpr auto kPrimaryWorkspaceName = "PrimaryWorkspaceName";
inline constexpr auto kWindowPos = "WindowPos";
} // namespace key

// The settings sections besides "Settings".
inline constexpr auto kTreeBarStateSection = "TreeBarState";
inline constexpr auto kResultsBarStateSection = "ResultsBarState";
inline constexpr auto kToolbarsSection = "Toolbars";
inline constexpr auto kRecentFilesSection = "Recent File List";

// The default folder of flight logs and of the primary workspace: ~/KOR/Flights.
QString DefaultFlightFolder();

// Section "Settings" of the program's store. Every value is read with a default; a value that
// is absent or does not read as its type gives the default.
class ProgramSettings {
public:
    ProgramSettings();

    int Integer(const QString& key, int fallback) const;
    QString Text(const QString& key, const QString& fallback) const;
    void SetInteger(const QString& key, int value);
    void SetText(const QString& key, const QString& value);
    void Remove(const QString& key);
    // The number of keys the section holds.
    int KeyCount() const;
    // False when the store could not be written.
    bool Flush();

    // "CommPort" with its default 1 for ordinary use (0 in the port detection).
    int CommPort(int fallback = 1) const { return Integer(key::kCommPort, fallback); }
    void SetCommPort(int port) { SetInteger(key::kCommPort, port); }
    // "Units": 0 statute miles, 1 nautical miles, 2 kilometres.
    int Units() const { return Integer(key::kUnits, 0); }
    void SetUnits(int units) { SetInteger(key::kUnits, units); }
    // "AltitudeUnits": 0 feet, 1 metres.
    int AltitudeUnits() const { return Integer(key::kAltitudeUnits, 0); }
    void SetAltitudeUnits(int units) { SetInteger(key::kAltitudeUnits, units); }
    // "FlightLogPath" where logs are transferred or imported (default ~/KOR/Flights).
    QString FlightLogFolder() const { return Text(key::kFlightLogPath, DefaultFlightFolder()); }

    // The descriptor of ordinary recorder calls: the stored port, English, 10 retries, asking.
    ConnectionDescriptor Descriptor() const;

private:
    QSettings settings_;
};

// The descriptor of a probe of one port: English, no retries, quiet.
ConnectionDescriptor ProbingDescriptor(int port);

} // namespace vantrel
