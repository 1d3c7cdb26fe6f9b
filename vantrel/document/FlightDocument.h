#pragma once

#include "AirspaceFile.h"
#include "IgcFlight.h"
#include "IgcPath.h"
#include "TimeShift.h"
#include "navpoints/NavpointList.h"

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Settings a flight window's document reads (given by the caller, never read here).
struct DocumentSettings {
    TimeSettings time;
    // "NavpointDefault": 1 the first flight's log navpoints, 2 those or else the default file,
    // 3 the default file ("NavpointDefaultFile").
    int navpointDefault = 1;
    std::filesystem::path navpointDefaultFile;
    // "NavpointControlPointsOnly": show only home, start, finish and turnpoint navpoints.
    bool navpointControlPointsOnly = false;
};

// How the document speaks to its user: messages (stop icon) and yes/no questions.
class DocumentPrompt {
public:
    virtual ~DocumentPrompt() = default;
    virtual void ShowError(const std::string& message) = 0;
    virtual bool AskYesNo(const std::string& question) = 0;
};

// What a path opens as, by its extension in any letter case.
enum class DocumentFileKind { Navpoints, Airspace, Flight };
DocumentFileKind KindOfPath(const std::filesystem::path& path);

// The contents of a flight window without the window: flights of one day, the navpoints shown
// with them, and the rules by which files are added. Airspace is handed back to the caller.
class FlightDocument {
public:
    FlightDocument(DocumentSettings settings, StoredLogConverter converter);

    // The outcome of opening or adding a file.
    struct Added {
        bool ok = false;
        // Navpoints to show: those of a navpoint file, or the document's after its first flight
        // (control-point filter applied).
        std::vector<navpoints::Navpoint> shownNavpoints;
        // Airspace sections to draw.
        std::vector<std::string> airspaceSections;
    };

    // Routes by extension: navpoint file, airspace file, or flight.
    Added Open(const std::filesystem::path& path, DocumentPrompt& prompt);
    // Adds a flight from an IGC file or a stored log; false when nothing was added.
    Added AddFlight(const std::filesystem::path& path, DocumentPrompt& prompt);
    Added AddNavpointFile(const std::filesystem::path& path, DocumentPrompt& prompt);
    Added AddAirspaceFile(const std::filesystem::path& path, DocumentPrompt& prompt);

    // A flight exists and the first has a declaration or a task turnpoint id is 1 or more.
    bool CanAnalyse(std::span<const int> taskTurnpointIds) const;

    const std::vector<std::unique_ptr<IgcFlight>>& Flights() const { return flights_; }
    const navpoints::NavpointList& Navpoints() const { return navpoints_; }
    // The document's navpoints, or only its control points when the setting says so.
    std::vector<navpoints::Navpoint> ShownNavpoints() const;

private:
    bool HasFlight(const std::filesystem::path& path) const;
    void ChooseNavpoints(const IgcFlight& flight);
    std::vector<navpoints::Navpoint> Shown(const navpoints::NavpointList& list) const;

    DocumentSettings settings_;
    StoredLogConverter converter_;
    std::vector<std::unique_ptr<IgcFlight>> flights_;
    navpoints::NavpointList navpoints_;
};

// Appends the points of a declaration to a navpoint list under the next free ids: take-off as
// home, start, turnpoints and finish (not the landing), leaving out points at latitude or
// longitude 0.
void AppendDeclaredPoints(const IgcDeclaration& declaration, navpoints::NavpointList& list);

} // namespace vantrel
