#include "archive/rar/TUnrarForm.h"

#include "archive/ArchiveDialogParts.h"
#include "common/AppContext.h"
#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/FileChooser.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "components/SortGrid.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <climits>

namespace {

const QString FormCaption = QStringLiteral("Unrar");
constexpr int HelpContext = 50900;

// The program's folder, unless it cannot take files (an installed program):
// then the home folder.
QString defaultTargetFolder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return QFileInfo(programFolder).isWritable() ? programFolder : QDir::homePath();
}

} // namespace

TUnrarForm::TUnrarForm(QWidget *parent)
    : QDialog(parent)
    , m_pump([this] {
        showProgress();
        RunPendingEvents();
    })
    , m_log(this)
{
    setObjectName(QStringLiteral("TUnrarForm"));
    setWindowTitle(FormCaption);
    buildControls();
    installEvents();
    Edit_ZielDir->setText(defaultTargetFolder());
    Button_Hilfe->setEnabled(AppContext::hasHelpFile());
}

void TUnrarForm::buildControls()
{
    setStyleSheet(QStringLiteral("TUnrarForm { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                 "stop:0 #1c3f94, stop:1 #d8e0f0); }"));
    auto *layout = new QVBoxLayout(this);
    Label_RarFile = named(new QLabel(this), "Label_RarFile");
    layout->addWidget(Label_RarFile);

    m_listing = new QWidget(this);
    auto *listing = new QVBoxLayout(m_listing);
    listing->setContentsMargins(0, 0, 0, 0);
    SlidePanel = named(new QFrame(m_listing), "SlidePanel");
    auto *slide = new QVBoxLayout(SlidePanel);
    Kommentar = named(new QTextEdit(SlidePanel), "Kommentar");
    Kommentar->setReadOnly(true);
    slide->addWidget(Kommentar);
    SlidePanel->hide();
    listing->addWidget(SlidePanel);
    Grid = named(new SortGrid(m_listing), "SortGrid");
    listing->addWidget(Grid, 1);

    auto *target = new QHBoxLayout;
    target->addWidget(new QLabel(QStringLiteral("Zielverzeichnis:"), m_listing));
    Edit_ZielDir = named(new QLineEdit(m_listing), "Edit_ZielDir");
    target->addWidget(Edit_ZielDir, 1);
    Button_ZielDir = named(new QPushButton(QStringLiteral("..."), m_listing), "Button_ZielDir");
    Button_ZielDir->setToolTip(QStringLiteral("Zielverzeichnis wählen"));
    target->addWidget(Button_ZielDir);
    listing->addLayout(target);

    auto *buttons = new QHBoxLayout;
    Button_Entpacken = named(new QPushButton(QStringLiteral("&Entpacken"), m_listing), "Button_Entpacken");
    Button_Testen = named(new QPushButton(QStringLiteral("&Testen"), m_listing), "Button_Testen");
    Button_Abbrechen = named(new QPushButton(QStringLiteral("Abbrechen"), m_listing), "Button_Abbrechen");
    Button_Hilfe = named(new QPushButton(QStringLiteral("&Hilfe"), m_listing), "Button_Hilfe");
    Button_Entpacken->setEnabled(false);
    Button_Testen->setEnabled(false);
    buttons->addStretch();
    for (QPushButton *button : {Button_Entpacken, Button_Testen, Button_Abbrechen, Button_Hilfe})
        buttons->addWidget(button);
    listing->addLayout(buttons);
    layout->addWidget(m_listing, 1);

    Panel_Step2 = named(new QFrame(this), "Panel_Step2");
    auto *step2 = new QVBoxLayout(Panel_Step2);
    step2->addWidget(m_log.view(), 1);
    ProgressBar = named(new QProgressBar(Panel_Step2), "ProgressBar");
    step2->addWidget(ProgressBar);
    Button_CancelOperation =
        named(new QPushButton(QStringLiteral("&Abbrechen"), Panel_Step2), "Button_CancelOperation");
    Button_CancelOperation->setToolTip(QStringLiteral("Augenblicklich abbrechen"));
    step2->addWidget(Button_CancelOperation, 0, Qt::AlignRight);
    Panel_Step3 = named(new QFrame(Panel_Step2), "Panel_Step3");
    auto *step3 = new QHBoxLayout(Panel_Step3);
    Label_Ergebnis = named(new QLabel(Panel_Step3), "Label_Ergebnis");
    step3->addWidget(Label_Ergebnis, 1);
    Button_Ready = named(new QPushButton(QStringLiteral("&OK"), Panel_Step3), "Button_Ready");
    step3->addWidget(Button_Ready);
    step2->addWidget(Panel_Step3);
    Panel_Step3->hide();
    Panel_Step2->hide();
    layout->addWidget(Panel_Step2, 1);
    resize(620, 420);

    connect(Button_ZielDir, &QPushButton::clicked, this, &TUnrarForm::Button_ZielDirClick);
    connect(Button_Entpacken, &QPushButton::clicked, this, &TUnrarForm::Button_EntpackenClick);
    connect(Button_Testen, &QPushButton::clicked, this, &TUnrarForm::Button_TestenClick);
    connect(Button_Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button_Hilfe, &QPushButton::clicked, this, [] { ShowHelp(HelpContext); });
    connect(Button_CancelOperation, &QPushButton::clicked, this, &TUnrarForm::Button_CancelOperationClick);
    connect(Button_Ready, &QPushButton::clicked, this, &TUnrarForm::Button_ReadyClick);
}

void TUnrarForm::installEvents()
{
    m_rar.OnListFile = [this](TRAR *, const RarEntry &entry) { addListRow(entry); };
    m_rar.OnComment = [this](TRAR *, const QString &comment) {
        SlidePanel->show();
        Kommentar->setPlainText(comment.left(65535));
    };
    m_rar.OnError = [this](TRAR *, int error) {
        m_log.prepend(TRAR::ErrorText(error));
        m_log.flush();
        ShowMsgBox(QStringLiteral("Fehler"), TRAR::ErrorText(error), MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 0);
    };
    m_rar.OnExtracting = [this](TRAR *, const RarEntry &entry) { startEntry(entry); };
    m_rar.OnTesting = m_rar.OnExtracting;
    m_rar.OnExtract = [this](TRAR *, const RarEntry &, bool ok) { endEntry(ok); };
    m_rar.OnTested = m_rar.OnExtract;
    m_rar.OnRefused = [this](TRAR *, const RarEntry &, const QString &reason) { m_refusal = reason; };
    m_rar.OnProcessData = [this](TRAR *, const unsigned char *, int, qint64 position) {
        setBarPosition(position);
        m_pump.poll();
        return 1;
    };
    m_rar.OnVolumeChange = [](TRAR *, const QString &arcName, int mode) {
        if (mode != RAR_VOL_ASK)
            return 1;
        const int answer = ShowMsgBox(QStringLiteral("Rar-Volumen benötigt..."),
                                      QStringLiteral("Diskette mit Rar-Volumen \"") + arcName
                                          + QStringLiteral("\" einlegen und OK drücken."),
                                      MsgBox::Information, MsgBox::InformationBeep, MsgBox::Ok | MsgBox::Cancel, 0);
        return answer == MsgBox::ResultOk ? 1 : 0;
    };
}

void TUnrarForm::setArchiveName(const QString &archiveName)
{
    Label_RarFile->setText(archiveName);
}

void TUnrarForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated)
        QTimer::singleShot(0, this, &TUnrarForm::FormActivate);
}

void TUnrarForm::FormActivate()
{
    // Once: a second listing could start while a walk lets events run.
    if (m_activated)
        return;
    m_activated = true;
    const QString archive = Label_RarFile->text();
    // Anything but a file (a pipe, a folder) gets the layer's open error.
    if (archive.isEmpty() || !FileSystem::exists(archive)) {
        Label_RarFile->setStyleSheet(QStringLiteral("color: red;"));
        Label_RarFile->setText(QStringLiteral("Fehler: Datei nicht gefunden..."));
        return;
    }
    m_rar.ArchiveName = archive;
    repaint();
    {
        BusyCursor busy;
        Grid->setUpdatesEnabled(false);
        m_rar.List();
        Grid->setUpdatesEnabled(true);
    }
    Button_Entpacken->setEnabled(true);
    Button_Testen->setEnabled(true);
}

void TUnrarForm::addListRow(const RarEntry &entry)
{
    if (Grid->rowCount() == 0)
        SetListingHeaders(Grid);
    AppendListingRow(Grid, entry.fileName, entry.unpSize, entry.packSize, entry.header.FileTime);
    m_pump.poll();
}

void TUnrarForm::Button_ZielDirClick()
{
    const QString current = Edit_ZielDir->text();
    const QString start = QFileInfo(current).isDir() ? current : QCoreApplication::applicationDirPath();
    const QString chosen = FileChooser::folder(this, QStringLiteral("Zielverzeichnis wählen"), start);
    if (!chosen.isEmpty())
        Edit_ZielDir->setText(chosen);
}

bool TUnrarForm::ensureTargetFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    const QString quoted = QStringLiteral("\r\"") + folder + QStringLiteral("\"\r");
    if (ShowMsgBox(QStringLiteral("Zielverzeichnis erstellen ?"),
                   QStringLiteral("Das angegebene Zielverzeichnis") + quoted
                       + QStringLiteral("existiert nicht.\rSoll es erstellt werden ?"),
                   MsgBox::Question, MsgBox::QuestionBeep, MsgBox::Yes | MsgBox::Cancel, 0)
        != MsgBox::ResultYes)
        return false;
    if (QDir().mkpath(folder) && QFileInfo(folder).isDir())
        return true;
    ShowMsgBox(QStringLiteral("Fehler: Kann Zielverzeichnis nicht erstellen...."),
               QStringLiteral("Das angegebene Zielverzeichnis") + quoted
                   + QStringLiteral("konnte nicht erstellt werden.\rEntpackvorgang wird abgebrochen."),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 0);
    return false;
}

void TUnrarForm::showStep2(const QString &caption)
{
    setWindowTitle(caption);
    // A cancel that came too late for the last run must not end this one.
    m_rar.Stop = false;
    Button_CancelOperation->setEnabled(true);
    m_log.clear();
    m_barMaximum = 100;
    m_barValue = 0;
    showProgress();
    Panel_Step3->hide();
    m_listing->hide();
    Panel_Step2->show();
    repaint();
}

void TUnrarForm::walkEnded()
{
    showProgress();
    m_log.flush();
    Button_CancelOperation->setEnabled(false);
}

void TUnrarForm::showListing()
{
    Panel_Step2->hide();
    Panel_Step3->hide();
    m_listing->show();
    setWindowTitle(FormCaption);
}

void TUnrarForm::Button_EntpackenClick()
{
    const QString folder = Edit_ZielDir->text();
    if (!ensureTargetFolder(folder))
        return;
    showStep2(QStringLiteral("Archiv wird entpackt. Bitte warten..."));
    m_rar.TargetDir = folder;
    m_rar.Extract();
    walkEnded();
    if (Panel_Step2->isHidden())
        return;
    Label_Ergebnis->setText(QStringLiteral("Entpacken abgeschloßen..."));
    Panel_Step3->show();
}

void TUnrarForm::Button_TestenClick()
{
    showStep2(QStringLiteral("Archiv wird getestet. Bitte warten..."));
    const bool ok = m_rar.Test();
    walkEnded();
    if (Panel_Step2->isHidden())
        return;
    Label_Ergebnis->setText(ok ? QStringLiteral("Archiv ist Okay...")
                               : QStringLiteral("Archiv ist fehlerhaft und kann womöglich nicht entpackt werden."));
    Panel_Step3->show();
}

void TUnrarForm::startEntry(const RarEntry &entry)
{
    m_refusal.clear();
    setBarMaximum(entry.unpSize);
    m_log.prepend(QStringLiteral("Datei: ") + entry.fileName);
    m_pump.poll();
}

void TUnrarForm::endEntry(bool ok)
{
    QString text = QStringLiteral(" -> ") + (ok ? QStringLiteral("OK") : QStringLiteral("Fehler !!!"));
    if (!ok && !m_refusal.isEmpty())
        text += QStringLiteral(" (") + m_refusal + QLatin1Char(')');
    m_log.appendToNewest(text);
}

// The bar counts in units that keep the largest entry within its range.
void TUnrarForm::setBarMaximum(qint64 size)
{
    m_barScale = size > INT_MAX ? size / INT_MAX + 1 : 1;
    m_barMaximum = int(size / m_barScale);
    m_barValue = 0;
}

void TUnrarForm::setBarPosition(qint64 position)
{
    m_barValue = int(qMin<qint64>(position / m_barScale, m_barMaximum));
}

// The bar shows where the work is when events run: set for every entry it
// would be painted ten thousand times for ten thousand small files.
void TUnrarForm::showProgress()
{
    ProgressBar->setRange(0, m_barMaximum);
    ProgressBar->setValue(m_barValue);
}

void TUnrarForm::Button_CancelOperationClick()
{
    m_rar.Stop = true;
    showListing();
}

void TUnrarForm::Button_ReadyClick()
{
    showListing();
}
