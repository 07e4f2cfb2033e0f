#include "archive/zip/TUnzipForm.h"

#include "common/AppContext.h"
#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/FileChooser.h"
#include "common/FileUtils.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "common/OperationObserver.h"
#include "components/SortGrid.h"
#include "platform/FileSystem.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kDllErrorContext = 50990;

void showError(const QString &caption, const QString &text, int helpContext = 0)
{
    ShowMsgBox(caption, text, MsgBox::Error, MsgBox::ErrorBeep, helpContext ? (MsgBox::Ok | MsgBox::Help) : MsgBox::Ok,
               helpContext);
}

} // namespace

TUnzipForm::TUnzipForm(QWidget *owner, const QString &archiveName)
    : QDialog(owner)
    , m_pump(new EventPump([this] {
        showProgress();
        RunPendingEvents();
    }))
    , m_log(this)
{
    BusyCursor busy;
    setWindowTitle(QStringLiteral("Unzip"));
    m_zipFile = named(new QLabel(archiveName), "Label_ZipFile");
    m_top1 = named(new QLabel, "Label_Top1");
    m_top2 = named(new QLabel, "Label_Top2");
    m_grid = named(new SortGrid, "SortGrid");
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_all = named(new QRadioButton(QStringLiteral("Alle Objekte")), "RadioButton_AlleObjekte");
    m_marked = named(new QRadioButton(QStringLiteral("Markierte Objekte")), "RadioButton_MarkierteObjekte");
    m_all->setChecked(true);
    m_subdirs = named(new QCheckBox(QStringLiteral("Unterverzeichnisse einschließen")), "CheckBox_InclusivSubdirs");
    m_subdirs->setChecked(true);
    m_overwrite = named(new QCheckBox(QStringLiteral("Existierende Dateien überschreiben")), "CheckBox_OverrideExists");
    m_targetDir = named(new QLineEdit, "Edit_ZielDir");
    auto chooseDir = named(new QPushButton(QStringLiteral("...")), "Button_ZielDir");
    chooseDir->setToolTip(QStringLiteral("Zielverzeichnis wählen"));
    m_extract = named(new QPushButton(QStringLiteral("&Entpacken")), "Button_Entpacken");
    m_test = named(new QPushButton(QStringLiteral("&Testen")), "Button_Testen");
    m_extract->setEnabled(false);
    m_test->setEnabled(false);
    auto close = named(new QPushButton(QStringLiteral("Abbrechen")), "Button_Abbrechen");
    auto help = named(new QPushButton(QStringLiteral("&Hilfe")), "Button_Hilfe");
    help->setEnabled(AppContext::hasHelpFile());

    m_listing = new QWidget;
    auto listing = new QGridLayout(m_listing);
    listing->setContentsMargins(0, 0, 0, 0);
    listing->addWidget(m_grid, 0, 0, 1, 4);
    listing->addWidget(m_all, 1, 0);
    listing->addWidget(m_marked, 1, 1);
    listing->addWidget(m_subdirs, 2, 0);
    listing->addWidget(m_overwrite, 2, 1);
    listing->addWidget(new QLabel(QStringLiteral("Zielverzeichnis:")), 3, 0);
    listing->addWidget(m_targetDir, 3, 1, 1, 2);
    listing->addWidget(chooseDir, 3, 3);

    m_panelDone = named(new QWidget, "Panel_Done");
    m_fileName = named(new QLabel, "Label_Filename");
    m_progress = named(new QProgressBar, "ProgressBar");
    m_cancelOperation = named(new QPushButton(QStringLiteral("&Abbrechen")), "Button_CancelOperation");
    m_cancelOperation->setToolTip(QStringLiteral("Augenblicklich abbrechen"));
    m_panelOk = named(new QWidget, "Panel_Ok");
    m_result = named(new QLabel, "Label_Ergebnis");
    auto ok = named(new QPushButton(QStringLiteral("&OK")), "Button_Ok");
    auto okRow = new QHBoxLayout(m_panelOk);
    okRow->addWidget(m_result, 1);
    okRow->addWidget(ok);
    auto done = new QVBoxLayout(m_panelDone);
    done->setContentsMargins(0, 0, 0, 0);
    done->addWidget(m_log.view(), 1);
    done->addWidget(m_fileName);
    auto barRow = new QHBoxLayout;
    barRow->addWidget(m_progress, 1);
    barRow->addWidget(m_cancelOperation);
    done->addLayout(barRow);
    done->addWidget(m_panelOk);
    m_panelDone->hide();
    m_panelOk->hide();

    m_status = named(new QStatusBar, "StatusBar");
    m_status->setSizeGripEnabled(false);
    m_panel0 = named(new QLabel, "StatusPanel0");
    m_panel1 = named(new QLabel, "StatusPanel1");
    m_status->addWidget(m_panel0, 1);
    m_status->addWidget(m_panel1, 1);

    auto buttons = new QHBoxLayout;
    buttons->addWidget(m_extract);
    buttons->addWidget(m_test);
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto top = new QVBoxLayout(this);
    top->addWidget(m_zipFile);
    auto topRow = new QHBoxLayout;
    topRow->addWidget(m_top1);
    topRow->addStretch(1);
    topRow->addWidget(m_top2);
    top->addLayout(topRow);
    top->addWidget(m_listing, 1);
    top->addWidget(m_panelDone, 1);
    top->addLayout(buttons);
    top->addWidget(m_status);
    resize(620, 460);

    m_zip.Verbose = true;
    m_zip.OwnerWindow = this;
    m_zip.OnProgress = [this](int type, const QString &name, qint32 size) { ZipMaster_OnProgress(type, name, size); };
    m_zip.OnMessage = [this](int code, const QString &message) { ZipMaster_OnMessage(code, message); };
    m_zip.OnPassword = [this](const QString &name) { return ZipMaster_OnPassword(name); };

    connect(m_all, &QRadioButton::toggled, this, &TUnzipForm::whichEntries_OnChange);
    connect(m_grid, &SortGrid::itemSelectionChanged, this, &TUnzipForm::updateSelectionStatus);
    connect(chooseDir, &QPushButton::clicked, this, &TUnzipForm::Button_ZielDir_OnClick);
    connect(m_extract, &QPushButton::clicked, this, &TUnzipForm::Button_Entpacken_OnClick);
    connect(m_test, &QPushButton::clicked, this, &TUnzipForm::Button_Testen_OnClick);
    connect(ok, &QPushButton::clicked, this, &TUnzipForm::Button_Ok_OnClick);
    connect(m_cancelOperation, &QPushButton::clicked, this, &TUnzipForm::Button_CancelOperation_OnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(HelpContext); });

    m_targetDir->setText(QDir::tempPath().left(255));
    m_zip.setDLLDirectory(AppContext::programDirectory());
    m_zip.Load();
}

TUnzipForm::~TUnzipForm()
{
    TZipMaster::Unload();
    delete m_pump;
}

void TUnzipForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated)
        QTimer::singleShot(0, this, &TUnzipForm::FormActivate);
}

void TUnzipForm::closeEvent(QCloseEvent *event)
{
    if (m_working) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TUnzipForm::done(int result)
{
    if (m_working)
        return;
    TZipMaster::Unload();
    QDialog::done(result);
}

void TUnzipForm::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    const QString name = m_zipFile->text();
    if (name.isEmpty() || !FileSystem::exists(name)) {
        showError(QStringLiteral("Fehler: Datei nicht gefunden..."),
                  QStringLiteral("Die angegebene Datei \"") + name
                      + QStringLiteral("\" konnte\rnicht gefunden werden."),
                  80450);
        return;
    }
    BusyCursor busy;
    m_status->showMessage(QStringLiteral("Archiv wird eingelesen..."));
    try {
        m_zip.setZipFilename(name);
        m_top1->setText(FormatThousands(FileSizeOf(name)) + QStringLiteral(" Bytes"));
        m_top2->setText(FileDateText(name));
        repaint();
    } catch (const ZipDirectoryError &) {
        showError(QStringLiteral("Fehler: Keine gültige Zip-Archivdatei..."),
                  QStringLiteral("Die Datei \"") + name
                      + QStringLiteral("\" ist\rkeine gültige Zip-Archivdatei oder fehlerhaft."),
                  80460);
        m_status->showMessage(QStringLiteral("Inkorrekt eingelesen..."));
        return;
    }
    fillGrid();
    m_status->clearMessage();
    m_panel0->setText(QString::number(m_zip.Count()) + QStringLiteral(" Objekt(e)."));
    m_extract->setEnabled(true);
    m_test->setEnabled(true);
    updateSelectionStatus();
}

void TUnzipForm::fillGrid()
{
    SetListingHeaders(m_grid);
    m_grid->setSortingEnabled(false);
    m_grid->setUpdatesEnabled(false);
    for (const ZipDirEntry &entry : m_zip.DirEntries())
        AppendListingRow(m_grid, entry.fileName, entry.uncompressedSize, entry.compressedSize, entry.dosDateTime);
    m_grid->setUpdatesEnabled(true);
}

void TUnzipForm::updateSelectionStatus()
{
    if (!m_status->currentMessage().isEmpty() || !m_extract->isEnabled())
        return;
    const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
    m_panel1->setText(QString::number(rows.size()) + QStringLiteral(" Objekt(e) markiert."));
}

void TUnzipForm::whichEntries_OnChange()
{
    m_subdirs->setEnabled(m_all->isChecked());
}

QStringList TUnzipForm::chosenEntries() const
{
    if (m_all->isChecked())
        return m_zip.Count() > 0 ? QStringList{QStringLiteral("*.*")} : QStringList{};
    QList<int> rows;
    for (const QModelIndex &index : m_grid->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QStringList names;
    for (int row : rows)
        names.append(m_grid->cellText(row, 0));
    return names;
}

void TUnzipForm::Button_ZielDir_OnClick()
{
    const QString current = m_targetDir->text();
    const QString start = QFileInfo(current).isDir() ? current : AppContext::programDirectory();
    const QString chosen = FileChooser::folder(this, QStringLiteral("Zielverzeichnis wählen"), start);
    if (!chosen.isEmpty())
        m_targetDir->setText(chosen);
}

void TUnzipForm::Button_Entpacken_OnClick()
{
    run(false);
}

void TUnzipForm::Button_Testen_OnClick()
{
    run(true);
}

void TUnzipForm::run(bool test)
{
    if (m_zip.Count() < 1) {
        showError(QStringLiteral("Archiv ist leer !"),
                  test ? QStringLiteral("Es sind keine Objekte vorhanden die getestet werden könnten.")
                       : QStringLiteral("Es sind keine Objekte vorhanden die entpackt werden könnten."));
        return;
    }
    const QString target = m_targetDir->text();
    if (!test && !QFileInfo(target).isDir()) {
        if (target.isEmpty()) {
            showError(QStringLiteral("Fehler: Kein Zielverzeichnis angegeben..."),
                      QStringLiteral("Zum dekomprimieren des Archivinhaltes müssen Sie ein Zielverzeichnis\r"
                                     "bestimmen in das die Objekte entpackt werden können. "));
            return;
        }
        if (!QDir().mkpath(target) || !QFileInfo(target).isDir()) {
            showError(QStringLiteral("Fehler: Kann Zielverzeichnis nicht erstellen..."),
                      QStringLiteral("Das angegebene Zielverzeichnis konnte nicht erstellt werden.\r"
                                     "Das entpacken des Archivbinhaltes ist somit nicht möglich."));
            return;
        }
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_log.clear();
    m_fileName->clear();
    m_progress->setValue(0);
    m_listing->hide();
    m_panelOk->hide();
    m_panelDone->show();
    m_cancelOperation->setEnabled(true);
    // No second run from the listing's buttons until this one is dismissed.
    m_extract->setEnabled(false);
    m_test->setEnabled(false);
    setWindowTitle(test ? QStringLiteral("Archiv wird getestet. Bitte warten...")
                        : QStringLiteral("Archiv wird entpackt. Bitte warten..."));
    m_zip.ExtrBaseDir = test ? QString() : target;
    m_zip.ExtrOptions = test ? (TZipMaster::ExtrDirNames | TZipMaster::ExtrTest)
                             : ((m_subdirs->isChecked() ? TZipMaster::ExtrDirNames : 0)
                                | (m_overwrite->isChecked() ? TZipMaster::ExtrOverWrite : 0));
    m_zip.FSpecArgs = chosenEntries();
    if (m_zip.FSpecArgs.isEmpty()) {
        showError(
            QStringLiteral("Keine Objekte gefunden..."),
            test ? QStringLiteral(
                "Entweder sind keine Objekte vorhanden die getestet\rwerden könnten oder es wurden keine markiert.")
                 : QStringLiteral("Entweder sind keine Objekte vorhanden die entpackt\rwerden könnten oder es wurden "
                                  "keine markiert."));
        endWork();
        return;
    }
    m_working = true;
    m_zip.RunLibrary();
    m_working = false;
    m_log.flush();
    if (m_zip.Cancel || m_zip.targetFailed()) {
        endWork();
        return;
    }
    // Compared with the number of entries, marked or not.
    m_result->setText(test ? TestResultText(m_zip.Count(), m_zip.SuccessCount())
                           : ExtractResultText(m_zip.Count(), m_zip.SuccessCount()));
    m_cancelOperation->setEnabled(false);
    m_panelOk->show();
    setWindowTitle(test ? QStringLiteral("Test abgeschlossen.") : QStringLiteral("Entpacken abgeschlossen."));
    QGuiApplication::restoreOverrideCursor();
}

void TUnzipForm::endWork()
{
    showListing();
    QGuiApplication::restoreOverrideCursor();
}

void TUnzipForm::showListing()
{
    m_panelDone->hide();
    m_panelOk->hide();
    m_listing->show();
    m_extract->setEnabled(true);
    m_test->setEnabled(true);
    setWindowTitle(QStringLiteral("Unzip"));
}

void TUnzipForm::Button_CancelOperation_OnClick()
{
    m_zip.Cancel = true;
}

void TUnzipForm::Button_Ok_OnClick()
{
    showListing();
}

// The name and the bar show where the work is when events run: set for
// every entry they would be painted ten thousand times for ten thousand
// small files.
void TUnzipForm::showProgress()
{
    m_fileName->setText(m_currentFile);
    m_progress->setRange(m_bar.minimum, m_bar.maximum);
    m_progress->setValue(m_bar.position);
}

void TUnzipForm::ZipMaster_OnProgress(int type, const QString &fileName, qint32 fileSize)
{
    if (type == TZipMaster::FileBegins) {
        m_currentFile = fileName;
        m_bar.fileBegins(fileSize);
    } else if (type == TZipMaster::Step) {
        m_bar.step();
    } else {
        m_currentFile.clear();
        m_bar.batchEnds();
        showProgress();
    }
    m_pump->poll();
}

void TUnzipForm::ZipMaster_OnMessage(int errorCode, const QString &message)
{
    m_log.prepend(message);
    if (errorCode > 0) {
        m_log.flush();
        ShowMsgBox(QStringLiteral("DLL-Fehler:"), message, MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help,
                   kDllErrorContext);
    }
}

// A password that works is kept for the dialog's next run; refusing the
// prompt stops the run.
QString TUnzipForm::ZipMaster_OnPassword(const QString &fileName)
{
    QString password;
    if (!AskEntryPassword(this, fileName, password)) {
        m_zip.Cancel = true;
        return {};
    }
    m_zip.setPassword(password);
    return m_zip.password();
}

void ShowUnzipDialog(QWidget *owner, const QString &archiveName)
{
    TUnzipForm form(owner, archiveName);
    RunModal(&form);
}
