#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>

// Any failure to open, seek, read, write or close a record file. The event that touched the
// file catches it as a whole and shows its own message.
class RecordFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file of fixed-size records with no header: position p (1-based) is at byte (p-1)*size.
// Opened for reading and writing; a missing file is created empty, an existing file that
// cannot be opened is never replaced. The bytes of an incomplete last record are ignored.
//
// Writes (append and update) hold an exclusive POSIX record lock on the file, which network
// file servers honour, and reach the disk before they return, so a success message is true.
class RecordFile {
public:
    // Unsynced writes are for measuring what the sync costs; the program always syncs.
    enum class Sync { ToDisk, None };

    RecordFile(const QString& path, int recordSize, Sync sync = Sync::ToDisk);
    // For tests: work on any device (for example one that fails after N bytes).
    RecordFile(std::unique_ptr<QIODevice> device, int recordSize);
    ~RecordFile();

    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    int recordSize() const { return m_recordSize; }
    qint64 count() const;
    QByteArray readAt(qint64 position);
    // Writes over an existing record. A position beyond the last record (another copy may
    // have replaced the file with a shorter one) is refused: the file never grows here.
    void updateAt(qint64 position, QByteArrayView record);
    // updateAt, but only while the stored record still passes `unchanged`; checked and
    // written under the lock, so no other copy's update slips in between. Returns false,
    // writing nothing, when the stored record fails the check.
    bool updateIfUnchanged(qint64 position, QByteArrayView record,
                           const std::function<bool(QByteArrayView stored)>& unchanged);
    // Counts and writes under the lock, so two programs appending to one shared file never
    // write the same slot. Returns the new record's position.
    qint64 append(QByteArrayView record);
    // Appends `count` records, the i-th from `record(i)`, under one lock: either all of them
    // reach the file (synced) or, when a write fails, the file is cut back to its old records
    // and the error is thrown. Returns the position of the first.
    qint64 appendAll(int count, const std::function<QByteArray(int index)>& record);
    // Every record in file order, read in large blocks. The visitor may return false to stop.
    void scan(const std::function<bool(qint64 position, QByteArrayView record)>& visit);
    // How many records one read of scan() takes: a read that fails loses the records of that
    // read, which scans that share the work out must lose too.
    int scanBlockRecords() const;
    // Records first .. first+n-1 into `block` in one read (for scans that share the work out).
    void readRecords(qint64 first, int n, QByteArray& block);
    void close();

    static qint64 countOf(qint64 bytes, int recordSize) { return bytes / recordSize; }

    // The bytes of the whole records of the file at `path`, measured under the lock an append
    // takes: an append by another program is either wholly inside that length or wholly after
    // it. A copy that reads only these bytes (a backup) never catches half an append.
    static qint64 wholeRecordBytes(const QString& path, int recordSize);

private:
    void seekTo(qint64 position);
    void checkStored(qint64 position) const;
    void writeRecord(QByteArrayView record);
    void syncToDisk();

    std::unique_ptr<QIODevice> m_device;
    int m_recordSize;
    Sync m_sync = Sync::ToDisk;
};
