// kor navpoints get|put, kor tasks, kor task set, kor declare, kor declaration, kor sitename:
// the recorder's navpoints, tasks and declaration.
#include "Commands.h"
#include "Session.h"
#include "interface/RecorderConfig.h"
#include "interface/StatusCodes.h"
#include "korlink/korlink.h"
#include "navpoints/Attributes.h"
#include "navpoints/Coordinates.h"
#include "navpoints/Distance.h"
#include "navpoints/NavpointFile.h"
#include "navpoints/RecorderTransfer.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kor {
namespace {

using korlink::RecorderMemory;

// Transfers straight through, each under its progress label on the terminal; a refused
// download mode is reported the way the library's window reports it.
class ConsoleTransfer : public korlink::TransferRunner {
public:
    explicit ConsoleTransfer(ConsoleOperation& operation) : operation_(operation) {}

    bool Run(Title title, const std::function<bool()>& transfer) override {
        operation_.SetText(korlink::TransferTitleText(title));
        const bool done = transfer();
        operation_.EndLine();
        return done;
    }
    void NoSendMode() override { std::fprintf(stderr, "No Connect\n"); }

private:
    ConsoleOperation& operation_;
};

// How a command on the recorder ended: its status, and whether its reason was printed already
// (else the status's own message is).
struct Outcome {
    Outcome(std::uint32_t code, bool told = false) : status(code), reported(told) {}
    std::uint32_t status;
    bool reported;
};

// Runs `body` on a connected session; a failure to connect or a status other than 0 is the
// exit code, with its message.
template <typename Body> int OnRecorder(const GlobalOptions& options, Body&& body) {
    Session session(options);
    if (!session.IsConnected())
        return session.Status();
    RecorderMemory memory;
    const Outcome outcome = body(session, memory);
    if (!outcome.reported)
        ReportStatus(outcome.status);
    return static_cast<int>(outcome.status);
}

// The recorder's navpoints with names and remarks as typed, without the recorder's padding.
navpoints::NavpointList ListOf(const korlink::RecorderNavpointTable& table) {
    navpoints::NavpointList list;
    for (auto entry : table.navpoints) {
        entry.name = korlink::TrimTrailing(entry.name);
        entry.remark = korlink::TrimTrailing(entry.remark);
        list.Put(korlink::ToNavpoint(entry));
    }
    return list;
}

void PrintNavpoints(const korlink::RecorderNavpointTable& table) {
    std::printf("Site: %s\n", korlink::TrimTrailing(table.siteName).c_str());
    for (const auto& entry : table.navpoints) {
        const auto navpoint = korlink::ToNavpoint(entry);
        std::printf("%5d  %-12s  %s  %s  %6d m  %-8s  %s\n", navpoint.Id(),
                    korlink::TrimTrailing(navpoint.Name()).c_str(),
                    navpoints::FileLatitudeText(navpoint.Latitude()).c_str(),
                    navpoints::FileLongitudeText(navpoint.Longitude()).c_str(), entry.elevation,
                    navpoints::AttributeLetters(navpoint.Attributes()).c_str(),
                    korlink::TrimTrailing(navpoint.Remark()).c_str());
    }
    std::printf("%zu navpoints\n", table.navpoints.size());
}

int GetNavpoints(const GlobalOptions& options, const std::string& output) {
    return OnRecorder(options, [&](Session& session, RecorderMemory& memory) {
        ConsoleTransfer runner(session.Operation());
        const auto status = korlink::ReadRecorderNavpoints(memory, session.Link(), runner,
                                                           korlink::TransferRunner::Title::ToPc);
        if (status != KOR_OK)
            return status;
        const auto& table = memory.Navpoints();
        if (output.empty()) {
            PrintNavpoints(table);
            return status;
        }
        if (!navpoints::WriteNavpointFile(output, ListOf(table),
                                          korlink::TrimTrailing(table.siteName))) {
            std::fprintf(stderr, "kor: cannot write %s\n", output.c_str());
            return std::uint32_t{KOR_FILE_OPEN_FAILED};
        }
        std::printf("%zu navpoints of %s written to %s\n", table.navpoints.size(),
                    korlink::TrimTrailing(table.siteName).c_str(), output.c_str());
        return status;
    });
}

struct PutOptions {
    std::string file;
    std::string site;
};

// The navpoints of the file to put, in list order, with the site name to send; or the exit code
// of why there are none to send, its reason printed.
struct FileNavpoints {
    std::uint32_t status = KOR_OK;
    std::string site;
    std::vector<navpoints::Navpoint> navpoints;
};

FileNavpoints ReadPutFile(const PutOptions& put) {
    FileNavpoints contents;
    std::error_code error;
    if (std::filesystem::is_directory(put.file, error)) {
        std::fprintf(stderr, "kor: %s is a folder, not a navpoint file\n", put.file.c_str());
        contents.status = KOR_FILE_READ_FAILED;
        return contents;
    }
    std::ifstream in(put.file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "kor: %s: %s\n", put.file.c_str(),
                     korlink::StatusMessage(KOR_FILE_OPEN_FAILED));
        contents.status = KOR_FILE_OPEN_FAILED;
        return contents;
    }
    navpoints::NavpointList list;
    const auto reading = navpoints::ReadNavpointLines(in, list);
    if (reading.failed) {
        std::fprintf(stderr, "kor: %s: %s\n", put.file.c_str(),
                     korlink::StatusMessage(KOR_FILE_READ_FAILED));
        contents.status = KOR_FILE_READ_FAILED;
        return contents;
    }
    if (reading.unreadable > 0)
        std::fprintf(stderr, "kor: %d line(s) of %s could not be read and are left out\n",
                     reading.unreadable, put.file.c_str());
    if (reading.endedAtLine > 0)
        std::fprintf(stderr,
                     "kor: line %d of %s has an id outside 1..65535: the lines after it are "
                     "left out\n",
                     reading.endedAtLine, put.file.c_str());
    if (list.Count() == 0) {
        std::fprintf(stderr, "No navpoints in file.\n");
        contents.status = KOR_FILE_READ_FAILED;
        return contents;
    }
    contents.site = put.site.empty() ? reading.siteName.value_or("") : put.site;
    for (const auto* navpoint : list.InOrder())
        contents.navpoints.push_back(*navpoint);
    return contents;
}

// "3 navpoints", or "the first 250 of 300 navpoints" when the file holds more than are sent.
std::string SentText(std::size_t sent, std::size_t inFile) {
    return sent < inFile ? "the first " + std::to_string(sent) + " of " + std::to_string(inFile) +
                               " navpoints"
                         : std::to_string(sent) + " navpoints";
}

// What an upload that stopped part-way left in the recorder. The recorder erased its navpoints
// before the first line, so it holds those it acknowledged (and perhaps the one it did not)
// unless its count record, when it can be read, says how many.
void ReportStoppedUpload(Session& session, RecorderMemory& memory, std::size_t sent,
                         std::size_t wanted) {
    const auto counts = session.Operation().IsCancelled()
                            ? std::nullopt
                            : memory.ReadNavpointCounts(session.Link());
    if (counts) {
        std::fprintf(stderr,
                     "The upload stopped after %zu of %zu navpoints: the recorder now holds %u "
                     "navpoints\n",
                     sent, wanted, static_cast<unsigned>(counts->count));
        return;
    }
    std::fprintf(stderr,
                 "The upload stopped after %zu of %zu navpoints: the recorder now holds those %zu "
                 "(and perhaps the next, unacknowledged); its earlier navpoints were erased\n",
                 sent, wanted, sent);
}

int PutNavpoints(const GlobalOptions& options, const PutOptions& put) {
    const auto contents = ReadPutFile(put);
    if (contents.status != KOR_OK)
        return static_cast<int>(contents.status);
    const auto wanted = std::min(contents.navpoints.size(), korlink::kMaxSentNavpoints);
    return OnRecorder(options, [&](Session& session, RecorderMemory& memory) {
        ConsoleTransfer runner(session.Operation());
        const auto sending = korlink::SendRecorderNavpoints(
            memory, session.Link(), runner, contents.site, contents.navpoints, true);
        if (sending.status == KOR_OK) {
            std::printf("%s of %s sent and verified\n",
                        SentText(sending.sent, contents.navpoints.size()).c_str(),
                        contents.site.c_str());
        } else if (sending.sent < wanted) {
            ReportStoppedUpload(session, memory, sending.sent, wanted);
        } else {
            std::fprintf(stderr, "%s sent, but reading them back did not confirm them\n",
                         SentText(sending.sent, contents.navpoints.size()).c_str());
        }
        return sending.status;
    });
}

// One task leg by leg: each navpoint number with its name, the leg that reaches it and the
// distance so far, in kilometres.
void PrintTask(int number, const korlink::TaskIds& task, const navpoints::NavpointList& list) {
    std::printf("Task %d\n", number);
    const navpoints::Navpoint* previous = nullptr;
    double sofar = 0;
    for (const auto id : task) {
        if (id <= 0)
            continue;
        const auto* navpoint = list.Find(id);
        if (!navpoint) {
            std::printf("  %3d  (not in the recorder)\n", id);
            continue;
        }
        const double leg = previous ? navpoints::Distance(*previous, *navpoint).kilometres : 0;
        sofar += leg;
        std::printf("  %3d  %-12s %8.2f km %8.2f km\n", id, navpoint->Name().c_str(), leg, sofar);
        previous = navpoint;
    }
}

int ShowTasks(const GlobalOptions& options) {
    return OnRecorder(options, [&](Session& session, RecorderMemory& memory) {
        ConsoleTransfer runner(session.Operation());
        auto status = korlink::ReadRecorderNavpoints(memory, session.Link(), runner,
                                                     korlink::TransferRunner::Title::ToPc);
        if (status == KOR_OK)
            status = korlink::ReadRecorderTasks(memory, session.Link());
        if (status != KOR_OK)
            return status;
        const auto list = ListOf(memory.Navpoints());
        for (std::size_t task = 0; task < memory.Tasks().size(); ++task)
            PrintTask(static_cast<int>(task) + 1, memory.Tasks()[task], list);
        return status;
    });
}

struct TaskOptions {
    int number = 0;
    std::vector<std::int32_t> ids;
};

// A task is refused with the code of an invalid task and its reason on stderr.
Outcome RefusedTask(const std::string& reason) {
    std::fprintf(stderr, "kor: %s\n", reason.c_str());
    return {KOR_INVALID_TASK, true};
}

// The ids of a task that name no navpoint of the recorder, as "7, 99".
std::string UnknownIds(std::span<const std::int32_t> ids, const navpoints::NavpointList& list) {
    std::string unknown;
    for (const auto id : ids) {
        if (id > 0 && !list.Find(id))
            unknown += (unknown.empty() ? "" : ", ") + std::to_string(id);
    }
    return unknown;
}

// Reads the recorder's navpoints and refuses a task that names any it does not hold.
Outcome CheckTaskNavpoints(Session& session, RecorderMemory& memory, int number,
                           std::span<const std::int32_t> ids) {
    ConsoleTransfer runner(session.Operation());
    const auto status = korlink::ReadRecorderNavpoints(memory, session.Link(), runner,
                                                       korlink::TransferRunner::Title::ToPc);
    if (status != KOR_OK)
        return status;
    const auto unknown = UnknownIds(ids, ListOf(memory.Navpoints()));
    if (!unknown.empty())
        return RefusedTask("task " + std::to_string(number) + ": the recorder holds no navpoint " +
                           unknown + " (kor navpoints get lists them)");
    return KOR_OK;
}

bool IsTaskNumber(int number) {
    return number >= 1 && number <= korlink::kRecorderTasks;
}

int SetTask(const GlobalOptions& options, const TaskOptions& task) {
    const auto slots = korlink::TaskIds{}.size();
    if (task.ids.size() > slots) {
        return static_cast<int>(RefusedTask("a task holds at most " + std::to_string(slots) +
                                            " navpoints; " + std::to_string(task.ids.size()) +
                                            " were given")
                                    .status);
    }
    if (std::any_of(task.ids.begin(), task.ids.end(), [](std::int32_t id) { return id <= 0; }))
        return static_cast<int>(RefusedTask("navpoint ids are 1 or more").status);
    return OnRecorder(options, [&](Session& session, RecorderMemory& memory) -> Outcome {
        if (IsTaskNumber(task.number)) {
            if (const auto checked = CheckTaskNavpoints(session, memory, task.number, task.ids);
                checked.status != KOR_OK)
                return checked;
        }
        const auto status = korlink::SetRecorderTask(memory, session.Link(), task.number, task.ids);
        if (status == KOR_OK)
            std::printf("Task %d set\n", task.number);
        return status;
    });
}

int Declare(const GlobalOptions& options, int number) {
    return OnRecorder(options, [&](Session& session, RecorderMemory& memory) -> Outcome {
        if (IsTaskNumber(number)) {
            if (const auto status = korlink::ReadRecorderTasks(memory, session.Link());
                status != KOR_OK)
                return status;
            const auto& ids = memory.Tasks()[static_cast<std::size_t>(number - 1)];
            if (std::all_of(ids.begin(), ids.end(), [](std::int32_t id) { return id <= 0; }))
                return RefusedTask("task " + std::to_string(number) +
                                   " is empty: set it first (kor task set " +
                                   std::to_string(number) + " ID...)");
            if (const auto checked = CheckTaskNavpoints(session, memory, number, ids);
                checked.status != KOR_OK)
                return checked;
        }
        const auto status = korlink::DeclareRecorderTask(memory, session.Link(), number);
        if (status == KOR_OK)
            std::printf("Task %d declared\n", number);
        return status;
    });
}

int ShowDeclaration(const GlobalOptions& options) {
    return OnRecorder(options, [&](Session& session, RecorderMemory& memory) {
        const auto status = korlink::ReadRecorderDeclaration(memory, session.Link());
        if (status != KOR_OK)
            return status;
        const auto& declaration = memory.Declaration();
        std::printf("Declared  %s\n", korlink::DeclarationDateText(declaration.declared).c_str());
        for (const auto& point : declaration.points)
            std::printf("  %3u  %s %s\n", static_cast<unsigned>(point.navpoint),
                        navpoints::FileLatitudeText(point.latitude).c_str(),
                        navpoints::FileLongitudeText(point.longitude).c_str());
        std::printf("%zu points\n", declaration.points.size());
        return status;
    });
}

int ShowSiteName(const GlobalOptions& options) {
    return OnRecorder(options, [&](Session& session, RecorderMemory& memory) {
        session.Operation().SetText("Reading the site name");
        const auto status = korlink::ReadRecorderSiteName(memory, session.Link());
        session.Operation().EndLine();
        if (status == KOR_OK)
            std::printf("%s\n", korlink::TrimTrailing(memory.Navpoints().siteName).c_str());
        return status;
    });
}

} // namespace

Command AddNavpointsCommand(CLI::App& app, const GlobalOptions& options) {
    auto* navpoints = app.add_subcommand("navpoints", "the recorder's navpoints");
    navpoints->require_subcommand(1);
    auto* get = navpoints->add_subcommand("get", "read the navpoints (list them, or write a file)");
    auto output = std::make_shared<std::string>();
    get->add_option("-o,--output", *output, "navpoint file (.dat) to write");
    auto* put = navpoints->add_subcommand(
        "put", "send a navpoint file's first 250 navpoints and verify them");
    auto putOptions = std::make_shared<PutOptions>();
    put->add_option("file", putOptions->file, "navpoint file (.dat)")->required();
    put->add_option("--site", putOptions->site,
                    "site name (default: the file's \"** Site : \" line)");
    return {navpoints, [&options, get, output, putOptions] {
                return get->parsed() ? GetNavpoints(options, *output)
                                     : PutNavpoints(options, *putOptions);
            }};
}

Command AddTasksCommand(CLI::App& app, const GlobalOptions& options) {
    return {app.add_subcommand("tasks", "the recorder's ten tasks, leg by leg with distances"),
            [&options] { return ShowTasks(options); }};
}

Command AddTaskCommand(CLI::App& app, const GlobalOptions& options) {
    auto* task = app.add_subcommand("task", "change one of the recorder's tasks");
    task->require_subcommand(1);
    auto* set = task->add_subcommand("set", "set task N (1..10) to up to nine navpoint ids");
    auto taskOptions = std::make_shared<TaskOptions>();
    set->add_option("N", taskOptions->number, "task number, 1..10")->required();
    set->add_option("ID", taskOptions->ids, "navpoint ids, start to finish")->required();
    return {task, [&options, taskOptions] { return SetTask(options, *taskOptions); }};
}

Command AddDeclareCommand(CLI::App& app, const GlobalOptions& options) {
    auto* declare = app.add_subcommand("declare", "declare task N (1..10)");
    auto number = std::make_shared<int>(0);
    declare->add_option("N", *number, "task number, 1..10")->required();
    return {declare, [&options, number] { return Declare(options, *number); }};
}

Command AddDeclarationCommand(CLI::App& app, const GlobalOptions& options) {
    return {app.add_subcommand("declaration", "the recorder's declared task"),
            [&options] { return ShowDeclaration(options); }};
}

Command AddSiteNameCommand(CLI::App& app, const GlobalOptions& options) {
    return {app.add_subcommand("sitename", "the name of the recorder's site"),
            [&options] { return ShowSiteName(options); }};
}

} // namespace kor
