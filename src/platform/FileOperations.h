#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class FolderOfPath;
class NewFile;

// File operations of the file manager that depend on the operating system:
// links, the read-only attribute, folders and block copies. Every path may
// hold bytes that are not UTF-8 (see NativeNames).
namespace FileOperations {

// The entry itself, as lstat sees it: a link is a link.
struct Status {
    bool exists = false;
    bool folder = false; // a real folder, not a link to one
    bool link = false;
    qint64 size = 0; // for a link the length of its target text
    qint64 modifiedMs = -1;
};
Status status(const QString &path);

// True for a symbolic link, whether or not its target exists.
bool isLink(const QString &path);
// A folder, not a link to one.
bool isRealFolder(const QString &path);
// Anything of that name, a dangling link included.
bool entryExists(const QString &path);
// Size of the entry itself: for a link the length of its target text.
qint64 entrySize(const QString &path);

// One entry of a folder listing: a link is a link, whatever it points to.
struct ListedEntry {
    QString name;
    bool folder = false;
    bool link = false;
};

// The entries of folder except "." and "..", in the order the system gives
// them, every name as it is stored. Empty when unreadable.
QList<ListedEntry> listFolder(const QString &folder);

// Bytes of the entries of folder that are not folders (a link counts as
// itself); the names of its folders go to subfolders.
qint64 filesBytes(const QString &folder, QStringList &subfolders);

// Copies the link itself (its target text unchanged). With replace an entry
// of the target's name is replaced in one step; without, it is an error.
bool copyLink(const QString &source, const QString &target, bool replace, QString *error);

// Removes a file or link; an empty folder with removeFolder.
bool removeFile(const QString &path);
bool removeFolder(const QString &path);
// Makes folder and every missing parent; true when it exists afterwards.
bool makeFolders(const QString &folder);
// Gives the entry from the name to; never replaces an entry of that name,
// a dangling link included.
bool renameNew(const QString &from, const QString &to);

// Read-only = no write permission for the owner. Setting it clears every
// write bit, clearing it gives the owner write permission back. A link has
// no attribute of its own: it is never read-only and is never changed.
bool isReadOnly(const QString &path);
bool setReadOnly(const QString &path, bool readOnly);
// Hidden = the name starts with ".".
bool isHiddenName(const QString &name);

// Free and total bytes of the volume holding path; -1 when it cannot be
// queried.
qint64 freeBytes(const QString &path);
qint64 totalBytes(const QString &path);

// Both paths (links followed) are the same file or folder.
bool sameEntry(const QString &a, const QString &b);
// True when path (which need not exist yet) is folder itself or lies below
// it, however either is reached: links, bind mounts and second mounts are
// seen through by comparing device and inode of path's real ancestors.
bool isWithin(const QString &path, const QString &folder);

// Copies one file block by block into a NewFile in the target's folder; the
// target's name gets the copy only once it is complete, so a failure, an
// abort or a killed process never leaves part of a file under the target's
// name nor damages a file it was to replace.
class BlockCopy {
public:
    BlockCopy();
    ~BlockCopy();
    BlockCopy(const BlockCopy &) = delete;
    BlockCopy &operator=(const BlockCopy &) = delete;

    // Opens source (a regular file) for reading and the copy beside target.
    // With carryPermissions the copy gets the source's permission bits.
    // False with errorString() set on failure.
    bool open(const QString &source, const QString &target, bool carryPermissions);
    // Copies up to size bytes; the number copied, 0 at the end of the
    // source, -1 on a read or write error.
    qint64 copyBlock(qint64 size);
    // Puts the copy under the target's name. With replace a file or link of
    // that name is replaced in one step; without, an existing name is an
    // error. False (and the copy dropped) on failure.
    bool commit(bool replace);
    // Drops the copy; the target's name stays as it was.
    void discard();
    QString errorString() const { return m_error; }

private:
    qint64 copyThroughBuffer(qint64 size);
    bool fail();
    bool fail(int code);

    int m_in = -1;
    std::unique_ptr<FolderOfPath> m_folder;
    std::unique_ptr<NewFile> m_out;
    bool m_inKernel = true;
    QByteArray m_buffer;
    QString m_error;
};

} // namespace FileOperations
