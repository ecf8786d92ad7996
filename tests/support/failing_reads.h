#pragma once

#include <QBuffer>

#include <algorithm>

// A record file's device whose reads fail from byte `failAt` on, as a bad sector in the middle
// of a file makes them; what lies before that byte reads as it is.
class FailingReads : public QBuffer {
public:
    FailingReads(const QByteArray& bytes, qint64 failAt) : m_failAt(failAt) {
        setData(bytes);
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char* data, qint64 max) override {
        const qint64 room = m_failAt - pos();
        return room <= 0 ? -1 : QBuffer::readData(data, std::min(max, room));
    }

private:
    qint64 m_failAt;
};
