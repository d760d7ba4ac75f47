#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cerrno>
#include <cstring>
#include <sstream>

#include "sheet/sheet_file.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class SheetFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("dossier-sheet-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::size_t FilesIn(const fs::path& where) const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(where), {}));
    }

    fs::path folder;
};

TEST_F(SheetFile, ReplacesTheWholeFile) {
    const fs::path sheet = folder / "char.txt";
    WriteSheetFile(sheet, std::string(5000, 'x'));
    WriteSheetFile(sheet, "\"second\"\r\n");
    EXPECT_EQ(ReadAll(sheet), "\"second\"\r\n");
    EXPECT_EQ(FilesIn(folder), 1U) << "no temporary file is left beside the sheet";
}

TEST_F(SheetFile, LargeTextsArriveWhole) {
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "line " + std::to_string(i) + "\r\n";
    WriteSheetFile(folder / "big.txt", text);
    EXPECT_EQ(ReadAll(folder / "big.txt"), text);
}

TEST_F(SheetFile, FailuresNameThePathAndKeepThePreviousSheet) {
    const fs::path sheet = folder / "char.txt";
    WriteSheetFile(sheet, "previous");
    fs::create_directories(folder / "taken.txt");
    const fs::path failures[] = {
        folder / "missing" / "char.txt",  // no such folder
        folder / "taken.txt",             // a folder stands at the path
        sheet / "inside.txt",             // a file where a folder should be
        fs::path(),                       // no file named at all
    };
    for (const fs::path& path : failures) {
        try {
            WriteSheetFile(path, "new");
            ADD_FAILURE() << "wrote " << path;
        } catch (const SheetWriteError& error) {
            EXPECT_EQ(error.path(), path);
            EXPECT_FALSE(error.reason().empty());
            EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos);
        }
    }
    EXPECT_EQ(ReadAll(sheet), "previous");
    EXPECT_TRUE(fs::is_directory(folder / "taken.txt"));
    EXPECT_EQ(FilesIn(folder), 2U) << "no temporary file is left behind";
}

TEST_F(SheetFile, UncommittedFileLeavesNothing) {
    const fs::path target = folder / "out.jsonl";
    WriteSheetFile(target, "old");
    {
        ReplacingFile file(target);
        file.Write(std::string(100000, 'y'));
    }
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(FilesIn(folder), 1U);
}

TEST(DefaultSheetPath, IsCharTxtInTheHomeFolder) {
    const fs::path path = DefaultSheetPath();
    EXPECT_EQ(path.filename(), "char.txt");
#ifndef _WIN32
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        EXPECT_EQ(path.parent_path(), fs::path(home));
    }
#endif
}

}  // namespace
}  // namespace dossier

#ifdef __linux__
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

namespace dossier {
namespace {

// A small file system of our own, where the test can fill the disk or make it read-only.
class SmallDisk : public SheetFile {
protected:
    void SetUp() override {
        SheetFile::SetUp();
        disk = folder / "disk";
        fs::create_directories(disk);
        if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs here (needs root): " << std::strerror(errno);
        }
        mounted = true;
    }
    void TearDown() override {
        if (mounted) umount(disk.c_str());
        SheetFile::TearDown();
    }
    fs::path disk;
    bool mounted = false;
};

TEST_F(SmallDisk, FullDiskKeepsThePreviousSheet) {
    const fs::path sheet = disk / "char.txt";
    WriteSheetFile(sheet, "previous");
    EXPECT_THROW(WriteSheetFile(sheet, std::string(256 * 1024, 'x')), SheetWriteError);
    EXPECT_EQ(ReadAll(sheet), "previous");
    EXPECT_EQ(FilesIn(disk), 1U) << "the partial temporary file is removed";
}

TEST_F(SmallDisk, ReadOnlyFolderKeepsThePreviousSheet) {
    const fs::path sheet = disk / "char.txt";
    WriteSheetFile(sheet, "previous");
    ASSERT_EQ(mount(nullptr, disk.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    try {
        WriteSheetFile(sheet, "new");
        ADD_FAILURE() << "wrote into a read-only folder";
    } catch (const SheetWriteError& error) {
        EXPECT_NE(error.reason().find("Read-only"), std::string::npos) << error.reason();
    }
    EXPECT_EQ(ReadAll(sheet), "previous");
}

TEST_F(SheetFile, FileSizeLimitKeepsThePreviousSheet) {
    const fs::path sheet = folder / "char.txt";
    WriteSheetFile(sheet, "previous");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    bool threw = false;
    try {
        WriteSheetFile(sheet, std::string(200000, 'x'));
    } catch (const SheetWriteError& error) {
        threw = true;
        EXPECT_FALSE(error.reason().empty());
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(threw);
    EXPECT_EQ(ReadAll(sheet), "previous");
    EXPECT_EQ(FilesIn(folder), 1U);
}

}  // namespace
}  // namespace dossier
#endif
