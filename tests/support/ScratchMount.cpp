#include "ScratchMount.h"

#include <QFile>

#include <sys/mount.h>

ScratchMount::ScratchMount(int sizeKb)
{
    const QByteArray options = "size=" + QByteArray::number(sizeKb) + "k";
    m_mounted = m_dir.isValid()
                && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

ScratchMount::ScratchMount(const QString &source)
{
    const QByteArray target = QFile::encodeName(m_dir.path());
    m_mounted = m_dir.isValid()
                && ::mount(QFile::encodeName(source).constData(), target.constData(), nullptr, MS_BIND, nullptr) == 0;
    if (m_mounted && ::mount(nullptr, target.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        ::umount2(target.constData(), MNT_DETACH);
        m_mounted = false;
    }
}

ScratchMount::~ScratchMount()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QString ScratchMount::path(const QString &relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.path() + QLatin1Char('/') + relative;
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
