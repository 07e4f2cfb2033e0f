// Where the file manager lists: start text, folder changes, drives, history.
#include "filemanager/TDateimanagerForm.h"

#include "common/AppContext.h"
#include "common/BusyCursor.h"
#include "common/CommandLinePaths.h"
#include "common/FileUtils.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "filemanager/TFileList.h"
#include "platform/FileSystem.h"
#include "platform/Volumes.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QStorageInfo>
#include <QToolButton>

namespace {

QString WithSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// "/a/b/c" -> "/a/b/" and "c"; "/a/b/" -> itself and "".
void SplitPath(const QString &path, QString &folder, QString &name)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    folder = slash < 0 ? QString() : path.left(slash + 1);
    name = path.mid(slash + 1);
}

} // namespace

void TDateimanagerForm::run(const QString &startCommandLine)
{
    m_startCommandLine = startCommandLine;
    {
        BusyCursor busy;
        becomeActive();
    }
    RunModal(this);
}

void TDateimanagerForm::done(int result)
{
    m_startCommandLine = m_comBox->currentText();
    m_fileList->model().setDirectory(QString());
    m_comBox->setEditText(QString());
    QDialog::done(result);
}

QString TDateimanagerForm::listFolder() const
{
    return m_fileList->model().directory();
}

QString TDateimanagerForm::defaultFolder() const
{
    const QString project = AppContext::projectFileName();
    if (!project.isEmpty())
        return QFileInfo(project).absolutePath() + QLatin1Char('/');
    return AppContext::programDirectory();
}

void TDateimanagerForm::becomeActive()
{
    QString line = m_startCommandLine;
    const int result = ExpandCommandLine(AppContext::projectDrive(), line);
    // A folder named with its trailing separator is listed itself.
    const QString typed = m_startCommandLine.trimmed();
    if (result == ExpandFolder && (typed.endsWith(QLatin1Char('/')) || typed.endsWith(QLatin1Char('\\'))))
        line = WithSeparator(line);
    m_startCommandLine = line;
    QString shown = line;
    if (result == ExpandFile || result == ExpandFolder) {
        ChangeDir(line);
    } else if (result == ExpandWords) {
        const QString word = FirstExistingPathWord(line);
        ChangeDir(word.isEmpty() ? defaultFolder() : word);
    } else {
        ChangeDir(defaultFolder());
        if (result != ExpandMissingWord)
            shown = defaultFolder();
    }
    setComText(shown);
    setWindowTitle(QStringLiteral("Dateimanager - ") + shown);
}

void TDateimanagerForm::setDriveBox(const QString &root)
{
    int index = m_driveBox->findText(root);
    if (index < 0) {
        m_driveBox->addItem(root);
        index = m_driveBox->count() - 1;
    }
    m_driveBox->setCurrentIndex(index);
}

void TDateimanagerForm::updateDriveHint(const QString &folder)
{
    const QStorageInfo storage(folder);
    const qint64 total = storage.isValid() ? storage.bytesTotal() : -1;
    const qint64 free = storage.isValid() ? storage.bytesAvailable() : -1;
    const qint64 used = total >= 0 && free >= 0 ? total - free : -1;
    m_driveBox->setToolTip(FormatThousands(total) + QStringLiteral(" Byte total, ") + FormatThousands(used)
                           + QStringLiteral(" Byte belegt, ") + FormatThousands(free) + QStringLiteral(" Byte frei"));
}

void TDateimanagerForm::ChangeDir(const QString &path)
{
    m_statusBar->showMessage(QStringLiteral("Objekte werden gelesen..."));
    m_statusBar->repaint();

    QString folder;
    QString name;
    SplitPath(path, folder, name);
    if (folder.isEmpty())
        folder = defaultFolder();
    folder = WithSeparator(folder);
    const QString root = Volumes::volumeOf(folder);
    const QString previous = listFolder();
    if (!Volumes::sameVolume(m_driveBox->currentText(), root))
        setDriveBox(root);

    const bool changed = folder != previous;
    if (changed) {
        if (previous.isEmpty() || !Volumes::sameVolume(Volumes::volumeOf(previous), root))
            updateDriveHint(folder);
        m_fileList->model().setDirectory(folder);
        const bool atRoot = WithSeparator(root) == folder;
        m_rootButton->setEnabled(!atRoot);
        m_upButton->setEnabled(!atRoot);
    }

    showReadStatus();
    m_statusBar->repaint();

    // A selection that stays as it was sends no change; its figures are
    // shown all the same.
    if ((!name.isEmpty() || m_fileList->selectedCount() > 0) && !selectByName(name))
        showSelectionStatus();
    if (changed)
        pushHistory(folder);
}

// Selects the item called name alone; false when the selection already was
// just that and is left untouched.
bool TDateimanagerForm::selectByName(const QString &name)
{
    int found = -1;
    for (int row = 0; row < m_fileList->count() && found < 0; ++row) {
        if (FileSystem::namesEqual(m_fileList->model().entry(row).name, name))
            found = row;
    }
    m_fileList->scrollToRow(found);
    const QList<int> wanted = found < 0 ? QList<int>() : QList<int>{found};
    if (m_fileList->selectedRows() == wanted)
        return false;
    if (found < 0)
        m_fileList->selectNone();
    else
        m_fileList->selectOnly(found);
    return true;
}

// The list just read: nothing selected, and a word when the folder could not
// be read (the list stays empty then).
void TDateimanagerForm::showReadStatus()
{
    m_reading = false;
    m_countPanel->setText(QStringLiteral("0 Objekt(e) markiert."));
    m_bytesPanel->setText(m_fileList->model().readFailed() ? QStringLiteral("Kein Zugriff") : QString());
    m_statusBar->clearMessage();
}

void TDateimanagerForm::setComText(const QString &text)
{
    const QSignalBlocker quiet(m_comBox);
    m_comBox->setEditText(text);
}

void TDateimanagerForm::pushHistory(const QString &entry)
{
    QLineEdit *line = m_comBox->lineEdit();
    const QString text = line->text();
    const int cursor = line->cursorPosition();
    const QSignalBlocker quiet(m_comBox);
    m_comBox->insertItem(0, entry);
    while (m_comBox->count() > kHistoryLimit)
        m_comBox->removeItem(m_comBox->count() - 1);
    // The first entry of an empty history becomes the text; put back what
    // was typed, where it was typed.
    if (line->text() != text) {
        line->setText(text);
        line->setCursorPosition(cursor);
    }
}

void TDateimanagerForm::DriveComboBox_OnChange(int index)
{
    const QString root = m_driveBox->itemText(index);
    const QString current = Volumes::volumeOf(listFolder());
    if (!listFolder().isEmpty() && Volumes::sameVolume(current, root))
        return;
    if (DriveReady(root)) {
        ChangeDir(WithSeparator(root));
        setComText(WithSeparator(root));
        return;
    }
    ShowMsgBox(QStringLiteral("Fehler: Kein Zugriff..."),
               QStringLiteral("Laufwerk ") + root + QStringLiteral(" ist nicht bereit."), MsgBox::Warning,
               MsgBox::ExclamationBeep, MsgBox::Ok | MsgBox::Help, 80340);
    setDriveBox(current);
}

void TDateimanagerForm::FilterComboBox_OnChange(int index)
{
    const QString patterns = m_filterBox->itemData(index).toString();
    m_fileList->model().setMask(patterns);
    m_filterBox->setToolTip(patterns);
}

// The line is followed once the key that changed it has been handled, when
// a completion the line offers stands selected behind the cursor.
void TDateimanagerForm::ComBox_OnChange(const QString &text)
{
    if (m_comBox->hasFocus() && text.contains(QLatin1Char('/')))
        m_followLine->start();
}

void TDateimanagerForm::followTypedLine()
{
    const QLineEdit *edit = m_comBox->lineEdit();
    QString text = edit->text();
    // An offered completion is not typed.
    if (edit->hasSelectedText() && edit->selectionEnd() == text.size())
        text.truncate(edit->selectionStart());
    if (!text.contains(QLatin1Char('/')))
        return;
    // What is being typed is never written back: the list follows the line,
    // not the other way round.
    const QScopedValueRollback typing(m_typing, true);
    const QString line = text.trimmed();
    if (FileSystem::fileExists(line) || FileSystem::folderExists(line)) {
        ChangeDir(line);
        return;
    }
    const QString word = FirstExistingPathWord(line);
    if (!word.isEmpty())
        ChangeDir(word);
}

void TDateimanagerForm::Button_RootDir_OnClick()
{
    const QString root = WithSeparator(Volumes::volumeOf(listFolder()));
    ChangeDir(root);
    setComText(root);
}

void TDateimanagerForm::Button_UpperDir_OnClick()
{
    QString folder = listFolder();
    do {
        folder.chop(1);
    } while (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')));
    if (folder.isEmpty())
        return;
    ChangeDir(folder);
    setComText(folder);
}

void TDateimanagerForm::Button_Refresh_OnClick()
{
    m_fileList->model().setDirectory(listFolder());
}
