// What the file manager does with its items: selection, opening, running,
// renaming and the buttons that hand over to the file dialogs.
#include "filemanager/TDateimanagerForm.h"

#include "commands/ExecuteCommandLine.h"
#include "common/CommandLinePaths.h"
#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "filemanager/FileMask.h"
#include "filemanager/TFileList.h"
#include "filemanager/ops/FileOpsDialogs.h"
#include "platform/FileOperations.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"

#include <QComboBox>
#include <QLabel>

namespace {

QString FolderPart(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

void Run(const QString &line)
{
    QString error;
    ExecuteCommandLine(line, true, error);
}

} // namespace

QStringList TDateimanagerForm::selectedNames() const
{
    QStringList names;
    for (int row : m_fileList->selectedRows())
        names.append(m_fileList->model().entry(row).name);
    return names;
}

void TDateimanagerForm::showSelectionStatus()
{
    if (m_reading)
        return;
    const QList<int> rows = m_fileList->selectedRows();
    m_countPanel->setText(FormatThousands(rows.size()) + QStringLiteral(" Objekt(e) markiert."));
    qint64 bytes = 0;
    bool anyFile = false;
    for (int row : rows) {
        const FileListEntry &entry = m_fileList->model().entry(row);
        if (!entry.isFolder) {
            bytes += entry.size;
            anyFile = true;
        }
    }
    // With several selected the total is shown even when it is 0; a single
    // folder leaves the panel empty.
    if (rows.isEmpty() || (rows.size() == 1 && !anyFile))
        m_bytesPanel->clear();
    else
        m_bytesPanel->setText(FormatThousands(bytes) + QStringLiteral(" Byte"));
    if (rows.size() == 1 && !m_typing)
        followSelection();
}

void TDateimanagerForm::followSelection()
{
    const QList<int> rows = m_fileList->selectedRows();
    const QString folder = listFolder();
    const QString item = folder + m_fileList->model().entry(rows.first()).name;
    const QString line = m_comBox->currentText().trimmed();
    if (FileSystem::namesEqual(FolderPart(line), folder)) {
        setComText(item);
        return;
    }
    const QString word = FirstExistingPathWord(line);
    if (word.isEmpty() || !FileSystem::namesEqual(FolderPart(word), folder))
        return;
    const qsizetype at = line.indexOf(word);
    if (at < 0)
        return;
    pushHistory(line);
    QString replaced = line;
    replaced.replace(at, word.size(), item);
    setComText(replaced);
}

void TDateimanagerForm::FileList_OnOpen(int row)
{
    const QList<int> rows = m_fileList->selectedRows();
    if (rows.size() > 1) {
        m_fileList->selectOnly(m_fileList->currentRow() >= 0 ? m_fileList->currentRow() : row);
        return;
    }
    if (rows.size() != 1)
        return;
    const FileListEntry &entry = m_fileList->model().entry(rows.first());
    const QString path = listFolder() + entry.name;
    if (entry.isFolder) {
        const QString folder = path + QLatin1Char('/');
        ChangeDir(folder);
        setComText(folder);
    } else {
        Run(path);
    }
}

void TDateimanagerForm::Button_ComRun_OnClick()
{
    Run(m_comBox->currentText().trimmed());
}

void TDateimanagerForm::runTool(const QString &command)
{
    Run(command + QLatin1Char(' ') + m_comBox->currentText().trimmed());
}

bool TDateimanagerForm::renameItem(int row, const QString &newName)
{
    if (newName.trimmed().isEmpty() || !IsValidFileName(newName, true))
        return false;
    const QString oldName = m_fileList->model().entry(row).name;
    if (FileOperations::renameNew(listFolder() + oldName, listFolder() + newName))
        return true;
    ShowMsgBox(QStringLiteral("Fehler: Umbenennen nicht möglich..."),
               QStringLiteral("Die Datei oder das Verzeichnis \"") + NativeNames::forDisplay(oldName)
                   + QStringLiteral("\"") + QLatin1Char('\r') + QStringLiteral("konnte nicht nach \"") + newName
                   + QStringLiteral("\" umbenannt werden."),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80350);
    return false;
}

void TDateimanagerForm::selectGroup()
{
    QString pattern;
    bool excludeFolders = false;
    if (!RunSelectGroupDialog(this, pattern, excludeFolders) || pattern.isEmpty())
        return;
    const QStringList patterns = ParseGroupPattern(pattern);
    for (int row = 0; row < m_fileList->count(); ++row) {
        const FileListEntry &entry = m_fileList->model().entry(row);
        if (excludeFolders && entry.isFolder)
            continue;
        if (!m_fileList->isRowSelected(row) && MatchesAnyPattern(entry.name, patterns))
            m_fileList->setRowSelected(row, true);
    }
}

void TDateimanagerForm::sortBy(int key)
{
    m_fileList->model().setSortColumn(FileInfo(key));
    m_fileList->model().reread();
}

void TDateimanagerForm::Button_Loeschen_OnClick()
{
    if (m_fileList->selectedCount() == 0) {
        ShowMsgBox(QStringLiteral("Keine Objekte markiert..."),
                   QStringLiteral("Es wurden keine Objekte markiert die gelöscht werden könnten."), MsgBox::Information,
                   MsgBox::InformationBeep, MsgBox::Ok | MsgBox::Help, 80380);
        return;
    }
    afterChange(RunDeleteDialog(this, listFolder(), selectedNames()));
}

void TDateimanagerForm::Button_Eigenschaften_OnClick()
{
    const QList<int> rows = m_fileList->selectedRows();
    const FileListModel &model = m_fileList->model();
    const QString type = rows.size() == 1 ? model.typeName(model.entry(rows.first())) : QString();
    afterChange(RunPropertiesDialog(this, listFolder(), selectedNames(), type));
}

void TDateimanagerForm::afterChange(bool changed)
{
    if (changed)
        m_fileList->model().reread();
}
