#include "common/settings/SettingsReader.h"

#include "common/AppContext.h"
#include "common/CommandLinePaths.h"
#include "common/FileUtils.h"
#include "common/settings/SettingsTable.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// On this platform the help file is HTML; a name ending in ".hlp" (the
// setting's default "Brekko.hlp") is looked for first as ".html".
QStringList nameCandidates(const QString &name)
{
    static const QLatin1String oldHelp(".hlp");
    if (!name.endsWith(oldHelp, Qt::CaseInsensitive))
        return {name};
    return {name.chopped(oldHelp.size()) + QStringLiteral(".html"), name};
}

QString userConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/brekko");
}

QString locateInFolders(const QString &name)
{
    for (const QString &folder : QStringList{userConfigFolder()} + InstalledDataFolders()) {
        const QString path = QDir(folder).filePath(name);
        if (FileSystem::fileExists(path))
            return path;
    }
    return {};
}

} // namespace

Settings ReadSettings(const QString &iniFile)
{
    Settings settings;
    if (iniFile.isEmpty())
        return settings;
    const ProfileFile file(iniFile);
    for (const SettingKey &key : SettingsTable())
        key.read(file, settings);
    return settings;
}

StartupFiles ResolveStartupArguments(const QStringList &arguments)
{
    StartupFiles files;
    for (const QString &argument : arguments) {
        QString path = argument.trimmed();
        if (!ResolveInProgramDirectory(path))
            continue;
        if (FileContainsLine(path, ProjectFileFormat::header))
            files.projectFile = path;
        else if (IsSettingsFile(path))
            files.settingsFile = path;
        else if (FileContainsLine(path, ProjectFileFormat::macroHeader))
            files.macroFile = path;
    }
    return files;
}

QString LocateProgramFile(const QString &name)
{
    if (name.trimmed().isEmpty())
        return {};
    const QStringList candidates = nameCandidates(name.trimmed());
    for (const QString &candidate : candidates) {
        QString path = candidate;
        if (ResolveInProgramDirectory(path))
            return path;
    }
    if (FileSystem::isAbsolutePath(name))
        return {};
    for (const QString &candidate : candidates) {
        QString relative = FileSystem::toFileSystemPath(candidate);
        while (relative.startsWith(QLatin1Char('/')))
            relative.remove(0, 1);
        const QString found = locateInFolders(relative);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QStringList InstalledDataFolders()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.append(data + QStringLiteral("/brekko"));
    folders.append(QDir::cleanPath(AppContext::programDirectory() + QStringLiteral("../share/brekko")));
    return folders;
}

QString UserSettingsFile()
{
    return userConfigFolder() + QLatin1Char('/') + DefaultSettingsFileName;
}

bool IsSettingsFile(const QString &file)
{
    return SettingsFileProblemOf(file) == SettingsFileProblem::None;
}

SettingsFileProblem SettingsFileProblemOf(const QString &file)
{
    if (!FileSystem::fileExists(file))
        return SettingsFileProblem::Missing;
    return FileContainsLine(file, ProjectFileFormat::iniHeader) ? SettingsFileProblem::None
                                                                : SettingsFileProblem::NoHeader;
}
