#include <process.h>
#include <windows.h>

#include <chrono>

#include "platform/process.h"

namespace dossier {

long ProcessId() {
    return _getpid();
}

bool ProcessIsRunning(long id) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

std::uint64_t CheapClockTicks() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace dossier
