#include "document/FlightDocument.h"

#include "IgcText.h"
#include "TemporaryFolder.h"
#include "navpoints/Attributes.h"

#include <cstring>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using korlink::test::TemporaryFolder;
using test::BRecord;
using test::Header;
namespace attribute = navpoints::attribute;

class RecordingPrompt : public DocumentPrompt {
public:
    void ShowError(const std::string& message) override { errors.push_back(message); }
    bool AskYesNo(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    bool answer = true;
};

// A declaration of one turnpoint: take-off at 0/0, start, turnpoint, finish, landing.
const char* const kDeclaration = "C010204103000010204000101\r\n"
                                 "C0000000N00000000E0000TAKEOFF    \r\n"
                                 "C5130500N00007250W0012START\r\n"
                                 "C5200000N00100000E0003TURN\r\n"
                                 "C5130600N00007250W0012GOAL\r\n"
                                 "C5130500N00007250W0000LANDING    \r\n";
const char* const kLogNavpoints = "LZRVN000015130500N00007250W000100A       FIELD\r\n"
                                  "LZRVN000025200000N00100000E000000T       TURN\r\n";

std::string Flight(const char* date = "010204", const std::string& extra = "") {
    return Header(date, extra.c_str()) + BRecord(10, 0, 0, 51.5, -0.1) +
           BRecord(10, 0, 4, 51.501, -0.1);
}

struct DocumentTest : testing::Test {
    TemporaryFolder folder;
    RecordingPrompt prompt;
    int conversions = 0;
    std::string convertedText = Flight();

    // Writes the known flight as "4B1Q0YA1.IGC" into the folder it is given.
    StoredLogConverter Converter(std::uint32_t status = 0) {
        return [this, status](const char*, const char* outFolder, char outName[512],
                              std::uint32_t* checkOk) -> std::uint32_t {
            ++conversions;
            *checkOk = 1;
            if (status != 0)
                return status;
            std::strcpy(outName, "4B1Q0YA1.IGC");
            std::ofstream(std::filesystem::path(outFolder) / outName) << convertedText;
            return 0;
        };
    }
};

TEST_F(DocumentTest, OpenRoutesByExtension) {
    struct Case {
        const char* path;
        DocumentFileKind kind;
    };
    const Case cases[]{
        {"/f/sites.dat", DocumentFileKind::Navpoints},
        {"/f/SITES.DAT", DocumentFileKind::Navpoints},
        {"/f/zones.SUA", DocumentFileKind::Airspace},
        {"/f/zones.air", DocumentFileKind::Airspace},
        {"/f/flight.IGC", DocumentFileKind::Flight},
        {"/f/flight.xyz", DocumentFileKind::Flight},
        {"/f/LOG.KOR", DocumentFileKind::Flight},
        {"/my.data/flight.igc", DocumentFileKind::Flight},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KindOfPath(c.path), c.kind) << c.path;

    const auto airspace = folder.Write("zones.SUA", "TITLE=ONE\nTOPS=FL65\n");
    FlightDocument document({}, {});
    const auto added = document.Open(airspace, prompt);
    EXPECT_TRUE(added.ok);
    EXPECT_EQ(added.airspaceSections, std::vector<std::string>{"TITLE=ONE\nTOPS=FL65\n"});
    EXPECT_TRUE(document.Flights().empty());
}

TEST_F(DocumentTest, SameFileTwiceInAnotherLetterCase) {
    const auto path = folder.Write("flight.igc", Flight());
    FlightDocument document({}, {});
    EXPECT_TRUE(document.AddFlight(path, prompt).ok);
    EXPECT_FALSE(document.AddFlight(folder / "FLIGHT.IGC", prompt).ok);
    EXPECT_EQ(document.Flights().size(), 1u);
    EXPECT_TRUE(prompt.errors.empty());
    EXPECT_EQ(document.Flights()[0]->FixCount(), 2);
    EXPECT_GT(document.Flights()[0]->Fix(1)->groundSpeed, 0.0);
}

TEST_F(DocumentTest, StoredLogReadsTheIgcFileBesideIt) {
    const auto log = folder.Write("4B1Q0YA1.KOR", "stored log");
    folder.Write("4b1q0ya1.igc", Flight("020304"));
    FlightDocument document({}, Converter());
    ASSERT_TRUE(document.AddFlight(log, prompt).ok);
    EXPECT_EQ(conversions, 0);
    EXPECT_EQ(document.Flights()[0]->Path(), folder / "4b1q0ya1.igc");
    EXPECT_EQ(document.Flights()[0]->Date(), (FlightDate{2, 3, 2004}));
    // The same log again is the same flight.
    EXPECT_FALSE(document.AddFlight(log, prompt).ok);
    EXPECT_EQ(document.Flights().size(), 1u);
}

TEST_F(DocumentTest, StoredLogWithoutIgcFileIsConvertedIntoItsFolder) {
    const auto log = folder.Write("4B1Q0YA1.KOR", "stored log");
    FlightDocument document({}, Converter());
    ASSERT_TRUE(document.AddFlight(log, prompt).ok);
    EXPECT_EQ(conversions, 1);
    EXPECT_EQ(document.Flights()[0]->Path(), folder / "4B1Q0YA1.IGC");
    EXPECT_EQ(document.Flights()[0]->FixCount(), 2);
}

TEST_F(DocumentTest, FailuresAndTheirMessages) {
    const auto log = folder.Write("4B1Q0YA1.KOR", "stored log");
    {
        FlightDocument document({}, Converter(10));
        EXPECT_FALSE(document.AddFlight(log, prompt).ok);
        EXPECT_EQ(prompt.errors,
                  std::vector<std::string>{"An error occured while opening: " + log.string()});
    }
    {
        // A converted file whose header cannot be read is removed again.
        prompt.errors.clear();
        convertedText = "AZRVQ0YA\r\nHFDTE0102\r\n";
        FlightDocument document({}, Converter());
        EXPECT_FALSE(document.AddFlight(log, prompt).ok);
        EXPECT_EQ(prompt.errors,
                  (std::vector<std::string>{"An error occured while opening: " + log.string(),
                                            "ERROR occured on line : 2; RecordType : H "}));
        EXPECT_FALSE(std::filesystem::exists(folder / "4B1Q0YA1.IGC"));
    }
    {
        prompt.errors.clear();
        const auto missing = folder / "missing.igc";
        FlightDocument document({}, {});
        EXPECT_FALSE(document.AddFlight(missing, prompt).ok);
        EXPECT_EQ(prompt.errors,
                  std::vector<std::string>{"An error occured reading: " + missing.string()});
        EXPECT_TRUE(document.Flights().empty());
    }
}

TEST_F(DocumentTest, FlightOfAnotherDayNeedsConsent) {
    const auto first = folder.Write("a.igc", Flight("010204"));
    const auto other = folder.Write("b.igc", Flight("050204"));
    FlightDocument document({}, {});
    ASSERT_TRUE(document.AddFlight(first, prompt).ok);
    prompt.answer = false;
    EXPECT_FALSE(document.AddFlight(other, prompt).ok);
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0],
              "You attempted to add a flight log from a different day.  Ok to continue?");
    prompt.answer = true;
    ASSERT_TRUE(document.AddFlight(other, prompt).ok);
    ASSERT_EQ(document.Flights().size(), 2u);
    EXPECT_EQ(document.Flights()[1]->Date(), (FlightDate{1, 2, 2004}));
    EXPECT_EQ(document.Flights()[1]->Fix(0)->time, document.Flights()[0]->Fix(0)->time);
}

TEST_F(DocumentTest, NavpointsOfTheFirstFlight) {
    const auto navpointFile = folder.Write("sites.dat", "7,51:00.000N,001:00.000E,0,A,SITE,\n");
    const auto withLog =
        folder.Write("log.igc", Flight("010204", std::string(kLogNavpoints) + kDeclaration));
    const auto withoutLog = folder.Write("plain.igc", Flight("010204", kDeclaration));
    struct Case {
        const char* what;
        std::filesystem::path flight;
        int source;
        bool controlOnly;
        std::vector<std::string> shown;
    };
    const Case cases[]{
        {"log navpoints and the declaration",
         withLog,
         1,
         false,
         {"FIELD", "TURN", "0012START", "0003TURN", "0012GOAL"}},
        {"control points only", withLog, 1, true, {"TURN", "0012START", "0003TURN", "0012GOAL"}},
        {"log navpoints before the file",
         withLog,
         2,
         false,
         {"FIELD", "TURN", "0012START", "0003TURN", "0012GOAL"}},
        {"file when the log has none",
         withoutLog,
         2,
         false,
         {"SITE", "0012START", "0003TURN", "0012GOAL"}},
        {"file", withLog, 3, false, {"SITE", "0012START", "0003TURN", "0012GOAL"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DocumentSettings settings;
        settings.navpointDefault = c.source;
        settings.navpointDefaultFile = navpointFile;
        settings.navpointControlPointsOnly = c.controlOnly;
        FlightDocument document(settings, {});
        const auto added = document.AddFlight(c.flight, prompt);
        ASSERT_TRUE(added.ok);
        std::vector<std::string> names;
        for (const auto& navpoint : added.shownNavpoints)
            names.push_back(navpoint.Name());
        EXPECT_EQ(names, c.shown);
    }

    FlightDocument document({}, {});
    ASSERT_TRUE(document.AddFlight(withLog, prompt).ok);
    const auto& list = document.Navpoints();
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Find(3)->Attributes(), attribute::kStart);
    EXPECT_EQ(list.Find(4)->Attributes(), attribute::kTurnpoint);
    EXPECT_EQ(list.Find(5)->Attributes(), attribute::kFinish);
    EXPECT_NEAR(list.Find(5)->Latitude(), 51 + 30.6 / 60, 1e-9);
    // A second flight leaves the navpoints as they are.
    const auto second = document.AddFlight(withoutLog, prompt);
    ASSERT_TRUE(second.ok);
    EXPECT_TRUE(second.shownNavpoints.empty());
    EXPECT_EQ(document.Navpoints().Count(), 5);
}

TEST_F(DocumentTest, DeclaredTakeOffWithPositionIsHome) {
    IgcDeclaration declaration;
    declaration.turnpointCount = 0;
    declaration.points = {
        {51, -1, "HOME"}, {51.1, -1, "START"}, {51.2, -1, "FINISH"}, {51.3, -1, "LANDING"}};
    navpoints::NavpointList list;
    AppendDeclaredPoints(declaration, list);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Find(1)->Attributes(), attribute::kHome);
    EXPECT_EQ(list.Find(2)->Attributes(), attribute::kStart);
    EXPECT_EQ(list.Find(3)->Attributes(), attribute::kFinish);
}

TEST_F(DocumentTest, NavpointAndAirspaceFiles) {
    FlightDocument document({}, {});
    const auto empty = folder.Write("empty.dat", "** nothing\n");
    EXPECT_FALSE(document.AddNavpointFile(empty, prompt).ok);
    const auto noAirspace = folder.Write("none.air", "# only comments\nAH=FL65\n");
    EXPECT_FALSE(document.AddAirspaceFile(noAirspace, prompt).ok);
    EXPECT_FALSE(document.AddAirspaceFile(folder / "missing.sua", prompt).ok);
    EXPECT_EQ(prompt.errors, (std::vector<std::string>{
                                 "No Navpoints in : " + empty.string(),
                                 "No Valid Airspace in : " + noAirspace.string(),
                                 "No Valid Airspace in : " + (folder / "missing.sua").string()}));

    const auto sites = folder.Write("sites.dat", "7,51:00.000N,001:00.000E,0,A,SITE,\n");
    const auto added = document.AddNavpointFile(sites, prompt);
    ASSERT_TRUE(added.ok);
    EXPECT_EQ(added.shownNavpoints.size(), 1u);
    EXPECT_EQ(document.Navpoints().Count(), 1);
    EXPECT_FALSE(document.CanAnalyse({}));
}

TEST_F(DocumentTest, CanAnalyse) {
    const auto declared = folder.Write("declared.igc", Flight("010204", kDeclaration));
    const auto plain = folder.Write("plain.igc", Flight());
    FlightDocument withDeclaration({}, {});
    ASSERT_TRUE(withDeclaration.AddFlight(declared, prompt).ok);
    EXPECT_TRUE(withDeclaration.CanAnalyse({}));
    FlightDocument without({}, {});
    ASSERT_TRUE(without.AddFlight(plain, prompt).ok);
    const std::vector<int> noTask(12, 0), task{0, 3};
    EXPECT_FALSE(without.CanAnalyse(noTask));
    EXPECT_TRUE(without.CanAnalyse(task));
}

} // namespace
} // namespace vantrel
