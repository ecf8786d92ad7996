#pragma once

#include "records/cp1252.h"

#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

// Every input is a first line of texts the user could type, separated by '|', and then the
// bytes of a data file; so a seed is a real file with one line in front of it.
struct FuzzInput {
    QList<QString> texts;
    QByteArray file;

    FuzzInput(const uint8_t* data, size_t size) {
        const QByteArray all(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
        const qsizetype lineEnd = all.indexOf('\n');
        const QByteArray line = lineEnd < 0 ? QByteArray() : all.left(lineEnd);
        file = lineEnd < 0 ? all : all.mid(lineEnd + 1);
        for (const QByteArray& piece : line.split('|'))
            texts.append(cp1252::decode(piece));
    }

    // The i-th text, or an empty one.
    QString text(qsizetype i) const { return i < texts.size() ? texts.at(i) : QString(); }

    // The file's bytes as a device, as a record file reads them from disk.
    std::unique_ptr<QIODevice> device() const {
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(file);
        buffer->open(QIODevice::ReadWrite);
        return buffer;
    }
};
