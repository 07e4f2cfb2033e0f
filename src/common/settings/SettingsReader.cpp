#include "common/settings/SettingsReader.h"

#include "common/settings/SettingsKeys.h"
#include "common/AppContext.h"
#include "common/CommandLinePaths.h"
#include "common/FileUtils.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace K = SettingsKeys;

namespace {

constexpr int kLastDock = 5;
constexpr int kFloating = 6;
constexpr int kLargestPageSize = 32767;

int integerOrMissing(const QStringList &parts, int index)
{
    int value = -1;
    if (index < parts.size())
        ParseProfileInteger(parts.at(index), value);
    return value;
}

// "defaultDock,dockedTo,left,top"; a part out of range changes nothing.
void readToolbarPlace(const ProfileFile &file, const QString &key, ToolbarPlace &place)
{
    const QStringList parts = file.readString(K::fields, key, QString()).split(QLatin1Char(','));
    const int defaultDock = integerOrMissing(parts, 0);
    const int dockedTo = integerOrMissing(parts, 1);
    const int left = integerOrMissing(parts, 2);
    const int top = integerOrMissing(parts, 3);
    if (defaultDock >= 0 && defaultDock <= kLastDock)
        place.defaultDock = defaultDock;
    if (dockedTo >= 0 && dockedTo <= kFloating)
        place.dockedTo = dockedTo;
    if (left >= 0)
        place.left = left;
    if (top >= 0)
        place.top = top;
}

// A flag digit, a comma and the separator in double quotes.
void readExportArea(const ProfileFile &file, const QString &key, ExportArea &area)
{
    const QString value = file.readString(K::exportSection, key, QString());
    if (!value.isEmpty() && value.at(0).isDigit())
        area.enabled = value.at(0) == QLatin1Char('1');
    const qsizetype open = value.indexOf(QLatin1Char('"'));
    const qsizetype close = open < 0 ? -1 : value.indexOf(QLatin1Char('"'), open + 1);
    if (close >= 0)
        area.separator = value.mid(open + 1, close - open - 1);
}

// "width,height", kept when one of them is above 0. A size below 0 or above
// what the settings dialog offers would give an unusable page; it is
// clamped to that range.
void readPageFormat(const ProfileFile &file, Settings &settings)
{
    const QString value = file.readString(K::exportSection, K::customPageFormat, QString());
    const QStringList parts = value.split(QLatin1Char(','));
    int width = 0;
    int height = 0;
    ParseProfileInteger(parts.value(0), width);
    ParseProfileInteger(parts.value(1), height);
    if (width <= 0 && height <= 0)
        return;
    settings.customPageWidth = qBound(0, width, kLargestPageSize);
    settings.customPageHeight = qBound(0, height, kLargestPageSize);
}

// A value other than the default gets a leading "." and at most 4
// characters. An empty value keeps the default: without an extension the
// backup of a project file that has none would be that file itself.
QString backupExtension(const QString &value, const QString &defaultValue)
{
    if (value == defaultValue || value.isEmpty())
        return defaultValue;
    const QString dotted = value.startsWith(QLatin1Char('.')) ? value : QLatin1Char('.') + value;
    return dotted.left(4);
}

int integerInRange(const ProfileFile &file, const QString &section, const QString &key, int low, int high,
                   int defaultValue)
{
    const int value = file.readInteger(section, key, defaultValue);
    return value >= low && value <= high ? value : defaultValue;
}

void readMainWindow(const ProfileFile &file, Settings &s)
{
    s.left = file.readInteger(K::mainWindow, K::left, s.left);
    s.top = file.readInteger(K::mainWindow, K::top, s.top);
    s.width = file.readInteger(K::mainWindow, K::width, s.width);
    s.height = file.readInteger(K::mainWindow, K::height, s.height);
    s.centred = file.readBool(K::mainWindow, K::centred, s.centred);
    const int state = file.readInteger(K::mainWindow, K::windowState, s.windowState);
    s.windowState = state == 1 || state == 2 ? state : 0;
    const int height = file.readInteger(K::mainWindow, K::commentPanelHeight, s.commentPanelHeight);
    if (height >= 0)
        s.commentPanelHeight = height;
}

void readFields(const ProfileFile &file, Settings &s)
{
    for (int i = 0; i < 3; ++i)
        readToolbarPlace(file, K::toolbarPosition[i], s.toolbarPlaces[i]);
    for (int i = 0; i < 3; ++i)
        s.toolbarHidden[i] = file.readBool(K::fields, K::toolbarHidden[i], s.toolbarHidden[i]);
    s.commentPanelHidden = file.readBool(K::fields, K::commentPanelHidden, s.commentPanelHidden);
    s.commandPanelHidden = file.readBool(K::fields, K::commandPanelHidden, s.commandPanelHidden);
    s.statusBarHidden = file.readBool(K::fields, K::statusBarHidden, s.statusBarHidden);
}

void readFilesAndProject(const ProfileFile &file, Settings &s)
{
    s.singleExpand = file.readBool(K::tree, K::singleExpand, s.singleExpand);
    s.autoScroll = file.readBool(K::tree, K::autoScroll, s.autoScroll);
    s.projectFile = file.readString(K::files, K::projectFile, s.projectFile);
    s.macroFile = file.readString(K::files, K::macroFile, s.macroFile);
    s.helpFile = file.readString(K::files, K::helpFile, s.helpFile);
    s.makeBackup = file.readBool(K::project, K::makeBackup, s.makeBackup);
    s.backupExtension = backupExtension(file.readString(K::project, K::backupExtension, s.backupExtension),
                                        s.backupExtension);
}

void readExportAndFileManager(const ProfileFile &file, Settings &s)
{
    readExportArea(file, K::titleArea, s.titleArea);
    readExportArea(file, K::commentArea, s.commentArea);
    readExportArea(file, K::commandArea, s.commandArea);
    readPageFormat(file, s);
    s.fileManagerState = integerInRange(file, K::fileManager, K::fileManagerState, 0, 2, s.fileManagerState);
    s.fileManagerViewStyle =
        integerInRange(file, K::fileManager, K::fileManagerViewStyle, 1, 4, s.fileManagerViewStyle);
}

// Keys "1", "2", ... up to the first empty one; a value without a comma
// gives no item.
void readTools(const ProfileFile &file, Settings &s)
{
    for (int n = 1;; ++n) {
        const QString value = file.readString(K::tools, QString::number(n), QString());
        if (value.isEmpty())
            return;
        const qsizetype comma = value.indexOf(QLatin1Char(','));
        if (comma >= 0)
            s.tools.append({value.left(comma), value.mid(comma + 1)});
    }
}

// On this platform the help file is HTML; a name ending in ".hlp" (the
// setting's default "Brekko.hlp") is looked for first as ".html".
QStringList nameCandidates(const QString &name)
{
    static const QLatin1String oldHelp(".hlp");
    if (!name.endsWith(oldHelp, Qt::CaseInsensitive))
        return {name};
    return {name.chopped(oldHelp.size()) + QStringLiteral(".html"), name};
}

QString locateInFolders(const QString &name)
{
    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString inConfig = QDir(configFolder).filePath(QStringLiteral("brekko/") + name);
    if (FileSystem::fileExists(inConfig))
        return inConfig;
    QString found = QStandardPaths::locate(QStandardPaths::AppDataLocation, name);
    if (found.isEmpty())
        found = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("brekko/") + name);
    if (!found.isEmpty())
        return found;
    const QString besideInstall =
        QDir::cleanPath(AppContext::programDirectory() + QStringLiteral("../share/brekko/") + name);
    return FileSystem::fileExists(besideInstall) ? besideInstall : QString();
}

} // namespace

Settings ReadSettings(const QString &iniFile)
{
    Settings settings;
    if (iniFile.isEmpty())
        return settings;
    const ProfileFile file(iniFile);
    readMainWindow(file, settings);
    readFields(file, settings);
    readFilesAndProject(file, settings);
    readExportAndFileManager(file, settings);
    readTools(file, settings);
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
