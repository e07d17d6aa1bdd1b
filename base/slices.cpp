#include "base/slices.h"

#include <QRunnable>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <vector>

void inSlices(int count, const std::function<void(int, int)>& work)
{
    constexpr int kSlice = 2048;
    const int helpers = qMin(QThread::idealThreadCount() - 1, count / kSlice - 1);
    if (helpers <= 0) {
        work(0, count);
        return;
    }
    std::atomic<int> next { 0 };
    auto run = [&] {
        for (int begin; (begin = next.fetch_add(kSlice)) < count;)
            work(begin, qMin(begin + kSlice, count));
    };
    // A helper that has not started by the time this thread runs out of slices is taken back
    // from the pool rather than waited for: the pool may be busy with other work.
    QThreadPool* pool = QThreadPool::globalInstance();
    QSemaphore done;
    std::vector<QRunnable*> tasks;
    for (int i = 0; i < helpers; ++i) {
        QRunnable* task = QRunnable::create([&] {
            run();
            done.release();
        });
        task->setAutoDelete(false);
        pool->start(task);
        tasks.push_back(task);
    }
    run();
    int started = 0;
    for (QRunnable* task : tasks)
        if (!pool->tryTake(task))
            ++started;
    done.acquire(started);
    for (QRunnable* task : tasks)
        delete task;
}
