#pragma once

// The timings every benchmark reports: wall clock, the processor time of the process
// (on a shared machine the wall clock also holds the time other programs had), and
// percentiles of a series.

#include <QElapsedTimer>

#include <algorithm>
#include <ctime>
#include <vector>

namespace zr::bench {

inline double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

inline double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// The processor time of this process, in ms.
inline double cpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

}  // namespace zr::bench
