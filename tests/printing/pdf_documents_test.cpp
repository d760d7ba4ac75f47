// PDFs read back with poppler: one sheet a page, as the sheet file reads; seven roster blocks
// a page, none across a page's foot.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/dice/random_dice.h"
#include "frontend/generation_modes.h"
#include "printing/character_document.h"
#include "profile/profile_tables.h"
#include "support/frontend_fakes.h"
#include "support/network_of.h"
#include "support/test_support.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;
using testing::Occurrences;
using testing::PdfPages;
using testing::PdfPageText;

class PdfDocumentsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const auto why = testing::WhyNoPoppler()) GTEST_SKIP() << *why;
        fs::create_directories(folder);
        SeededDice dice(1);
        CharacterRecord record = StartupRecord(dice);
        testing::ScriptedDialogs none;
        GenerationModes modes(record, sink, none);
        for (int i = 0; i < 50; ++i) modes.Press(Mode::QuickRandom);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path Write(PdfKind kind) {
        const fs::path pdf = folder / (kind == PdfKind::Sheets ? "sheets.pdf" : "roster.pdf");
        const std::unique_ptr<CharacterDocument> document = OpenPdf(pdf, kind);
        for (std::size_t i = 0; i < sink.saved.size(); ++i)
            document->Add(sink.saved[i], static_cast<long long>(i + 1));
        document->Finish();
        return pdf;
    }

    testing::RecordingSink sink;
    fs::path folder = testing::UniqueTempPath("pdf");
};

TEST_F(PdfDocumentsTest, OneSheetAPageAsTheSheetFileReads) {
    const fs::path pdf = Write(PdfKind::Sheets);
    ASSERT_EQ(PdfPages(pdf), 50);
    for (const int page : {1, 2, 50}) {
        EXPECT_EQ(testing::Squeezed(PdfPageText(pdf, page)),
                  testing::ReadableExpected(sink.saved[page - 1].sheetText))
            << page;
    }
}

TEST_F(PdfDocumentsTest, SevenRosterBlocksAPageNoneAcrossItsFoot) {
    const fs::path pdf = Write(PdfKind::Roster);
    ASSERT_EQ(PdfPages(pdf), 8);
    for (int page = 1; page <= 8; ++page) {
        const std::string text = "\n" + PdfPageText(pdf, page);
        const int first = 7 * (page - 1) + 1, blocks = page < 8 ? 7 : 1;
        for (int number = first; number < first + blocks; ++number)
            EXPECT_NE(text.find("\n" + std::to_string(number) + ". "), std::string::npos) << number;
        // A block begins with its name line and ends with its areas.
        EXPECT_EQ(Occurrences(text, "Name ____"), blocks) << page;
        EXPECT_EQ(Occurrences(text, "Areas: "), blocks) << page;
        EXPECT_EQ(text.find("PRIMARY TRAITS"), std::string::npos) << "no sheet in a roster";
    }
}

// The picture first, every member on it by name; then the roster; then one sheet a page.
TEST_F(PdfDocumentsTest, ANetworkIsItsPictureThenItsRosterThenItsSheets) {
    Network network = DrawnNetwork(8, 4, FindRole("Talent Spotter"));
    for (std::size_t m = 0; m < 8; ++m) {
        const std::string role = network.members[m].profile.role;
        network.members[m] = sink.saved[m];
        network.members[m].names = {"Name" + std::to_string(m + 1) + "x", "", ""};
        network.members[m].profile = {role,
                                      "Money",
                                      "Debts",
                                      "A flat",
                                      "Steady",
                                      "Hums",
                                      {"Cover" + std::to_string(m + 1) + "x", "Baker", "Solid"}};
        network.members[m].sheetText = LaidOutSheet(network.members[m]);
    }
    const fs::path pdf = folder / "network.pdf";
    WriteNetworkPdf(pdf, network);
    ASSERT_EQ(PdfPages(pdf), 1 + 2 + 8);
    const std::string picture = PdfPageText(pdf, 1);
    EXPECT_NE(picture.find("A network of 8: the game master's copy"), std::string::npos);
    for (std::size_t m = 0; m < 8; ++m) {
        const std::string n = std::to_string(m + 1);
        EXPECT_EQ(Occurrences(picture, "Name" + n + "x"), 1) << picture;
        EXPECT_EQ(Occurrences(picture, "Cover" + n + "x"), 1) << picture;
    }
    EXPECT_EQ(Occurrences(picture, "Handler"), 1);
    EXPECT_EQ(Occurrences(picture, "Talent Spotter"), 1);
    EXPECT_NE(PdfPageText(pdf, 2).find("1. Name1x"), std::string::npos);
    // The players' copy leaves the other side out.
    network.links[1].push_back({kOtherSide, std::string(kReportsSecretlyTo), "phone", false});
    WriteNetworkPdf(pdf, network);
    EXPECT_EQ(Occurrences(PdfPageText(pdf, 1), "The other side"), 1);
    WriteNetworkPdf(pdf, network, NetworkCopy::Players);
    const std::string handout = PdfPageText(pdf, 1);
    EXPECT_NE(handout.find("A network of 8: the players' copy"), std::string::npos);
    EXPECT_EQ(Occurrences(handout, "The other side"), 0);
    EXPECT_EQ(testing::Squeezed(PdfPageText(pdf, 11)),
              testing::ReadableExpected(network.members[7].sheetText));
}

}  // namespace
}  // namespace dossier
