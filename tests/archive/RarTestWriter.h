#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// Writes RAR 4 archives with stored entries, for names and flags the sample
// archives lack.
struct StoredRarEntry {
    QByteArray name;
    QByteArray data;
    unsigned mode = 0100644; // 0120777 makes a link whose target is data
    bool encrypted = false;
};

inline quint32 rarCrc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void putLe(QByteArray &out, quint64 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

// A block: CRC16 (low half of the CRC32 of the rest), then the rest.
inline QByteArray rarBlock(const QByteArray &rest)
{
    QByteArray block;
    putLe(block, rarCrc32(rest) & 0xffff, 2);
    return block + rest;
}

inline bool writeStoredRar(const QString &fileName, const QList<StoredRarEntry> &entries)
{
    QByteArray out("Rar!\x1a\x07\x00", 7);
    QByteArray main;
    main.append(char(0x73));
    putLe(main, 0, 2);
    putLe(main, 13, 2);
    putLe(main, 0, 6);
    out += rarBlock(main);
    for (const StoredRarEntry &entry : entries) {
        QByteArray header;
        header.append(char(0x74));
        putLe(header, 0x8000 | (entry.encrypted ? 0x04 : 0), 2);
        putLe(header, quint32(32 + entry.name.size()), 2);
        putLe(header, quint32(entry.data.size()), 4);
        putLe(header, quint32(entry.data.size()), 4);
        header.append(char(3));
        putLe(header, rarCrc32(entry.data), 4);
        putLe(header, (45u << 25) | (1u << 21) | (1u << 16), 4);
        header.append(char(20));
        header.append(char(0x30));
        putLe(header, quint32(entry.name.size()), 2);
        putLe(header, entry.mode, 4);
        header += entry.name;
        out += rarBlock(header) + entry.data;
    }
    QByteArray end;
    end.append(char(0x7b));
    putLe(end, 0x4000, 2);
    putLe(end, 7, 2);
    out += rarBlock(end);
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}
