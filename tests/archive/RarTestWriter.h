#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// Writes RAR 4 and RAR 5 archives with stored entries, for names, links,
// flags and volume sets the sample archives lack.

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

inline bool writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct StoredRarEntry {
    QByteArray name;
    QByteArray data;
    unsigned mode = 0100644; // 0120777 makes a link whose target is data
    bool encrypted = false;
    quint8 hostOs = 3;       // 0 DOS, 2 Windows: names in the OEM code page
    unsigned splitFlags = 0; // 0x01 continued from, 0x02 continued in another volume
    qint64 unpSize = -1;     // the whole file's size when split
    quint8 version = 29;     // needed to unpack; below 29 as RAR 2 wrote
};

// RAR 4: blocks of CRC16 (low half of the CRC32 of the rest), type, flags,
// size; file data follows its header.
class Rar4Writer {
public:
    // mainFlags: 0x01 volume, 0x80 encrypted headers.
    explicit Rar4Writer(unsigned mainFlags = 0)
    {
        QByteArray main;
        main.append(char(0x73));
        putLe(main, mainFlags, 2);
        putLe(main, 13, 2);
        putLe(main, 0, 6);
        m_bytes += block(main);
    }

    Rar4Writer &file(const StoredRarEntry &entry)
    {
        QByteArray header;
        header.append(char(0x74));
        putLe(header, 0x8000 | (entry.encrypted ? 0x04 : 0) | entry.splitFlags, 2);
        putLe(header, quint32(32 + entry.name.size()), 2);
        putLe(header, quint32(entry.data.size()), 4);
        putLe(header, quint32(entry.unpSize < 0 ? entry.data.size() : entry.unpSize), 4);
        header.append(char(entry.hostOs));
        putLe(header, rarCrc32(entry.data), 4);
        putLe(header, (45u << 25) | (1u << 21) | (1u << 16), 4);
        header.append(char(entry.version));
        header.append(char(0x30));
        putLe(header, quint32(entry.name.size()), 2);
        putLe(header, entry.hostOs == 3 ? entry.mode : 0x20, 4);
        header += entry.name;
        m_bytes += block(header) + entry.data;
        return *this;
    }

    // flags: 0x0001 another volume follows.
    QByteArray end(unsigned flags = 0)
    {
        QByteArray end;
        end.append(char(0x7b));
        putLe(end, 0x4000 | flags, 2);
        putLe(end, 7, 2);
        return m_bytes + block(end);
    }
    QByteArray withoutEnd() const { return m_bytes; }

private:
    static QByteArray block(const QByteArray &rest)
    {
        QByteArray bytes;
        putLe(bytes, rarCrc32(rest) & 0xffff, 2);
        return bytes + rest;
    }

    QByteArray m_bytes = QByteArray("Rar!\x1a\x07\x00", 7);
};

inline bool writeStoredRar(const QString &fileName, const QList<StoredRarEntry> &entries)
{
    Rar4Writer writer;
    for (const StoredRarEntry &entry : entries)
        writer.file(entry);
    return writeBytes(fileName, writer.end());
}

struct Rar5Entry {
    enum Kind { File, Directory, Symlink, HardLink, FileCopy };
    QByteArray name;
    QByteArray data;
    Kind kind = File;
    QByteArray target = {}; // of a link
    bool encrypted = false;
    quint64 splitFlags = 0; // 0x08 continued from, 0x10 continued in another volume
    qint64 unpSize = -1;    // the whole file's size when split
};

// RAR 5: blocks of CRC32, size, type and flags as variable-length numbers.
class Rar5Writer {
public:
    // archiveFlags: 0x01 volume; a volume after the first carries its number.
    explicit Rar5Writer(quint64 archiveFlags = 0, quint64 volumeNumber = 0)
    {
        m_bytes += block(1, 0, volumeNumber ? vint(archiveFlags | 0x2) + vint(volumeNumber) : vint(archiveFlags));
    }

    Rar5Writer &file(const Rar5Entry &entry) { return fileBlock(2, entry); }
    // A service header, such as the comment "CMT"; packed or stored.
    Rar5Writer &service(const QByteArray &name, const QByteArray &data, bool packed)
    {
        Rar5Entry entry{name, data};
        m_compression = packed ? (3u << 7) : 0;
        fileBlock(3, entry);
        m_compression = 0;
        return *this;
    }
    // Headers after this one are encrypted.
    Rar5Writer &encryptedHeaders()
    {
        m_bytes += block(4, 0, vint(0) + vint(0) + QByteArray(1, char(15)) + QByteArray(16, 's'));
        return *this;
    }
    QByteArray end(bool moreVolumes = false) { return m_bytes + block(5, 0, vint(moreVolumes ? 1 : 0)); }
    QByteArray withoutEnd() const { return m_bytes; }

    static QByteArray vint(quint64 value)
    {
        QByteArray out;
        do {
            const char byte = char(value & 0x7f);
            value >>= 7;
            out.append(value ? char(byte | 0x80) : byte);
        } while (value);
        return out;
    }

private:
    static QByteArray block(quint64 type, quint64 flags, const QByteArray &body, const QByteArray &extra = {},
                            const QByteArray &data = {}, bool hasData = false)
    {
        QByteArray fields = vint(type) + vint(flags | (extra.isEmpty() ? 0 : 0x1) | (hasData ? 0x2 : 0));
        if (!extra.isEmpty())
            fields += vint(quint64(extra.size()));
        if (hasData)
            fields += vint(quint64(data.size()));
        QByteArray header = fields + body + extra;
        header = vint(quint64(header.size())) + header;
        QByteArray out;
        putLe(out, rarCrc32(header), 4);
        return out + header + data;
    }

    static QByteArray record(quint64 type, const QByteArray &body)
    {
        const QByteArray record = vint(type) + body;
        return vint(quint64(record.size())) + record;
    }

    Rar5Writer &fileBlock(quint64 type, const Rar5Entry &entry)
    {
        const bool folder = entry.kind == Rar5Entry::Directory;
        const bool link = entry.kind != Rar5Entry::File && !folder;
        // A part the data goes on after carries no checksum.
        const bool checked = !link && !(entry.splitFlags & 0x10);
        QByteArray body = vint((folder ? 0x1 : 0) | (checked ? 0x4 : 0));
        body += vint(quint64(entry.unpSize < 0 ? entry.data.size() : entry.unpSize));
        body += vint(folder ? 040755 : entry.kind == Rar5Entry::Symlink ? 0120777 : 0100644);
        if (checked)
            putLe(body, rarCrc32(entry.data), 4);
        body += vint(m_compression) + vint(1) + vint(quint64(entry.name.size())) + entry.name;
        QByteArray extra;
        if (link) {
            const quint64 redirect = entry.kind == Rar5Entry::HardLink ? 4 : entry.kind == Rar5Entry::FileCopy ? 5 : 1;
            extra += record(5, vint(redirect) + vint(0) + vint(quint64(entry.target.size())) + entry.target);
        }
        if (entry.encrypted)
            extra += record(1, vint(0) + vint(0) + QByteArray(1, char(15)) + QByteArray(32, 'k'));
        m_bytes += block(type, entry.splitFlags, body, extra, entry.data, true);
        return *this;
    }

    QByteArray m_bytes = QByteArray("Rar!\x1a\x07\x01\x00", 8);
    quint64 m_compression = 0;
};
