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
class RecordFile {
public:
    RecordFile(const QString& path, int recordSize);
    // For tests: work on any device (for example one that fails after N bytes).
    RecordFile(std::unique_ptr<QIODevice> device, int recordSize);
    ~RecordFile();

    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    int recordSize() const { return m_recordSize; }
    int count() const;
    QByteArray readAt(int position);
    void updateAt(int position, QByteArrayView record);
    // Takes an exclusive lock on the file for the count-and-write, so two programs appending
    // to one shared file never write the same slot. Returns the new record's position.
    int append(QByteArrayView record);
    // Every record in file order, read in large blocks. The visitor may return false to stop.
    void scan(const std::function<bool(int position, QByteArrayView record)>& visit);
    // How many records one read of scan() takes: a read that fails loses the records of that
    // read, which scans that share the work out must lose too.
    int scanBlockRecords() const;
    // Records first .. first+n-1 into `block` in one read (for scans that share the work out).
    void readRecords(int first, int n, QByteArray& block);
    void close();

    static int countOf(qint64 bytes, int recordSize) {
        return static_cast<int>(bytes / recordSize);
    }

    // The bytes of the whole records of the file at `path`, measured under the lock an append
    // takes: an append by another program is either wholly inside that length or wholly after
    // it. A copy that reads only these bytes (a backup) never catches half an append.
    static qint64 wholeRecordBytes(const QString& path, int recordSize);

private:
    void seekTo(int position);
    void writeRecord(QByteArrayView record);

    std::unique_ptr<QIODevice> m_device;
    int m_recordSize;
};
