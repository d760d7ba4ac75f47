#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

#include "platform/process.h"

namespace dossier {

long ProcessId() {
    return static_cast<long>(getpid());
}

bool ProcessIsRunning(long id) {
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

std::uint64_t CheapClockTicks() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000000U +
           static_cast<std::uint64_t>(now.tv_nsec);
}

}  // namespace dossier
