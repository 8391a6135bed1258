#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Timing helpers of the widget benchmarks.
using CSteadyClock = std::chrono::steady_clock;

inline double Milliseconds(CSteadyClock::time_point start, CSteadyClock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

inline double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
