#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A small file system mounted on folder for one test: a tmpfs of the given
// size, or folder bound onto itself read-only. ok() is false where mounting
// is not allowed; the test should then skip.
class ScratchMount {
public:
    static ScratchMount tmpfs(const QString &folder, const QString &size)
    {
        return ScratchMount(folder, {{QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                      QStringLiteral("size=") + size, QStringLiteral("tmpfs"), folder}});
    }

    static ScratchMount readOnly(const QString &folder)
    {
        return ScratchMount(folder, {{QStringLiteral("--bind"), folder, folder},
                                     {QStringLiteral("-o"), QStringLiteral("remount,ro,bind"), folder}});
    }

    ScratchMount(ScratchMount &&other) noexcept
        : m_folder(other.m_folder)
        , m_mounted(other.m_mounted)
        , m_ok(other.m_ok)
    {
        other.m_mounted = false;
    }

    ~ScratchMount()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder});
    }

    bool ok() const { return m_ok; }

private:
    ScratchMount(const QString &folder, const QList<QStringList> &steps)
        : m_folder(folder)
    {
        for (const QStringList &arguments : steps) {
            if (QProcess::execute(QStringLiteral("mount"), arguments) != 0)
                return;
            m_mounted = true;
        }
        m_ok = true;
    }

    QString m_folder;
    bool m_mounted = false;
    bool m_ok = false;
};
