// Clocks the benchmark programs read: wall time and the thread's own processor time.
#pragma once

#include <chrono>
#include <time.h>

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of this thread: on a shared, busy machine it shows the work itself, while the
// wall-clock figures include the time other processes had the cores.
inline double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}
