// The command line, the folder and file lists and the title follow one
// another. Each reacts to the user only, so that the program's own changes
// do not echo back.

#include "tree/TItemEditForm.h"

#include "common/AppContext.h"
#include "common/CommandLinePaths.h"
#include "components/FileListBox.h"
#include "components/FolderListBox.h"
#include "platform/FileSystem.h"
#include "project/ProjectEntry.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace {

enum class WordKind { Nothing, Folder, File };

// What a word of the command line names, and its full path.
WordKind classify(const QString &word, QString &path)
{
    if (word.startsWith(QLatin1Char('\\'))) {
        const QString drive = AppContext::projectDrive();
        path = word;
        if (ResolveDirectoryPath(drive, path))
            return WordKind::Folder;
        path = word;
        return ResolveFilePath(drive, path) ? WordKind::File : WordKind::Nothing;
    }
    path = FileSystem::fullPath(FileSystem::toFileSystemPath(word));
    if (FileSystem::folderExists(path))
        return WordKind::Folder;
    return FileSystem::fileExists(path) ? WordKind::File : WordKind::Nothing;
}

} // namespace

void TItemEditForm::connectSynchronisation()
{
    connect(m_command, &QLineEdit::textEdited, this, &TItemEditForm::followCommandLine);
    connect(m_folders, &FolderListBox::folderChosen, this, &TItemEditForm::BefehlDirectoryListBox_OnChange);
    connect(m_files, &QListWidget::itemSelectionChanged, this, &TItemEditForm::BefehlFileListBox_OnChange);
    connect(m_files, &QListWidget::itemClicked, this, &TItemEditForm::BefehlFileListBox_OnClick);
    connect(m_title, &QLineEdit::textEdited, this, &TItemEditForm::TitelEdit_OnChange);
}

// The title counts as the user's while its modified mark is set.
bool TItemEditForm::titleGivenByUser() const
{
    return m_title->isModified();
}

void TItemEditForm::showFolder(const QString &folder)
{
    m_folders->setFolder(folder);
    m_files->setFolder(m_folders->folder());
}

// The first word that names a folder not shown yet, or a file, moves the
// lists there.
void TItemEditForm::followCommandLine(const QString &text)
{
    m_synchronising = true;
    for (const QString &word : SplitCommandWords(text)) {
        QString path;
        const WordKind kind = classify(word, path);
        if (kind == WordKind::Folder && QDir::cleanPath(path) != m_folders->folder()) {
            showFolder(path);
            m_files->clearSelection();
            break;
        }
        if (kind == WordKind::File) {
            const QString folder = QFileInfo(path).absolutePath();
            if (folder != m_folders->folder())
                showFolder(folder);
            m_files->selectFile(QFileInfo(path).absoluteFilePath());
            break;
        }
    }
    m_synchronising = false;
}

void TItemEditForm::BefehlDirectoryListBox_OnChange(const QString &folder)
{
    m_synchronising = true;
    m_files->setFolder(folder);
    m_synchronising = false;
    m_command->setText(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
    if (!titleGivenByUser()) {
        const QString name = QDir(folder).dirName();
        m_title->setText(name.isEmpty() ? folder : name);
    }
}

void TItemEditForm::BefehlFileListBox_OnChange()
{
    const QString file = m_files->selectedFile();
    if (!m_synchronising && !file.isEmpty())
        m_command->setText(file);
}

void TItemEditForm::BefehlFileListBox_OnClick()
{
    const QString file = m_files->selectedFile();
    if (!file.isEmpty() && !titleGivenByUser() && m_actions->checkedId() == ActionNone)
        m_title->setText(QFileInfo(file).fileName());
}

void TItemEditForm::TitelEdit_OnChange(const QString &text)
{
    if (text.isEmpty())
        m_title->setModified(false);
}
