#include "project/ProjectFile.h"

#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/Volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

qint64 g_failWritesAfter = -1;

const QString kCrLf = QStringLiteral("\r\n");

// A value must stay on its line: line breaks inside it become blanks.
QString oneLine(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

// Image files on the project's drive are written drive-independent, so that
// the catalogue keeps working when its medium is mounted elsewhere.
QString storedImagePath(const QString &path, const QString &drive)
{
    if (!QFileInfo(path).isAbsolute() || !Volumes::sameVolume(Volumes::volumeOf(path), drive))
        return path;
    QString rest = path.mid(drive == QLatin1String("/") ? 1 : drive.size() + 1);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QLatin1Char('\\') + rest;
}

void appendHeader(QString &text, const Project &project, const QString &drive)
{
    text += ProjectFileFormat::header + kCrLf + kCrLf;
    text += QStringLiteral("Projekt=") + oneLine(project.name) + kCrLf;
    text += QStringLiteral("ExpandItems=") + (project.expandItems ? u'1' : u'0') + kCrLf;
    text += QStringLiteral("Images verwenden=") + (project.useImages ? u'1' : u'0') + kCrLf;
    for (const QString &file : project.imageFiles)
        text += QStringLiteral("ImageFile=") + oneLine(storedImagePath(file, drive)) + kCrLf;
    text += kCrLf;
}

void appendEntry(QString &text, const ProjectTree &tree, const ProjectEntry &entry)
{
    text += QStringLiteral("Item New\r\n  ItemNr=") + QString::number(tree.absoluteIndex(&entry)) + kCrLf;
    text += QStringLiteral("  ParentNr=") + QString::number(tree.absoluteIndex(entry.parent())) + kCrLf;
    text += QStringLiteral("  Titel=") + oneLine(entry.title) + kCrLf;
    text += QStringLiteral("  Image=") + QString::number(entry.imageIndex + 1) + QLatin1Char(',')
        + QString::number(entry.selectedImageIndex + 1) + kCrLf;
    for (const QString &line : entry.record.comment) {
        const QStringList parts = TextFile::splitLines(line);
        for (const QString &part : parts.isEmpty() ? QStringList{QString()} : parts)
            text += QStringLiteral("  Kommentar=") + part + kCrLf;
    }
    text += QStringLiteral("  Befehl=") + QString::number(entry.record.action) + QLatin1Char(',')
        + oneLine(entry.record.command) + kCrLf;
    text += QStringLiteral("Item Done\r\n");
}

QString renderText(const Project &project, const QString &drive, const ProjectIoObserver &observer)
{
    QString text;
    const auto &entries = project.tree.preOrder();
    text.reserve(256 + static_cast<qsizetype>(entries.size()) * 160);
    appendHeader(text, project, drive);
    const int last = static_cast<int>(entries.size()) - 1;
    int shownPercent = -1;
    for (int number = 0; number <= last; ++number) {
        appendEntry(text, project.tree, *entries[static_cast<size_t>(number)]);
        const int percent = Percent(last, number);
        if (percent != shownPercent && observer.progress) {
            shownPercent = percent;
            observer.progress(percent);
        }
    }
    if (observer.progress && shownPercent != 100)
        observer.progress(100);
    return text;
}

int ask(const QString &caption, const QString &text, int helpContext, int unattended = 0)
{
    return ShowMsgBox(caption, text, MsgBox::Question, MsgBox::QuestionBeep,
                      MsgBox::Yes | MsgBox::No | MsgBox::Help, helpContext, unattended);
}

void tell(const QString &caption, const QString &text, int helpContext)
{
    ShowMsgBox(caption, text, MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, helpContext);
}

bool isReadOnly(const QString &fileName)
{
    return !(QFile::permissions(fileName) & QFileDevice::WriteOwner);
}

enum class Backup { NotMade, Made, Refused };

// Renames the old file to its backup name, asking how to go on when that
// fails.
Backup makeBackup(const QString &fileName, const SaveOptions &options)
{
    if (!options.makeBackup || !FileContainsLine(fileName, ProjectFileFormat::header))
        return Backup::NotMade;
    const QString backup = BackupFileName(fileName, options.backupExtension);
    QString cause;
    if (QFileInfo::exists(backup) && (isReadOnly(backup) || !QFile::remove(backup))) {
        cause = QStringLiteral("Eine Datei gleichen Namens wie der Sicherungskopiedatei zugewiesen werden sollte,\r"
                               "existiert bereits und konnte nicht gelöscht werden.");
    } else if (!QFile::rename(fileName, backup)) {
        cause = QStringLiteral("Die alte Projektdatei konnte nicht zur Sicherungskopie umbenannt werden.");
    } else {
        return Backup::Made;
    }
    const int answer = ask(QStringLiteral("Fehler: Konnte Sicherungskopie nicht erstellen..."),
                           cause + QStringLiteral("\rWollen Sie das Projekt denoch speichern und die alte "
                                                  "Projektdatei überschreiben ?"),
                           80270);
    return answer == MsgBox::ResultYes ? Backup::NotMade : Backup::Refused;
}

bool writeBytes(QSaveFile &file, const QByteArray &bytes)
{
    if (g_failWritesAfter >= 0 && bytes.size() > g_failWritesAfter) {
        file.write(bytes.constData(), g_failWritesAfter);
        return false;
    }
    return file.write(bytes) == bytes.size();
}

bool restoreBackup(const QString &fileName, const QString &backup)
{
    QFile::remove(fileName);
    return QFile::rename(backup, fileName);
}

// Writing failed part-way; the old file is either still in place or kept as
// the backup copy.
bool reportWriteFailure(const QString &fileName, const SaveOptions &options, Backup backup)
{
    const QString firstPart =
        QStringLiteral("Bei dem Versuch das Projekt in der Projektdatei\r\"%1\"\rzu speichern ist ein interner Fehler "
                       "aufgetreten.")
            .arg(fileName);
    const QString caption = QStringLiteral("Fehler: Projekt unvollständig gespeichert...");
    if (!options.makeBackup) {
        tell(caption, firstPart + QLatin1Char('\r'), 80250);
        return false;
    }
    if (backup != Backup::Made) {
        tell(caption,
             firstPart + QStringLiteral("\rKonnte keine Sicherungskopie erstellen, anhand derer die Projektdatei "
                                        "wiederhergestellt werden könnte !"),
             80250);
        return false;
    }
    const int answer = ask(caption,
                           firstPart + QStringLiteral("\rSoll die ursprüngliche Projektdatei anhand der "
                                                      "Sicherungskopie wiederhergestellt werden ?"),
                           80250, MsgBox::ResultYes);
    if (answer != MsgBox::ResultYes)
        return false;
    if (restoreBackup(fileName, BackupFileName(fileName, options.backupExtension)))
        return true;
    tell(QStringLiteral("Fehler: Wiederherstellen der Projektdatei mißlungen..."),
         QStringLiteral("Die Projektdatei konnte nicht wiederhergestellt werden.\rEntweder die Datei selber konnte "
                        "nicht entfernt oder ihre")
             + QChar(31) + QStringLiteral("Sicherungskopie konnte nicht umbenannt werden."),
         80260);
    return false;
}

void reportCannotCreate(const QString &fileName)
{
    const QString text = QFileInfo::exists(fileName)
        ? QStringLiteral("Die angegebene Datei \r\"%1\"\rkonnte nicht geöffnet und überschrieben werden.")
        : QStringLiteral("Die angegebene Datei \r\"%1\"\rkonnte nicht erstellt werden.");
    tell(QStringLiteral("Fehler: Kann Projekt nicht speichern..."), text.arg(fileName), 80240);
}

} // namespace

QString BackupFileName(const QString &fileName, const QString &backupExtension)
{
    const QFileInfo info(fileName);
    return QDir(info.path()).filePath(info.completeBaseName() + backupExtension);
}

QString ProjectFileText(const Project &project)
{
    return renderText(project, Volumes::volumeOf(project.fileName), {});
}

bool SaveProjectFile(const Project &project, const QString &fileName, const SaveOptions &options,
                     const ProjectIoObserver &observer)
{
    if (observer.status)
        observer.status(QStringLiteral("Projektdatei wird überprüft..."));
    const Backup backup = makeBackup(fileName, options);
    if (backup == Backup::Refused)
        return false;

    QSaveFile file(fileName);
    const bool keptReadOnly = backup != Backup::Made && QFileInfo::exists(fileName) && isReadOnly(fileName);
    if (keptReadOnly || !file.open(QIODevice::WriteOnly)) {
        // Nothing was written: the old file goes back to its name.
        if (backup == Backup::Made)
            QFile::rename(BackupFileName(fileName, options.backupExtension), fileName);
        reportCannotCreate(fileName);
        return false;
    }

    if (observer.status)
        observer.status(QStringLiteral("Projekt wird gespeichert..."));
    const QByteArray bytes = TextFile::encode(renderText(project, Volumes::volumeOf(fileName), observer));
    const bool written = writeBytes(file, bytes) && file.commit();
    if (!written)
        file.cancelWriting();
    if (observer.status)
        observer.status(QString());
    return written || reportWriteFailure(fileName, options, backup);
}

namespace ProjectFileTesting {
void failWritesAfter(qint64 bytes)
{
    g_failWritesAfter = bytes;
}
} // namespace ProjectFileTesting
