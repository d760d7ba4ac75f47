#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "frontend/field_checks.h"
#include "platform/sheet_file.h"
#include "support/test_support.h"

#ifdef __linux__
#include <sys/resource.h>
#endif

namespace dossier {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;

class ReplacingFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(folder), fs::create_directories(folder);
        WriteSheetFile(sheet, "previous");
    }
    void TearDown() override { fs::remove_all(folder); }
    // Whatever failed, the previous sheet is whole and no temporary file is left.
    void ExpectPreviousSheetAlone(int files = 1) {
        EXPECT_EQ(ReadAll(sheet), "previous");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), files);
    }
    fs::path folder = testing::UniqueTempPath("sheet-file");
    fs::path sheet = folder / "char.txt";
};

TEST_F(ReplacingFileTest, ReplacesTheWholeFile) {
    std::string big;
    for (int i = 0; i < 20000; ++i) big += "line " + std::to_string(i) + "\r\n";
    WriteSheetFile(sheet, big);
    EXPECT_EQ(ReadAll(sheet), big);
    WriteSheetFile(sheet, "\"second\"\r\n");
    EXPECT_EQ(ReadAll(sheet), "\"second\"\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);
    EXPECT_EQ(DefaultSheetPath().filename(), "char.txt");
}

TEST_F(ReplacingFileTest, FailuresNameThePathAndKeepThePreviousSheet) {
    fs::create_directories(folder / "taken.txt");
    for (const fs::path& path : {folder / "missing" / "char.txt", folder / "taken.txt",
                                 sheet / "inside.txt", fs::path()}) {
        try {
            WriteSheetFile(path, "new");
            ADD_FAILURE() << "wrote " << path;
        } catch (const WriteError& error) {
            EXPECT_EQ(error.path(), path);
            EXPECT_FALSE(error.previousKept()) << "no sheet stood at " << path;
            EXPECT_EQ(MessageFor(error).text.find("previous"), std::string::npos);
            EXPECT_NE(std::string(error.what()).find(path.string() + ": " + error.reason()),
                      std::string::npos);
        }
    }
    ExpectPreviousSheetAlone(2);
    {
        ReplacingFile uncommitted(sheet);
        uncommitted.Write(std::string(100000, 'y'));
    }
    ExpectPreviousSheetAlone(2);
}

#ifdef __linux__
TEST_F(ReplacingFileTest, FileSizeLimitKeepsThePreviousSheet) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    try {
        WriteSheetFile(sheet, std::string(200000, 'x'));
        ADD_FAILURE() << "wrote past the file size limit";
    } catch (const WriteError& error) {
        EXPECT_TRUE(error.previousKept());
        EXPECT_TRUE(MessageFor(error).text.ends_with(". The previous sheet is unchanged."));
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    ExpectPreviousSheetAlone();
}
#endif

}  // namespace
}  // namespace dossier
