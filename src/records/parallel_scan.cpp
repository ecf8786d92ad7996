#include "records/parallel_scan.h"

#include <QByteArray>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace parallel_scan {

namespace {

// A block of the work: records first .. first+count-1.
struct Block {
    int first;
    int count;
    std::size_t dropFrom; // the first block of its read: a failed read of this one loses it
    std::size_t readEnd;  // one past the last block of its read: handed back once that is read
};

// Blocks of about `blockBytes` that never straddle two reads of the scan from first to last, so a
// read that fails loses exactly the records that scan loses: those of its whole read.
std::vector<Block> blocksOf(const RecordFile& file, int total, qint64 blockBytes) {
    const int perRead = file.scanBlockRecords();
    const int pieces = static_cast<int>(std::clamp<qint64>(qint64(perRead) * file.recordSize() / blockBytes, 1, perRead));
    const int perPiece = (perRead + pieces - 1) / pieces;
    std::vector<Block> blocks;
    for (int read = 1; read <= total; read += perRead) {
        const int readEnd = std::min(total + 1, read + perRead);
        const std::size_t dropFrom = blocks.size();
        for (int first = read; first < readEnd; first += perPiece)
            blocks.push_back({first, std::min(perPiece, readEnd - first), dropFrom, 0});
        for (std::size_t b = dropFrom; b < blocks.size(); ++b)
            blocks[b].readEnd = blocks.size();
    }
    return blocks;
}

// Reads are one at a time, so helpers only pay off when the work on a block is not much shorter
// than its read; when it is (a filter that keeps few records), the threads wait on each other
// for every block and lose more than they save. The calling thread first works alone on this
// many blocks and times them; helpers join when the work took at least half as long as the reads.
constexpr std::size_t kProbeBlocks = 4;

// The blocks are read in file order, one read at a time, each by the thread that then works on
// it, so its bytes are still in that core's cache. The calling thread works too, and between
// blocks hands the finished ones back in order.
class Pipeline {
public:
    Pipeline(RecordFile& file, const Steps& steps, std::vector<Block> blocks)
        : m_file(file), m_steps(steps), m_blocks(std::move(blocks)), m_finished(m_blocks.size(), false) {}

    // Always joins, also when the calling thread leaves by an exception.
    ~Pipeline() {
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_stop = true;
        }
        for (std::thread& t : m_threads)
            t.join();
    }

    void run(int workers, Start start) {
        m_helpers = workers - 1;
        if (start == Start::AllAtOnce)
            startHelpers();
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
    using Clock = std::chrono::steady_clock;

    void startHelpers() {
        for (int i = 0; i < m_helpers; ++i)
            m_threads.emplace_back([this] { work(false); });
        m_helpers = 0;
    }

    void work(bool calling) {
        QByteArray records;
        std::size_t probed = 0;
        Clock::duration reading{}, working{};
        for (;;) {
            const bool probing = calling && m_helpers > 0 && probed < kProbeBlocks;
            const Clock::time_point started = probing ? Clock::now() : Clock::time_point();
            Clock::time_point read;
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
                    m_file.readRecords(m_blocks[block].first, m_blocks[block].count, records);
                } catch (...) {
                    fail(m_blocks[block].dropFrom, std::current_exception());
                    return;
                }
                std::lock_guard<std::mutex> guard(m_lock);
                m_readDone = block + 1;
            }
            if (probing)
                read = Clock::now();
            try {
                m_steps.work(block, m_blocks[block].first, records);
            } catch (...) {
                // No more is read, so only the reads before this one are whole.
                fail(m_blocks[block].dropFrom, std::current_exception());
                return;
            }
            if (probing) {
                reading += read - started;
                working += Clock::now() - read;
                if (++probed == kProbeBlocks && 2 * working >= reading)
                    startHelpers();
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
        while (m_next < m_failedBlock && m_next < m_finished.size() && m_finished[m_next] &&
               m_readDone >= m_blocks[m_next].readEnd) {
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
    const std::vector<Block> m_blocks;
    std::mutex m_reading; // one read at a time, in block order
    std::mutex m_lock;    // guards everything below
    std::condition_variable m_changed;
    std::vector<bool> m_finished;
    std::size_t m_taken = 0;    // blocks handed out to be read
    std::size_t m_readDone = 0; // blocks read without failure
    std::size_t m_next = 0;  // the next block to hand back
    std::size_t m_failedBlock = SIZE_MAX;
    std::exception_ptr m_failure;
    bool m_stop = false;
    int m_helpers = 0; // threads still to start; only the calling thread starts them
    std::vector<std::thread> m_threads;
};

} // namespace

void run(RecordFile& file, const Steps& steps, int workers, qint64 blockBytes, Start start) {
    std::vector<Block> blocks = blocksOf(file, file.count(), blockBytes);
    steps.begin(blocks.size());
    const int threads = static_cast<int>(std::clamp<std::size_t>(std::size_t(std::max(1, workers)), 1, std::max<std::size_t>(1, blocks.size())));
    Pipeline pipeline(file, steps, std::move(blocks));
    pipeline.run(threads, start);
}

} // namespace parallel_scan
