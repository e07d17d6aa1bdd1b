#pragma once

#include <functional>

// Runs work(begin, end) over the rows [0, count) in slices, on this thread and on as many
// threads of the global pool as there are further cores; returns when every row is done.
// For work on large tables whose rows are independent of each other: `work` must touch only
// its own rows (the containers it writes are sized before). A table of a few slices is done
// on this thread alone.
void inSlices(int count, const std::function<void(int, int)>& work);
