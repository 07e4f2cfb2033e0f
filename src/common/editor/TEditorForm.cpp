#include "common/editor/TEditorForm.h"

#include "common/editor/DocumentText.h"
#include "common/editor/TextEditPopup.h"

#include "common/AppContext.h"
#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/FileChooser.h"
#include "common/FileUtils.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "common/SaveFailure.h"
#include "components/DrawnIcons.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"
#include "platform/SafeSave.h"
#include "platform/SystemInfo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kFilter = QStringLiteral("Alle Dateien [*.*]|*.*|Textdateien [*.txt]|*.txt");

QString captionFor(const QString &fileName)
{
    return QStringLiteral("Editor - ") + NativeNames::forDisplay(fileName).toLower();
}

qint64 sizeOf(const QString &fileName)
{
    QFile file;
    return FileSystem::openRegularFile(file, fileName) ? file.size() : 0;
}

void showNotFound(const QString &fileName)
{
    ShowMsgBox(QStringLiteral("Fehler: Datei nicht gefunden..."),
               QStringLiteral("Die angegebene Datei\r\"%1\"\rkonnte nicht gefunden werden.")
                   .arg(NativeNames::forDisplay(fileName).toLower()),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 80800);
}

void showTooLarge(const QString &fileName, TextReadResult result, const EditorLimits &limits)
{
    QString reason;
    if (result == TextReadResult::TooManyLines)
        reason = QStringLiteral("hat mehr als %1 Zeilen").arg(FormatThousands(limits.lines));
    else if (result == TextReadResult::LineTooLong)
        reason = QStringLiteral("hat eine Zeile mit mehr als %1 Zeichen").arg(FormatThousands(limits.lineLength));
    else
        reason = QStringLiteral("ist %1 Bytes groß").arg(FormatThousands(sizeOf(fileName)));
    ShowMsgBox(QStringLiteral("Fehler: Datei zu groß..."),
               QStringLiteral("Die Datei\r\"%1\"\r%2 und ist damit zu groß für den Editor.\rEr öffnet Dateien bis "
                              "%3 Bytes, %4 Zeilen und %5 Zeichen je Zeile.")
                   .arg(NativeNames::forDisplay(fileName), reason, FormatThousands(limits.bytes),
                        FormatThousands(limits.lines), FormatThousands(limits.lineLength)),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 80820);
}

void showBinary(const QString &fileName)
{
    ShowMsgBox(QStringLiteral("Fehler: Keine Textdatei..."),
               QStringLiteral("Die Datei\r\"%1\"\renthält Binärdaten und ist keine Textdatei.\r"
                              "Der Editor öffnet sie nicht.")
                   .arg(NativeNames::forDisplay(fileName)),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 80830);
}

void showReadOnly(const QString &fileName)
{
    ShowMsgBox(QStringLiteral("Warnung: Datei nur zum Lesen geöffnet..."),
               QStringLiteral("Die Datei\r\"%1\"\renthält Zeichen oder Bytes, die der Editor nicht unverändert "
                              "speichern kann.\rSie wird nur zum Lesen geöffnet; Speichern ist gesperrt.")
                   .arg(NativeNames::forDisplay(fileName)),
               MsgBox::Warning, MsgBox::ExclamationBeep, MsgBox::Ok, 80840);
}

bool askOverwriteChanged(const QString &fileName)
{
    return ShowMsgBox(QStringLiteral("Warnung: Datei wurde geändert..."),
                      QStringLiteral("Die Datei wurde geändert, seit der Editor sie geöffnet hat:\r\"%1\"\r"
                                     "Soll sie trotzdem mit dem Text des Editors überschrieben werden ?")
                          .arg(NativeNames::forDisplay(fileName)),
                      MsgBox::Question, MsgBox::QuestionBeep, MsgBox::Yes | MsgBox::No | MsgBox::Help, 80850,
                      MsgBox::ResultNo)
           == MsgBox::ResultYes;
}

// The PDF writer stops without a word when the medium is full; a complete
// file ends with the end-of-file mark.
bool endsLikeAPdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(qMax(qint64(0), file.size() - 32)))
        return false;
    return file.readAll().contains("%%EOF");
}

} // namespace

TEditorForm::TEditorForm(QWidget *parent)
    : QDialog(parent)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("TEditorForm"));
    setWindowTitle(QStringLiteral("Editor"));
    setSizeGripEnabled(true);
    resize(640, 480);

    m_edit = named(new QPlainTextEdit(this), "RichEdit");
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette palette = m_edit->palette();
    palette.setBrush(QPalette::Inactive, QPalette::Highlight, palette.brush(QPalette::Active, QPalette::Highlight));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     palette.brush(QPalette::Active, QPalette::HighlightedText));
    m_edit->setPalette(palette);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    buildButtonBar(layout);
    layout->addWidget(m_edit);

    m_popup = InstallTextEditPopup(m_edit);
}

TEditorForm::~TEditorForm() = default;

QAction *TEditorForm::addAction(QMenu *menu, const QString &text, const QKeySequence &shortcut, const char *name)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

void TEditorForm::buildMenus()
{
    auto *bar = named(new QMenuBar(this), "MainMenu");
    layout()->setMenuBar(bar);

    QMenu *file = bar->addMenu(QStringLiteral("&Datei"));
    connect(addAction(file, QStringLiteral("&Neu"), Qt::CTRL | Qt::Key_N, "MainMenu_Datei_Neu"), &QAction::triggered,
            this, &TEditorForm::New_OnClick);
    connect(addAction(file, QStringLiteral("Ö&ffnen"), Qt::CTRL | Qt::Key_F, "MainMenu_Datei_Oeffnen"),
            &QAction::triggered, this, &TEditorForm::Open_OnClick);
    m_saveActions = {
        addAction(file, QStringLiteral("&Speichern"), Qt::CTRL | Qt::Key_S, "MainMenu_Datei_Speichern"),
        addAction(file, QStringLiteral("Speichern &unter..."), Qt::CTRL | Qt::Key_U, "MainMenu_Datei_SpeichernUnter")};
    connect(m_saveActions[0], &QAction::triggered, this, &TEditorForm::Save_OnClick);
    connect(m_saveActions[1], &QAction::triggered, this, &TEditorForm::SaveAs_OnClick);
    file->addSeparator();
    connect(addAction(file, QStringLiteral("&Drucken"), Qt::CTRL | Qt::Key_D, "MainMenu_Datei_Drucken"),
            &QAction::triggered, this, &TEditorForm::Print_OnClick);
    connect(addAction(file, QStringLiteral("Drucker &einrichten"), Qt::CTRL | Qt::Key_E,
                      "MainMenu_Datei_DruckerEinrichten"),
            &QAction::triggered, this, &TEditorForm::PrinterSetup_OnClick);
    file->addSeparator();
    connect(addAction(file, QStringLiteral("&Beenden"), Qt::ALT | Qt::Key_X, "MainMenu_Datei_Beenden"),
            &QAction::triggered, this, &QDialog::accept);

    QMenu *edit = bar->addMenu(QStringLiteral("&Bearbeiten"));
    connect(addAction(edit, QStringLiteral("&Ausschneiden"), Qt::Key_F5, "MainMenu_Bearbeiten_Ausschneiden"),
            &QAction::triggered, m_edit, &QPlainTextEdit::cut);
    connect(addAction(edit, QStringLiteral("&Kopieren"), Qt::Key_F6, "MainMenu_Bearbeiten_Kopieren"),
            &QAction::triggered, m_edit, &QPlainTextEdit::copy);
    connect(addAction(edit, QStringLiteral("&Einfügen"), Qt::Key_F7, "MainMenu_Bearbeiten_Einfuegen"),
            &QAction::triggered, m_edit, &QPlainTextEdit::paste);
    connect(addAction(edit, QStringLiteral("&Löschen"), Qt::Key_F8, "MainMenu_Bearbeiten_Loeschen"),
            &QAction::triggered, this, &TEditorForm::deleteSelection);
    connect(addAction(edit, QStringLiteral("Alles &markieren"), Qt::Key_F9, "MainMenu_Bearbeiten_AllesMarkieren"),
            &QAction::triggered, m_edit, &QPlainTextEdit::selectAll);
    edit->addSeparator();
    QAction *font = addAction(edit, QStringLiteral("&Schriftart"), Qt::Key_F11, "MainMenu_Bearbeiten_Schriftart");
    m_wordWrap = addAction(edit, QStringLiteral("&Zeilenumbruch"), Qt::Key_F12, "MainMenu_Bearbeiten_Zeilenumbruch");
    m_wordWrap->setCheckable(true);
    connect(font, &QAction::triggered, this, &TEditorForm::Font_OnClick);
    connect(m_wordWrap, &QAction::triggered, this, &TEditorForm::WordWrap_OnClick);

    QAction *help = bar->addAction(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("MainMenu_Hilfe"));
    help->setShortcut(Qt::Key_F1);
    help->setEnabled(AppContext::hasHelpFile());
    connect(help, &QAction::triggered, this, [] { ShowHelp(kHelpContext); });
}

void TEditorForm::buildButtonBar(QLayout *layout)
{
    auto *panel = named(new QWidget(this), "ButtonPanel");
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(1);
    const auto button = [this, panel, row](const char *name, const QString &hint, const QIcon &icon, auto handler) {
        auto *tool = named(new QToolButton(panel), name);
        tool->setAutoRaise(true);
        tool->setToolTip(hint);
        tool->setIcon(icon);
        tool->setFocusPolicy(Qt::NoFocus);
        connect(tool, &QToolButton::clicked, this, handler);
        row->addWidget(tool);
        return tool;
    };
    const auto standard = [this](QStyle::StandardPixmap icon) { return style()->standardIcon(icon); };
    button("Button_Beenden", QStringLiteral("Editor beenden"), standard(QStyle::SP_DialogCloseButton),
           &QDialog::accept);
    button("Button_Neu", QStringLiteral("Neu"), standard(QStyle::SP_FileIcon), &TEditorForm::New_OnClick);
    button("Button_Oeffnen", QStringLiteral("Öffnen"), standard(QStyle::SP_DialogOpenButton),
           &TEditorForm::Open_OnClick);
    m_saveButton = button("Button_Speichern", QStringLiteral("Speichern"), standard(QStyle::SP_DialogSaveButton),
                          &TEditorForm::Save_OnClick);
    row->addSpacing(8);
    button("Button_Ausschneiden", QStringLiteral("Ausschneiden"),
           DrawnIcons::themed(QStringLiteral("edit-cut"), DrawnIcons::Cut), [this] { m_edit->cut(); });
    button("Button_Kopieren", QStringLiteral("Kopieren"),
           DrawnIcons::themed(QStringLiteral("edit-copy"), DrawnIcons::Copy), [this] { m_edit->copy(); });
    button("Button_Einfuegen", QStringLiteral("Einfügen"),
           DrawnIcons::themed(QStringLiteral("edit-paste"), DrawnIcons::Paste), [this] { m_edit->paste(); });
    button("Button_Loeschen", QStringLiteral("Löschen"), standard(QStyle::SP_TrashIcon), &TEditorForm::deleteSelection);
    row->addStretch();
    layout->addWidget(panel);
}

void TEditorForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    QTimer::singleShot(0, this, &TEditorForm::activate);
}

void TEditorForm::activate()
{
    if (m_fileName.isEmpty())
        return;
    // A name that cannot be loaded is dropped, so that saving asks for one.
    if (!LoadFile(m_fileName))
        m_fileName.clear();
}

void TEditorForm::setCaption()
{
    setWindowTitle(m_fileName.isEmpty() ? QStringLiteral("Editor") : captionFor(m_fileName));
}

bool TEditorForm::LoadFile(const QString &fileName)
{
    BusyCursor busy;
    const EditorLimits limits = EditorLimitsFor(SystemInfo::memory().available);
    TextDocument document;
    const TextReadResult result = ReadTextDocument(fileName, document, limits);
    if (result != TextReadResult::Read && result != TextReadResult::ReadOnly) {
        NormalCursor normal;
        if (result == TextReadResult::Binary)
            showBinary(fileName);
        else if (result == TextReadResult::NotFound)
            showNotFound(fileName);
        else
            showTooLarge(fileName, result, limits);
        return false;
    }
    m_document = std::move(document);
    m_documentFile = fileName;
    m_edit->setPlainText(m_document.text);
    setWindowTitle(captionFor(fileName));
    setReadOnly(result == TextReadResult::ReadOnly);
    if (isReadOnly()) {
        NormalCursor normal;
        showReadOnly(fileName);
    }
    return true;
}

bool TEditorForm::isReadOnly() const
{
    return m_edit->isReadOnly();
}

void TEditorForm::setReadOnly(bool readOnly)
{
    m_edit->setReadOnly(readOnly);
    for (QAction *action : std::as_const(m_saveActions))
        action->setEnabled(!readOnly);
    m_saveButton->setEnabled(!readOnly);
}

// Another program may have written the file since the editor read or saved
// it; it is replaced only when the user agrees.
bool TEditorForm::mayReplace(const QString &fileName) const
{
    const bool sameFile =
        FileSystem::namesEqual(QFileInfo(fileName).absoluteFilePath(), QFileInfo(m_documentFile).absoluteFilePath());
    const FileSystem::Stamp now = FileSystem::stampOf(fileName);
    if (!sameFile || !now.exists || now == m_document.stamp)
        return true;
    NormalCursor normal;
    return askOverwriteChanged(fileName);
}

bool TEditorForm::SaveFile(const QString &fileName)
{
    if (isReadOnly())
        return false;
    BusyCursor busy;
    if (!mayReplace(fileName))
        return false;
    m_document.text = DocumentText(*m_edit->document());
    QString reason;
    if (!SaveTextDocument(fileName, m_document, &reason)) {
        NormalCursor normal;
        ShowSaveFailure(NativeNames::forDisplay(fileName), reason);
        return false;
    }
    m_documentFile = fileName;
    setWindowTitle(captionFor(fileName));
    return true;
}

void TEditorForm::New_OnClick()
{
    m_edit->clear();
    m_document = TextDocument();
    m_documentFile.clear();
    m_fileName.clear();
    setReadOnly(false);
    setCaption();
}

void TEditorForm::Open_OnClick()
{
    const QFileInfo current(m_fileName);
    const QString chosen =
        FileChooser::openFile(this, QStringLiteral("Öffnen"), m_fileName.isEmpty() ? QString() : current.absolutePath(),
                              kFilter, current.fileName());
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    if (LoadFile(path))
        m_fileName = path;
}

void TEditorForm::Save_OnClick()
{
    if (m_fileName.isEmpty())
        SaveAs_OnClick();
    else
        SaveFile(m_fileName);
}

void TEditorForm::SaveAs_OnClick()
{
    const QFileInfo current(m_fileName);
    const QString chosen = FileChooser::saveFile(this, QStringLiteral("Speichern unter..."),
                                                 m_fileName.isEmpty() ? QString() : current.absolutePath(), kFilter,
                                                 current.fileName(), false);
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    if (SaveFile(path))
        m_fileName = path;
}

void TEditorForm::Print_OnClick()
{
    if (!FileChooser::choosePrinter(this, QStringLiteral("Drucken"), *m_printer))
        return;
    BusyCursor busy;
    m_printer->setDocName(QStringLiteral("Text wird gedruckt..."));
    if (m_printer->outputFormat() != QPrinter::PdfFormat) {
        m_edit->print(m_printer.get());
        return;
    }
    const QString target = m_printer->outputFileName();
    if (!printToFile(target)) {
        NormalCursor normal;
        ShowMsgBox(QStringLiteral("Fehler: Text nicht gedruckt..."),
                   QStringLiteral("Der Text konnte nicht in die Datei\r\"%1\"\rgedruckt werden.").arg(target),
                   MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 80810);
    }
}

// An existing file is replaced only by a complete printout.
bool TEditorForm::printToFile(const QString &target)
{
    SafeSave file(target);
    if (!file.open())
        return false;
    m_printer->setOutputFileName(file.writePath());
    m_edit->print(m_printer.get());
    m_printer->setOutputFileName(target);
    return endsLikeAPdf(file.writePath()) && file.commit();
}

void TEditorForm::PrinterSetup_OnClick()
{
    FileChooser::choosePrinter(this, QStringLiteral("Drucker einrichten"), *m_printer);
}

void TEditorForm::Font_OnClick()
{
    QFont font = m_edit->font();
    if (FileChooser::chooseFont(this, QStringLiteral("Schriftart"), font, true))
        m_edit->setFont(font);
}

void TEditorForm::WordWrap_OnClick()
{
    // The item's check mark has already flipped when this runs.
    m_edit->setLineWrapMode(m_wordWrap->isChecked() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TEditorForm::deleteSelection()
{
    m_edit->textCursor().removeSelectedText();
}

void ShowEditor(QWidget *owner, const QString &fileName)
{
    BusyCursor busy;
    TEditorForm form(owner);
    form.setFileName(fileName);
    NormalCursor normal;
    RunModal(&form);
}
