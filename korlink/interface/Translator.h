#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korlink {

// The library's language table. Language names come from "KORlang.txt", translations from
// "KORtrans.txt", both in the data directory. Texts are looked up by their English text.
class CTranslator {
public:
    // Reads the language names from `dataDirectory`; a missing file leaves English only.
    explicit CTranslator(std::filesystem::path dataDirectory);

    // Switches to language `index` (0 is English). Reads "KORtrans.txt" only when the index
    // changes.
    void Apply(std::int16_t index);
    std::int16_t Current() const { return current_; }

    // The text in the current language, or the text itself when it has no translation.
    std::string Translate(std::string_view text) const;

    const std::vector<std::string>& LanguageNames() const { return languageNames_; }
    // How many times the translation file has been read (for diagnosis and tests).
    unsigned TranslationLoads() const { return loads_; }

private:
    void LoadTranslations();

    std::filesystem::path dataDirectory_;
    std::vector<std::string> languageNames_;
    // Parallel lists: a key whose line lacks the wanted column has an empty translation.
    std::vector<std::string> keys_;
    std::vector<std::string> translations_;
    std::int16_t current_ = -1;
    unsigned loads_ = 0;
};

// Fields of a language file line: the texts that are each followed by a tab. Text after the
// last tab is not a field.
std::vector<std::string> TabTerminatedFields(std::string_view line);

// The data directory: $KORLINK_DATA_DIR, else share/korlink beside the installed binaries
// (found from the location of this code's own file).
std::filesystem::path DataDirectory();

} // namespace korlink
