#include "Translator.h"

#include <cstdlib>
#include <dlfcn.h>
#include <fstream>

namespace korlink {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

std::vector<std::string> TabTerminatedFields(std::string_view line) {
    std::vector<std::string> fields;
    for (auto tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t')) {
        fields.emplace_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    return fields;
}

std::filesystem::path DataDirectory() {
    if (const char* dir = std::getenv("KORLINK_DATA_DIR"); dir && *dir)
        return dir;
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&DataDirectory), &info) && info.dli_fname) {
        const auto binary = std::filesystem::weakly_canonical(info.dli_fname);
        return binary.parent_path().parent_path() / "share" / "korlink";
    }
    return "/usr/local/share/korlink";
}

CTranslator::CTranslator(std::filesystem::path dataDirectory)
    : dataDirectory_(std::move(dataDirectory)) {
    std::ifstream in(dataDirectory_ / "KORlang.txt");
    std::string line;
    while (std::getline(in, line)) {
        auto fields = TabTerminatedFields(line);
        if (fields.size() >= 2)
            languageNames_.push_back(std::move(fields[1]));
    }
}

void CTranslator::Apply(std::int16_t index) {
    if (index == current_)
        return;
    current_ = index;
    if (index != 0)
        LoadTranslations();
}

void CTranslator::LoadTranslations() {
    // Keys are read again with their translations, so the two lists stay parallel.
    keys_.clear();
    translations_.clear();
    std::ifstream in(dataDirectory_ / "KORtrans.txt");
    if (!in)
        return;
    ++loads_;
    const long wanted = long{current_} + 1;
    const long columns = static_cast<long>(languageNames_.size());
    std::string line;
    while (std::getline(in, line)) {
        const auto fields = TabTerminatedFields(line);
        if (fields.empty())
            continue;
        keys_.push_back(fields[0]);
        const long present = static_cast<long>(fields.size()) - 1;
        const bool taken = wanted >= 0 && wanted < columns && wanted < present;
        translations_.push_back(taken ? fields[static_cast<std::size_t>(wanted) + 1] : "");
    }
}

std::string CTranslator::Translate(std::string_view text) const {
    if (current_ == 0)
        return std::string(text);
    const auto trimmed = Trimmed(text);
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i] == text || Trimmed(keys_[i]) == trimmed)
            return translations_[i].empty() ? std::string(text) : translations_[i];
    }
    return std::string(text);
}

} // namespace korlink
