#pragma once

#include <cstddef>
#include <functional>

// Work shared out over the machine's cores.
namespace parallel_work {

// One worker per core; 1 means the calling thread does everything.
int defaultWorkers();

// Runs task(0) .. task(count-1), each once, on up to `workers` threads (the calling thread
// among them), and returns when all are done. The first exception a task throws is passed on
// after every thread has stopped.
void forEach(std::size_t count, const std::function<void(std::size_t)>& task, int workers = defaultWorkers());

} // namespace parallel_work
