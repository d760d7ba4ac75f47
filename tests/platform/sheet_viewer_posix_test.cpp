#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/sheet_viewer.h"
#include "support/test_support.h"

namespace dossier {
namespace {

namespace fs = std::filesystem;

// The desktop's opener is found on the PATH and handed the sheet; without one, nothing starts.
TEST(SheetViewerPosixTest, TheDesktopsOpenerOnThePathGetsTheSheet) {
    const fs::path folder = testing::UniqueTempPath("viewer");
    fs::create_directories(folder / "bin");
    const fs::path said = folder / "said.txt";
    std::ofstream(folder / "bin" / "xdg-open")
        << "#!/bin/sh\nPATH=/usr/bin:/bin\necho \"$@\" > '" << said.string() << ".new' && mv '"
        << said.string() << ".new' '" << said.string() << "'\n";
    fs::permissions(folder / "bin" / "xdg-open", fs::perms::owner_all);
    const std::string path = std::getenv("PATH");
    const std::pair<fs::path, bool> rows[] = {{folder / "bin", true}, {folder / "none", false}};
    for (const auto& [on, opens] : rows) {
        setenv("PATH", on.c_str(), 1);
        const bool started = DesktopSheetViewer().Open("/home/gm/char.txt");
        setenv("PATH", path.c_str(), 1);
        EXPECT_EQ(started, opens) << on;
    }
    for (int i = 0; i < 100 && !fs::exists(said); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(testing::ReadAll(said), "/home/gm/char.txt\n");
    fs::remove_all(folder);
}

}  // namespace
}  // namespace dossier
