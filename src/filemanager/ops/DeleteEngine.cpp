#include "filemanager/ops/DeleteEngine.h"

#include "common/MsgBox.h"
#include "filemanager/ops/FolderEntries.h"
#include "platform/FileOperations.h"
#include "platform/NativeNames.h"
#include "platform/Trash.h"

DeleteAnswer MsgBoxDeleteQuestions::askFailed(const DeleteFailure &failure)
{
    const QChar cr = QLatin1Char('\r');
    QString text = failure.kind == DeleteFailure::ReadOnlyFile ? QStringLiteral("Die schreibgeschützte Datei")
                   : failure.kind == DeleteFailure::File       ? QStringLiteral("Die Datei")
                                                               : QStringLiteral("Das Verzeichnis");
    text += cr + QStringLiteral("\"") + NativeNames::forDisplay(failure.path) + QStringLiteral("\"") + cr;
    text += failure.toTrash ? QStringLiteral("konnte nicht in den Papierkorb verschoben werden.")
                            : QStringLiteral("konnte nicht gelöscht werden.");
    text += cr + QStringLiteral("Wie weiterverfahren ?");
    const int answer = ShowMsgBox(
        QStringLiteral("Fehler: Objekt konnte nicht gelöscht werden..."), text, MsgBox::Question, MsgBox::QuestionBeep,
        MsgBox::Retry | MsgBox::Ignore | MsgBox::All | MsgBox::Cancel | MsgBox::Help, 80370, MsgBox::ResultCancel);
    switch (answer) {
    case MsgBox::ResultRetry:
        return DeleteAnswer::Retry;
    case MsgBox::ResultIgnore:
        return DeleteAnswer::Ignore;
    case MsgBox::ResultAll:
        return DeleteAnswer::All;
    default:
        return DeleteAnswer::Cancel;
    }
}

DeleteEngine::DeleteEngine(bool toTrash, DeleteQuestions &questions, OperationObserver observer)
    : m_toTrash(toTrash)
    , m_questions(questions)
    , m_observer(std::move(observer))
    , m_pump(m_observer.runPendingEvents)
{
}

namespace {

// Deletes folder and everything in it; a link inside is removed as the link.
bool removeTree(const QString &folder)
{
    for (const FolderEntry &entry : ListFolder(folder)) {
        if (entry.folder)
            removeTree(entry.path);
        else
            FileOperations::removeFile(entry.path);
    }
    return FileOperations::removeFolder(folder) || !FileOperations::entryExists(folder);
}

} // namespace

bool DeleteEngine::removeOnce(const QString &path, DeleteFailure::Kind &kind)
{
    const FileOperations::Status status = FileOperations::status(path);
    if (!status.exists)
        return true;
    if (status.folder) {
        kind = DeleteFailure::Folder;
        return m_toTrash ? Trash::moveToTrash(path) : removeTree(path);
    }
    kind = DeleteFailure::File;
    const bool readOnly = FileOperations::isReadOnly(path);
    if (readOnly) {
        kind = DeleteFailure::ReadOnlyFile;
        FileOperations::setReadOnly(path, false);
    }
    const bool removed = m_toTrash ? Trash::moveToTrash(path) : FileOperations::removeFile(path);
    if (!removed && readOnly)
        FileOperations::setReadOnly(path, true);
    return removed;
}

bool DeleteEngine::run(const QString &folder, const QStringList &names)
{
    bool ignoreAll = false;
    for (const QString &name : names) {
        const QString path = JoinPath(folder, name);
        for (;;) {
            m_pump.poll();
            DeleteFailure failure{DeleteFailure::File, path, m_toTrash};
            if (removeOnce(path, failure.kind) || ignoreAll)
                break;
            const DeleteAnswer answer = m_questions.askFailed(failure);
            if (answer == DeleteAnswer::Cancel)
                return false;
            if (answer == DeleteAnswer::All)
                ignoreAll = true;
            if (answer != DeleteAnswer::Retry)
                break;
        }
    }
    return true;
}
