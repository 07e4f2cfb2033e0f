#include "ScratchMount.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <sys/mount.h>

namespace {

// Runs a tool without showing its output; false when it cannot be run or
// fails.
bool runQuietly(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

} // namespace

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

ScratchMount::ScratchMount(Exfat medium)
    : m_image(std::make_unique<QTemporaryDir>())
{
    const QString image = m_image->filePath(QStringLiteral("medium.img"));
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(medium.sizeKb) * 1024))
        return;
    file.close();
    QByteArray device;
    if (!runQuietly(QStringLiteral("mkfs.exfat"), {image})
        || !runQuietly(QStringLiteral("losetup"), {QStringLiteral("--find"), QStringLiteral("--show"), image}, &device))
        return;
    m_loopDevice = QString::fromLocal8Bit(device).trimmed();
    m_mounted = runQuietly(QStringLiteral("mount.exfat-fuse"), {m_loopDevice, path()});
}

ScratchMount::~ScratchMount()
{
    if (m_mounted)
        ::umount2(mountPoint().constData(), MNT_DETACH);
    // Freed as soon as the file system lets go of it.
    if (!m_loopDevice.isEmpty())
        runQuietly(QStringLiteral("losetup"), {QStringLiteral("--detach"), m_loopDevice});
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
