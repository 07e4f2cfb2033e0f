#include "export/TExportTextdateiForm.h"

#include "common/AppContext.h"
#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/FileChooser.h"
#include "common/FileUtils.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "common/SaveFailure.h"
#include "common/editor/DocumentText.h"
#include "common/editor/TextEditPopup.h"
#include "platform/ProcessMemory.h"
#include "platform/TextFile.h"
#include "project/Project.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

namespace {

enum Page { SettingsPage = 0, TextPage = 1 };

const char *const kOrderTexts[kExportOrderCount] = {
    "Bezeichnung   Kommentar     Befehlszeile", "Bezeichnung   Befehlszeile  Kommentar",
    "Kommentar     Bezeichnung   Befehlszeile", "Kommentar     Befehlszeile  Bezeichnung",
    "Befehlszeile  Bezeichnung   Kommentar",    "Befehlszeile  Kommentar     Bezeichnung",
};

QString counterText(const QString &separator)
{
    return QStringLiteral("%1 Zeichen.").arg(separator.size());
}

} // namespace

TExportTextdateiForm::TExportTextdateiForm(const Project &project, const Settings &settings, QWidget *parent)
    : QDialog(parent)
    , m_project(project)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("TExportTextdateiForm"));
    setWindowTitle(QStringLiteral("Bereite Projekteinträge vor. Bitte warten..."));

    m_pages = named(new QTabWidget(this), "PageControl");
    m_pages->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: 100px; height: 25px; }"));
    m_pages->addTab(named(buildSettingsPage(), "Tab_Einstellungen"),
                    style()->standardIcon(QStyle::SP_FileDialogDetailedView), QStringLiteral("Einstellungen"));
    m_pages->addTab(named(buildTextPage(), "Tab_Text"), style()->standardIcon(QStyle::SP_FileIcon),
                    QStringLiteral("Text"));

    auto *save = named(new QPushButton(QStringLiteral("&Speichern"), this), "Button_Speichern");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(MakeDialogButtonRow(this, save, kHelpContext));

    connect(m_pages, &QTabWidget::currentChanged, this, &TExportTextdateiForm::PageControl_OnChange);
    connect(save, &QPushButton::clicked, this, &TExportTextdateiForm::Button_Speichern_OnClick);
    setFixedSize(sizeHint());
    takeSettings();
}

void TExportTextdateiForm::addAreaRow(QGridLayout *grid, int row, QCheckBox *check, QLineEdit *edit, QLabel *counter)
{
    counter->setText(counterText(QString()));
    counter->setStyleSheet(QStringLiteral("color: blue;"));
    grid->addWidget(check, row, 0);
    grid->addWidget(new QLabel(QStringLiteral("Trennzeichen:"), grid->parentWidget()), row, 1);
    grid->addWidget(edit, row, 2);
    grid->addWidget(counter, row, 3);
    connect(edit, &QLineEdit::textChanged, counter,
            [counter](const QString &text) { counter->setText(counterText(text)); });
}

QWidget *TExportTextdateiForm::buildSettingsPage()
{
    auto *page = new QWidget(this);
    auto *areas = new QGroupBox(QStringLiteral("Feldbereiche:"), page);
    auto *grid = new QGridLayout(areas);
    m_titleCheck = named(new QCheckBox(QStringLiteral("Bezeichnung"), areas), "CheckBox_FeldBezeichnung");
    m_commentCheck = named(new QCheckBox(QStringLiteral("Kommentar"), areas), "CheckBox_FeldKommentar");
    m_commandCheck = named(new QCheckBox(QStringLiteral("Befehlszeile"), areas), "CheckBox_FeldBefehl");
    m_titleSeparator = named(new QLineEdit(areas), "Edit_TrenBez");
    m_commentSeparator = named(new QLineEdit(areas), "Edit_TrenKom");
    m_commandSeparator = named(new QLineEdit(areas), "Edit_TrenBef");
    addAreaRow(grid, 0, m_titleCheck, m_titleSeparator, named(new QLabel(areas), "Label_TrenBez"));
    addAreaRow(grid, 1, m_commentCheck, m_commentSeparator, named(new QLabel(areas), "Label_TrenKom"));
    addAreaRow(grid, 2, m_commandCheck, m_commandSeparator, named(new QLabel(areas), "Label_TrenBef"));
    m_order = named(new QComboBox(areas), "ComboBoxFeldbereicheReihenfolge");
    m_order->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const char *text : kOrderTexts)
        m_order->addItem(QString::fromUtf8(text));
    grid->addWidget(new QLabel(QStringLiteral("Reihenfolge:"), areas), 3, 0);
    grid->addWidget(m_order, 3, 1, 1, 3);

    auto *tree = new QGroupBox(QStringLiteral("Baumdarstellung:"), page);
    m_sideBySide = named(new QRadioButton(QStringLiteral("Feldbereiche tabellarisch nebeneinander anordnen"), tree),
                         "RadioButton_Darstellung_Nebeneinander");
    m_belowEachOther = named(new QRadioButton(QStringLiteral("Feldbereiche strukturiert untereinander anordnen"), tree),
                             "RadioButton_Darstellung_Untereinander");
    m_useSeparators =
        named(new QCheckBox(QStringLiteral("Trennzeichen zur Strukturierung der Feldbereiche verwenden"), tree),
              "CheckBox_Darstellung_TrennzeichenVerwenden");
    m_sideBySide->setChecked(true);
    m_useSeparators->setChecked(true);
    m_useSeparators->setEnabled(false);
    auto *treeLayout = new QGridLayout(tree);
    treeLayout->addWidget(m_sideBySide, 0, 0, 1, 2);
    treeLayout->addWidget(m_belowEachOther, 1, 0, 1, 2);
    treeLayout->setColumnMinimumWidth(0, 20);
    treeLayout->addWidget(m_useSeparators, 2, 1);
    connect(m_belowEachOther, &QRadioButton::toggled, m_useSeparators, &QCheckBox::setEnabled);

    m_blanks = named(new QSpinBox(page), "UpDown_AnzahlLeerzeichen");
    m_blanks->setRange(0, 999);
    m_blanks->setValue(2);
    m_blanks->setWrapping(false);
    if (auto *field = m_blanks->findChild<QLineEdit *>())
        field->setObjectName(QStringLiteral("MaskEdit_AnzahlLeerzeichen"));
    auto *blanksRow = new QHBoxLayout;
    blanksRow->addWidget(new QLabel(
        QStringLiteral("Anzahl der Leerzeichen zwischen den einzelnen Hierarchieebenen der Baumknoten:"), page));
    blanksRow->addWidget(m_blanks);

    auto *note = new QLabel(
        QStringLiteral("Wenn Sie alle Einstellungen auf dieser Seite gewählt haben können Sie entweder die Seite Text "
                       "wählen und sich das Ergebnis ansehen und bearbeiten, oder jedoch Sie wählen Speichern und die "
                       "Projektdaten werden direkt in eine Textdatei geschrieben."),
        page);
    note->setWordWrap(true);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(areas);
    layout->addWidget(tree);
    layout->addLayout(blanksRow);
    layout->addWidget(note);
    layout->addStretch();
    return page;
}

QWidget *TExportTextdateiForm::buildTextPage()
{
    auto *page = new QWidget(this);
    m_text = named(new QPlainTextEdit(page), "RichEdit");
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    InstallTextEditPopup(m_text);
    m_status = named(new QStatusBar(page), "StatusBar");
    m_status->setSizeGripEnabled(false);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    layout->addWidget(m_status);
    connect(m_text, &QPlainTextEdit::blockCountChanged, this, &TExportTextdateiForm::updateStatus);
    return page;
}

void TExportTextdateiForm::takeSettings()
{
    m_titleCheck->setChecked(m_settings.titleArea.enabled);
    m_commentCheck->setChecked(m_settings.commentArea.enabled);
    m_commandCheck->setChecked(m_settings.commandArea.enabled);
    m_titleSeparator->setText(m_settings.titleArea.separator);
    m_commentSeparator->setText(m_settings.commentArea.separator);
    m_commandSeparator->setText(m_settings.commandArea.separator);
    m_order->setCurrentIndex(0);
    m_pages->setCurrentIndex(SettingsPage);
}

void TExportTextdateiForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    KeepWithinScreen(this);
    if (m_activated)
        return;
    m_activated = true;
    QTimer::singleShot(0, this, &TExportTextdateiForm::activate);
}

void TExportTextdateiForm::activate()
{
    setWindowTitle(QStringLiteral("Exportieren - Als Textdatei speichern"));
}

TextExportOptions TExportTextdateiForm::options() const
{
    TextExportOptions options;
    options.fields.title = {m_titleCheck->isChecked(), m_titleSeparator->text()};
    options.fields.comment = {m_commentCheck->isChecked(), m_commentSeparator->text()};
    options.fields.command = {m_commandCheck->isChecked(), m_commandSeparator->text()};
    options.order = m_order->currentIndex();
    options.sideBySide = m_sideBySide->isChecked();
    options.useSeparators = m_useSeparators->isChecked();
    options.blanksPerLevel = m_blanks->value();
    return options;
}

void TExportTextdateiForm::PageControl_OnChange(int page)
{
    BusyCursor busy;
    if (m_page == SettingsPage)
        m_text->clear();
    m_page = page;
    if (page == TextPage)
        fillTextPage();
}

void TExportTextdateiForm::fillTextPage()
{
    try {
        fillText();
    } catch (const std::exception &) {
        m_text->clear();
        NormalCursor normal;
        ShowMsgBox(QStringLiteral("Interner Fehler: Konnte Text nicht ermitteln..."),
                   QStringLiteral("Bei dem Versuch gem. den aktuellen Einstellungen die Projektdaten\r"
                                  "als Text anzuzeigen ist ein unbekannter Fehler aufgetreten."),
                   MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 80570);
    }
}

// The page takes the text in pieces as it is composed, so that a large
// project's text is never held twice; what was inserted cannot be undone.
// The document's tables grow by copying; what they leave behind is given
// back whenever the process grew by a few megabytes, so that their old
// copies do not pile up in RAM.
void TExportTextdateiForm::fillText()
{
    constexpr qsizetype kPiece = 1 << 16;
    constexpr qint64 kReleaseStep = 4 << 20;
    QTextDocument *document = m_text->document();
    m_text->clear();
    qint64 resident = ProcessMemory::ResidentBytes();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QString piece;
    bool first = true;
    ComposeExportText(m_project.tree, options(), [&](const QString &line) {
        if (!first)
            piece += QLatin1Char('\n');
        first = false;
        piece += line;
        if (piece.size() >= kPiece) {
            cursor.insertText(piece);
            piece.clear();
            if (ProcessMemory::ResidentBytes() - resident >= kReleaseStep) {
                ProcessMemory::ReleaseFreed();
                resident = ProcessMemory::ResidentBytes();
            }
        }
    });
    cursor.insertText(piece);
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
    m_text->moveCursor(QTextCursor::Start);
}

void TExportTextdateiForm::updateStatus()
{
    const int lines = m_text->document()->isEmpty() ? 0 : m_text->blockCount();
    m_status->showMessage(QStringLiteral("%1 Zeilen").arg(FormatThousands(lines)));
}

void TExportTextdateiForm::Button_Speichern_OnClick()
{
    if (m_pages->currentIndex() == SettingsPage)
        m_pages->setCurrentIndex(TextPage);
    if (m_text->document()->isEmpty()) {
        ShowMsgBox(QStringLiteral("Fehler: Kein Text vorhanden..."),
                   QStringLiteral("Auf der Seite \"Text\" ist kein Text vorhanden der gespeichert werden könnte."),
                   MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 80560);
        return;
    }
    const QString fileName = FileChooser::saveFile(this, QStringLiteral("Textdatei speichern unter..."), QString(),
                                                   QStringLiteral("Textdateien [*.txt]|*.txt|Alle Dateien [*.*]|*.*"),
                                                   QString(), true, QStringLiteral("txt"));
    if (fileName.isEmpty())
        return;
    BusyCursor busy;
    QString reason;
    if (!TextFile::writeLines(fileName, TextFile::splitLines(DocumentText(*m_text->document())), &reason)) {
        NormalCursor normal;
        ShowSaveFailure(fileName, reason);
        return;
    }
    m_savedFileName = fileName;
    accept();
}

void ShowTextExport(QWidget *owner, const Project &project, const Settings &settings)
{
    {
        BusyCursor busy;
        TExportTextdateiForm form(project, settings, owner);
        NormalCursor normal;
        RunModal(&form);
    }
    ProcessMemory::ReleaseFreed();
}
