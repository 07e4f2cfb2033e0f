#include "filemanager/ops/TCopyMoveForm.h"

#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "components/FolderListBox.h"
#include "components/Gauge.h"
#include "filemanager/ops/CopyEngine.h"
#include "filemanager/ops/FolderEntries.h"
#include "filemanager/ops/TCopyMoveParts.h"
#include "filemanager/ops/TMsgOverrideFileForm.h"
#include "platform/FileOperations.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"
#include "platform/Volumes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString withSlash(QString path)
{
    path = path.trimmed();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

TCopyMoveForm::TCopyMoveForm(const QString &folder, const QStringList &names, bool copyMode, QWidget *parent)
    : QDialog(parent)
    , m_folder(withSlash(folder))
    , m_names(names)
    , m_copyMode(copyMode)
{
    setObjectName(QStringLiteral("TCopyMoveForm"));
    setWindowTitle(copyMode ? QStringLiteral("Kopieren") : QStringLiteral("Verschieben"));
    setToolTip(copyMode ? QStringLiteral("Markierte Objekte kopieren")
                        : QStringLiteral("Markierte Objekte verschieben"));

    CopyMoveParts parts = BuildCopyMoveParts(this, copyMode, helpContext());
    m_target = parts.target;
    m_tree = parts.tree;
    m_drives = parts.drives;
    m_driveLabel = parts.driveLabel;
    m_askOverride = parts.askOverride;
    m_carryAttributes = parts.carryAttributes;
    m_start = parts.start;
    m_step2 = parts.step2;
    m_step3 = parts.step3;
    m_sourceFile = parts.sourceFile;
    m_targetFile = parts.targetFile;
    m_gauge = parts.gauge;
    parts.count->setText(FormatThousands(names.size()) + QStringLiteral(" Objekt(e) markiert."));
    parts.sourceFolder->setText(NativeNames::forDisplay(m_folder));

    connect(m_target, &QLineEdit::textChanged, this, &TCopyMoveForm::Edit_ZielDir_OnChange);
    connect(m_tree, &FolderListBox::folderChosen, this, &TCopyMoveForm::DirectoryListBox_OnChange);
    connect(m_drives, &QComboBox::activated, this, &TCopyMoveForm::DriveComboBox_OnChange);
    connect(m_start, &QPushButton::clicked, this, &TCopyMoveForm::Button_Starten_OnClick);
    connect(parts.abort, &QPushButton::clicked, this, [this] {
        if (m_engine)
            m_engine->requestAbort();
    });

    m_target->setText(withSlash(QDir::tempPath()).left(255));
    m_target->selectAll();
    m_target->setFocus();
    Edit_ZielDir_OnChange();
    refreshDriveLabel();
}

TCopyMoveForm::~TCopyMoveForm() = default;

void TCopyMoveForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_start->setEnabled(!m_names.isEmpty());
}

void TCopyMoveForm::reject()
{
    if (m_engine)
        m_engine->requestAbort();
    else
        QDialog::reject();
}

QString TCopyMoveForm::treeDrive() const
{
    return Volumes::volumeOf(m_tree->folder());
}

void TCopyMoveForm::setDrive(const QString &root)
{
    const int index = m_drives->findText(root);
    if (index >= 0) {
        m_drives->setCurrentIndex(index);
    } else {
        m_drives->addItem(root);
        m_drives->setCurrentIndex(m_drives->count() - 1);
    }
}

void TCopyMoveForm::refreshDriveLabel()
{
    m_driveLabel->setText(FormatThousands(FileOperations::freeBytes(m_drives->currentText()))
                          + QStringLiteral(" Bytes frei."));
}

void TCopyMoveForm::Edit_ZielDir_OnChange()
{
    const QString text = m_target->text().trimmed();
    if (!FileSystem::folderExists(text))
        return;
    const QString target = withSlash(text);
    if (withSlash(m_tree->folder()) != target)
        m_tree->setFolder(target);
    const QString drive = Volumes::volumeOf(target);
    if (!Volumes::sameVolume(drive, m_drives->currentText())) {
        setDrive(drive);
        refreshDriveLabel();
    }
}

void TCopyMoveForm::DirectoryListBox_OnChange(const QString &folder)
{
    if (withSlash(folder) != withSlash(m_target->text()))
        m_target->setText(withSlash(folder));
}

void TCopyMoveForm::DriveComboBox_OnChange(int index)
{
    const QString drive = m_drives->itemText(index);
    if (Volumes::sameVolume(drive, treeDrive()))
        return;
    if (DriveReady(drive)) {
        m_target->setText(withSlash(drive));
        refreshDriveLabel();
        return;
    }
    ShowMsgBox(QStringLiteral("Fehler: Kein Zugriff..."),
               QStringLiteral("Laufwerk ") + drive + QStringLiteral(" ist nicht bereit."), MsgBox::Warning,
               MsgBox::ExclamationBeep, MsgBox::Ok | MsgBox::Help, 80340);
    setDrive(treeDrive());
}

OverwriteAnswer TCopyMoveForm::askOverwrite(const FileFacts &existing, const FileFacts &source)
{
    showProgress();
    const OverwriteAnswer answer = TMsgOverrideFileForm::ask(existing, source, this);
    if (answer == OverwriteAnswer::OverwriteAll)
        m_askOverride->setChecked(false);
    return answer;
}

bool TCopyMoveForm::prepareTarget(const QString &target)
{
    const QString refusal = CopyRefusal(m_folder, m_names, target, !m_copyMode);
    if (!refusal.isEmpty()) {
        ShowCopyRefusal(refusal);
        return false;
    }
    if (FileOperations::makeFolders(target))
        return true;
    const QChar cr = QLatin1Char('\r');
    ShowMsgBox(QStringLiteral("Fehler: Verzeichnis konnte nicht erstellt werden..."),
               QStringLiteral("Das angegebene Zielverzeichnis") + cr + QStringLiteral("\"")
                   + NativeNames::forDisplay(target) + QStringLiteral("\"") + cr
                   + QStringLiteral("konnte nicht erstellt werden.") + cr
                   + (m_copyMode ? QStringLiteral("Objekte können folglich nicht kopiert werden.")
                                 : QStringLiteral("Objekte können folglich nicht verschoben werden.")),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80370);
    return false;
}

bool TCopyMoveForm::enoughSpace(const QString &target, qint64 bytesNeeded)
{
    if (FileOperations::freeBytes(target) > bytesNeeded)
        return true;
    const QChar cr = QLatin1Char('\r');
    const int answer = ShowMsgBox(QStringLiteral("Fehler: Nicht genügend freier Speicherplatz..."),
                                  QStringLiteral("Auf dem Ziellaufwerk steht nicht mehr genügend freier") + cr
                                      + QStringLiteral("Speicherplatz zur Verfügung.") + cr
                                      + (m_copyMode ? QStringLiteral("Kopiervorhaben abbrechen ?")
                                                    : QStringLiteral("Verschiebevorhaben abbrechen ?")),
                                  MsgBox::Warning, MsgBox::ExclamationBeep, MsgBox::Yes | MsgBox::No | MsgBox::Help,
                                  80400, MsgBox::ResultYes);
    return answer == MsgBox::ResultNo;
}

void TCopyMoveForm::showProgress()
{
    if (m_labelsStale) {
        m_labelsStale = false;
        m_sourceFile->setText(NativeNames::forDisplay(m_currentSource));
        m_targetFile->setText(NativeNames::forDisplay(m_currentTarget));
    }
    m_gauge->setValue(m_shownPercent);
}

void TCopyMoveForm::Button_Starten_OnClick()
{
    const QString target = withSlash(m_target->text());
    m_target->setText(target);
    if (!prepareTarget(target))
        return;
    m_step2->show();
    m_step2->repaint();
    qint64 bytesNeeded = 0;
    {
        BusyCursor busy;
        bytesNeeded = SelectionSize(m_folder, m_names);
    }
    if (!enoughSpace(target, bytesNeeded)) {
        m_step2->hide();
        return;
    }
    m_sourceFile->clear();
    m_targetFile->clear();
    m_gauge->setValue(0);
    m_step2->hide();
    m_step3->show();
    m_start->setEnabled(false);

    // The labels and the gauge follow the run each time events run (at
    // most every 20 ms), not with every file.
    OperationObserver observer;
    observer.progress = [this](int percent) { m_shownPercent = percent; };
    observer.runPendingEvents = [this] {
        showProgress();
        RunPendingEvents();
    };
    CopyEngine engine({!m_copyMode, m_askOverride->isChecked(), m_carryAttributes->isChecked()}, *this, observer);
    engine.onFile = [this](const QString &source, const QString &targetFile) {
        m_currentSource = source;
        m_currentTarget = targetFile;
        m_labelsStale = true;
    };
    m_engine = &engine;
    m_listChanged = !m_copyMode;
    const bool done = engine.run(m_folder, m_names, target, bytesNeeded);
    m_engine = nullptr;
    if (done)
        accept();
    else
        QDialog::reject();
}
