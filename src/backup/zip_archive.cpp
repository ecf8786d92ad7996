#include "backup/zip_archive.h"

#include "backup/backup_errors.h"
#include "records/record_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <cerrno>

namespace backup {

namespace {

constexpr qint64 kBlockBytes = 1 << 20;

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// Pictures and documents that are compressed already are stored as they are: deflating them
// again costs time and gains nothing.
bool isCompressedAlready(const QString& name) {
    static const QStringList suffixes = {QStringLiteral("jpg"),  QStringLiteral("jpeg"), QStringLiteral("png"),
                                         QStringLiteral("zip"),  QStringLiteral("pdf"),  QStringLiteral("docx"),
                                         QStringLiteral("xlsx"), QStringLiteral("gif"),  QStringLiteral("7z")};
    return suffixes.contains(QFileInfo(name).suffix().toLower());
}

// One file of the data folder as a libzip source. Its length is fixed when libzip first asks
// (for record files, under the append lock) and exactly that many bytes are read.
struct FileSource {
    Item item;
    Progress* progress = nullptr;
    QString* reason = nullptr; // the first failure, in words the user can read
    qint64* writtenSize = nullptr;
    qint64 length = -1;
    QFile file;
    qint64 done = 0;
    zip_error_t error{};

    FileSource() { zip_error_init(&error); }
    ~FileSource() { zip_error_fini(&error); }

    zip_int64_t fail(int zipCode, const QString& why) {
        if (reason && reason->isEmpty())
            *reason = why;
        zip_error_set(&error, zipCode, 0);
        return -1;
    }

    bool measure() {
        if (length >= 0)
            return true;
        const QFileInfo info(item.path);
        if (!info.isFile()) {
            fail(ZIP_ER_OPEN, QStringLiteral("%1 non è un file leggibile").arg(shown(item.path)));
            return false;
        }
        if (item.recordSize > 0) {
            try {
                length = RecordFile::wholeRecordBytes(item.path, item.recordSize);
            } catch (const RecordFileError&) {
                fail(ZIP_ER_OPEN, QStringLiteral("impossibile leggere %1").arg(shown(item.path)));
                return false;
            }
        } else {
            length = info.size();
        }
        *writtenSize = length;
        return true;
    }

    zip_int64_t handle(void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
        switch (cmd) {
        case ZIP_SOURCE_STAT: {
            auto* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, len, &error);
            if (!st)
                return -1;
            if (!measure())
                return -1;
            zip_stat_init(st);
            st->size = static_cast<zip_uint64_t>(length);
            st->mtime = QFileInfo(item.path).lastModified().toSecsSinceEpoch();
            st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_OPEN:
            if (!measure())
                return -1;
            file.setFileName(item.path);
            if (!file.open(QIODevice::ReadOnly))
                return fail(ZIP_ER_OPEN, QStringLiteral("impossibile leggere %1: %2")
                                             .arg(shown(item.path), systemReason(errno)));
            // A record file only grows; any other file replaced meanwhile would come out mixed.
            if (item.recordSize == 0 ? file.size() != length : file.size() < length)
                return fail(ZIP_ER_READ,
                            QStringLiteral("%1 è cambiato durante il backup").arg(shown(item.path)));
            done = 0;
            return 0;
        case ZIP_SOURCE_READ: {
            if (progress && progress->abandoned)
                return fail(ZIP_ER_READ, QStringLiteral("backup interrotto alla chiusura del programma"));
            const qint64 want = std::min<qint64>(static_cast<qint64>(len), length - done);
            qint64 got = 0;
            while (got < want) {
                const qint64 n = file.read(static_cast<char*>(data) + got, want - got);
                if (n <= 0)
                    return fail(ZIP_ER_READ, QStringLiteral("lettura non riuscita di %1").arg(shown(item.path)));
                got += n;
            }
            done += got;
            if (progress)
                progress->done += got;
            return got;
        }
        case ZIP_SOURCE_CLOSE:
            file.close();
            return 0;
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&error, data, len);
        case ZIP_SOURCE_FREE:
            delete this;
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }

    static zip_int64_t callback(void* self, void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
        return static_cast<FileSource*>(self)->handle(data, len, cmd);
    }
};

} // namespace

bool writeArchive(const QString& path, const QList<Item>& items, Progress* progress, QList<Entry>* written,
                  QString& error) {
    int code = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!zip) {
        error = zipReason(code, errno);
        return false;
    }
    QString reason;
    QList<qint64> sizes(items.size(), 0);
    for (qsizetype i = 0; i < items.size(); ++i) {
        auto* source = new FileSource;
        source->item = items[i];
        source->progress = progress;
        source->reason = &reason;
        source->writtenSize = &sizes[i];
        zip_source_t* zs = zip_source_function(zip, &FileSource::callback, source);
        if (!zs) {
            delete source;
            error = zipReason(zip_get_error(zip));
            zip_discard(zip);
            return false;
        }
        const zip_int64_t index = zip_file_add(zip, items[i].entryName.toUtf8().constData(), zs, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(zs);
            error = zipReason(zip_get_error(zip));
            zip_discard(zip);
            return false;
        }
        if (isCompressedAlready(items[i].entryName))
            zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(zip) != 0) {
        error = reason.isEmpty() ? zipReason(zip_get_error(zip)) : reason;
        zip_discard(zip);
        return false;
    }
    if (written) {
        written->clear();
        for (qsizetype i = 0; i < items.size(); ++i)
            written->append({items[i].entryName, sizes[i]});
    }
    return true;
}

ArchiveReader::ArchiveReader(const QString& path) {
    int code = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!m_zip) {
        m_error = zipReason(code, errno);
        return;
    }
    const zip_int64_t count = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME) ||
            !(st.valid & ZIP_STAT_SIZE)) {
            m_error = zipReason(zip_get_error(m_zip));
            zip_discard(m_zip);
            m_zip = nullptr;
            m_entries.clear();
            return;
        }
        m_entries.append({QString::fromUtf8(st.name), static_cast<qint64>(st.size)});
    }
}

ArchiveReader::~ArchiveReader() {
    if (m_zip)
        zip_discard(m_zip);
}

bool ArchiveReader::read(int index, const std::function<bool(QByteArrayView, QString&)>& sink, QString& error,
                         Progress* progress) {
    zip_file_t* file = zip_fopen_index(m_zip, static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        error = zipReason(zip_get_error(m_zip));
        return false;
    }
    QByteArray block(kBlockBytes, Qt::Uninitialized);
    qint64 total = 0;
    bool ok = true;
    for (;;) {
        // libzip checks the CRC when the end of the entry is read.
        const zip_int64_t n = zip_fread(file, block.data(), static_cast<zip_uint64_t>(block.size()));
        if (n < 0) {
            error = zipReason(zip_file_get_error(file));
            ok = false;
            break;
        }
        if (n == 0)
            break;
        total += n;
        if (progress)
            progress->done += n;
        if (progress && progress->abandoned) {
            error = QStringLiteral("backup interrotto alla chiusura del programma");
            ok = false;
            break;
        }
        if (!sink(QByteArrayView(block.constData(), n), error)) {
            ok = false;
            break;
        }
    }
    zip_fclose(file);
    if (ok && total != m_entries[index].size) {
        error = QStringLiteral("dati danneggiati (lunghezza diversa)");
        ok = false;
    }
    return ok;
}

bool ArchiveReader::verifyAll(QString& error, Progress* progress) {
    const auto discard = [](QByteArrayView, QString&) { return true; };
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (!read(static_cast<int>(i), discard, error, progress)) {
            error = QStringLiteral("%1: %2").arg(m_entries[i].name, error);
            return false;
        }
    return true;
}

} // namespace backup
