#include "TestEnvironment.h"

#include "common/AppContext.h"
#include "platform/Volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestEnvironment::TestEnvironment()
{
    for (const char *name : {"home", "data", "config", "program"})
        QDir().mkpath(path(QString::fromLatin1(name)));
    qputenv("HOME", QFile::encodeName(path(QStringLiteral("home"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(QStringLiteral("config"))));
    AppContext::setProgramDirectory(programDirectory());
    AppContext::setProjectFileName({});
    AppContext::setHelpFileName({});
    Volumes::setRootsForTesting({});
}

TestEnvironment::~TestEnvironment()
{
    Volumes::setRootsForTesting({});
    AppContext::setProjectFileName({});
}

QString TestEnvironment::path(const QString &relative) const
{
    return m_dir.filePath(relative);
}

QString TestEnvironment::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(bytes);
    return file;
}

QString TestEnvironment::makeFolder(const QString &relative) const
{
    QDir().mkpath(path(relative));
    return path(relative);
}

QString TestEnvironment::addVolume(const QString &relative) const
{
    const QString folder = makeFolder(relative);
    QStringList roots = Volumes::roots();
    roots.append(folder);
    Volumes::setRootsForTesting(roots);
    return Volumes::volumeOf(folder);
}
