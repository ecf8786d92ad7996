#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

// Median time of `timed` over `runs` runs, in milliseconds; `prepare` (if any) runs untimed before each.
inline double medianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& timed) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer t;
        t.start();
        timed();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Lets layout and painting happen, as the user would see them.
inline void settle() {
    QCoreApplication::processEvents();
}

} // namespace bench
