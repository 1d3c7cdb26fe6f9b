#include "FixtureCommands.h"

#include "RecorderFlights.h"
#include "Signing.h"
#include "logfiles/AtomicFile.h"
#include "logfiles/LogNaming.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

namespace korsim {
namespace {

struct MakeLogOptions {
    std::string folder;
    unsigned seed = 1;
    std::size_t fixes = 2400;
};

int MakeLog(const MakeLogOptions& options) {
    const auto site = GenerateSite(options.seed);
    RecorderModel model;
    model.records['x'] = SampleConfiguration();
    model.records['w'] = SampleStatus();
    StoreFlights(model, site, GenerateFlights(site, options.seed, 1, options.fixes));
    const auto log = DownloadedLog(model, 1);
    if (!log) {
        std::cerr << "korsim: a flight of " << options.fixes
                  << " fixes does not fit a stored log\n";
        return 1;
    }
    std::error_code ignored; // a folder that cannot be made fails the save below
    std::filesystem::create_directories(options.folder, ignored);
    const auto saved = log->Save(options.folder);
    if (saved.status != korlink::LogFileStatus::Ok) {
        std::cerr << "korsim: cannot write a stored log into " << options.folder << '\n';
        return 1;
    }
    std::cout << korlink::InFolder(options.folder, saved.name).string() << '\n';
    return 0;
}

struct SignIgcOptions {
    std::string input;
    std::string output;
    unsigned keyIndex = 0;
    std::string status = "0x0001";
    bool force = false;
};

int SignIgc(const SignIgcOptions& options) {
    std::ifstream in(options.input, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) {
        std::cerr << "korsim: cannot read " << options.input << '\n';
        return 1;
    }
    unsigned long status = 0;
    try {
        std::size_t used = 0;
        status = std::stoul(options.status, &used, 0);
        if (used != options.status.size() || status > 0xFFFF)
            throw std::out_of_range("status word");
    } catch (const std::exception&) {
        std::cerr << "korsim: the status word must be a 16-bit number, e.g. 0x0001\n";
        return 1;
    }
    const auto signedText =
        SignIgcText(text.str(), {options.keyIndex, static_cast<std::uint16_t>(status)});
    if (!signedText) {
        std::cerr << "korsim: cannot sign with key index " << options.keyIndex << '\n';
        return 1;
    }
    if (!korlink::WriteFileAtomically(options.output, korlink::AsBytes(*signedText),
                                      options.force)) {
        std::cerr << "korsim: cannot write " << options.output
                  << (options.force ? "" : " (use --force to replace an existing file)") << '\n';
        return 1;
    }
    return 0;
}

} // namespace

FixtureCommand AddMakeLogCommand(CLI::App& app) {
    auto options = std::make_shared<MakeLogOptions>();
    auto* command =
        app.add_subcommand("make-log", "write a signed stored log of a generated flight");
    command->add_option("-o,--output", options->folder, "folder to write the .KOR file into")
        ->required();
    command->add_option("--seed", options->seed, "flight and site generator seed");
    command->add_option("--fixes", options->fixes, "number of fixes in the flight");
    return {command, [options] { return MakeLog(*options); }};
}

FixtureCommand AddSignIgcCommand(CLI::App& app) {
    auto options = std::make_shared<SignIgcOptions>();
    auto* command =
        app.add_subcommand("sign-igc", "write a copy of an IGC file with a signed security record");
    command->add_option("input", options->input, "IGC file to sign")->required();
    command->add_option("-o,--output", options->output, "signed IGC file to write")->required();
    command->add_option("--key-index", options->keyIndex, "key pair to sign with (0..999)")
        ->check(CLI::Range(0u, 65535u));
    command->add_option("--status", options->status,
                        "status word (0x00FF: unsigned; low bit clear: violation)");
    command->add_flag("--force", options->force, "replace an existing output file");
    return {command, [options] { return SignIgc(*options); }};
}

} // namespace korsim
