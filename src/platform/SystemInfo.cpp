#include "platform/SystemInfo.h"

#include "platform/TextFile.h"
#include "platform/Volumes.h"

#include <QStorageInfo>
#include <QSysInfo>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace SystemInfo {

namespace {

// Value of a "Name: value" line of a /proc file; empty when missing.
QString procField(const QString &text, QLatin1String name)
{
    QString value;
    TextFile::forEachLineOf(QStringView(text), [&](QStringView line) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0 || TextFile::trimmed(line.left(colon)) != name)
            return true;
        value = TextFile::trimmed(line.mid(colon + 1)).toString();
        return false;
    });
    return value;
}

qint64 kilobytes(const QString &text, QLatin1String name)
{
    const QString value = procField(text, name);
    bool ok = false;
    const qint64 count = value.section(QLatin1Char(' '), 0, 0).toLongLong(&ok);
    return ok ? count * 1024 : -1;
}

} // namespace

Memory parseMemInfo(const QString &text)
{
    Memory memory;
    memory.total = kilobytes(text, QLatin1String("MemTotal"));
    memory.available = kilobytes(text, QLatin1String("MemAvailable"));
    memory.swapTotal = kilobytes(text, QLatin1String("SwapTotal"));
    memory.swapFree = kilobytes(text, QLatin1String("SwapFree"));
    return memory;
}

Memory memory()
{
    QString text;
    TextFile::readText(QStringLiteral("/proc/meminfo"), text);
    return parseMemInfo(text);
}

QString processorName()
{
    QString text;
    TextFile::readText(QStringLiteral("/proc/cpuinfo"), text);
    const QString model = procField(text, QLatin1String("model name"));
    return model.isEmpty() ? QSysInfo::currentCpuArchitecture() : model;
}

int processorCount()
{
    return QThread::idealThreadCount();
}

QString operatingSystem()
{
    return QStringLiteral("%1 (%2 %3, %4)")
        .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
             QSysInfo::currentCpuArchitecture());
}

QString userName()
{
    if (const passwd *entry = ::getpwuid(::getuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

QList<Drive> drives()
{
    QList<Drive> list;
    for (const QString &root : Volumes::driveList()) {
        const QStorageInfo storage(root);
        Drive drive;
        drive.root = root;
        if (storage.isValid() && storage.isReady()) {
            drive.fileSystem = QString::fromLatin1(storage.fileSystemType());
            drive.total = storage.bytesTotal();
            drive.free = storage.bytesAvailable();
        }
        list.append(drive);
    }
    return list;
}

} // namespace SystemInfo
