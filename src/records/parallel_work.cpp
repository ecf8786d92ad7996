#include "records/parallel_work.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace parallel_work {

int defaultWorkers() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void forEach(std::size_t count, const std::function<void(std::size_t)>& task, int workers) {
    std::atomic<std::size_t> next{0};
    std::mutex lock;
    std::exception_ptr failure;
    const auto serve = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            try {
                task(i);
            } catch (...) {
                const std::lock_guard<std::mutex> guard(lock);
                if (!failure)
                    failure = std::current_exception();
                next = count; // the others stop at their next task
            }
        }
    };
    const std::size_t threads = std::min<std::size_t>(std::max(1, workers), count);
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(serve);
    serve();
    for (std::thread& t : helpers)
        t.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace parallel_work
