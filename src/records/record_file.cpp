#include "records/record_file.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

namespace {

constexpr qint64 kScanBlockBytes = 4 * 1024 * 1024;

// Holds the whole-file lock for one append (exclusive), or for measuring the file while no
// append is under way (shared: readers do not hold one another up).
class AppendLock {
public:
    enum class Mode { Exclusive, Shared };

    explicit AppendLock(QIODevice* device, Mode mode = Mode::Exclusive) {
#ifdef Q_OS_UNIX
        if (auto* file = qobject_cast<QFile*>(device)) {
            m_handle = file->handle();
            if (m_handle >= 0 && ::flock(m_handle, mode == Mode::Exclusive ? LOCK_EX : LOCK_SH) != 0)
                throw RecordFileError("lock failed");
        }
#else
        Q_UNUSED(device);
        Q_UNUSED(mode);
#endif
    }
    ~AppendLock() {
#ifdef Q_OS_UNIX
        if (m_handle >= 0)
            ::flock(m_handle, LOCK_UN);
#endif
    }
    AppendLock(const AppendLock&) = delete;
    AppendLock& operator=(const AppendLock&) = delete;

private:
    int m_handle = -1;
};

} // namespace

RecordFile::RecordFile(const QString& path, int recordSize) : m_recordSize(recordSize) {
    auto file = std::make_unique<QFile>(path);
    if (QFileInfo(path).isDir())
        throw RecordFileError("path is a folder");
    // Unbuffered: an append must reach the file before its lock is released.
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

int RecordFile::count() const {
    if (!m_device)
        throw RecordFileError("file is closed");
    return countOf(m_device->size(), m_recordSize);
}

void RecordFile::seekTo(int position) {
    if (!m_device->seek(static_cast<qint64>(position - 1) * m_recordSize))
        throw RecordFileError("seek failed");
}

QByteArray RecordFile::readAt(int position) {
    if (position < 1 || position > count())
        throw RecordFileError("position out of range");
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
}

void RecordFile::updateAt(int position, QByteArrayView record) {
    if (position < 1)
        throw RecordFileError("position out of range");
    seekTo(position);
    writeRecord(record);
}

int RecordFile::append(QByteArrayView record) {
    AppendLock lock(m_device.get());
    const int position = count() + 1;
    seekTo(position);
    writeRecord(record);
    return position;
}

qint64 RecordFile::wholeRecordBytes(const QString& path, int recordSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw RecordFileError("cannot open");
    AppendLock lock(&file, AppendLock::Mode::Shared);
    const qint64 size = file.size();
    return size - size % recordSize;
}

int RecordFile::scanBlockRecords() const {
    return std::max<int>(1, static_cast<int>(kScanBlockBytes / m_recordSize));
}

void RecordFile::readRecords(int first, int n, QByteArray& block) {
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

void RecordFile::scan(const std::function<bool(int, QByteArrayView)>& visit) {
    const int total = count();
    const int perBlock = scanBlockRecords();
    QByteArray block;
    for (int first = 1; first <= total; first += perBlock) {
        const int n = std::min(perBlock, total - first + 1);
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
