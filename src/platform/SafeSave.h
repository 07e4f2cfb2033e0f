#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

// Writes a file so that its old content stays whole until the new content is
// complete on disk: a temporary file beside the target, every write checked,
// then one rename. A symbolic link stays a link (its target gets the new
// content); the file's mode is kept.
class SafeSave {
public:
    explicit SafeSave(const QString &fileName);
    ~SafeSave();
    SafeSave(const SafeSave &) = delete;
    SafeSave &operator=(const SafeSave &) = delete;

    // The file that will receive the content (a link's target).
    QString target() const { return m_target; }

    bool open();
    // False once any write failed; later writes do nothing.
    bool write(QByteArrayView bytes);
    // Flushes, syncs and renames; false (and the old file untouched) when
    // anything failed on the way.
    bool commit();
    // Why the last step failed.
    QString errorString() const { return m_file.errorString(); }
    // Drops the temporary file; the old file stays as it was.
    void cancel();

private:
    QString m_target;
    QSaveFile m_file;
    bool m_ok = true;
};

namespace FileSystem {

// Puts a complete copy of source at backup: a hard link where the file
// system allows, else a copy; an older backup is replaced only once the new
// one is complete. The source itself is never moved.
bool makeBackupCopy(const QString &source, const QString &backup);

// The path a symbolic link finally leads to; path itself when it is none.
QString linkTarget(const QString &path);

} // namespace FileSystem
