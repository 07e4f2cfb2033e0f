#pragma once

#include <QList>
#include <QString>

class QIODevice;

#include <stdexcept>

// One file or folder of a ZIP archive as its central directory records it.
struct ZipDirEntry {
    QString fileName;
    qint64 compressedSize = 0;
    qint64 uncompressedSize = 0;
    quint32 dosDateTime = 0;
    bool encrypted = false;
};

// A directory that cannot be read; what() is one of the eight reading errors.
class ZipDirectoryError : public std::runtime_error {
public:
    explicit ZipDirectoryError(const char *text)
        : std::runtime_error(text)
    {
    }
    QString text() const { return QString::fromLatin1(what()); }
};

// Archive starts are looked for this far into a self-extracting file.
constexpr qint64 ZipStubSearchLimit = 60000;

// Reads the central directory of fileName, also behind a self-extractor
// stub; ZIP64 records are read. Throws ZipDirectoryError, also for anything
// but a regular file.
QList<ZipDirEntry> ReadZipDirectory(const QString &fileName);
// The same from an open device.
QList<ZipDirEntry> ReadZipDirectory(QIODevice &archive);

// An entry's name as the unzip module sees it: UTF-8 when its bytes are
// valid UTF-8 (as zip tools on Linux write them, flagged or not), else code
// page 437; backslashes are folder separators in a name without a slash.
QString DecodeZipName(const QByteArray &bytes);

// A DOS date-time as shown in the listing ("dd.MM.yyyy  hh:mm").
QString DosDateTimeText(quint32 dosDateTime);

// True when the file's content is a ZIP archive (also self-extracting).
bool LooksLikeZip(const QString &fileName);
