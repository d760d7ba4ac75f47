// The window's program as a user starts it, in a process of its own.
#include <gtest/gtest.h>

#include "support/child_process.h"

namespace dossier {
namespace {

TEST(WindowProgramTest, WithoutADisplayItSaysSoInsteadOfAborting) {
    const auto run = [](std::vector<std::string> tail) {
        std::vector<std::string> args = {"/usr/bin/env",    "-u", "DISPLAY",        "-u",
                                         "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM"};
        args.insert(args.end(), tail.begin(), tail.end());
        return testing::ChildProcess::Run(args, testing::UniqueTempPath("window-program"));
    };
    const testing::ChildProcess::Exit version = run({DOSSIER_GUI_PATH, "--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "dossier 4.1\n");
    EXPECT_NE(run({DOSSIER_GUI_PATH, "--help"}).out.find("dossier-cli"), std::string::npos);
    for (const auto& tail : {std::vector<std::string>{DOSSIER_GUI_PATH},
                             std::vector<std::string>{"DISPLAY=:9999", DOSSIER_GUI_PATH}}) {
        const testing::ChildProcess::Exit exit = run(tail);
        EXPECT_EQ(exit.code, 1) << tail[0] << " signal " << exit.signal;
        EXPECT_EQ(std::count(exit.err.begin(), exit.err.end(), '\n'), 1) << exit.err;
        EXPECT_NE(exit.err.find("dossier-cli"), std::string::npos) << exit.err;
    }
}

}  // namespace
}  // namespace dossier
