#pragma once

#include <QByteArrayView>
#include <QString>

#include <memory>

class FolderOfPath;
class NewFile;
class QIODevice;

// Replaces a file so that its old content stays whole until the new content
// is complete on disk. The new content goes into a NewFile beside the
// target (unnamed where the file system allows it, so that nothing is left
// behind when the process dies), every write is checked, and commit() syncs
// it and puts it in the target's place in one step.
//
// By default the file's content is replaced: a symbolic link stays a link
// (its target gets the new content), an existing file keeps its exact mode
// and, where the process may set it, its owner, and a file the user may not
// write is refused. With Replace::Entry the name itself gets the new file,
// as a copy or move target does: a link of that name is replaced, not
// written through, and nothing of the old file is kept. A new file gets the
// usual mode of a new file unless setMode() says otherwise. A folder or
// other special file is never replaced.
//
// Writers that hand the bytes over themselves use write(); writers that need
// a device use device(), those that open a file by name writePath(), and
// those that write it themselves the descriptor handle().
class SafeSave {
public:
    enum class Replace { Content, Entry };

    explicit SafeSave(const QString &fileName, Replace replace = Replace::Content);
    ~SafeSave();
    SafeSave(const SafeSave &) = delete;
    SafeSave &operator=(const SafeSave &) = delete;

    // The file that will receive the content (a link's target).
    QString target() const { return m_target; }

    // Creates the new file; false when the target cannot be replaced (a
    // folder or other non-file, no write permission, no room).
    bool open();
    // False once any write failed; later writes do nothing.
    bool write(QByteArrayView bytes);
    // The new file as a device open for writing (unbuffered, through
    // write()).
    QIODevice &device();
    // A name under which the new file can be opened for writing until
    // commit() or cancel().
    QString writePath() const;
    // The new file's descriptor; -1 when not open.
    int handle() const;
    // Gives the file these permission bits (07777) instead of the old
    // file's or a new file's.
    void setMode(unsigned mode);

    // Syncs the new file and renames it over the target; false (and the old
    // file untouched, no temporary name left) when anything failed.
    bool commit();
    // Why the last step failed, in German.
    QString errorString() const { return m_error; }
    // Drops the new file; the old file stays as it was.
    void cancel();

private:
    class Device;

    bool fail(int error);
    bool fail(const QString &reason);
    void applyOwnerAndMode();

    QString m_target;
    Replace m_replace;
    std::unique_ptr<FolderOfPath> m_folder;
    std::unique_ptr<NewFile> m_file;
    std::unique_ptr<Device> m_device;
    QString m_error;
    bool m_ok = false;
    bool m_keepsOld = false; // the old file's owner and mode go to the new one
    bool m_modeSet = false;
    unsigned m_mode = 0;
    unsigned m_owner = 0;
    unsigned m_group = 0;
};

// Replaces fileName by bytes through SafeSave; errorText gets the system's
// reason on failure.
bool WriteFileSafely(const QString &fileName, QByteArrayView bytes, QString *errorText = nullptr);

namespace FileSystem {

// Puts a complete copy of source at backup: a hard link where the file
// system allows, else a copy; an older backup is replaced only once the new
// one is complete. The source itself is never moved, and no temporary name
// is left, also when backup already is a name of the source.
bool makeBackupCopy(const QString &source, const QString &backup);

// The path a symbolic link finally leads to; path itself when it is none.
QString linkTarget(const QString &path);

// How a file stood at one moment (links followed): writing it, replacing it
// or making it anew changes the stamp.
struct Stamp {
    bool exists = false;
    qint64 size = -1;
    qint64 modified = 0; // nanoseconds
    qint64 changed = 0;  // nanoseconds
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const Stamp &) const = default;
};
Stamp stampOf(const QString &path);

} // namespace FileSystem
