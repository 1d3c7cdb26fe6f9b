#include "logfiles/IgcSecurityCheck.h"

#include "CaseName.h"
#include "LogFixture.h"
#include "Signing.h"
#include "logfiles/Bignum.h"
#include "logfiles/IgcWriter.h"
#include "logfiles/KeyIndexCipher.h"

#include <gtest/gtest.h>

namespace korlink {
namespace {

using namespace igccheck;
using test::TempFolder;
using test::WriteFile;

std::string Hex(ByteView bytes) {
    std::string hex;
    char digits[3];
    for (const auto b : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", b);
        hex += digits;
    }
    return hex;
}

// Reference values below come from a separate implementation of the hash, CRC and cipher.
TEST(IgcSecurityPrimitives, HashAndCrcOfTheHashedLines) {
    const std::string text = "AZRVQ0YA\r\nHFDTE051203\r\nHOXYZ skipped\r\nLXYZ skipped\r\nLZRVN "
                             "kept\r\n\nB1012184710908N00858329EA0037800415030016000000\r\n"
                             "GABC\r\ntrailing";
    const auto withoutTail = text.substr(0, text.rfind('\n') + 1);
    // Fed in one piece and byte by byte alike.
    for (const std::size_t piece : {withoutTail.size(), std::size_t{1}, std::size_t{7}}) {
        IgcLogHash hash;
        for (std::size_t at = 0; at < withoutTail.size(); at += piece)
            hash.Feed(AsBytes(std::string_view(withoutTail).substr(at, piece)));
        const auto value = hash.Finish();
        EXPECT_EQ(Hex(value.digest), "1F9867B14056EFEDA29C20B58371B61658B1DA36") << piece;
        EXPECT_EQ(value.crc, 0xCF93147Fu);
        EXPECT_EQ(value.gLines, "GABC\r\n");
    }
    IgcLogHash empty;
    const auto value = empty.Finish();
    EXPECT_EQ(Hex(value.digest), "79819D5288CB781FE44CF7CC3BF18C5FF5C65182");
    EXPECT_EQ(value.crc, Crc32::kStart);
    EXPECT_EQ(Crc32::Of(AsBytes("123456789")), 0x3D217F57u);
}

TEST(IgcSecurityPrimitives, KeyIndexCipher) {
    const CipherBlock block{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    EXPECT_EQ(Hex(DecipherKeyIndex(block, RecorderKeys())), "AB4B14B65E4728CC");
    for (const CipherBlock b : {block, CipherBlock{}, CipherBlock{0x04, 0xD2, 0xFF, 0, 0, 0, 0, 1}})
        EXPECT_EQ(DecipherKeyIndex(EncipherKeyIndex(b, RecorderKeys()), RecorderKeys()), b);
}

TEST(IgcSecurityPrimitives, KeyMaterialIsConsistent) {
    const auto& keys = RecorderKeys();
    ASSERT_EQ(keys.publicValueText.size(), 1000u);
    EXPECT_FALSE(keys.PublicValue(1000));
    // y = g^x mod p for the simulator's signing values.
    const auto context = NewBignumContext();
    const auto p = BignumFrom(keys.dsaP);
    const auto g = BignumFrom(keys.dsaG);
    for (const std::size_t i : {0u, 517u, 999u}) {
        const auto x = BignumFrom(korsim::RecorderSigningKeys().privateValues[i]);
        const auto y = NewBignum();
        ASSERT_TRUE(BN_mod_exp(y.get(), g.get(), x.get(), p.get(), context.get()));
        EXPECT_EQ(BignumBytes(y.get(), 64), keys.PublicValue(i)) << i;
    }
}

// A converted flight, with an HO line added, and its signed forms.
struct SignedFlight {
    SignedFlight() {
        const test::LogFixture fixture(60);
        text = IgcText(fixture.Log(), "1.0");
        text.insert(text.find("HFFXA"), "HOPLTPILOT:Anna Berg\r\n");
    }

    std::filesystem::path Signed(std::string_view name, korsim::IgcSigning signing = {}) const {
        const auto path = folder / name;
        WriteFile(path, *korsim::SignIgcText(text, signing));
        return path;
    }
    std::filesystem::path Edited(std::string_view name, std::string_view from,
                                 std::string_view to) const {
        auto signedText = *korsim::SignIgcText(text, {});
        signedText.replace(signedText.find(from), from.size(), to);
        const auto path = folder / name;
        WriteFile(path, signedText);
        return path;
    }

    TempFolder folder;
    std::string text;
};

struct StatusCase {
    const char* name;
    std::uint16_t status;
    std::uint32_t result;
    const char* report;
};

class StatusWords : public ::testing::TestWithParam<StatusCase> {};

TEST_P(StatusWords, ResultAndReport) {
    const auto& c = GetParam();
    const SignedFlight flight;
    const auto result = CheckIgcFile(flight.Signed("flight.igc", {17, c.status}));
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, c.result);
    EXPECT_EQ(IgcCheckReport(*result), c.report);
}

INSTANTIATE_TEST_SUITE_P(
    IgcSecurityCheck, StatusWords,
    ::testing::Values(
        StatusCase{"Signed", 0x0001, 7,
                   "Log Data Integrity OK\nSignature Data Integrity OK\nSecurity OK\n"},
        StatusCase{"ViolationReported", 0x0100, 15,
                   "Log Data Integrity OK\nSignature Data Integrity OK\n"
                   "Security Violation Reported\nSecurity OK\n"},
        StatusCase{"Unsigned", 0x00FF, 0x4006,
                   "Log Data Integrity OK\nSignature Data Integrity OK\nSecurity Fail\n"},
        StatusCase{"OldKindWithViolation", 0x0666, 0x8008, "Old File: Security seems Bad\n"},
        StatusCase{"OldKind", 0x64A2, 0x8000, "Old File: Security seems Bad\n"}),
    test::CaseName{});

TEST(IgcSecurityCheck, ConvertedFileCarriesTheDummyRecord) {
    const SignedFlight flight;
    const auto path = flight.folder / "converted.igc";
    WriteFile(path, flight.text);
    const auto result = CheckIgcFile(path);
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, kViolationReported);
    EXPECT_EQ(IgcCheckReport(*result), "Log Data Integrity Fail\nSignature Data Integrity Fail\n"
                                       "Security Violation Reported\nSecurity Fail\n");
}

TEST(IgcSecurityCheck, WhatTheSignatureCovers) {
    const SignedFlight flight;
    const auto firstB = flight.text.substr(flight.text.find("\r\nB") + 2, 20);
    auto changedB = firstB;
    changedB[10] = changedB[10] == '0' ? '1' : '0';
    const std::pair<std::filesystem::path, std::uint32_t> cases[] = {
        {flight.Edited("b.igc", firstB, changedB), kRecordCrcMatches},
        {flight.Edited("ho.igc", "HOPLTPILOT:Anna", "HOPLTPILOT:Otto"), 7},
        {flight.Edited("hf.igc", "HFGTYGliderType: ASG", "HFGTYGliderType: LS8"),
         kRecordCrcMatches},
        {flight.Edited("l.igc", "LZRVN KOR", "LZRVN K0R"), kRecordCrcMatches},
        // A status word reporting a violation, not covered by the record's own CRC any more.
        {flight.Edited("g.igc", "\r\nG0001", "\r\nG0000"),
         kSignatureValid | kLogCrcMatches | kViolationReported},
        // Blank lines, and anything after the last line end, are not read.
        {flight.Edited("lf.igc", "\r\nB", "\r\n\n\nB"), 7},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(CheckIgcFile(path), expected) << path.filename();
    const auto tail = flight.Signed("tail.igc");
    WriteFile(tail, test::ReadFile(tail) + "B123 no line end");
    EXPECT_EQ(CheckIgcFile(tail), 7u);
}

TEST(IgcSecurityCheck, KeyIndexSelectsThePublicValue) {
    const SignedFlight flight;
    EXPECT_EQ(CheckIgcFile(flight.Signed("k.igc", {1234, 1})), 7u);
    EXPECT_EQ(CheckIgcFile(flight.Signed("k.igc", {999, 1})), 7u);
    // Another key index in the record (its CRC made to match) picks another public value.
    auto text = test::ReadFile(flight.Signed("k.igc", {5, 1}));
    const auto gAt = text.find("\r\nG") + 2;
    auto record = DecodeSecurityRecord(text.substr(gAt));
    CipherBlock block{0, 6};
    block = EncipherKeyIndex(block, RecorderKeys());
    std::copy(block.begin(), block.end(), record.begin() + kKeyIndexOffset);
    const auto crc = Crc32::Of(ByteView(record).first(kRecordCrcOffset));
    for (std::size_t i = 0; i < 4; ++i)
        record[kRecordCrcOffset + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    text.replace(gAt, std::string::npos, SecurityRecordLines(record));
    WriteFile(flight.folder / "k.igc", text);
    EXPECT_EQ(CheckIgcFile(flight.folder / "k.igc"), kLogCrcMatches | kRecordCrcMatches);
}

TEST(IgcSecurityCheck, EveryCheckStartsAfresh) {
    const SignedFlight flight;
    const auto good = flight.Signed("good.igc");
    auto withoutA = test::ReadFile(good);
    withoutA.erase(0, withoutA.find('\n') + 1);
    WriteFile(flight.folder / "noa.igc", withoutA);
    const auto alone = CheckIgcFile(flight.folder / "noa.igc");
    EXPECT_EQ(CheckIgcFile(good), 7u);
    EXPECT_EQ(CheckIgcFile(flight.folder / "noa.igc"), alone);
    EXPECT_FALSE(*alone & kSignatureValid);
    // An A line restarts the hash: lines before it count for nothing.
    WriteFile(flight.folder / "lead.igc", "B0000\r\nGFFFF\r\n" + test::ReadFile(good));
    EXPECT_EQ(CheckIgcFile(flight.folder / "lead.igc"), 7u);
}

TEST(IgcSecurityCheck, OverlongAndManyLinesStayBounded) {
    const SignedFlight flight;
    const auto good = test::ReadFile(flight.Signed("good.igc"));
    const auto gAt = good.find("\r\nG") + 2;
    // Eight G lines before the record fill the 516-character G buffer; the record is lost.
    std::string extra;
    for (int i = 0; i < 8; ++i)
        extra += "G" + std::string(64, '0') + "\r\n";
    WriteFile(flight.folder / "g.igc", good.substr(0, gAt) + extra + good.substr(gAt));
    EXPECT_EQ(CheckIgcFile(flight.folder / "g.igc"), kViolationReported);
    // One G line longer than the buffer is ignored whole; the record still reads.
    WriteFile(flight.folder / "longg.igc",
              good.substr(0, gAt) + "G" + std::string(5000, 'A') + "\r\n" + good.substr(gAt));
    EXPECT_EQ(CheckIgcFile(flight.folder / "longg.igc"), 7u);
    // A hashed line of 100000 characters is read whole and breaks the signature cleanly.
    WriteFile(flight.folder / "long.igc",
              good.substr(0, gAt) + "X" + std::string(100000, 'x') + "\r\n" + good.substr(gAt));
    EXPECT_EQ(CheckIgcFile(flight.folder / "long.igc"), kRecordCrcMatches);
    // No line end at all: nothing is read, the record is empty.
    WriteFile(flight.folder / "none.igc", std::string(3000, 'G'));
    EXPECT_EQ(CheckIgcFile(flight.folder / "none.igc"), kViolationReported);
}

TEST(IgcSecurityCheck, UnreadableFilesGiveNoResult) {
    const TempFolder folder;
    EXPECT_FALSE(CheckIgcFile(folder / "missing.igc"));
    EXPECT_FALSE(CheckIgcFile(folder.Path()));
}

} // namespace
} // namespace korlink
