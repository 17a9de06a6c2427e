#pragma once

// The line a measured program writes once it is ready to be watched:
// "ready" and the processor time the whole process has used since it was
// started, every thread counted, in microseconds. Taken inside the process,
// so that threads which have already ended are counted too.

#include <cstdio>
#include <ctime>

namespace tycora::bench {

inline long long processCpuMicroseconds()
{
    timespec used{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<long long>(used.tv_sec) * 1000000 + used.tv_nsec / 1000;
}

inline void sayReady()
{
    std::printf("ready %lld\n", processCpuMicroseconds());
    std::fflush(stdout);
}

} // namespace tycora::bench
