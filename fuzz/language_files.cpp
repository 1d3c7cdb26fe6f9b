// The language files, as an installer or a translator leaves them: the input up to its first
// zero byte is "KORlang.txt", the rest "KORtrans.txt". The language table loads them, switches
// to a language chosen by the input and translates; lines are cut into their tab-ended fields.
#include "interface/Translator.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// One folder for every run, in memory where the system has a memory file system; removed when
// the fuzzer ends.
class Folder {
public:
    Folder() {
        std::error_code error;
        const std::filesystem::path shm = "/dev/shm";
        const auto base = std::filesystem::is_directory(shm, error)
                              ? shm
                              : std::filesystem::temp_directory_path();
        std::string pattern = (base / "korlink-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        path_ = pattern;
    }
    ~Folder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

void Write(const std::filesystem::path& path, std::string_view contents) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto cut = input.find('\0');
    const auto names = input.substr(0, cut);
    const auto translations =
        cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
    for (std::size_t start = 0; start <= input.size();) {
        const auto end = std::min(input.find('\n', start), input.size());
        for (const auto& field : korlink::TabTerminatedFields(input.substr(start, end - start)))
            if (field.find('\t') != std::string::npos)
                std::abort();
        start = end + 1;
    }

    static const Folder folder;
    Write(folder.Path() / "KORlang.txt", names);
    Write(folder.Path() / "KORtrans.txt", translations);
    korlink::CTranslator translator(folder.Path());
    const auto language =
        static_cast<std::int16_t>(size > 0 ? static_cast<std::int8_t>(data[0]) : 1);
    translator.Apply(language);
    translator.Apply(1);
    for (const char* text : {"Ready", " Ready ", "Transfering Log %d", ""})
        translator.Translate(text);
    return 0;
}
