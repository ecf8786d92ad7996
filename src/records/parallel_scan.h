#pragma once

#include "records/parallel_work.h"
#include "records/record_file.h"

#include <QByteArrayView>

#include <cstddef>
#include <functional>
#include <vector>

// A full scan of a record file shared out over the machine's cores. The file is read block by
// block in file order; each block is turned into a part of the result on whichever thread read
// it (the calling thread among them); the parts are handed back on the calling thread one by
// one in file order, so the result is the one RecordFile::scan gives. A read that fails
// part-way hands back exactly the records RecordFile::scan visits before it fails, then throws
// the same error. Memory: one block per thread plus the parts not yet handed back.
namespace parallel_scan {

// Small enough to stay in a core's cache (L2) between its read and its work, large enough that
// the hand-overs between threads stay few.
inline constexpr qint64 kBlockBytes = 1024 * 1024;

using parallel_work::defaultWorkers;

// When the helper threads join: once the first blocks show that the work on a block takes
// longer than reading it, or from the start (which tests use to exercise every hand-over).
enum class Start { WhenWorthIt, AllAtOnce };

struct Steps {
    // Called first, on the calling thread, with the number of blocks.
    std::function<void(std::size_t blocks)> begin;
    // On a worker: the records `first` .. first+n-1 of block `block`, back to back.
    std::function<void(std::size_t block, int first, QByteArrayView records)> work;
    // On the calling thread, in block order, once the block's work is done.
    std::function<void(std::size_t block)> done;
};

// Throws RecordFileError (or whatever a step threw) after handing back the blocks before it.
void run(RecordFile& file, const Steps& steps, int workers = defaultWorkers(), qint64 blockBytes = kBlockBytes,
         Start start = Start::WhenWorthIt);

// Every record visited into the part of its block on a worker; each part then taken, in file
// order, on the calling thread.
template <class Part, class Visit, class Take>
void scanInOrder(RecordFile& file, Visit visit, Take take, int workers = defaultWorkers(),
                 qint64 blockBytes = kBlockBytes, Start start = Start::WhenWorthIt) {
    std::vector<Part> parts;
    const int size = file.recordSize();
    Steps steps;
    steps.begin = [&](std::size_t blocks) { parts.resize(blocks); };
    steps.work = [&](std::size_t block, int first, QByteArrayView records) {
        Part& part = parts[block];
        const qsizetype n = records.size() / size;
        for (qsizetype i = 0; i < n; ++i)
            visit(part, first + int(i), records.sliced(i * size, size));
    };
    steps.done = [&](std::size_t block) {
        take(parts[block]);
        parts[block] = Part();
    };
    run(file, steps, workers, blockBytes, start);
}

// The common case: each record gives at most one item, appended to `out` in file order; the
// items made before a failure stay in `out`.
template <class Item, class Make>
void collectInOrder(RecordFile& file, std::vector<Item>& out, Make make, int workers = defaultWorkers(),
                    qint64 blockBytes = kBlockBytes, Start start = Start::WhenWorthIt) {
    scanInOrder<std::vector<Item>>(
        file, [&](std::vector<Item>& part, int position, QByteArrayView record) { make(part, position, record); },
        [&](std::vector<Item>& part) { std::move(part.begin(), part.end(), std::back_inserter(out)); }, workers,
        blockBytes, start);
}

} // namespace parallel_scan
