#include "project/ProjectFile.h"

#include "common/CommandLinePaths.h"
#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"
#include "platform/SafeSave.h"
#include "platform/TextFile.h"
#include "platform/Volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <sys/stat.h>

namespace {

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
    return DriveIndependentPath(drive, path);
}

// Collects the file's text as encoded bytes and hands them on in blocks.
class EncodedWriter {
public:
    using Sink = std::function<bool(const QByteArray &)>;

    EncodedWriter(bool utf8, Sink sink)
        : m_utf8(utf8)
        , m_sink(std::move(sink))
    {
        if (m_utf8)
            m_buffer = TextFile::utf8Bom;
    }

    EncodedWriter &operator<<(QStringView text)
    {
        m_buffer += m_utf8 ? text.toUtf8() : TextFile::toWindows1252(text);
        return *this;
    }
    EncodedWriter &operator<<(const char *ascii)
    {
        m_buffer += ascii;
        return *this;
    }
    EncodedWriter &operator<<(int number)
    {
        m_buffer += QByteArray::number(number);
        return *this;
    }

    // Passes the collected bytes on once a block is full (or always).
    bool flush(bool always = false)
    {
        if (!m_ok || (!always && m_buffer.size() < kBlock))
            return m_ok;
        m_ok = m_sink(m_buffer);
        m_buffer.clear();
        return m_ok;
    }

private:
    static constexpr qsizetype kBlock = 1 << 20;
    bool m_utf8;
    Sink m_sink;
    QByteArray m_buffer;
    bool m_ok = true;
};

void writeHeader(EncodedWriter &out, const Project &project, const QString &drive)
{
    out << ProjectFileFormat::header << "\r\n\r\nProjekt=" << oneLine(project.name)
        << "\r\nExpandItems=" << (project.expandItems ? "1" : "0")
        << "\r\nImages verwenden=" << (project.useImages ? "1" : "0") << "\r\n";
    for (const QString &file : project.imageFiles)
        out << "ImageFile=" << oneLine(storedImagePath(file, drive)) << "\r\n";
    out << "\r\n";
}

void writeEntry(EncodedWriter &out, const ProjectTree &tree, const ProjectEntry &entry)
{
    out << "Item New\r\n  ItemNr=" << tree.absoluteIndex(&entry)
        << "\r\n  ParentNr=" << tree.absoluteIndex(entry.parent()) << "\r\n  Titel=" << oneLine(entry.title)
        << "\r\n  Image=" << entry.imageIndex + 1 << "," << entry.selectedImageIndex + 1 << "\r\n";
    for (const QString &line : entry.record.comment) {
        const QStringList parts = TextFile::splitLines(line);
        for (const QString &part : parts.isEmpty() ? QStringList{QString()} : parts)
            out << "  Kommentar=" << part << "\r\n";
    }
    out << "  Befehl=" << entry.record.action << "," << oneLine(entry.record.command) << "\r\nItem Done\r\n";
}

// Decides the file's encoding from all its values: Windows-1252 when every
// character fits and the file would not read back as UTF-8.
class EncodingChoice {
public:
    void add(QStringView text)
    {
        if (!m_fits)
            return;
        if (!TextFile::fitsWindows1252(text)) {
            m_fits = false;
            return;
        }
        const QByteArray bytes = TextFile::toWindows1252(text);
        if (bytes.size() == text.toUtf8().size())
            return; // ASCII reads back either way
        m_nonAscii = true;
        m_allValidUtf8 = m_allValidUtf8 && bytes.isValidUtf8();
    }
    bool utf8() const { return !m_fits || (m_nonAscii && m_allValidUtf8); }

private:
    bool m_fits = true;
    bool m_nonAscii = false;
    bool m_allValidUtf8 = true;
};

bool needsUtf8(const Project &project)
{
    EncodingChoice choice;
    choice.add(project.name);
    for (const QString &file : project.imageFiles)
        choice.add(file);
    for (const ProjectEntry *entry : project.tree.preOrder()) {
        choice.add(entry->title);
        choice.add(entry->record.command);
        for (const QString &line : entry->record.comment)
            choice.add(line);
    }
    return choice.utf8();
}

// Writes the whole file through sink, reporting progress per entry.
bool writeProject(const Project &project, const QString &drive, const OperationObserver &observer,
                  const EncodedWriter::Sink &sink)
{
    EncodedWriter out(needsUtf8(project), sink);
    writeHeader(out, project, drive);
    const auto &entries = project.tree.preOrder();
    const int last = static_cast<int>(entries.size()) - 1;
    int shownPercent = -1;
    EventPump pump(observer.runPendingEvents);
    for (int number = 0; number <= last; ++number) {
        writeEntry(out, project.tree, *entries[static_cast<size_t>(number)]);
        if (!out.flush())
            return false;
        const int percent = Percent(last, number);
        if (percent != shownPercent) {
            shownPercent = percent;
            observer.setProgress(percent);
        }
        pump.poll();
    }
    if (shownPercent != 100)
        observer.setProgress(100);
    return out.flush(true);
}

int ask(const QString &caption, const QString &text, int helpContext, int unattended = 0)
{
    return ShowMsgBox(caption, text, MsgBox::Question, MsgBox::QuestionBeep, MsgBox::Yes | MsgBox::No | MsgBox::Help,
                      helpContext, unattended);
}

void tell(const QString &caption, const QString &text, int helpContext)
{
    ShowMsgBox(caption, text, MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, helpContext);
}

bool isReadOnly(const QString &fileName)
{
    struct stat info;
    return ::stat(NativeNames::encode(fileName).constData(), &info) == 0 && !(info.st_mode & S_IWUSR);
}

enum class Backup { NotMade, Made, Refused };

// Keeps a complete copy of the old file under the backup name, asking how
// to go on when that fails. The old file itself stays where it is.
Backup makeBackup(const QString &fileName, const SaveOptions &options)
{
    if (!options.makeBackup || !FileContainsLine(fileName, ProjectFileFormat::header))
        return Backup::NotMade;
    const QString backup = BackupFileName(fileName, options.backupExtension);
    if (FileSystem::namesEqual(QFileInfo(backup).absoluteFilePath(), QFileInfo(fileName).absoluteFilePath()))
        return Backup::NotMade;
    QString cause;
    if (FileSystem::exists(backup) && (isReadOnly(backup) || FileSystem::folderExists(backup))) {
        cause = QStringLiteral("Eine Datei gleichen Namens wie der Sicherungskopiedatei zugewiesen werden sollte,\r"
                               "existiert bereits und konnte nicht gelöscht werden.");
    } else if (!FileSystem::makeBackupCopy(fileName, backup)) {
        cause = QStringLiteral("Die alte Projektdatei konnte nicht zur Sicherungskopie umbenannt werden.");
    } else {
        return Backup::Made;
    }
    const int answer = ask(QStringLiteral("Fehler: Konnte Sicherungskopie nicht erstellen..."),
                           cause
                               + QStringLiteral("\rWollen Sie das Projekt denoch speichern und die alte "
                                                "Projektdatei überschreiben ?"),
                           80270);
    return answer == MsgBox::ResultYes ? Backup::NotMade : Backup::Refused;
}

// Writing failed part-way. The new content never replaced the old file, so
// the old file is whole whatever the user answers.
void reportWriteFailure(const QString &fileName, const SaveOptions &options, Backup backup)
{
    const QString firstPart =
        QStringLiteral("Bei dem Versuch das Projekt in der Projektdatei\r\"%1\"\rzu speichern ist ein interner Fehler "
                       "aufgetreten.")
            .arg(fileName);
    const QString caption = QStringLiteral("Fehler: Projekt unvollständig gespeichert...");
    if (!options.makeBackup)
        tell(caption, firstPart + QLatin1Char('\r'), 80250);
    else if (backup != Backup::Made)
        tell(caption,
             firstPart
                 + QStringLiteral("\rKonnte keine Sicherungskopie erstellen, anhand derer die Projektdatei "
                                  "wiederhergestellt werden könnte !"),
             80250);
    else
        ask(caption,
            firstPart
                + QStringLiteral("\rSoll die ursprüngliche Projektdatei anhand der "
                                 "Sicherungskopie wiederhergestellt werden ?"),
            80250, MsgBox::ResultYes);
}

void reportCannotCreate(const QString &fileName)
{
    const QString text =
        FileSystem::exists(fileName)
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
    QByteArray bytes;
    writeProject(project, Volumes::volumeOf(project.fileName), {}, [&bytes](const QByteArray &block) {
        bytes += block;
        return true;
    });
    return TextFile::decode(bytes);
}

bool WriteProjectData(const Project &project, QIODevice &device, const QString &drive,
                      const OperationObserver &observer)
{
    return writeProject(project, drive, observer,
                        [&device](const QByteArray &bytes) { return device.write(bytes) == bytes.size(); });
}

bool SaveProjectFile(const Project &project, const QString &fileName, const SaveOptions &options,
                     const OperationObserver &observer)
{
    observer.setStatus(QStringLiteral("Projektdatei wird überprüft..."));
    const Backup backup = makeBackup(fileName, options);
    if (backup == Backup::Refused)
        return false;

    SafeSave file(fileName);
    const QString target = file.target();
    const bool keptReadOnly = backup != Backup::Made && FileSystem::exists(target) && isReadOnly(target);
    if (keptReadOnly || !file.open()) {
        reportCannotCreate(fileName);
        return false;
    }

    observer.setStatus(QStringLiteral("Projekt wird gespeichert..."));
    const bool written = writeProject(project, Volumes::volumeOf(fileName), observer,
                                      [&file](const QByteArray &bytes) { return file.write(bytes); })
                         && file.commit();
    if (!written)
        file.cancel();
    observer.setStatus(QString());
    if (!written)
        reportWriteFailure(fileName, options, backup);
    return written;
}
