#pragma once

#include <QFile>
#include <QString>

class QFileInfo;

// Existence tests and the case policy for names on this platform. Paths may
// hold bytes that are not UTF-8 (NativeNames).
namespace FileSystem {

// A file exists when it is not a folder (links are followed).
bool fileExists(const QString &path);
bool folderExists(const QString &path);
// Anything of that name, a folder included.
bool exists(const QString &path);

// Linux names are case-sensitive.
constexpr Qt::CaseSensitivity nameCase = Qt::CaseSensitive;
bool namesEqual(const QString &a, const QString &b);

// Stored paths use "\" as separator; the file system uses "/".
QString toFileSystemPath(const QString &storedPath);

// A path that names its own place: "/..." here, or "x:..." as stored by
// another system. Such a path is never resolved against a drive.
bool isAbsolutePath(const QString &path);

// Opens path for reading only when it is a regular file (links followed);
// a FIFO, device or folder is refused without blocking.
bool openRegularFile(QFile &file, const QString &path);

// The absolute path of an existing entry with every link resolved; empty when
// there is none.
QString canonicalPath(const QString &path);

// Absolute, cleaned form of an existing or planned path.
QString fullPath(const QString &path);

// "Schreibgeschützt ", "Versteckt ", "System ", "Archive " for the attributes
// that are set, in this order.
QString AttributeText(const QFileInfo &info);

} // namespace FileSystem
