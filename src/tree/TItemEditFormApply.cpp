// Filling the dialog from the selected entry and storing it back.

#include "tree/TItemEditForm.h"

#include "common/AppContext.h"
#include "common/BusyCursor.h"
#include "common/CommandLinePaths.h"
#include "common/ModalSeam.h"
#include "components/FileListBox.h"
#include "components/FolderListBox.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/Volumes.h"
#include "project/Project.h"
#include "tree/ItemEditFindings.h"
#include "tree/ItemEditHost.h"
#include "tree/TreeEditing.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The file a shortened command line names: a drive-independent path lies on
// drive.
QString fullPathOf(const QString &drive, const QString &shortened)
{
    if (shortened.startsWith(QLatin1Char('\\')))
        return Volumes::joinOnVolume(drive, FileSystem::toFileSystemPath(shortened.mid(1)));
    return FileSystem::toFileSystemPath(shortened);
}

QStringList linesOf(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

} // namespace

int TItemEditForm::edit(ItemEditHost &host)
{
    if (!host.selectedEntry())
        return Rejected;
    m_host = &host;
    m_entry = host.selectedEntry();
    {
        BusyCursor busy;
        load();
    }
    const int result = RunModal(this);
    m_host = nullptr;
    m_entry = nullptr;
    return result;
}

void TItemEditForm::load()
{
    Project &project = m_host->project();
    setWindowTitle(QStringLiteral("Projekteintrag bearbeiten - %1/%2")
                       .arg(project.tree.absoluteIndex(m_entry) + 1)
                       .arg(project.tree.count()));
    m_help->setEnabled(AppContext::hasHelpFile());

    m_title->setText(m_entry->title);
    m_title->setModified(!m_entry->title.isEmpty() && m_entry->title != TreeEditor::defaultTitle);

    rebuildImageItems(project.images.count());
    m_normalImage->setCurrentIndex(m_entry->imageIndex < m_normalImage->count() ? m_entry->imageIndex : -1);
    m_selectedImage->setCurrentIndex(
        m_entry->selectedImageIndex < m_selectedImage->count() ? m_entry->selectedImageIndex : -1);
    m_useImages->setChecked(project.useImages);

    m_comment->setPlainText(m_host->commentFieldLines().join(QLatin1Char('\n')));
    const int action = m_entry->record.action <= ActionMacro ? int(m_entry->record.action) : int(ActionNone);
    m_actions->button(action)->setChecked(true);
    loadCommandLine();

    m_title->setFocus();
    m_comment->document()->setModified(false);
}

// The main window's command field, expanded; the lists follow it as if it
// had been typed. An empty field leaves the line empty.
void TItemEditForm::loadCommandLine()
{
    if (m_folders->folder().isEmpty())
        showFolder(QDir::cleanPath(NewEntryCommandLine()));
    QString line = TextFile::trimmed(m_host->commandFieldText()).toString();
    if (ExpandCommandLine(AppContext::projectDrive(), line) == ExpandEmpty)
        line.clear();
    m_command->setText(line);
    followCommandLine(line);
}

int TItemEditForm::pressedAction() const
{
    return m_actions->checkedId() < 0 ? ActionNone : m_actions->checkedId();
}

void TItemEditForm::Button_Uebernehmen_OnClick()
{
    const QString drive = AppContext::projectDrive();
    QString line = m_command->text();
    const int code = ShortenCommandLine(drive, line);

    ItemEditFindings findings;
    findings.title = TitleFinding(m_title->text());
    findings.image = ImageFinding(m_useImages->isChecked(), m_normalImage->currentIndex(),
                                  m_selectedImage->currentIndex(), m_host->project().images.count());
    findings.command = CommandFinding(code, pressedAction(), fullPathOf(drive, line));
    if (findings.any() && !AskApplyDespiteFindings(findings))
        return;
    store(line);
    accept();
}

void TItemEditForm::store(const QString &commandLine)
{
    m_entry->title = m_title->text();
    const int normal = m_normalImage->currentIndex();
    const int selected = m_selectedImage->currentIndex();
    if (normal != m_entry->imageIndex || selected != m_entry->selectedImageIndex) {
        const auto [storedNormal, storedSelected] = ImagesToStore(normal, selected, m_entry->hasChildren());
        m_entry->imageIndex = storedNormal;
        m_entry->selectedImageIndex = storedSelected;
    }
    m_host->entryDisplayChanged(m_entry);
    if (m_useImages->isChecked() != m_host->project().useImages)
        m_host->setImagesShown(m_useImages->isChecked());

    const bool commentReplaced = m_comment->document()->isModified();
    if (commentReplaced)
        m_entry->record.comment = linesOf(m_comment->toPlainText());
    m_entry->record.action = static_cast<quint8>(pressedAction());
    m_entry->record.command = commandLine;
    m_host->markModified();
    m_host->showStoredEntry(commentReplaced);
}
