// kor navpoints get|put, kor tasks, kor task set, kor declare, kor declaration, kor sitename:
// the recorder's navpoints, tasks and declaration.
#include "Commands.h"
#include "Session.h"
#include "interface/RecorderConfig.h"
#include "korlink/korlink.h"
#include "navpoints/Attributes.h"
#include "navpoints/Coordinates.h"
#include "navpoints/Distance.h"
#include "navpoints/NavpointFile.h"
#include "navpoints/RecorderTransfer.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace kor {
namespace {

using korlink::RecorderMemory;

// Transfers straight through; a refused download mode is reported the way the library's
// window reports it.
class ConsoleTransfer : public korlink::TransferRunner {
public:
    bool Run(Title, const std::function<bool()>& transfer) override { return transfer(); }
    void NoSendMode() override { std::fprintf(stderr, "No Connect\n"); }
};

// Runs `body` on a connected session; a failure to connect or a status other than 0 is the
// exit code, with its message.
template <typename Body> int OnRecorder(const GlobalOptions& options, Body&& body) {
    Session session(options);
    if (!session.IsConnected())
        return session.Status();
    RecorderMemory memory;
    const std::uint32_t status = body(session.Link(), memory);
    ReportStatus(status);
    return static_cast<int>(status);
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
    return OnRecorder(options, [&](korlink::CRecorderLink& link, RecorderMemory& memory) {
        ConsoleTransfer runner;
        const auto status = korlink::ReadRecorderNavpoints(memory, link, runner,
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

int PutNavpoints(const GlobalOptions& options, const PutOptions& put) {
    std::ifstream in(put.file, std::ios::binary);
    if (!in) {
        ReportStatus(KOR_FILE_OPEN_FAILED);
        return KOR_FILE_OPEN_FAILED;
    }
    const std::string site =
        put.site.empty() ? navpoints::ReadNavpointFileSiteName(in).value_or("") : put.site;
    in.clear();
    in.seekg(0);
    navpoints::NavpointList list;
    navpoints::ReadNavpoints(in, list);
    std::vector<navpoints::Navpoint> navpoints;
    for (const auto* navpoint : list.InOrder())
        navpoints.push_back(*navpoint);
    const auto wanted = std::min(navpoints.size(), korlink::kMaxSentNavpoints);
    return OnRecorder(options, [&](korlink::CRecorderLink& link, RecorderMemory& memory) {
        ConsoleTransfer runner;
        const auto sending =
            korlink::SendRecorderNavpoints(memory, link, runner, site, navpoints, true);
        if (sending.status == KOR_OK)
            std::printf("%zu navpoints of %s sent and verified\n", sending.sent, site.c_str());
        else
            std::fprintf(stderr, "%zu of %zu navpoints sent\n", sending.sent, wanted);
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
    return OnRecorder(options, [&](korlink::CRecorderLink& link, RecorderMemory& memory) {
        korlink::DirectTransfer direct;
        auto status = korlink::ReadRecorderNavpoints(memory, link, direct,
                                                     korlink::TransferRunner::Title::ToPc);
        if (status == KOR_OK)
            status = korlink::ReadRecorderTasks(memory, link);
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

int SetTask(const GlobalOptions& options, const TaskOptions& task) {
    return OnRecorder(options, [&](korlink::CRecorderLink& link, RecorderMemory& memory) {
        const auto status = korlink::SetRecorderTask(memory, link, task.number, task.ids);
        if (status == KOR_OK)
            std::printf("Task %d set\n", task.number);
        return status;
    });
}

int Declare(const GlobalOptions& options, int number) {
    return OnRecorder(options, [&](korlink::CRecorderLink& link, RecorderMemory& memory) {
        const auto status = korlink::DeclareRecorderTask(memory, link, number);
        if (status == KOR_OK)
            std::printf("Task %d declared\n", number);
        return status;
    });
}

int ShowDeclaration(const GlobalOptions& options) {
    return OnRecorder(options, [&](korlink::CRecorderLink& link, RecorderMemory& memory) {
        const auto status = korlink::ReadRecorderDeclaration(memory, link);
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
    return OnRecorder(options, [&](korlink::CRecorderLink& link, RecorderMemory& memory) {
        const auto status = korlink::ReadRecorderSiteName(memory, link);
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
