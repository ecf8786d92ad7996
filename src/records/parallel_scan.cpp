#include "records/parallel_scan.h"

#include <QByteArray>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace parallel_scan {

namespace {

// The blocks are read in file order, one read at a time, each by the thread that then works on
// it, so its bytes are still in that core's cache. The calling thread works too, and between
// blocks hands the finished ones back in order.
class Pipeline {
public:
    Pipeline(RecordFile& file, const Steps& steps, int total, int perBlock, std::size_t blocks)
        : m_file(file), m_steps(steps), m_total(total), m_perBlock(perBlock), m_finished(blocks, false) {}

    // Always joins, also when the calling thread leaves by an exception.
    ~Pipeline() {
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_stop = true;
        }
        for (std::thread& t : m_threads)
            t.join();
    }

    void run(int workers) {
        for (int i = 1; i < workers; ++i)
            m_threads.emplace_back([this] { work(false); });
        work(true);
        std::unique_lock<std::mutex> guard(m_lock);
        for (;;) {
            handBackReady(guard);
            if (m_next >= std::min(m_taken, m_failedBlock))
                break;
            m_changed.wait(guard);
        }
        if (m_failure)
            std::rethrow_exception(m_failure);
    }

private:
    int firstOf(std::size_t block) const { return static_cast<int>(block) * m_perBlock + 1; }
    int countOf(std::size_t block) const { return std::min(m_perBlock, m_total - firstOf(block) + 1); }

    void work(bool calling) {
        QByteArray records;
        for (;;) {
            std::size_t block = 0;
            {
                std::lock_guard<std::mutex> reading(m_reading);
                {
                    std::lock_guard<std::mutex> guard(m_lock);
                    if (m_stop || m_failure || m_taken >= m_finished.size())
                        return;
                    block = m_taken++;
                }
                try {
                    m_file.readRecords(firstOf(block), countOf(block), records);
                } catch (...) {
                    fail(block, std::current_exception());
                    return;
                }
            }
            try {
                m_steps.work(block, firstOf(block), records);
            } catch (...) {
                fail(block, std::current_exception());
                return;
            }
            std::unique_lock<std::mutex> guard(m_lock);
            m_finished[block] = true;
            m_changed.notify_all();
            if (calling)
                handBackReady(guard);
        }
    }

    // Called with the lock held, on the calling thread; releases it around each hand-back.
    void handBackReady(std::unique_lock<std::mutex>& guard) {
        while (m_next < m_failedBlock && m_next < m_finished.size() && m_finished[m_next]) {
            const std::size_t block = m_next++;
            guard.unlock();
            try {
                m_steps.done(block);
            } catch (...) {
                guard.lock();
                failLocked(block, std::current_exception());
                return;
            }
            guard.lock();
        }
    }

    void fail(std::size_t block, std::exception_ptr error) {
        std::lock_guard<std::mutex> guard(m_lock);
        failLocked(block, std::move(error));
    }

    void failLocked(std::size_t block, std::exception_ptr error) {
        if (block < m_failedBlock) {
            m_failedBlock = block;
            m_failure = std::move(error);
        }
        m_changed.notify_all();
    }

    RecordFile& m_file;
    const Steps& m_steps;
    const int m_total;
    const int m_perBlock;
    std::mutex m_reading; // one read at a time, in block order
    std::mutex m_lock;    // guards everything below
    std::condition_variable m_changed;
    std::vector<bool> m_finished;
    std::size_t m_taken = 0; // blocks handed out to be read
    std::size_t m_next = 0;  // the next block to hand back
    std::size_t m_failedBlock = SIZE_MAX;
    std::exception_ptr m_failure;
    bool m_stop = false;
    std::vector<std::thread> m_threads;
};

} // namespace

void run(RecordFile& file, const Steps& steps, int workers, qint64 blockBytes) {
    const int size = file.recordSize();
    const int total = file.count();
    const int perBlock = static_cast<int>(std::max<qint64>(1, blockBytes / size));
    const std::size_t blocks = total == 0 ? 0 : static_cast<std::size_t>((total - 1) / perBlock + 1);
    steps.begin(blocks);
    Pipeline pipeline(file, steps, total, perBlock, blocks);
    pipeline.run(static_cast<int>(std::min<std::size_t>(std::max(1, workers), std::max<std::size_t>(1, blocks))));
}

} // namespace parallel_scan
