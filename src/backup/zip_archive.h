#pragma once

#include "backup/backup_contents.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>

typedef struct zip zip_t;

// Zip archives of the data folder, over libzip. Contents are streamed from and to files in
// blocks; no file is ever held whole in memory.
namespace backup {

// Bytes handled so far, read by the screen while a worker thread writes or reads.
struct Progress {
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};
    // Set from another thread when the program closes: the work stops at its next block and
    // fails, so that nobody waits for it.
    std::atomic<bool> abandoned{false};
};

struct Entry {
    QString name;
    qint64 size = 0;
};

// Writes `items` into a new archive at `path`. Record files are read only up to the whole
// records measured under their append lock. `written` receives what went in.
bool writeArchive(const QString& path, const QList<Item>& items, Progress* progress, QList<Entry>* written,
                  QString& error);

// An archive opened for reading, with its consistency checked.
class ArchiveReader {
public:
    explicit ArchiveReader(const QString& path);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    bool isOpen() const { return m_zip != nullptr; }
    QString error() const { return m_error; }
    const QList<Entry>& entries() const { return m_entries; }

    // Streams entry `index` to `sink` in blocks. Fails on a read error, a CRC mismatch or a
    // size other than the directory says.
    bool read(int index, const std::function<bool(QByteArrayView block, QString& error)>& sink, QString& error,
              Progress* progress = nullptr);
    // Reads every entry through, checking each one's CRC.
    bool verifyAll(QString& error, Progress* progress = nullptr);

private:
    zip_t* m_zip = nullptr;
    QString m_error;
    QList<Entry> m_entries;
};

} // namespace backup
