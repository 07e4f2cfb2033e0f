#include "common/AppContext.h"

#include "platform/Volumes.h"

#include <QCoreApplication>

namespace AppContext {

namespace {
QString g_programDirectory;
QString g_projectFileName;
QString g_helpFileName;

QString withTrailingSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

QString programDirectory()
{
    if (g_programDirectory.isEmpty() && QCoreApplication::instance())
        g_programDirectory = withTrailingSlash(QCoreApplication::applicationDirPath());
    return g_programDirectory;
}

void setProgramDirectory(const QString &folder)
{
    g_programDirectory = withTrailingSlash(folder);
}

QString projectFileName()
{
    return g_projectFileName;
}

void setProjectFileName(const QString &fileName)
{
    g_projectFileName = fileName;
}

QString projectDrive()
{
    return Volumes::volumeOf(g_projectFileName.isEmpty() ? programDirectory() : g_projectFileName);
}

QString helpFileName()
{
    return g_helpFileName;
}

void setHelpFileName(const QString &fileName)
{
    g_helpFileName = fileName;
}

bool hasHelpFile()
{
    return !g_helpFileName.isEmpty();
}

} // namespace AppContext
