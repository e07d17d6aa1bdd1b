#pragma once

#include <algorithm>
#include <chrono>
#include <functional>

// Wall-clock seconds that `work` takes.
inline double seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The fastest of `runs` runs of `work`, so that a busy machine's pauses count least.
inline double best(int runs, const std::function<void()>& work)
{
    double fastest = 1e9;
    for (int i = 0; i < runs; ++i)
        fastest = std::min(fastest, seconds(work));
    return fastest;
}
