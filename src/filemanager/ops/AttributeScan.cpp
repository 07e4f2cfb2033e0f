#include "filemanager/ops/AttributeScan.h"

#include "common/MsgBox.h"
#include "filemanager/ops/FolderEntries.h"
#include "platform/FileOperations.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"

namespace {

Qt::CheckState stateOf(qint64 having, qint64 total)
{
    if (having == 0)
        return Qt::Unchecked;
    return having == total ? Qt::Checked : Qt::PartiallyChecked;
}

// A selected link stands for what it points to, as the file list shows it;
// a broken one for itself.
FolderEntry SelectedEntry(const QString &folder, const QString &name)
{
    const FolderEntry entry = EntryAt(folder, name);
    const QString target = entry.link ? FileSystem::canonicalPath(entry.path) : QString();
    if (target.isEmpty())
        return entry;
    const qsizetype slash = target.lastIndexOf(QLatin1Char('/'));
    return EntryAt(target.left(slash + 1), target.mid(slash + 1));
}

// Calls onFile for every file of the selection, onFolder after each folder;
// links below the selection count as themselves.
class SelectionWalk {
public:
    std::function<bool(const FolderEntry &)> onFile;
    std::function<void()> onFolder;

    bool walk(const QString &folder, const QStringList &names)
    {
        for (const QString &name : names) {
            const FolderEntry entry = SelectedEntry(folder, name);
            if (!(entry.folder ? walkFolder(entry.path) : onFile(entry)))
                return false;
        }
        return true;
    }

private:
    bool walkFolder(const QString &path)
    {
        const QList<FolderEntry> entries = ListFolder(path);
        for (const FolderEntry &entry : entries) {
            if (!entry.folder && !onFile(entry))
                return false;
        }
        if (onFolder)
            onFolder();
        for (const FolderEntry &entry : entries) {
            if (entry.folder && !IsSkippedSubfolder(entry.name) && !walkFolder(entry.path))
                return false;
        }
        return true;
    }
};

} // namespace

AttributeScanResult ScanAttributes(const QString &folder, const QStringList &names,
                                   const std::function<void(const AttributeScanResult &)> &afterFolder)
{
    AttributeScanResult result;
    SelectionWalk walk;
    walk.onFile = [&result](const FolderEntry &entry) {
        ++result.files;
        result.bytes += FileOperations::entrySize(entry.path);
        if (!FileOperations::isLink(entry.path)) {
            ++result.attributeFiles;
            result.readOnlyFiles += FileOperations::isReadOnly(entry.path) ? 1 : 0;
            result.hiddenFiles += FileOperations::isHiddenName(entry.name) ? 1 : 0;
        }
        return true;
    };
    walk.onFolder = [&result, &afterFolder] {
        ++result.folders;
        if (afterFolder)
            afterFolder(result);
    };
    walk.walk(folder, names);
    result.readOnly = stateOf(result.readOnlyFiles, result.attributeFiles);
    result.hidden = stateOf(result.hiddenFiles, result.attributeFiles);
    return result;
}

AttributeAnswer MsgBoxAttributeQuestions::askFailed(const QString &attribute, const QString &file)
{
    const QChar cr = QLatin1Char('\r');
    const QString text = QStringLiteral("Das Dateiattribut \"") + attribute + QStringLiteral("\" konnte bei der Datei")
                         + cr + QStringLiteral("\"") + NativeNames::forDisplay(file) + QStringLiteral("\"") + cr
                         + QStringLiteral("nicht gesetzt werden.") + cr + QStringLiteral("Wie weiterverfahren ?");
    const int answer = ShowMsgBox(
        QStringLiteral("Dateifehler: Dateizugriff fehlgeschlagen..."), text, MsgBox::Question, MsgBox::QuestionBeep,
        MsgBox::Retry | MsgBox::Ignore | MsgBox::All | MsgBox::Cancel | MsgBox::Help, 80390, MsgBox::ResultCancel);
    if (answer == MsgBox::ResultRetry)
        return AttributeAnswer::Retry;
    if (answer == MsgBox::ResultIgnore || answer == MsgBox::ResultAll)
        return AttributeAnswer::Ignore;
    return AttributeAnswer::Cancel;
}

bool ApplyReadOnly(const QString &folder, const QStringList &names, Qt::CheckState scanned, Qt::CheckState wanted,
                   AttributeQuestions &questions, const OperationObserver &observer)
{
    if (scanned == wanted)
        return true;
    const bool readOnly = wanted == Qt::Checked;
    bool silenced = false;
    EventPump pump(observer.runPendingEvents);
    SelectionWalk walk;
    walk.onFile = [&](const FolderEntry &entry) {
        pump.poll();
        if (FileOperations::isLink(entry.path))
            return true;
        while (FileOperations::isReadOnly(entry.path) != readOnly) {
            if (FileOperations::setReadOnly(entry.path, readOnly) || silenced)
                break;
            const AttributeAnswer answer = questions.askFailed(QStringLiteral("Schreibgeschützt"), entry.path);
            if (answer == AttributeAnswer::Cancel)
                return false;
            if (answer == AttributeAnswer::Ignore) {
                silenced = true;
                break;
            }
        }
        return true;
    };
    return walk.walk(folder, names);
}
