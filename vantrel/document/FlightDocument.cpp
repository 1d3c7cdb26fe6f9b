#include "FlightDocument.h"

#include "TextLines.h"
#include "navpoints/Attributes.h"
#include "navpoints/NavpointFile.h"

#include <algorithm>

namespace vantrel {
namespace {

namespace attribute = navpoints::attribute;

// Navpoints shown when only control points are wanted.
constexpr std::uint32_t kShownControlPoints = attribute::kControlPoint | attribute::kHome;

std::string PathText(const std::filesystem::path& path) {
    return path.string();
}

bool HasExtension(const std::filesystem::path& path, std::initializer_list<const char*> options) {
    const auto extension = path.extension().string();
    return std::any_of(options.begin(), options.end(),
                       [&](const char* option) { return EqualIgnoringCase(extension, option); });
}

} // namespace

DocumentFileKind KindOfPath(const std::filesystem::path& path) {
    if (HasExtension(path, {".dat"}))
        return DocumentFileKind::Navpoints;
    if (HasExtension(path, {".air", ".sua"}))
        return DocumentFileKind::Airspace;
    return DocumentFileKind::Flight;
}

void AppendDeclaredPoints(const IgcDeclaration& declaration, navpoints::NavpointList& list) {
    const auto& points = declaration.points;
    const std::size_t finish =
        static_cast<std::size_t>(std::max(declaration.turnpointCount, 0)) + 2;
    for (std::size_t i = 0; i <= finish && i < points.size(); ++i) {
        const DeclaredPoint& point = points[i];
        if (point.latitude == 0 || point.longitude == 0)
            continue;
        const std::uint32_t attributes = i == 0        ? attribute::kHome
                                         : i == 1      ? attribute::kStart
                                         : i == finish ? attribute::kFinish
                                                       : attribute::kTurnpoint;
        list.Put(navpoints::Navpoint(list.NextFreeId(), point.name, point.latitude, point.longitude,
                                     attributes, 0.0f, ""));
    }
}

FlightDocument::FlightDocument(DocumentSettings settings, StoredLogConverter converter)
    : settings_(std::move(settings)), converter_(std::move(converter)) {}

FlightDocument::Added FlightDocument::Open(const std::filesystem::path& path,
                                           DocumentPrompt& prompt) {
    switch (KindOfPath(path)) {
    case DocumentFileKind::Navpoints:
        return AddNavpointFile(path, prompt);
    case DocumentFileKind::Airspace:
        return AddAirspaceFile(path, prompt);
    case DocumentFileKind::Flight:
        break;
    }
    return AddFlight(path, prompt);
}

bool FlightDocument::HasFlight(const std::filesystem::path& path) const {
    return std::any_of(flights_.begin(), flights_.end(), [&](const auto& flight) {
        return EqualIgnoringCase(PathText(flight->Path()), PathText(path));
    });
}

FlightDocument::Added FlightDocument::AddFlight(const std::filesystem::path& path,
                                                DocumentPrompt& prompt) {
    const std::string openingFailed = "An error occured while opening: " + PathText(path);
    if (HasFlight(path))
        return {};
    const auto igc = IgcPathOf(path, converter_);
    if (!igc) {
        prompt.ShowError(openingFailed);
        return {};
    }
    if (HasFlight(igc->path))
        return {};

    auto flight = std::make_unique<IgcFlight>(igc->path);
    if (!flight->HeaderRead()) {
        if (igc->written) {
            std::error_code ignored;
            std::filesystem::remove(igc->path, ignored);
        }
        prompt.ShowError(openingFailed);
        prompt.ShowError(flight->ErrorText());
        return {};
    }
    const bool first = flights_.empty();
    if (!first && !(flight->Date() == flights_.front()->Date())) {
        if (!prompt.AskYesNo(
                "You attempted to add a flight log from a different day.  Ok to continue?"))
            return {};
        flight->SetDate(flights_.front()->Date());
    }
    if (!flight->ReadFixes(settings_.time, true)) {
        prompt.ShowError("An error occured reading: " + PathText(path));
        return {};
    }
    flight->DeriveSpeedAndClimb();
    flights_.push_back(std::move(flight));

    Added added{true, {}, {}};
    if (first) {
        ChooseNavpoints(*flights_.front());
        added.shownNavpoints = ShownNavpoints();
    }
    return added;
}

void FlightDocument::ChooseNavpoints(const IgcFlight& flight) {
    const auto& logNavpoints = flight.LogNavpoints();
    const bool fromFile = settings_.navpointDefault == 3 ||
                          (settings_.navpointDefault == 2 && logNavpoints.Count() == 0);
    navpoints_.Clear();
    if (fromFile)
        navpoints::ReadNavpointFile(settings_.navpointDefaultFile, navpoints_);
    else
        navpoints_.CopyFrom(logNavpoints);
    if (const auto* declaration = flight.Declaration(0))
        AppendDeclaredPoints(*declaration, navpoints_);
}

FlightDocument::Added FlightDocument::AddNavpointFile(const std::filesystem::path& path,
                                                      DocumentPrompt& prompt) {
    navpoints::NavpointList read;
    if (navpoints::ReadNavpointFile(path, read) == 0 || read.Count() == 0) {
        prompt.ShowError("No Navpoints in : " + PathText(path));
        return {};
    }
    Added added{true, Shown(read), {}};
    if (navpoints_.Count() == 0)
        navpoints_ = std::move(read);
    return added;
}

FlightDocument::Added FlightDocument::AddAirspaceFile(const std::filesystem::path& path,
                                                      DocumentPrompt& prompt) {
    auto airspace = ReadAirspaceFile(path);
    if (!airspace || airspace->titleCount == 0) {
        prompt.ShowError("No Valid Airspace in : " + PathText(path));
        return {};
    }
    return {true, {}, std::move(airspace->sections)};
}

bool FlightDocument::CanAnalyse(std::span<const int> taskTurnpointIds) const {
    if (flights_.empty())
        return false;
    return flights_.front()->Declaration(0) != nullptr ||
           std::any_of(taskTurnpointIds.begin(), taskTurnpointIds.end(),
                       [](int id) { return id >= 1; });
}

std::vector<navpoints::Navpoint> FlightDocument::ShownNavpoints() const {
    return Shown(navpoints_);
}

std::vector<navpoints::Navpoint> FlightDocument::Shown(const navpoints::NavpointList& list) const {
    std::vector<navpoints::Navpoint> shown;
    for (const auto* navpoint : list.InOrder()) {
        if (!settings_.navpointControlPointsOnly || navpoint->Has(kShownControlPoints))
            shown.push_back(*navpoint);
    }
    return shown;
}

} // namespace vantrel
