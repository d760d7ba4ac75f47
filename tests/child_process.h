#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

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
    // stderrOnTerminal: standard error is a pseudo-terminal, read back as err.
    ChildProcess(const std::vector<std::string>& args, const std::filesystem::path& scratch,
                 std::string stdoutPath = {}, const std::vector<std::string>& envChanges = {},
                 bool stderrOnTerminal = false)
        : outPath_(stdoutPath.empty() ? (scratch.string() + ".out") : std::move(stdoutPath)),
          errPath_(scratch.string() + ".err") {
        if (stderrOnTerminal) {
            terminal_ = posix_openpt(O_RDWR | O_NOCTTY);
            grantpt(terminal_);
            unlockpt(terminal_);
            errPath_ = ptsname(terminal_);
        }
        std::vector<char*> argv;
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        // NAME unsets a variable, NAME=value sets it.
        std::vector<std::string> env;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string item(*entry);
            bool keep = true;
            for (const std::string& change : envChanges) {
                const std::string name = change.substr(0, change.find('='));
                keep = keep && !item.starts_with(name + "=");
            }
            if (keep) env.push_back(item);
        }
        for (const std::string& change : envChanges)
            if (change.find('=') != std::string::npos) env.push_back(change);
        std::vector<char*> envp;
        for (std::string& item : env) envp.push_back(item.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, outPath_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, errPath_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~ChildProcess() {
        if (pid_ > 0) Signal(SIGKILL), Wait();
        if (terminal_ >= 0) {
            ::close(terminal_);
        } else {
            std::filesystem::remove(errPath_);
        }
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
        exit.err = terminal_ >= 0 ? ReadTerminal() : Read(errPath_);
        return exit;
    }

    static Exit Run(const std::vector<std::string>& args, const std::filesystem::path& scratch,
                    std::string stdoutPath = {}, const std::vector<std::string>& envChanges = {}) {
        return ChildProcess(args, scratch, std::move(stdoutPath), envChanges).Wait();
    }

  private:
    // What the child wrote to the terminal; the line discipline made each \n a \r\n.
    std::string ReadTerminal() const {
        fcntl(terminal_, F_SETFL, O_NONBLOCK);
        std::string text;
        char chunk[4096];
        for (ssize_t got; (got = ::read(terminal_, chunk, sizeof chunk)) > 0;)
            text.append(chunk, got);
        for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
        return text;
    }
    static std::string Read(const std::string& path) {
        if (path.starts_with("/dev/")) return {};
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string outPath_;
    std::string errPath_;
    pid_t pid_ = -1;
    int terminal_ = -1;
};

}  // namespace dossier::testing
