#include "ScratchMount.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>

ScratchMount::ScratchMount(int sizeKb, const QString &at)
    : m_at(at)
{
    const QByteArray options = "size=" + QByteArray::number(sizeKb) + "k";
    QDir().mkpath(path());
    m_mounted = ::mount("tmpfs", mountPoint().constData(), "tmpfs", 0, options.constData()) == 0;
}

ScratchMount::ScratchMount(const QString &source, const QString &at)
    : m_at(at)
{
    const QByteArray target = mountPoint();
    m_mounted = ::mount(QFile::encodeName(source).constData(), target.constData(), nullptr, MS_BIND, nullptr) == 0;
    if (m_mounted && ::mount(nullptr, target.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        ::umount2(target.constData(), MNT_DETACH);
        m_mounted = false;
    }
}

ScratchMount::~ScratchMount()
{
    if (m_mounted)
        ::umount2(mountPoint().constData(), MNT_DETACH);
}

QString ScratchMount::path(const QString &relative) const
{
    const QString root = m_at.isEmpty() ? m_dir.path() : m_at;
    return relative.isEmpty() ? root : root + QLatin1Char('/') + relative;
}

QByteArray ScratchMount::mountPoint() const
{
    return QFile::encodeName(path());
}

void ScratchMount::fill() const
{
    QFile filler(path(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("x", 1) == 1) {
    }
}
