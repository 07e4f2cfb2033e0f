#pragma once

#include <QList>
#include <QString>

// File operations of the file manager that depend on the operating system:
// links, the read-only attribute, the trash and block copies.
namespace FileOperations {

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
// them; names that cannot be spelt in the file name encoding are left out,
// as every listing of the program leaves them out. Empty when unreadable.
QList<ListedEntry> listFolder(const QString &folder);

// Copies the link itself (its target text unchanged).
bool copyLink(const QString &source, const QString &target, QString *error);

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

// Moves path to the user's trash (freedesktop trash).
bool moveToTrash(const QString &path);

// Copies one file block by block. Each block moves inside the kernel where
// the file systems allow it, otherwise through a buffer.
class BlockCopy {
public:
    BlockCopy() = default;
    ~BlockCopy();
    BlockCopy(const BlockCopy &) = delete;
    BlockCopy &operator=(const BlockCopy &) = delete;

    // Opens source for reading and creates target, replacing a file or link
    // of that name when mayExist. With carryPermissions the target gets the
    // source's permission bits. False with errorString() set on failure.
    bool open(const QString &source, const QString &target, bool mayExist, bool carryPermissions);
    // Copies up to size bytes; the number copied, 0 at the end of the
    // source, -1 on a read or write error.
    qint64 copyBlock(qint64 size);
    // Closes both files; false when the target could not be written out.
    bool close();
    QString errorString() const { return m_error; }

private:
    qint64 copyThroughBuffer(qint64 size);
    void fail();

    int m_in = -1;
    int m_out = -1;
    bool m_inKernel = true;
    QByteArray m_buffer;
    QString m_error;
};

} // namespace FileOperations
