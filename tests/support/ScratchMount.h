#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A real file system for failure tests: a tiny tmpfs or a read-only bind
// mount, unmounted when the object goes, whichever way the test ends. Needs
// root; ok() tells whether the mount worked. The mount point is a temporary
// folder of its own, or the existing folder at.
class ScratchMount {
public:
    // A tmpfs of sizeKb kilobytes.
    explicit ScratchMount(int sizeKb, const QString &at = {});
    // source, bind-mounted read-only (on itself when at is source).
    explicit ScratchMount(const QString &source, const QString &at = {});
    // An exFAT medium of sizeKb kilobytes (3072 at least) through FUSE, as
    // USB sticks often are: no unnamed files, no hard links and no rename
    // that refuses to replace. Needs a loop device, mkfs.exfat and
    // mount.exfat-fuse.
    struct Exfat {
        int sizeKb;
    };
    explicit ScratchMount(Exfat medium);
    ~ScratchMount();
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool ok() const { return m_mounted; }
    QString path(const QString &relative = {}) const;
    // Writes a filler file until the medium is full.
    void fill() const;

private:
    QByteArray mountPoint() const;

    QTemporaryDir m_dir;
    std::unique_ptr<QTemporaryDir> m_image;
    QString m_loopDevice;
    QString m_at;
    bool m_mounted = false;
};

#define REQUIRE_MOUNT(mount)                                                                                           \
    if (!(mount).ok())                                                                                                 \
    QSKIP("cannot mount a scratch file system here (needs root and mount rights)")

#define REQUIRE_EXFAT(mount)                                                                                           \
    if (!(mount).ok())                                                                                                 \
    QSKIP("cannot mount an exFAT medium here (needs root, a loop device, mkfs.exfat and mount.exfat-fuse)")
