#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

extern char** environ;

namespace dossier::testing {

// A program run as a user runs it, its standard output and error kept in files.
class ChildProcess {
  public:
    struct Exit {
        int code = -1;    // exit status, or -1 when a signal ended it
        int signal = 0;   // the signal that ended it
        std::string out;  // empty when standard output went elsewhere
        std::string err;
    };

    // stdoutPath: where standard output goes; empty for a file of the child's own.
    ChildProcess(const std::vector<std::string>& args, const std::filesystem::path& scratch,
                 std::string stdoutPath = {})
        : outPath_(stdoutPath.empty() ? (scratch.string() + ".out") : std::move(stdoutPath)),
          errPath_(scratch.string() + ".err") {
        std::vector<char*> argv;
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, outPath_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, errPath_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~ChildProcess() {
        if (pid_ > 0) Signal(SIGKILL), Wait();
        std::filesystem::remove(errPath_);
        if (outPath_.ends_with(".out")) std::filesystem::remove(outPath_);
    }

    void Signal(int signal) const { ::kill(pid_, signal); }

    Exit Wait() {
        Exit exit;
        int status = 0;
        if (pid_ > 0 && waitpid(pid_, &status, 0) == pid_) {
            exit.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            exit.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        }
        pid_ = -1;
        exit.out = Read(outPath_);
        exit.err = Read(errPath_);
        return exit;
    }

    static Exit Run(const std::vector<std::string>& args, const std::filesystem::path& scratch,
                    std::string stdoutPath = {}) {
        return ChildProcess(args, scratch, std::move(stdoutPath)).Wait();
    }

  private:
    static std::string Read(const std::string& path) {
        return path.starts_with("/dev/") ? std::string() : ReadAll(path);
    }

    std::string outPath_;
    std::string errPath_;
    pid_t pid_ = -1;
};

}  // namespace dossier::testing
