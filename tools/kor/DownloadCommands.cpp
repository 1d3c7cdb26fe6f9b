// kor list, kor download: the flights in the recorder and taking them onto the PC.
#include "Commands.h"
#include "ConsoleDownload.h"
#include "OutputFolder.h"
#include "Session.h"
#include "interface/FlightDownload.h"
#include "interface/RecorderConfiguration.h"
#include "interface/StatusCodes.h"
#include "korlink/korlink.h"
#include "logfiles/LogNaming.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>

namespace kor {
namespace {

namespace fs = std::filesystem;
using korlink::LogDirectoryEntry;

fs::path DefaultFlightFolder() {
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : ".") / "KOR" / "Flights";
}

// The directory's two-digit years: below 50 are 2000 + value, others 1900 + value.
int FullYear(std::uint8_t year) {
    return year < 50 ? 2000 + year : 1900 + year;
}

std::string DateText(const LogDirectoryEntry& entry) {
    const auto& e = entry.bytes;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", FullYear(e[0]), e[1], e[2]);
    return text;
}

std::string StartText(const LogDirectoryEntry& entry) {
    const auto& e = entry.bytes;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", e[3], e[4], e[5]);
    return text;
}

// The recorder's flights and its id, or nothing (reported) when they cannot be read.
struct RecorderFlights {
    std::vector<LogDirectoryEntry> entries;
    std::string recorderId;
};

std::optional<RecorderFlights> ReadFlights(korlink::CRecorderLink& link) {
    RecorderFlights flights;
    flights.entries = korlink::ReadDirectoryList(link);
    if (flights.entries.empty()) {
        ReportStatus(KOR_NO_LOGS);
        return std::nullopt;
    }
    if (const auto config = korlink::ReadConfig(link))
        flights.recorderId = config->RecorderId();
    return flights;
}

std::optional<std::string> StoredName(const fs::path& folder, const LogDirectoryEntry& entry,
                                      const std::string& recorderId) {
    return korlink::FindStoredLogByStartTime(folder, korlink::FirstFixOf(entry), recorderId);
}

// Connects, reads the recorder's flights and runs `body` on them; the exit code of connecting
// or reading when either fails.
int WithFlights(const GlobalOptions& options,
                const std::function<int(korlink::CRecorderLink&, const RecorderFlights&)>& body) {
    Session session(options);
    if (!session.IsConnected())
        return session.Status();
    const auto flights = ReadFlights(session.Link());
    return flights ? body(session.Link(), *flights) : static_cast<int>(KOR_NO_LOGS);
}

int List(const fs::path& folder, const RecorderFlights& flights) {
    std::printf(" #  Date        Start     Duration  Fixes   In %s\n", folder.c_str());
    for (std::size_t i = 0; i < flights.entries.size(); ++i) {
        const auto& entry = flights.entries[i];
        const auto stored = StoredName(folder, entry, flights.recorderId);
        std::printf("%2zu  %s  %s  %s  ~%-6u %s\n", i + 1, DateText(entry).c_str(),
                    StartText(entry).c_str(), korlink::FlightDuration(entry).c_str(),
                    entry.RecordCount(), stored ? stored->c_str() : "-");
    }
    return 0;
}

struct DownloadChoice {
    std::optional<int> number;
    bool all = false;
    bool onlyNew = false;
    std::string date; // DD.MM or YYYY-MM-DD
    std::string folder;
};

// The day of --date: DD.MM of any year, or YYYY-MM-DD.
struct FlightDay {
    int day = 0;
    int month = 0;
    std::optional<int> year;
};

std::optional<FlightDay> ParseFlightDay(const std::string& text) {
    FlightDay day;
    int year = 0;
    int used = 0;
    const auto whole = [&] { return used == static_cast<int>(text.size()); };
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &year, &day.month, &day.day, &used) == 3 &&
        whole()) {
        day.year = year;
        return day;
    }
    used = 0;
    if (std::sscanf(text.c_str(), "%2d.%2d%n", &day.day, &day.month, &used) == 2 && whole())
        return day;
    return std::nullopt;
}

// The first flight of the day: by day and month as the library chooses, and of that year too
// when one is given.
std::optional<int> FlightOn(const std::vector<LogDirectoryEntry>& entries, const FlightDay& day) {
    if (!day.year)
        return korlink::FlightOfDay(entries, day.day, day.month);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i].bytes;
        if (FullYear(e[0]) == *day.year && e[1] == day.month && e[2] == day.day)
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

// The flight numbers (1-based) to download, or nothing (reported) when the choice fits none.
std::optional<std::vector<int>> ChooseFlights(const DownloadChoice& choice,
                                              const RecorderFlights& flights,
                                              const fs::path& folder) {
    const int count = static_cast<int>(flights.entries.size());
    std::vector<int> chosen;
    if (choice.number) {
        if (*choice.number < 1 || *choice.number > count) {
            std::fprintf(stderr,
                         "kor download: there is no flight %d; the recorder holds flights 1..%d\n",
                         *choice.number, count);
            return std::nullopt;
        }
        chosen.push_back(*choice.number);
    } else if (!choice.date.empty()) {
        const auto day = ParseFlightDay(choice.date);
        if (!day) {
            std::fprintf(stderr, "kor download: --date wants DD.MM or YYYY-MM-DD\n");
            return std::nullopt;
        }
        const auto flight = FlightOn(flights.entries, *day);
        if (!flight) {
            ReportStatus(KOR_NO_LOGS);
            return std::nullopt;
        }
        chosen.push_back(*flight);
    } else {
        for (int n = 1; n <= count; ++n) {
            if (choice.all || !StoredName(folder, flights.entries[static_cast<std::size_t>(n) - 1],
                                          flights.recorderId))
                chosen.push_back(n);
        }
    }
    return chosen;
}

std::uint32_t DownloadOne(korlink::CRecorderLink& link, const RecorderFlights& flights, int n,
                          const fs::path& folder) {
    const auto& entry = flights.entries[static_cast<std::size_t>(n) - 1];
    std::printf("Flight %d (%s %s, ~%u fixes)\n", n, DateText(entry).c_str(),
                StartText(entry).c_str(), entry.RecordCount());
    std::fflush(stdout);
    korlink::StoredLog log;
    korlink::DownloadOutcome outcome;
    {
        ConsoleDownload progress;
        outcome = korlink::DownloadFlight(link, log, n, progress);
    }
    if (outcome.status == KOR_CANCELLED) {
        std::fprintf(stderr, "Cancelled: flight %d not written\n", n);
        return KOR_CANCELLED;
    }
    if (outcome.status != KOR_OK) {
        ReportStatus(KOR_COMMUNICATION_ERROR);
        return KOR_COMMUNICATION_ERROR;
    }
    // An incomplete copy is not kept: it fails its check, and the flight is still in the
    // recorder to be downloaded again.
    if (!outcome.fixDataComplete) {
        std::fprintf(stderr,
                     "%s  fix data incomplete: a block failed after %u of %u bytes; flight %d "
                     "not written\n",
                     korlink::StatusMessage(KOR_COMMUNICATION_ERROR), outcome.fixDataReceived,
                     outcome.fixDataLength, n);
        return KOR_COMMUNICATION_ERROR;
    }
    const auto saved = korlink::SaveAndCheck(log, folder);
    if (!saved.written) {
        std::fprintf(stderr, "Could not write KOR file to : %s\n", folder.c_str());
        return KOR_LOG_WRITE_FAILED;
    }
    std::printf("  written to %s  security: %s\n", (folder / saved.name).c_str(),
                saved.securityOk ? "OK" : "FAILED");
    return saved.status;
}

int Download(korlink::CRecorderLink& link, const RecorderFlights& flights,
             const DownloadChoice& choice, const fs::path& folder) {
    const auto chosen = ChooseFlights(choice, flights, folder);
    if (!chosen)
        return KOR_NO_LOGS;
    if (chosen->empty())
        std::printf("Every flight is already in %s\n", folder.c_str());
    std::uint32_t result = KOR_OK;
    for (const int n : *chosen) {
        const auto status = DownloadOne(link, flights, n, folder);
        if (result == KOR_OK)
            result = status;
        if (status == KOR_COMMUNICATION_ERROR || link.Operation().IsCancelled())
            break;
    }
    return static_cast<int>(result);
}

} // namespace

Command AddListCommand(CLI::App& app, const GlobalOptions& options) {
    auto* list = app.add_subcommand("list", "the flights in the recorder");
    auto folder = std::make_shared<std::string>();
    list->add_option("-o,--folder", *folder,
                     "where stored logs are looked for (default ~/KOR/Flights)");
    return {list, [&options, folder] {
                const fs::path where = folder->empty() ? DefaultFlightFolder() : fs::path(*folder);
                return WithFlights(options, [&](korlink::CRecorderLink&, const RecorderFlights& f) {
                    return List(where, f);
                });
            }};
}

Command AddDownloadCommand(CLI::App& app, const GlobalOptions& options) {
    auto* download = app.add_subcommand("download", "download flights into stored logs (.KOR)");
    auto choice = std::make_shared<DownloadChoice>();
    auto* number = download->add_option("N", choice->number, "flight number, as kor list shows it");
    auto* all = download->add_flag("--all", choice->all, "every flight");
    auto* onlyNew = download->add_flag("--new", choice->onlyNew, "flights not yet in the folder");
    auto* date = download->add_option("--date", choice->date,
                                      "the first flight of a day, DD.MM or YYYY-MM-DD");
    number->excludes(all)->excludes(onlyNew)->excludes(date);
    all->excludes(onlyNew)->excludes(date);
    onlyNew->excludes(date);
    download->add_option("-o,--folder", choice->folder, "destination (default ~/KOR/Flights)");
    return {download, [&options, choice, download] {
                if (!choice->number && !choice->all && !choice->onlyNew && choice->date.empty()) {
                    std::fprintf(stderr, "%s", download->help().c_str());
                    return kUsageExit;
                }
                const fs::path folder =
                    choice->folder.empty() ? DefaultFlightFolder() : fs::path(choice->folder);
                // A folder that cannot take the flights is found before any transfer.
                if (const auto problem = PrepareOutputFolder(folder)) {
                    std::fprintf(stderr, "Could not write KOR file to : %s\n", problem->c_str());
                    return static_cast<int>(KOR_LOG_WRITE_FAILED);
                }
                return WithFlights(
                    options, [&](korlink::CRecorderLink& link, const RecorderFlights& flights) {
                        return Download(link, flights, *choice, folder);
                    });
            }};
}

} // namespace kor
