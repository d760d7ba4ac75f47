#include <spawn.h>
#include <sys/wait.h>

#include <thread>

#include "platform/sheet_viewer.h"

extern char** environ;

namespace dossier {

// xdg-open hands the file to the desktop's application for its type. It runs in a session
// of its own, so closing the terminal the window was started from leaves the viewer open,
// and a thread of ours collects its exit status so that no finished process lingers.
bool DesktopSheetViewer::Open(const std::filesystem::path& sheet) {
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    const std::string path = sheet.string();
    char program[] = "xdg-open";
    char* argv[] = {program, const_cast<char*>(path.c_str()), nullptr};
    pid_t viewer = 0;
    const bool started = posix_spawnp(&viewer, program, nullptr, &attributes, argv, environ) == 0;
    posix_spawnattr_destroy(&attributes);
    if (started) std::thread([viewer] { waitpid(viewer, nullptr, 0); }).detach();
    return started;
}

}  // namespace dossier
