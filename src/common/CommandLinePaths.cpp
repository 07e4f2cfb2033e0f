#include "common/CommandLinePaths.h"

#include "common/AppContext.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/Volumes.h"

#include <QDir>
#include <QFileInfo>

using FileSystem::fileExists;
using FileSystem::folderExists;
using FileSystem::toFileSystemPath;

namespace {

bool isDriveIndependent(const QString &path)
{
    return path.startsWith(QLatin1Char('\\'));
}

QString withoutLeadingBackslash(const QString &path)
{
    return isDriveIndependent(path) ? path.mid(1) : path;
}

// Whether a path taken from a volume's root would climb above that root.
bool climbsOut(const QString &storedRest)
{
    int depth = 0;
    for (const QString &part : toFileSystemPath(storedRest).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".."))
            --depth;
        else if (part != QLatin1String("."))
            ++depth;
        if (depth < 0)
            return true;
    }
    return false;
}

// A drive-independent path never leaves its volume: one that would names
// nothing.
bool leavesVolume(const QString &path)
{
    return isDriveIndependent(path) && climbsOut(path.mid(1));
}

QString onVolume(const QString &root, const QString &storedRest)
{
    if (climbsOut(storedRest))
        return {};
    return QDir::cleanPath(Volumes::joinOnVolume(root, toFileSystemPath(storedRest)));
}

bool resolveAbsolute(QString &path, bool (*exists)(const QString &))
{
    const QString candidate = toFileSystemPath(path);
    if (!exists(candidate))
        return false;
    path = FileSystem::fullPath(candidate);
    return true;
}

bool takeIfFile(QString &path, const QString &candidate)
{
    if (!fileExists(candidate))
        return false;
    path = QDir::cleanPath(candidate);
    return true;
}

bool takeIfFolder(QString &path, const QString &candidate)
{
    if (!folderExists(candidate))
        return false;
    path = QDir::cleanPath(candidate);
    return true;
}

QString programDrive()
{
    return Volumes::volumeOf(AppContext::programDirectory());
}

bool isProgramDrive(const QString &drive)
{
    return Volumes::sameVolume(drive, programDrive());
}

// Full path a word names for shortening: a drive-independent word is looked
// for on drive only; a relative word names nothing.
QString locateForShortening(const QString &drive, const QString &word)
{
    if (isDriveIndependent(word))
        return onVolume(drive, word.mid(1));
    if (!FileSystem::isAbsolutePath(word))
        return {};
    return FileSystem::fullPath(toFileSystemPath(word));
}

// Where a drive-independent word that names nothing would lie.
QString placeOnDrive(const QString &drive, const QString &word)
{
    const QString rest = word.mid(1);
    if (climbsOut(rest))
        return word;
    QStringList places{onVolume(drive, rest)};
    if (isProgramDrive(drive))
        places.append(QDir::cleanPath(AppContext::programDirectory() + toFileSystemPath(rest)));
    for (const QString &place : places) {
        if (folderExists(QFileInfo(place).path()))
            return place;
    }
    return places.constFirst();
}

// A word as it goes to the start: resolved, else placed on drive.
QString expandWordAnyway(const QString &drive, const QString &word)
{
    if (!isDriveIndependent(word))
        return word;
    QString resolved = word;
    if (ResolveFilePath(drive, resolved))
        return resolved;
    resolved = word;
    if (ResolveDirectoryPath(drive, resolved))
        return resolved;
    return placeOnDrive(drive, word);
}

} // namespace

bool ResolveInProgramDirectory(QString &path)
{
    if (path.isEmpty() || leavesVolume(path))
        return false;
    if (FileSystem::isAbsolutePath(path))
        return resolveAbsolute(path, &fileExists);
    const QString rest = toFileSystemPath(withoutLeadingBackslash(path));
    if (rest.isEmpty())
        return false;
    const QString programDirectory = AppContext::programDirectory();
    if (fileExists(rest)) {
        path = FileSystem::fullPath(rest);
        return true;
    }
    return takeIfFile(path, programDirectory + rest) || takeIfFile(path, Volumes::joinOnVolume(programDrive(), rest))
           || takeIfFile(path, programDirectory + QFileInfo(rest).fileName());
}

bool ResolveFilePath(const QString &drive, QString &path)
{
    if (path.isEmpty() || leavesVolume(path))
        return false;
    if (FileSystem::isAbsolutePath(path))
        return resolveAbsolute(path, &fileExists);
    QString rest = withoutLeadingBackslash(path);
    if (isProgramDrive(drive)) {
        if (!ResolveInProgramDirectory(rest))
            return false;
        path = rest;
        return true;
    }
    return !rest.isEmpty() && takeIfFile(path, onVolume(drive, rest));
}

bool ResolveDirectoryPath(const QString &drive, QString &path)
{
    if (path.isEmpty() || leavesVolume(path))
        return false;
    if (FileSystem::isAbsolutePath(path))
        return resolveAbsolute(path, &folderExists);
    const QString rest = withoutLeadingBackslash(path);
    if (isProgramDrive(drive)) {
        const QString programDirectory = AppContext::programDirectory();
        return takeIfFolder(path, onVolume(programDrive(), rest))
               || takeIfFolder(path, programDirectory + toFileSystemPath(rest));
    }
    return takeIfFolder(path, onVolume(drive, rest));
}

QStringList SplitCommandWords(const QString &line)
{
    QStringList words;
    for (const QString &part : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringView word = TextFile::trimmed(part);
        if (!word.isEmpty())
            words.append(word.toString());
    }
    return words;
}

int ExpandCommandLine(const QString &drive, QString &line)
{
    if (line.isEmpty())
        return ExpandEmpty;
    QString whole = line;
    if (ResolveFilePath(drive, whole)) {
        line = whole;
        return ExpandFile;
    }
    whole = line;
    if (ResolveDirectoryPath(drive, whole)) {
        line = whole;
        return ExpandFolder;
    }
    if (!line.contains(QLatin1Char(' ')))
        return ExpandNothing;

    QStringList words = SplitCommandWords(line);
    for (QString &word : words) {
        if (!isDriveIndependent(word))
            continue;
        QString resolved = word;
        if (!ResolveFilePath(drive, resolved)) {
            resolved = word;
            if (!ResolveDirectoryPath(drive, resolved))
                return ExpandMissingWord;
        }
        word = resolved;
    }
    line = words.join(QLatin1Char(' ')).trimmed();
    return ExpandWords;
}

QString ExpandCommandLineAnyway(const QString &drive, const QString &line)
{
    QString expanded = line;
    if (ExpandCommandLine(drive, expanded) >= ExpandWords)
        return expanded;
    QStringList words = SplitCommandWords(line);
    for (QString &word : words)
        word = expandWordAnyway(drive, word);
    return words.join(QLatin1Char(' '));
}

QString FirstExistingPathWord(const QString &line)
{
    for (const QString &word : SplitCommandWords(line)) {
        const QString path = toFileSystemPath(word);
        if (folderExists(path) || fileExists(path))
            return word;
    }
    return {};
}

QString DriveIndependentPath(const QString &drive, const QString &fullPath)
{
    QString rest = fullPath.mid(drive == QLatin1String("/") ? 1 : drive.size() + 1);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QLatin1Char('\\') + rest;
}

int ShortenCommandLine(const QString &drive, QString &line)
{
    line = TextFile::trimmed(line).toString();
    if (line.size() < 3)
        return ShortenTooShort;

    const QString whole = locateForShortening(drive, line);
    const bool isFile = fileExists(whole);
    if (isFile || folderExists(whole)) {
        if (!Volumes::sameVolume(Volumes::volumeOf(whole), drive)) {
            line = whole;
            return ShortenOtherDrive;
        }
        line = DriveIndependentPath(drive, whole);
        return isFile ? ShortenFile : ShortenFolder;
    }

    QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &word : words) {
        const QString path = locateForShortening(drive, word);
        if ((fileExists(path) || folderExists(path)) && Volumes::sameVolume(Volumes::volumeOf(path), drive))
            word = DriveIndependentPath(drive, path);
    }
    line = words.join(QLatin1Char(' '));
    return ShortenWords;
}
