#pragma once

#include <QString>
#include <QTemporaryDir>

// A real file system for failure tests: a tiny tmpfs or a read-only bind
// mount, unmounted when the object goes. Needs root; ok() tells whether the
// mount worked.
class ScratchMount {
public:
    // A tmpfs of sizeKb kilobytes.
    explicit ScratchMount(int sizeKb);
    // source, bind-mounted read-only.
    explicit ScratchMount(const QString &source);
    ~ScratchMount();
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool ok() const { return m_mounted; }
    QString path(const QString &relative = {}) const;
    // Writes a filler file until the medium is full.
    void fill() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

#define REQUIRE_MOUNT(mount)                                                                                           \
    if (!(mount).ok())                                                                                                 \
    QSKIP("cannot mount a scratch file system here (needs root and mount rights)")
