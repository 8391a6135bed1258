#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
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

// The median time of `repeat` runs of `work`.
inline double MedianMilliseconds(int repeat, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < repeat; ++run) {
        const auto start = CSteadyClock::now();
        work();
        times.push_back(Milliseconds(start, CSteadyClock::now()));
    }
    return Median(std::move(times));
}
