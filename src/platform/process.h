#pragma once

#include <cstdint>

// This process and others, as far as the program needs to know them.
namespace dossier {

long ProcessId();

// True also when the process exists but may not be looked at.
bool ProcessIsRunning(long id);

// The wall clock in its finest unit, read as cheaply as the system allows: where a coarse
// clock exists it costs a few nanoseconds against tens, and ticks milliseconds apart.
std::uint64_t CheapClockTicks();

}  // namespace dossier
