#include "project/ProjectFile.h"

#include "common/CommandLinePaths.h"
#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"
#include "platform/TextFile.h"
#include "platform/Volumes.h"
#include "project/ConsistencyCheck.h"

#include <QFileInfo>

#include <algorithm>
#include <new>
#include <optional>

namespace {

void showLoadError(const QString &text, const QString &caption, int helpContext)
{
    ShowMsgBox(caption, text, MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, helpContext);
}

void showCannotOpen(const QString &fileName)
{
    showLoadError(QStringLiteral("Bei dem Versuch die Projektdatei \"\r%1\r\" zu öffnen ist ein Fehler aufgetreten.\r"
                                 "Projektdaten wurden nicht eingeladen.")
                      .arg(NativeNames::forDisplay(fileName)),
                  QStringLiteral("Fehler: Konnte Projektdatei nicht öffnen..."), 80050);
}

// A decimal integer with an optional sign, nothing else. Values beyond any
// range saturate, so that they stay out of range without overflowing.
std::optional<qint64> decimalInteger(QStringView text)
{
    constexpr qint64 kSaturated = qint64(1) << 40;
    if (text.isEmpty())
        return std::nullopt;
    const bool negative = text[0] == QLatin1Char('-');
    qsizetype i = (negative || text[0] == QLatin1Char('+')) ? 1 : 0;
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return std::nullopt;
        value = std::min(value * 10 + (text[i].unicode() - '0'), kSaturated);
    }
    return negative ? -value : value;
}

bool keyIs(QStringView key, QLatin1String name)
{
    return key.size() == name.size() && key.compare(name, Qt::CaseInsensitive) == 0;
}

enum class Key { Unknown, Comment, ParentNr, Title, Image, Command, ImageFile, UseImages, ExpandItems, ProjectName };

Key keyOf(QStringView key)
{
    static const std::pair<QLatin1String, Key> known[] = {
        {QLatin1String("KOMMENTAR"), Key::Comment},
        {QLatin1String("PARENTNR"), Key::ParentNr},
        {QLatin1String("TITEL"), Key::Title},
        {QLatin1String("IMAGE"), Key::Image},
        {QLatin1String("BEFEHL"), Key::Command},
        {QLatin1String("IMAGEFILE"), Key::ImageFile},
        {QLatin1String("IMAGES VERWENDEN"), Key::UseImages},
        {QLatin1String("EXPANDITEMS"), Key::ExpandItems},
        {QLatin1String("PROJEKT"), Key::ProjectName},
    };
    for (const auto &[name, value] : known) {
        if (keyIs(key, name))
            return value;
    }
    return Key::Unknown;
}

// Reads one file's lines into a project: the grammar, the repairs and the
// problem list.
class Loader {
public:
    Loader(const QString &fileName, LoadReport &report, const OperationObserver &observer)
        : m_drive(Volumes::volumeOf(fileName))
        , m_report(report)
        , m_observer(observer)
        , m_pump(observer.runPendingEvents)
        , m_project(std::make_unique<Project>())
    {
        m_project->fileName = fileName;
    }

    void line(QStringView raw)
    {
        ++m_lineNumber;
        const QStringView text = TextFile::trimmed(raw);
        if (!text.isEmpty()) {
            const qsizetype eq = text.indexOf(QLatin1Char('='));
            if (eq >= 0)
                keyLine(text.left(eq), text.mid(eq + 1));
            else if (keyIs(text, QLatin1String("ITEM NEW")))
                itemNew();
            else if (keyIs(text, QLatin1String("ITEM DONE")))
                itemDone();
        }
        reportProgress();
        m_pump.poll();
    }

    std::unique_ptr<Project> finish()
    {
        if (m_blockOpen) {
            m_report.problems.append(QStringLiteral(
                "Der letzte Projekteintrag wurde mit keinem \"ITEM DONE\" abgeschloßen. Fehler wurde behoben."));
            closeBlock();
        }
        m_project->applyAutomaticImages();
        m_report.linesRead = m_lineNumber;
        m_report.entriesRead = m_entryNumber;
        return std::move(m_project);
    }

private:
    struct Pending {
        qint64 parent = -1;
        QString title = QStringLiteral("<Unbenannt>");
        qint64 image = -1;
        qint64 selectedImage = -1;
        qint64 action = ActionNone;
        QString command;
        QStringList comment;
    };

    void problem(const QString &text)
    {
        m_report.problems.append(QStringLiteral("Zeile: %1 - ").arg(m_lineNumber) + text);
    }

    void itemNew()
    {
        if (m_blockOpen) {
            problem(QStringLiteral("\"ITEM NEW\" definiert, voriger Eintrag wurde mit keinem \"ITEM DONE\" "
                                   "abgeschloßen. Fehler wurde behoben."));
            closeBlock();
        }
        ++m_entryNumber;
        try {
            m_entry = std::make_unique<ProjectEntry>();
        } catch (const std::bad_alloc &) {
            problem(QStringLiteral("Schwerer interner Fehler bei dem Record-Initialisierungsversuch des "
                                   "Projekteintrages Nummer: %1.")
                        .arg(m_entryNumber));
            m_entry.reset();
        }
        m_pending = Pending();
        m_blockOpen = true;
    }

    void itemDone()
    {
        if (!m_blockOpen) {
            problem(QStringLiteral("\"ITEM DONE\" ist mit keinem \"ITEM NEW\" assoziiert. Konnte kein "
                                   "Projekteintrag erkennen."));
            return;
        }
        closeBlock();
    }

    void closeBlock()
    {
        m_blockOpen = false;
        if (!m_entry)
            return;
        std::unique_ptr<ProjectEntry> entry = std::move(m_entry);
        entry->record.comment = m_pending.comment;
        entry->record.action = static_cast<quint8>(
            m_pending.action < 0 || m_pending.action > kLastAction ? qint64(ActionNone) : m_pending.action);
        entry->record.command = m_pending.command;
        entry->title = m_pending.title;

        const QString finding = CheckEntryCommand(m_entryNumber, m_pending.command, entry->record.action, m_drive);
        if (!finding.isEmpty())
            m_report.problems.append(finding);

        const int lastImage = m_project->images.count() - 1;
        entry->imageIndex = validImage(m_pending.image, lastImage);
        entry->selectedImageIndex = validImage(m_pending.selectedImage, lastImage);
        m_project->tree.append(parentFor(m_pending.parent), std::move(entry));
    }

    ProjectEntry *parentFor(qint64 parentNumber)
    {
        if (parentNumber < 0 || m_project->tree.isEmpty())
            return nullptr;
        ProjectEntry *parent =
            parentNumber < m_project->tree.count() ? m_project->tree.entryAt(static_cast<int>(parentNumber)) : nullptr;
        if (!parent) {
            problem(QStringLiteral("\"PARENTNR=%1\" bezeichnet keinen zuvor eingelesenen Projekteintrag. "
                                   "Eintrag wurde in die oberste Ebene eingefügt.")
                        .arg(parentNumber));
        }
        return parent;
    }

    static int validImage(qint64 index, int lastImage)
    {
        return index < 4 || index > lastImage ? 0 : static_cast<int>(index);
    }

    void keyLine(QStringView key, QStringView value)
    {
        switch (keyOf(key)) {
        case Key::Comment:
            m_pending.comment.append(value.toString());
            break;
        case Key::ParentNr:
            if (const auto number = decimalInteger(TextFile::trimmed(value)))
                m_pending.parent = *number;
            break;
        case Key::Title:
            m_pending.title = value.toString();
            break;
        case Key::Image:
            imageKey(TextFile::trimmed(value));
            break;
        case Key::Command:
            commandKey(TextFile::trimmed(value));
            break;
        case Key::ImageFile:
            imageFileKey(TextFile::trimmed(value).toString());
            break;
        case Key::UseImages:
            m_project->useImages = TextFile::trimmed(value) != QLatin1String("0");
            break;
        case Key::ExpandItems:
            m_project->expandItems = TextFile::trimmed(value) != QLatin1String("0");
            break;
        case Key::ProjectName:
            m_project->name = value.toString();
            break;
        case Key::Unknown:
            break;
        }
    }

    void imageKey(QStringView value)
    {
        const qsizetype comma = value.indexOf(QLatin1Char(','));
        const QStringView first = comma < 0 ? value : TextFile::trimmed(value.left(comma));
        const QStringView second = comma < 0 ? value : TextFile::trimmed(value.mid(comma + 1));
        if (const auto number = decimalInteger(first))
            m_pending.image = *number - 1;
        if (const auto number = decimalInteger(second))
            m_pending.selectedImage = *number - 1;
    }

    void commandKey(QStringView value)
    {
        const qsizetype comma = value.indexOf(QLatin1Char(','));
        if (comma >= 0) {
            if (const auto action = decimalInteger(TextFile::trimmed(value.left(comma))))
                m_pending.action = *action;
            m_pending.command = TextFile::trimmed(value.mid(comma + 1)).toString();
        } else if (const auto action = decimalInteger(value)) {
            m_pending.action = *action;
        } else {
            m_pending.command = value.toString();
        }
    }

    void imageFileKey(QString path)
    {
        if (path.isEmpty())
            return;
        const bool found = ResolveFilePath(m_drive, path);
        if (!found && path.startsWith(QLatin1Char('\\')))
            path.remove(0, 1);
        const QString prefix = QStringLiteral("\"IMAGEFILE=\", die angegebene ");
        if (!found) {
            problem(prefix + QStringLiteral("Datei \"%1\" konnte nicht gefunden werden.").arg(path));
        } else if (QFileInfo(path).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0) {
            problem(prefix + QStringLiteral("Datei \"%1\" ist keine Bitmap-Datei (*.bmp).").arg(path));
        } else if (!m_project->images.addBitmapFile(path)) {
            problem(prefix + QStringLiteral("Bitmap-Datei \"%1\" konnte nicht eingeladen werden.").arg(path));
        } else {
            m_project->imageFiles.append(path);
        }
    }

    void reportProgress()
    {
        const int percent = Percent(m_report.linesInFile, m_lineNumber);
        if (percent != m_lastPercent) {
            m_lastPercent = percent;
            m_observer.setProgress(percent);
        }
    }

    QString m_drive;
    LoadReport &m_report;
    const OperationObserver &m_observer;
    EventPump m_pump;
    std::unique_ptr<Project> m_project;
    std::unique_ptr<ProjectEntry> m_entry;
    Pending m_pending;
    bool m_blockOpen = false;
    int m_lineNumber = 0;
    int m_entryNumber = 0;
    int m_lastPercent = 0;
};

} // namespace

bool CheckProjectFile(const QString &fileName)
{
    if (!FileSystem::fileExists(fileName) && !FileSystem::folderExists(fileName)) {
        showLoadError(QStringLiteral("Die Projektdatei\r\"%1\"\rkonnte nicht gefunden werden.")
                          .arg(NativeNames::forDisplay(fileName)),
                      QStringLiteral("Fehler: Projektdatei nicht gefunden..."), 80030);
        return false;
    }
    if (!FileContainsLine(fileName, ProjectFileFormat::header)) {
        showLoadError(QStringLiteral("Die angegebene Datei \"\r%1\r\" ist keine gültige Brekko Projektdatei.")
                          .arg(NativeNames::forDisplay(fileName)),
                      QStringLiteral("Fehler: Ungültige Projektdatei..."), 80040);
        return false;
    }
    return true;
}

std::unique_ptr<Project> LoadProjectFile(const QString &fileName, LoadReport &report)
{
    const QString path = FileSystem::fullPath(fileName);
    if (!CheckProjectFile(path))
        return nullptr;
    return ReadProjectFile(path, report);
}

std::unique_ptr<Project> ReadProjectFile(const QString &fileName, LoadReport &report, const OperationObserver &observer)
{
    report = LoadReport();
    report.fileName = fileName;
    observer.setStatus(QStringLiteral("Projektdatei wird eingelesen..."));
    observer.setProgress(0);

    report.linesInFile = CountLines(fileName);
    report.entriesInFile = CountEntryLines(fileName);
    if (report.linesInFile < 0 || report.entriesInFile < 0) {
        showCannotOpen(fileName);
        return nullptr;
    }

    Loader loader(fileName, report, observer);
    const bool read = TextFile::forEachLine(fileName, [&loader](QStringView line) {
        loader.line(line);
        return true;
    });
    if (!read) {
        showCannotOpen(fileName);
        return nullptr;
    }
    return loader.finish();
}
