#pragma once

#include <QBuffer>

// A device that accepts limit bytes and then fails every write, as a full
// medium does.
class FailDevice : public QBuffer {
public:
    explicit FailDevice(qint64 limit)
        : m_limit(limit)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 room = m_limit - size();
        if (room <= 0)
            return -1;
        return QBuffer::writeData(data, qMin(room, length));
    }

private:
    qint64 m_limit;
};
