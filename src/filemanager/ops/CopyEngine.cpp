#include "filemanager/ops/CopyEngine.h"

#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "filemanager/ops/FolderEntries.h"
#include "platform/FileOperations.h"
#include "platform/NativeNames.h"
#include "platform/SystemErrorText.h"

#include <cerrno>

CopyEngine::CopyEngine(CopyOptions options, CopyQuestions &questions, OperationObserver observer)
    : m_options(options)
    , m_questions(questions)
    , m_observer(std::move(observer))
    , m_pump(m_observer.runPendingEvents)
{
}

bool CopyEngine::run(const QString &folder, const QStringList &names, const QString &targetFolder, qint64 bytesNeeded)
{
    m_abortRequested = false;
    m_abortConfirmed = false;
    m_ignoreAllRemoveErrors = false;
    m_bytesDone = 0;
    m_bytesNeeded = bytesNeeded;
    m_percent = -1;
    for (const QString &name : names) {
        const FolderEntry entry = EntryAt(folder, name);
        const QString target = JoinPath(targetFolder, name);
        if (entry.folder) {
            if (!copyFolder(entry.path, target))
                return false;
            if (m_options.move)
                FileOperations::removeFolder(entry.path);
        } else if (!copyFile(entry.path, target, entry.link, false)) {
            return false;
        }
    }
    return true;
}

bool CopyEngine::keepGoing()
{
    m_pump.poll();
    if (m_abortRequested && !m_abortConfirmed) {
        m_abortConfirmed = m_questions.confirmAbort(m_options.move);
        m_abortRequested = m_abortConfirmed;
    }
    return !m_abortConfirmed;
}

bool CopyEngine::copyFolder(const QString &source, const QString &target)
{
    const FileOperations::Status there = FileOperations::status(target);
    const bool made = there.exists ? there.folder : FileOperations::makeFolders(target);
    if (!made)
        return m_questions.skipUncreatableFolder(target, m_options.move);
    const QList<FolderEntry> entries = ListFolder(source);
    for (const FolderEntry &entry : entries) {
        if (!entry.folder && !copyFile(entry.path, JoinPath(target, entry.name), entry.link, !there.exists))
            return false;
    }
    for (const FolderEntry &entry : entries) {
        if (!entry.folder || IsSkippedSubfolder(entry.name))
            continue;
        if (!copyFolder(entry.path, JoinPath(target, entry.name)))
            return false;
        if (m_options.move)
            FileOperations::removeFolder(entry.path);
    }
    return true;
}

bool CopyEngine::copyFile(const QString &source, const QString &target, bool link, bool inNewFolder)
{
    if (onFile)
        onFile(source, target);
    if (!keepGoing())
        return false;
    // A folder made in this run holds nothing else; should something
    // appear, the copy does not take its name.
    const FileOperations::Status there = inNewFolder ? FileOperations::Status() : FileOperations::status(target);
    if (there.folder) {
        m_questions.reportCopyFailed(source, target, SystemErrorText(EISDIR), m_options.move);
        return false;
    }
    if (m_options.askOverwrite && there.exists) {
        switch (m_questions.askOverwrite(FileFacts::of(target), FileFacts::of(source))) {
        case OverwriteAnswer::Cancel:
            return false;
        case OverwriteAnswer::Skip:
            return true;
        case OverwriteAnswer::OverwriteAll:
            m_options.askOverwrite = false;
            break;
        case OverwriteAnswer::Overwrite:
            break;
        }
    }
    const bool copied = link ? copyLink(source, target, there.exists) : copyContents(source, target, there.exists);
    return copied && (!m_options.move || removeSource(source));
}

bool CopyEngine::copyLink(const QString &source, const QString &target, bool replace)
{
    QString reason;
    if (!FileOperations::copyLink(source, target, replace, &reason)) {
        m_questions.reportCopyFailed(source, target, reason, m_options.move);
        return false;
    }
    advance(FileOperations::entrySize(source));
    return true;
}

bool CopyEngine::copyContents(const QString &source, const QString &target, bool replace)
{
    FileOperations::BlockCopy copy;
    if (!copy.open(source, target, m_options.carryAttributes)) {
        m_questions.reportCopyFailed(source, target, copy.errorString(), m_options.move);
        return false;
    }
    for (;;) {
        const qint64 moved = copy.copyBlock(BlockSize);
        if (moved < 0) {
            const QString reason = copy.errorString();
            copy.discard();
            m_questions.reportCopyFailed(source, target, reason, m_options.move);
            return false;
        }
        if (moved == 0)
            break;
        advance(moved);
        if (!keepGoing())
            return false;
    }
    if (!copy.commit(replace)) {
        m_questions.reportCopyFailed(source, target, copy.errorString(), m_options.move);
        return false;
    }
    return true;
}

bool CopyEngine::removeSource(const QString &source)
{
    if (FileOperations::removeFile(source) || m_ignoreAllRemoveErrors)
        return true;
    switch (m_questions.askRemoveFailed(source)) {
    case RemoveAnswer::Cancel:
        return false;
    case RemoveAnswer::All:
        m_ignoreAllRemoveErrors = true;
        return true;
    case RemoveAnswer::Ignore:
        return true;
    }
    return false;
}

void CopyEngine::advance(qint64 bytes)
{
    m_bytesDone += bytes;
    const int percent = Percent(m_bytesNeeded, m_bytesDone);
    if (percent != m_percent) {
        m_percent = percent;
        m_observer.setProgress(percent);
    }
}

namespace {

QString verb(bool move)
{
    return move ? QStringLiteral("verschoben") : QStringLiteral("kopiert");
}

QString quoted(const QString &path)
{
    return QLatin1Char('"') + NativeNames::forDisplay(path) + QLatin1Char('"');
}

// Where below target a file would meet a folder of its name or a folder a
// file; empty when nowhere.
QString firstClash(const FolderEntry &source, const QString &target, bool move)
{
    const FileOperations::Status there = FileOperations::status(target);
    if (!there.exists)
        return {};
    if (!source.folder && there.folder)
        return QStringLiteral("Die Datei ") + quoted(source.path) + QStringLiteral(" kann nicht ") + verb(move)
               + QStringLiteral(" werden:") + QLatin1Char('\r') + quoted(target)
               + QStringLiteral(" ist ein Verzeichnis.");
    if (!source.folder)
        return {};
    if (!there.folder)
        return QStringLiteral("Das Verzeichnis ") + quoted(source.path) + QStringLiteral(" kann nicht ") + verb(move)
               + QStringLiteral(" werden:") + QLatin1Char('\r') + quoted(target)
               + QStringLiteral(" ist kein Verzeichnis.");
    for (const FolderEntry &entry : ListFolder(source.path)) {
        if (entry.folder && IsSkippedSubfolder(entry.name))
            continue;
        const QString clash = firstClash(entry, JoinPath(target, entry.name), move);
        if (!clash.isEmpty())
            return clash;
    }
    return {};
}

} // namespace

QString CopyRefusal(const QString &folder, const QStringList &names, const QString &targetFolder, bool move)
{
    const bool sameFolder = FileOperations::sameEntry(folder, targetFolder);
    for (const QString &name : names) {
        const FolderEntry entry = EntryAt(folder, name);
        if (entry.folder && FileOperations::isWithin(targetFolder, entry.path))
            return QStringLiteral("Das Verzeichnis ") + quoted(entry.path)
                   + QStringLiteral(" kann nicht in sich selbst ") + verb(move) + QStringLiteral(" werden.");
        if (sameFolder)
            return (entry.folder ? QStringLiteral("Das Verzeichnis ") : QStringLiteral("Die Datei "))
                   + quoted(entry.path) + QStringLiteral(" kann nicht auf sich selbst ") + verb(move)
                   + QStringLiteral(" werden.");
    }
    for (const QString &name : names) {
        const QString clash = firstClash(EntryAt(folder, name), JoinPath(targetFolder, name), move);
        if (!clash.isEmpty())
            return clash;
    }
    return {};
}

void ShowCopyRefusal(const QString &text)
{
    ShowMsgBox(QStringLiteral("Fehler: Ungültiges Zielverzeichnis..."), text, MsgBox::Error, MsgBox::ErrorBeep,
               MsgBox::Ok | MsgBox::Help, 80450);
}
