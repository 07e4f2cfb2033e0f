#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QtEndian>

// Writes small stored ZIP archives byte by byte, for names and links that
// the zip tool will not produce.
class TestZipWriter {
public:
    struct Entry {
        QByteArray name;
        QByteArray data;
        bool link = false;      // data is the link target
        bool utf8 = false;      // the name carries the UTF-8 flag
        QByteArray unicodePath; // a Unicode path field with this UTF-8 name
        quint16 method = 0;     // the data as it is, whatever the method says
    };

    void add(const QByteArray &name, const QByteArray &data) { m_entries.append({name, data, false, false, {}}); }
    void addLink(const QByteArray &name, const QByteArray &target)
    {
        m_entries.append({name, target, true, false, {}});
    }
    void addUtf8(const QByteArray &name, const QByteArray &data) { m_entries.append({name, data, false, true, {}}); }
    void addWithUnicodePath(const QByteArray &name, const QByteArray &utf8Name, const QByteArray &data)
    {
        m_entries.append({name, data, false, false, utf8Name});
    }
    void addPacked(const QByteArray &name, const QByteArray &data, quint16 method)
    {
        m_entries.append({name, data, false, false, {}, method});
    }

    QByteArray bytes() const
    {
        QByteArray out;
        QByteArray directory;
        for (const Entry &entry : m_entries) {
            const quint32 offset = static_cast<quint32>(out.size());
            const quint32 crc = crc32(entry.data);
            const quint16 flags = entry.utf8 ? 0x0800 : 0;
            QByteArray extra;
            if (!entry.unicodePath.isEmpty()) {
                put16(extra, 0x7075);
                put16(extra, static_cast<quint16>(5 + entry.unicodePath.size()));
                extra.append('\x01');
                put32(extra, crc32(entry.name));
                extra += entry.unicodePath;
            }
            put32(out, 0x04034B50);
            put16(out, 10);
            put16(out, flags);
            put16(out, entry.method);
            put32(out, 0x5A210000); // 1.1.2025 00:00
            put32(out, crc);
            put32(out, static_cast<quint32>(entry.data.size()));
            put32(out, static_cast<quint32>(entry.data.size()));
            put16(out, static_cast<quint16>(entry.name.size()));
            put16(out, static_cast<quint16>(extra.size()));
            out += entry.name;
            out += extra;
            out += entry.data;

            put32(directory, 0x02014B50);
            put16(directory, 0x0314); // made on Unix
            put16(directory, 10);
            put16(directory, flags);
            put16(directory, entry.method);
            put32(directory, 0x5A210000);
            put32(directory, crc);
            put32(directory, static_cast<quint32>(entry.data.size()));
            put32(directory, static_cast<quint32>(entry.data.size()));
            put16(directory, static_cast<quint16>(entry.name.size()));
            put16(directory, static_cast<quint16>(extra.size()));
            put16(directory, 0);
            put16(directory, 0);
            put16(directory, 0);
            put32(directory, (entry.link ? 0120777u : 0100644u) << 16);
            put32(directory, offset);
            directory += entry.name;
            directory += extra;
        }
        const quint32 directoryOffset = static_cast<quint32>(out.size());
        out += directory;
        put32(out, 0x06054B50);
        put16(out, 0);
        put16(out, 0);
        put16(out, static_cast<quint16>(m_entries.size()));
        put16(out, static_cast<quint16>(m_entries.size()));
        put32(out, static_cast<quint32>(directory.size()));
        put32(out, directoryOffset);
        put16(out, 0);
        return out;
    }

    bool write(const QString &fileName) const
    {
        QFile file(fileName);
        return file.open(QIODevice::WriteOnly) && file.write(bytes()) >= 0;
    }

    static quint32 crc32(const QByteArray &bytes)
    {
        quint32 crc = 0xFFFFFFFF;
        for (const char c : bytes) {
            crc ^= static_cast<quint8>(c);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
        }
        return ~crc;
    }

private:
    static void put16(QByteArray &out, quint16 value)
    {
        char bytes[2];
        qToLittleEndian(value, bytes);
        out.append(bytes, 2);
    }
    static void put32(QByteArray &out, quint32 value)
    {
        char bytes[4];
        qToLittleEndian(value, bytes);
        out.append(bytes, 4);
    }

    QList<Entry> m_entries;
};
