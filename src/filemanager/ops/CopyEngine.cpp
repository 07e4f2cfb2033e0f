#include "filemanager/ops/CopyEngine.h"

#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "filemanager/ops/FolderEntries.h"
#include "platform/FileOperations.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
                QDir().rmdir(entry.path);
        } else if (!copyFile(entry.path, target, entry.link)) {
            return false;
        }
    }
    return true;
}

bool CopyEngine::copyFolder(const QString &source, const QString &target)
{
    const bool made = !FileOperations::isLink(target) && (FileSystem::folderExists(target) || QDir().mkpath(target));
    if (!made)
        return m_questions.skipUncreatableFolder(target, m_options.move);
    const QList<FolderEntry> entries = ListFolder(source);
    for (const FolderEntry &entry : entries) {
        if (!entry.folder && !copyFile(entry.path, JoinPath(target, entry.name), entry.link))
            return false;
    }
    for (const FolderEntry &entry : entries) {
        if (!entry.folder || IsSkippedSubfolder(entry.name))
            continue;
        if (!copyFolder(entry.path, JoinPath(target, entry.name)))
            return false;
        if (m_options.move)
            QDir().rmdir(entry.path);
    }
    return true;
}

bool CopyEngine::copyFile(const QString &source, const QString &target, bool link)
{
    if (onFile)
        onFile(source, target);
    m_pump.poll();
    const bool targetExists = FileOperations::entryExists(target);
    if (m_options.askOverwrite && targetExists) {
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
    const bool copied = link ? copyLink(source, target) : copyContents(source, target, targetExists);
    return copied && (!m_options.move || removeSource(source));
}

bool CopyEngine::copyLink(const QString &source, const QString &target)
{
    QString reason;
    if (!FileOperations::copyLink(source, target, &reason)) {
        m_questions.reportCopyFailed(source, target, reason, m_options.move);
        return false;
    }
    advance(FileOperations::entrySize(source));
    return true;
}

bool CopyEngine::copyContents(const QString &source, const QString &target, bool targetExists)
{
    FileOperations::BlockCopy copy;
    if (!copy.open(source, target, targetExists, m_options.carryAttributes)) {
        m_questions.reportCopyFailed(source, target, copy.errorString(), m_options.move);
        return false;
    }
    bool first = true;
    for (;;) {
        if (!first)
            m_pump.poll();
        first = false;
        const qint64 moved = copy.copyBlock(BlockSize);
        if (moved < 0) {
            const QString reason = copy.errorString();
            copy.close();
            QFile::remove(target);
            m_questions.reportCopyFailed(source, target, reason, m_options.move);
            return false;
        }
        if (moved == 0)
            break;
        advance(moved);
        if (m_abortRequested) {
            if (m_questions.confirmAbort(m_options.move))
                break;
            m_abortRequested = false;
        }
    }
    if (!copy.close()) {
        QFile::remove(target);
        m_questions.reportCopyFailed(source, target, copy.errorString(), m_options.move);
        return false;
    }
    if (m_abortRequested) {
        QFile::remove(target);
        return false;
    }
    return true;
}

bool CopyEngine::removeSource(const QString &source)
{
    if (QFile::remove(source) || m_ignoreAllRemoveErrors)
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

// Canonical form of a path that may not exist yet: its longest existing
// leading part resolved, the rest appended.
QString canonicalPlanned(const QString &path)
{
    QString rest;
    QString existing = QDir::cleanPath(FileSystem::fullPath(path));
    while (!QFileInfo::exists(existing) && existing != QLatin1String("/")) {
        const int cut = existing.lastIndexOf(QLatin1Char('/'));
        rest.prepend(existing.mid(cut));
        existing = cut > 0 ? existing.left(cut) : QStringLiteral("/");
    }
    const QString base = QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath((base.isEmpty() ? existing : base) + rest);
}

QString verb(bool move)
{
    return move ? QStringLiteral("verschoben") : QStringLiteral("kopiert");
}

} // namespace

QString CopyRefusal(const QString &folder, const QStringList &names, const QString &targetFolder, bool move)
{
    const QString target = canonicalPlanned(targetFolder);
    const QString source = canonicalPlanned(folder);
    for (const QString &name : names) {
        const FolderEntry entry = EntryAt(folder, name);
        const QString sourcePath = JoinPath(source, name);
        if (entry.folder && (target == sourcePath || target.startsWith(sourcePath + QLatin1Char('/'))))
            return QStringLiteral("Das Verzeichnis \"") + entry.path + QStringLiteral("\" kann nicht in sich selbst ")
                   + verb(move) + QStringLiteral(" werden.");
        if (target == source)
            return (entry.folder ? QStringLiteral("Das Verzeichnis \"") : QStringLiteral("Die Datei \"")) + entry.path
                   + QStringLiteral("\" kann nicht auf sich selbst ") + verb(move) + QStringLiteral(" werden.");
    }
    return {};
}

void ShowCopyRefusal(const QString &text)
{
    ShowMsgBox(QStringLiteral("Fehler: Ungültiges Zielverzeichnis..."), text, MsgBox::Error, MsgBox::ErrorBeep,
               MsgBox::Ok | MsgBox::Help, 80450);
}
