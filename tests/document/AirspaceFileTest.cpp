#include "document/AirspaceFile.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(AirspaceFile, Sections) {
    const std::string longLine = "AN=" + std::string(400, 'x');
    const Airspace airspace = ReadAirspace("# comment\r\n"
                                           "dropped before the first title\r\n"
                                           "\r\n"
                                           "TITLE=Alpha   \r\n"
                                           "TYPE=CTA\r\n" +
                                           longLine +
                                           "\r\n"
                                           "INCLUDE=NO\r\n"
                                           "TITLE=Hidden\r\n"
                                           "hidden line\r\n"
                                           "INCLUDE=YES\r\n"
                                           "TITLE=Bravo\r\n"
                                           "END\r\n"
                                           "TITLE=After the end\r\n");
    EXPECT_EQ(airspace.titleCount, 2);
    ASSERT_EQ(airspace.sections.size(), 2u);
    EXPECT_EQ(airspace.sections[0], "TITLE=Alpha\nTYPE=CTA\n" + longLine + "\n");
    EXPECT_EQ(airspace.sections[1], "TITLE=Bravo\n");
    EXPECT_EQ(SectionTitle(airspace.sections[0]), "Alpha");
}

TEST(AirspaceFile, NothingToShow) {
    EXPECT_EQ(ReadAirspace("").titleCount, 0);
    const Airspace untitled = ReadAirspace("AC R\nAN ZONE\n");
    EXPECT_EQ(untitled.titleCount, 0);
    EXPECT_TRUE(untitled.sections.empty());
    EXPECT_FALSE(ReadAirspaceFile("/nonexistent/zones.sua").has_value());
}

} // namespace
} // namespace vantrel
