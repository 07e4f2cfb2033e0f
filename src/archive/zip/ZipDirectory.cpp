#include "archive/zip/ZipDirectory.h"

#include "archive/ArchiveFile.h"
#include "archive/EntryNames.h"

#include <QDateTime>
#include <QFile>
#include <QtEndian>

#include <cstdint>

namespace {

constexpr quint32 kLocalSignature = 0x04034B50;
constexpr quint32 kCentralSignature = 0x02014B50;
constexpr quint32 kEndSignature = 0x06054B50;
constexpr quint32 kZip64EndSignature = 0x06064B50;
constexpr quint32 kZip64LocatorSignature = 0x07064B50;
constexpr int kEndSize = 22;
constexpr int kCentralSize = 46;
constexpr int kLocatorSize = 20;
constexpr int kZip64EndSize = 56;
constexpr qint64 kEndSearch = kEndSize + 0xFFFF;

quint16 u16(const QByteArray &data, qint64 at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 u32(const QByteArray &data, qint64 at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint64 u64(const QByteArray &data, qint64 at)
{
    return qFromLittleEndian<quint64>(data.constData() + at);
}

QByteArray readAt(QIODevice &file, qint64 offset, qint64 size)
{
    if (offset < 0 || size < 0 || offset + size > file.size() || !file.seek(offset))
        return {};
    QByteArray data = file.read(size);
    return data.size() == size ? data : QByteArray();
}

// Position of the end record, -1 when there is none.
qint64 findEndRecord(QIODevice &file)
{
    const qint64 tailStart = qMax<qint64>(0, file.size() - kEndSearch);
    const QByteArray tail = readAt(file, tailStart, file.size() - tailStart);
    for (qint64 at = tail.size() - kEndSize; at >= 0; --at) {
        if (u32(tail, at) == kEndSignature && at + kEndSize + u16(tail, at + 20) <= tail.size())
            return tailStart + at;
    }
    return -1;
}

// Offset of the first local header within the stub search range, -1 if none.
qint64 findArchiveStart(QIODevice &file)
{
    const QByteArray head = readAt(file, 0, qMin(file.size(), ZipStubSearchLimit + 4));
    const qint64 at = head.indexOf(QByteArray("PK\x03\x04", 4));
    return at >= 0 && at < ZipStubSearchLimit ? at : -1;
}

struct EndValues {
    quint64 entries = 0;
    quint64 directorySize = 0;
    quint64 directoryOffset = 0;
    qint64 limit = 0; // where the directory must end
};

EndValues readEndValues(QIODevice &file, qint64 endAt)
{
    const QByteArray end = readAt(file, endAt, kEndSize);
    if (end.isEmpty())
        throw ZipDirectoryError("Error reading Zip File");
    EndValues values{u16(end, 10), u32(end, 12), u32(end, 16), endAt};
    const bool saturated =
        values.entries == 0xFFFF || values.directorySize == 0xFFFFFFFF || values.directoryOffset == 0xFFFFFFFF;
    const QByteArray locator = readAt(file, endAt - kLocatorSize, kLocatorSize);
    if (locator.isEmpty() || u32(locator, 0) != kZip64LocatorSignature) {
        if (saturated && values.directoryOffset == 0xFFFFFFFF)
            throw ZipDirectoryError("Error 1d reading Zip File");
        return values;
    }
    const qint64 recordAt = static_cast<qint64>(qMin<quint64>(u64(locator, 8), INT64_MAX / 2));
    const QByteArray record = readAt(file, recordAt, kZip64EndSize);
    if (record.isEmpty() || u32(record, 0) != kZip64EndSignature || recordAt >= endAt)
        throw ZipDirectoryError("Error 1d reading Zip File");
    return {u64(record, 32), u64(record, 40), u64(record, 48), recordAt};
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char c : bytes) {
        crc ^= static_cast<quint8>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

struct Zip64Values {
    bool sizeNeeded, packedNeeded, offsetNeeded;
    quint64 size, packed, offset;
};

// Reads the ZIP64 and Unicode path fields of one entry's extra data.
bool readExtra(const QByteArray &extra, const QByteArray &rawName, Zip64Values &zip64, QString &unicodeName)
{
    qint64 at = 0;
    while (at + 4 <= extra.size()) {
        const quint16 id = u16(extra, at);
        const quint16 length = u16(extra, at + 2);
        const qint64 body = at + 4;
        if (body + length > extra.size())
            break;
        if (id == 0x0001) {
            qint64 field = body;
            for (auto [needed, value] :
                 {std::pair{zip64.sizeNeeded, &zip64.size}, std::pair{zip64.packedNeeded, &zip64.packed},
                  std::pair{zip64.offsetNeeded, &zip64.offset}}) {
                if (!needed)
                    continue;
                if (field + 8 > body + length)
                    return false;
                *value = u64(extra, field);
                field += 8;
            }
            zip64.sizeNeeded = zip64.packedNeeded = zip64.offsetNeeded = false;
        } else if (id == 0x7075 && length > 5 && extra.at(body) == 1) {
            // Valid only while it belongs to the name stored beside it.
            if (u32(extra, body + 1) == crc32(rawName))
                unicodeName = QString::fromUtf8(extra.mid(body + 5, length - 5));
        }
        at = body + length;
    }
    return !zip64.sizeNeeded && !zip64.packedNeeded && !zip64.offsetNeeded;
}

// Names made on Windows may use backslashes between folders; the reader
// takes them as such when the name has no slash, and so does the module.
QString withSlashes(QString name)
{
    if (!name.contains(QLatin1Char('/')))
        name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name;
}

} // namespace

QList<ZipDirEntry> ReadZipDirectory(const QString &fileName)
{
    QFile file;
    if (!OpenArchiveFile(file, fileName))
        throw ZipDirectoryError("Error reading Zip File");
    return ReadZipDirectory(file);
}

QList<ZipDirEntry> ReadZipDirectory(QIODevice &file)
{
    if (!file.isReadable() || file.size() < kEndSize)
        throw ZipDirectoryError("Error reading Zip File");
    const qint64 endAt = findEndRecord(file);
    if (endAt < 0)
        throw ZipDirectoryError("Error 1c reading Zip File");
    const EndValues end = readEndValues(file, endAt);
    if (end.entries == 0)
        return {};
    const qint64 start = findArchiveStart(file);
    if (start < 0)
        throw ZipDirectoryError("Error 1b reading Zip File");

    // Offsets count from the file's start, or from the archive's start when
    // a stub was put in front without adjusting them.
    if (end.directorySize > static_cast<quint64>(end.limit) || end.directoryOffset > static_cast<quint64>(end.limit))
        throw ZipDirectoryError("Error 2 reading Zip file");
    qint64 base = 0;
    qint64 directoryAt = static_cast<qint64>(end.directoryOffset);
    const QByteArray probe = readAt(file, directoryAt, 4);
    if ((probe.isEmpty() || u32(probe, 0) != kCentralSignature) && start > 0) {
        base = start;
        directoryAt += start;
    }
    const qint64 directorySize = static_cast<qint64>(end.directorySize);
    if (directoryAt + directorySize > end.limit)
        throw ZipDirectoryError("Error 2 reading Zip file");
    const QByteArray directory = readAt(file, directoryAt, directorySize);
    if (directory.size() != directorySize || end.entries > static_cast<quint64>(directorySize / kCentralSize))
        throw ZipDirectoryError("Error 2 reading Zip file");

    QList<ZipDirEntry> entries;
    entries.reserve(static_cast<qsizetype>(end.entries));
    qint64 at = 0;
    for (quint64 i = 0; i < end.entries; ++i) {
        if (at + kCentralSize > directory.size())
            throw ZipDirectoryError("Error 4 reading Zip file");
        if (u32(directory, at) != kCentralSignature)
            throw ZipDirectoryError("Error 3 reading Zip file");
        const quint16 flags = u16(directory, at + 8);
        const int nameLength = u16(directory, at + 28);
        const int extraLength = u16(directory, at + 30);
        const int commentLength = u16(directory, at + 32);
        const qint64 next = at + kCentralSize + nameLength + extraLength + commentLength;
        if (next > directory.size())
            throw ZipDirectoryError("Error 4 reading Zip file");
        const QByteArray rawName = directory.mid(at + kCentralSize, nameLength);
        const quint32 packed = u32(directory, at + 20);
        const quint32 size = u32(directory, at + 24);
        const quint32 offset = u32(directory, at + 42);
        Zip64Values zip64{size == 0xFFFFFFFF, packed == 0xFFFFFFFF, offset == 0xFFFFFFFF, size, packed, offset};
        QString unicodeName;
        if (!readExtra(directory.mid(at + kCentralSize + nameLength, extraLength), rawName, zip64, unicodeName))
            throw ZipDirectoryError("Error 4 reading Zip file");
        if (zip64.offset + 30 > static_cast<quint64>(directoryAt - base))
            throw ZipDirectoryError("Error 5 reading Zip file");
        ZipDirEntry entry;
        entry.fileName =
            !(flags & 0x0800) && !unicodeName.isEmpty() ? withSlashes(unicodeName) : DecodeZipName(rawName);
        entry.compressedSize = static_cast<qint64>(qMin<quint64>(zip64.packed, INT64_MAX));
        entry.uncompressedSize = static_cast<qint64>(qMin<quint64>(zip64.size, INT64_MAX));
        entry.dosDateTime = u32(directory, at + 12);
        entry.encrypted = flags & 0x0001;
        if (i == 0) {
            const QByteArray local = readAt(file, base + static_cast<qint64>(zip64.offset), 4);
            if (local.isEmpty() || u32(local, 0) != kLocalSignature)
                throw ZipDirectoryError("Error 5 reading Zip file");
        }
        entries.append(entry);
        at = next;
    }
    return entries;
}

QString DosDateTimeText(quint32 dosDateTime)
{
    const int day = static_cast<int>(dosDateTime >> 16) & 0x1F;
    const int month = static_cast<int>(dosDateTime >> 21) & 0x0F;
    const int year = 1980 + (static_cast<int>(dosDateTime >> 25) & 0x7F);
    const int hour = static_cast<int>(dosDateTime >> 11) & 0x1F;
    const int minute = static_cast<int>(dosDateTime >> 5) & 0x3F;
    const QDateTime stamp(QDate(year, month, day), QTime(hour, minute));
    if (!stamp.isValid())
        return {};
    return stamp.toString(QStringLiteral("dd.MM.yyyy  hh:mm"));
}

QString DecodeZipName(const QByteArray &bytes)
{
    return withSlashes(QString::fromStdString(DecodeUnflaggedName(bytes.constData(), size_t(bytes.size()))));
}

bool LooksLikeZip(const QString &fileName)
{
    QFile file;
    if (!OpenArchiveFile(file, fileName))
        return false;
    const QByteArray head = file.peek(8);
    if (head.startsWith("Rar!\x1a\x07"))
        return false;
    if (head.startsWith(QByteArray("PK\x03\x04", 4)) || head.startsWith(QByteArray("PK\x05\x06", 4)))
        return true;
    return findEndRecord(file) >= 0 && findArchiveStart(file) >= 0;
}
