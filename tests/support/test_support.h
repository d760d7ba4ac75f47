#pragma once

#include <gtest/gtest.h>

#include "core/record/character_record.h"
#include "core/rules/age_handedness.h"
#include "support/scripted_dice.h"

namespace dossier::testing {

// A start-up record rolling scripted dice; every test checks the script was used up. Suites
// take it under the name of the unit they test.
class RecordFixture : public ::testing::Test {
  protected:
    void TearDown() override {
        EXPECT_EQ(dice.Remaining(), 0U) << "the rule rolled fewer dice than scripted";
    }

    std::string_view Text(Field field) const { return record.Text(field); }
    void Set(Field field, std::string text) { record.Write(field, std::move(text)); }

    ScriptedDice dice;
    CharacterRecord record = StartupRecord(dice);
};

}  // namespace dossier::testing

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace dossier::testing {

// A file's bytes, or nothing when it cannot be read.
inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A path in the temporary folder that no other test, nor another run of this one, uses:
// ctest runs tests side by side.
inline std::filesystem::path UniqueTempPath(const std::string& stem) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::filesystem::temp_directory_path() /
           ("dossier-" + stem + "-" + test->name() + "-" + std::to_string(getpid()));
}

// Texts no input should trust: blanks, a huge number, control and NUL bytes, bad UTF-8, a
// quote, numbers the parser must refuse, the edges of the 16-bit range, a NUL between digits.
// clang-format off
inline const std::vector<std::string> kHostileTexts = {
    "", " ", " 55 ", "\x01\x1b[31m\t\r\n", "Zo\xC3\xAB \xE6\x97\xA5", "\xFF\xFE no UTF-8", "\"",
    "1e309", "nan", "inf", "-0", "0x10", "1,5", "32768", "-32769", "32767", "-32768",
    std::string("5\0005", 3), std::string(10000, '7')};
// clang-format on

// Whole quoted lines, each ending in CR LF, with no control character inside.
inline bool WholeLines(const std::string& sheet) {
    for (std::size_t i = 0; i < sheet.size(); ++i) {
        const auto c = static_cast<unsigned char>(sheet[i]);
        if (c == '\n' && (i == 0 || sheet[i - 1] != '\r')) return false;
        if (c == '\r' && (i + 1 == sheet.size() || sheet[i + 1] != '\n')) return false;
        if ((c < 0x20 && c != '\r' && c != '\n') || c == 0x7F) return false;
    }
    return sheet.ends_with("\"\r\n");
}

// What a poppler tool prints for a file.
inline std::string Poppler(const std::string& tool, const std::filesystem::path& pdf,
                           const char* after = "") {
    std::string text;
    if (FILE* out =
            popen((tool + " '" + pdf.string() + "' " + after + " 2>/dev/null").c_str(), "r")) {
        char chunk[4096];
        for (std::size_t got; (got = fread(chunk, 1, sizeof chunk, out)) > 0;)
            text.append(chunk, got);
        pclose(out);
    }
    return text;
}

// Why the PDFs cannot be read here, if they cannot. Poppler reads them on the build's own system;
// the Windows tests, under Wine, leave them to the end-to-end run, which reads them on the host.
inline std::optional<std::string> WhyNoPoppler() {
    if (std::filesystem::path::preferred_separator != '/')
        return "the PDFs are read on the build's own system";
    if (std::system("command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null") != 0)
        return "poppler's pdfinfo and pdftotext are not on the PATH (Debian: poppler-utils)";
    return std::nullopt;
}

inline int PdfPages(const std::filesystem::path& pdf) {
    const std::string info = Poppler("pdfinfo", pdf);
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

inline std::string PdfPageText(const std::filesystem::path& pdf, int page) {
    const std::string number = std::to_string(page);
    return Poppler("pdftotext -layout -f " + number + " -l " + number, pdf, "-");
}

// Runs of blanks and line ends as one blank, none at either end: a PDF's text keeps the words
// and their order, not the blanks.
inline std::string Squeezed(std::string_view text) {
    std::string squeezed;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\r' || c == '\n' || c == '\f';
        if (!blank || (!squeezed.empty() && squeezed.back() != ' ')) squeezed += blank ? ' ' : c;
    }
    if (!squeezed.empty() && squeezed.back() == ' ') squeezed.pop_back();
    return squeezed;
}

// The sheet as a reader should see it, worked out apart from the program's own reading: the
// separator between a line's two fields and every quote dropped, blanks squeezed.
inline std::string ReadableExpected(std::string sheet) {
    for (std::size_t at; (at = sheet.find("\",\"")) != std::string::npos;) sheet.erase(at, 3);
    std::erase(sheet, '"');
    return Squeezed(sheet);
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

inline int Occurrences(std::string_view text, std::string_view part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size()))
        ++count;
    return count;
}

}  // namespace dossier::testing
