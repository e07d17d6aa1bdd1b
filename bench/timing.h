#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

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

// The middle one of `times` (of an even count, the mean of the two middle ones): one slow
// run on a busy machine moves it less than it moves a mean.
inline double median(std::vector<double> times)
{
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

// Runs the event loop until `done` holds or `timeoutMs` have passed; true when done. The
// thread sleeps between events: processEvents() with a time limit drops WaitForMoreEvents and
// would spin, taking a core from the links that are being measured.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 600000)
{
    QTimer wake; // bounds each wait, so that the time limit is seen without an event
    wake.start(50);
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() >= timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}
