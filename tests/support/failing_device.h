#pragma once

#include <QBuffer>

#include <algorithm>
#include <limits>

// A device that fails as a bad disk does. Reads fail from byte `readsFailAt` on, as a bad sector
// in the middle of a file makes them; what lies before that byte reads as it is. Writes fail
// once they would take more than `writeRoom` bytes in all, as a full disk does.
class FailingDevice : public QBuffer {
public:
    static constexpr qint64 kNever = std::numeric_limits<qint64>::max();

    FailingDevice(const QByteArray& bytes, qint64 readsFailAt, qint64 writeRoom = kNever)
        : m_readsFailAt(readsFailAt), m_writeRoom(writeRoom) {
        setData(bytes);
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }
    // Empty, with room for `writeRoom` bytes.
    explicit FailingDevice(qint64 writeRoom) : FailingDevice({}, kNever, writeRoom) {}

protected:
    qint64 readData(char* data, qint64 max) override {
        const qint64 room = m_readsFailAt - pos();
        return room <= 0 ? -1 : QBuffer::readData(data, std::min(max, room));
    }
    qint64 writeData(const char* data, qint64 len) override {
        if (len > m_writeRoom)
            return -1;
        m_writeRoom -= len;
        return QBuffer::writeData(data, len);
    }

private:
    qint64 m_readsFailAt;
    qint64 m_writeRoom;
};
