#pragma once

#include <QString>

// File operations of the file manager that depend on the operating system:
// links, the read-only attribute, the trash and block copies.
namespace FileOperations {

// True for a symbolic link, whether or not its target exists.
bool isLink(const QString &path);
// Anything of that name, a dangling link included.
bool entryExists(const QString &path);
// Size of the entry itself: for a link the length of its target text.
qint64 entrySize(const QString &path);

// Copies the link itself (its target text unchanged).
bool copyLink(const QString &source, const QString &target, QString *error);

// Read-only = no write permission for the owner. Setting it clears every
// write bit, clearing it gives the owner write permission back. A link has
// no attribute of its own: it is never read-only and is never changed.
bool isReadOnly(const QString &path);
bool setReadOnly(const QString &path, bool readOnly);
// Hidden = the name starts with ".".
bool isHiddenName(const QString &name);

// Gives target the permission bits of source (never following links).
bool copyPermissions(const QString &source, const QString &target);

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

    // Opens source for reading and creates target, replacing a file of that
    // name. False with errorString() set when either fails.
    bool open(const QString &source, const QString &target);
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
