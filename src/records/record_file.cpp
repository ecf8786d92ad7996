#include "records/record_file.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 kScanBlockBytes = 4 * 1024 * 1024;

int handleOf(QIODevice* device) {
    auto* file = qobject_cast<QFile*>(device);
    return file ? file->handle() : -1;
}

// Holds a lock on the whole file for one write (exclusive), or for measuring the file while no
// write is under way (shared: readers do not hold one another up). POSIX record locks rather than
// flock, which some network file systems keep local to one machine; open-file-description
// locks where the kernel has them, so they belong to this open file and not to the process.
class WriteLock {
public:
    enum class Mode { Exclusive, Shared };

    explicit WriteLock(QIODevice* device, Mode mode = Mode::Exclusive) : m_handle(handleOf(device)) {
#ifdef Q_OS_UNIX
        if (m_handle >= 0 && !take(mode == Mode::Exclusive ? F_WRLCK : F_RDLCK))
            throw RecordFileError("lock failed");
#endif
    }
    ~WriteLock() {
#ifdef Q_OS_UNIX
        if (m_handle >= 0)
            apply(m_command, F_UNLCK);
#endif
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

private:
#ifdef Q_OS_UNIX
    bool apply(int command, short type) const {
        struct flock lock {};
        lock.l_type = type;
        lock.l_whence = SEEK_SET; // l_start 0, l_len 0: the whole file, however it grows
        int result;
        do
            result = ::fcntl(m_handle, command, &lock);
        while (result != 0 && errno == EINTR);
        return result == 0;
    }
    bool take(short type) {
#ifdef F_OFD_SETLKW
        m_command = F_OFD_SETLKW;
        if (apply(m_command, type))
            return true;
        if (errno != EINVAL) // EINVAL: a kernel without open-file-description locks
            return false;
#endif
        m_command = F_SETLKW;
        return apply(m_command, type);
    }
    int m_command = F_SETLKW;
#endif
    int m_handle;
};

} // namespace

RecordFile::RecordFile(const QString& path, int recordSize, Sync sync) : m_recordSize(recordSize), m_sync(sync) {
    auto file = std::make_unique<QFile>(path);
    if (QFileInfo(path).isDir())
        throw RecordFileError("path is a folder");
    // Unbuffered: a write must reach the file before its lock is released.
    if (!file->open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw RecordFileError("cannot open or create");
    m_device = std::move(file);
}

RecordFile::RecordFile(std::unique_ptr<QIODevice> device, int recordSize)
    : m_device(std::move(device)), m_recordSize(recordSize) {
    if (!m_device || (!m_device->isOpen() && !m_device->open(QIODevice::ReadWrite)))
        throw RecordFileError("cannot open device");
}

RecordFile::~RecordFile() {
    if (m_device && m_device->isOpen())
        m_device->close();
}

qint64 RecordFile::count() const {
    if (!m_device)
        throw RecordFileError("file is closed");
    return countOf(m_device->size(), m_recordSize);
}

void RecordFile::seekTo(qint64 position) {
    if (!m_device->seek((position - 1) * m_recordSize))
        throw RecordFileError("seek failed");
}

void RecordFile::checkStored(qint64 position) const {
    if (position < 1 || position > count())
        throw RecordFileError("position out of range");
}

QByteArray RecordFile::readAt(qint64 position) {
    checkStored(position);
    seekTo(position);
    QByteArray record = m_device->read(m_recordSize);
    if (record.size() != m_recordSize)
        throw RecordFileError("short read");
    return record;
}

void RecordFile::writeRecord(QByteArrayView record) {
    if (record.size() != m_recordSize)
        throw RecordFileError("wrong record size");
    if (m_device->write(record.data(), record.size()) != record.size())
        throw RecordFileError("write failed");
    syncToDisk();
}

void RecordFile::syncToDisk() {
    if (m_sync == Sync::None)
        return;
#ifdef Q_OS_UNIX
    // The file is unbuffered, so the record is already with the kernel; only the data needs
    // to reach the disk, not the times.
    const int handle = handleOf(m_device.get());
    if (handle >= 0 && ::fdatasync(handle) != 0)
        throw RecordFileError("sync failed");
#endif
}

void RecordFile::updateAt(qint64 position, QByteArrayView record) {
    updateIfUnchanged(position, record, [](QByteArrayView) { return true; });
}

bool RecordFile::updateIfUnchanged(qint64 position, QByteArrayView record,
                                   const std::function<bool(QByteArrayView)>& unchanged) {
    if (record.size() != m_recordSize)
        throw RecordFileError("wrong record size");
    WriteLock lock(m_device.get());
    if (!unchanged(readAt(position)))
        return false;
    seekTo(position);
    writeRecord(record);
    return true;
}

qint64 RecordFile::append(QByteArrayView record) {
    WriteLock lock(m_device.get());
    const qint64 position = count() + 1;
    seekTo(position);
    writeRecord(record);
    return position;
}

qint64 RecordFile::appendAll(int count, const std::function<QByteArray(int)>& record) {
    WriteLock lock(m_device.get());
    const qint64 first = RecordFile::count() + 1;
    seekTo(first);
    constexpr qsizetype kBlockBytes = 1 << 20;
    QByteArray block;
    try {
        for (int i = 0; i < count; ++i) {
            const QByteArray r = record(i);
            if (r.size() != m_recordSize)
                throw RecordFileError("wrong record size");
            block += r;
            if (block.size() >= kBlockBytes || i + 1 == count) {
                if (m_device->write(block) != block.size())
                    throw RecordFileError("write failed");
                block.clear();
            }
        }
        syncToDisk();
    } catch (const RecordFileError&) {
        // The records already written must not stay: other copies would see half an import.
        if (auto* file = qobject_cast<QFile*>(m_device.get()))
            file->resize(static_cast<qint64>(first - 1) * m_recordSize);
        throw;
    }
    return first;
}

qint64 RecordFile::wholeRecordBytes(const QString& path, int recordSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw RecordFileError("cannot open");
    WriteLock lock(&file, WriteLock::Mode::Shared);
    const qint64 size = file.size();
    return size - size % recordSize;
}

int RecordFile::scanBlockRecords() const {
    return std::max<int>(1, static_cast<int>(kScanBlockBytes / m_recordSize));
}

void RecordFile::readRecords(qint64 first, int n, QByteArray& block) {
    seekTo(first);
    const qint64 want = static_cast<qint64>(n) * m_recordSize;
    block.resize(want);
    qint64 got = 0;
    while (got < want) {
        const qint64 r = m_device->read(block.data() + got, want - got);
        if (r <= 0)
            throw RecordFileError("short read");
        got += r;
    }
}

void RecordFile::scan(const std::function<bool(qint64, QByteArrayView)>& visit) {
    const qint64 total = count();
    const int perBlock = scanBlockRecords();
    QByteArray block;
    for (qint64 first = 1; first <= total; first += perBlock) {
        const int n = static_cast<int>(std::min<qint64>(perBlock, total - first + 1));
        readRecords(first, n, block);
        for (int i = 0; i < n; ++i) {
            const QByteArrayView record(block.constData() + static_cast<qsizetype>(i) * m_recordSize,
                                        m_recordSize);
            if (!visit(first + i, record))
                return;
        }
    }
}

void RecordFile::close() {
    if (!m_device)
        return;
    if (auto* file = qobject_cast<QFile*>(m_device.get()); file && file->error() != QFileDevice::NoError) {
        m_device.reset();
        throw RecordFileError("file error");
    }
    m_device->close();
    m_device.reset();
}
