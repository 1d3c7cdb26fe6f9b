#include "interface/Translator.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace korlink {
namespace {

namespace fs = std::filesystem;

class TranslatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("korlink-lang-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        // Three names, so language 1 takes the third field after the key.
        Write("KORlang.txt", "0\tEnglish\t\n1\tDeutsch\t\n2\tFrancais\t\nno tab here\n");
        Write("KORtrans.txt", "Cancel\tnote\tCancel\tAbbrechen\t\n"
                              "Retry\tnote\tRetry\t\t\n" // wanted column empty
                              "Close\tnote\t\n"          // wanted column missing
                              "  Help...  \tnote\tHelp...\tHilfe...\t\n"
                              "\n"
                              "Pilot: \tnote\tPilot: \tPilot:\t\n");
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Write(const char* name, const char* text) { std::ofstream(dir_ / name) << text; }

    fs::path dir_;
};

TEST_F(TranslatorTest, TranslatesByEnglishText) {
    CTranslator translator(dir_);
    EXPECT_EQ(translator.LanguageNames(),
              (std::vector<std::string>{"English", "Deutsch", "Francais"}));
    translator.Apply(1);
    EXPECT_EQ(translator.Translate("Cancel"), "Abbrechen");
    EXPECT_EQ(translator.Translate("Retry"), "Retry");      // empty column: untranslated
    EXPECT_EQ(translator.Translate("Close"), "Close");      // missing column
    EXPECT_EQ(translator.Translate("Help..."), "Hilfe..."); // key written with blanks
    EXPECT_EQ(translator.Translate(" Cancel "), "Abbrechen");
    // A key after one without the wanted column still finds its own translation.
    EXPECT_EQ(translator.Translate("Pilot: "), "Pilot:");
    EXPECT_EQ(translator.Translate("Unknown"), "Unknown");
}

TEST_F(TranslatorTest, ReadsTheFileOnlyWhenTheLanguageChanges) {
    CTranslator translator(dir_);
    EXPECT_EQ(translator.Current(), -1);
    translator.Apply(1);
    translator.Apply(1);
    EXPECT_EQ(translator.TranslationLoads(), 1u);
    translator.Apply(0);
    EXPECT_EQ(translator.Translate("Cancel"), "Cancel");
    EXPECT_EQ(translator.TranslationLoads(), 1u);
    translator.Apply(1);
    EXPECT_EQ(translator.TranslationLoads(), 2u);
    EXPECT_EQ(translator.Translate("Cancel"), "Abbrechen");
}

TEST_F(TranslatorTest, LastLanguageAndMissingFilesStayEnglish) {
    CTranslator translator(dir_);
    translator.Apply(2); // would need a fourth language name
    EXPECT_EQ(translator.Translate("Cancel"), "Cancel");

    CTranslator none(dir_ / "missing");
    EXPECT_TRUE(none.LanguageNames().empty());
    none.Apply(1);
    EXPECT_EQ(none.Translate("Cancel"), "Cancel");
}

TEST(LanguageFiles, FieldsAreTabTerminated) {
    EXPECT_EQ(TabTerminatedFields("a\tb\tc"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(TabTerminatedFields("\t\t"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(TabTerminatedFields("no tab").empty());
}

} // namespace
} // namespace korlink
