#include "records/whole_file_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// The rename is only durable once the folder entry is on disk too.
void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeAll(QIODevice& device, QByteArrayView data, QString& error) {
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 n = device.write(data.data() + done, data.size() - done);
        if (n <= 0) {
            error = device.errorString();
            return false;
        }
        done += n;
    }
    return true;
}

bool saveWholeFile(const QString& path, const std::function<bool(QIODevice&, QString& error)>& write,
                   QString* error) {
    QString why;
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = reason.isEmpty() ? QStringLiteral("errore di scrittura") : reason;
        return false;
    };
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(QStringLiteral("%1 non è un file").arg(QDir::toNativeSeparators(path)));

    QSaveFile file(path);
    // Unbuffered, so a failing write is seen by the writer, not lost in a last flush that
    // commit() would not check.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (!write(file, why)) {
        file.cancelWriting();
        return fail(why.isEmpty() ? file.errorString() : why);
    }
    if (file.error() != QFileDevice::NoError) {
        why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (!file.flush() || ::fsync(file.handle()) != 0) {
        why = file.error() != QFileDevice::NoError ? file.errorString() : systemError();
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    syncFolderOf(path);
    return true;
}

bool saveWholeFile(const QString& path, const QByteArray& content, QString* error) {
    return saveWholeFile(
        path, [&content](QIODevice& out, QString& why) { return writeAll(out, content, why); },
        error);
}

bool copyWholeFile(const QString& source, const QString& target, QString* error) {
    const QFileInfo from(source);
    if (!from.isFile()) {
        if (error)
            *error = QStringLiteral("%1 non è un file leggibile").arg(QDir::toNativeSeparators(source));
        return false;
    }
    if (from.canonicalFilePath() == QFileInfo(target).canonicalFilePath() && from.exists())
        return true; // copying a file onto itself would truncate it first
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return false;
    }
    return saveWholeFile(
        target,
        [&in](QIODevice& out, QString& why) {
            QByteArray block(1 << 20, Qt::Uninitialized);
            for (;;) {
                const qint64 n = in.read(block.data(), block.size());
                if (n < 0) {
                    why = in.errorString();
                    return false;
                }
                if (n == 0)
                    return true;
                if (!writeAll(out, QByteArrayView(block.constData(), n), why))
                    return false;
            }
        },
        error);
}
