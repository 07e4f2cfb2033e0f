#include "stats/TStatistikForm.h"

#include "common/AppContext.h"
#include "common/BusyCursor.h"
#include "common/CommandLinePaths.h"
#include "common/DialogParts.h"
#include "common/FileChooser.h"
#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "components/ElidedLabel.h"
#include "platform/TextFile.h"
#include "platform/Volumes.h"
#include "project/Project.h"
#include "stats/StatisticsFigures.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

const QString kWaiting = QStringLiteral("Statistik wird erstellt. Bitte warten...");
const QString kCaption = QStringLiteral("Projektstatistik");

void makeRed(QLabel *label)
{
    label->setStyleSheet(QStringLiteral("color: red;"));
}

} // namespace

TStatistikForm::TStatistikForm(StatisticsInput input, QWidget *parent)
    : QDialog(parent)
    , m_input(std::move(input))
{
    setObjectName(QStringLiteral("TStatistikForm"));
    setWindowTitle(kWaiting);
    m_title = named(new ElidedLabel(QStringLiteral("?"), this), "Label_Titel");
    m_tabs = named(new QTabWidget(this), "PageControl");
    m_tabs->addTab(buildProjectFilePage(), QStringLiteral("Projektdatei"));
    m_tabs->addTab(buildCurrentEntryPage(), QStringLiteral("Aktueller Eintrag"));
    m_tabs->addTab(buildAllEntriesPage(), QStringLiteral("Alle Einträge"));
    m_tabs->widget(0)->setObjectName(QStringLiteral("Tab_Projektdatei"));
    m_tabs->widget(1)->setObjectName(QStringLiteral("Tab_AktuellerEintrag"));
    m_tabs->widget(2)->setObjectName(QStringLiteral("Tab_AlleEintraege"));

    auto *ok = named(new QPushButton(QStringLiteral("&OK"), this), "Button_Ok");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QHBoxLayout *buttons = MakeDialogButtonRow(this, ok, kHelpContext);
    if (QWidget *cancel = findChild<QWidget *>(QStringLiteral("Button_Abbrechen")))
        cancel->hide();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    resize(520, 420);
}

QLabel *TStatistikForm::value(const char *name) const
{
    return findChild<QLabel *>(QString::fromLatin1(name));
}

QStringList TStatistikForm::allEntriesLines() const
{
    return m_richEdit->toPlainText().split(QLatin1Char('\n'));
}

QLabel *TStatistikForm::addValue(QGridLayout *grid, int row, int column, const QString &caption, const char *name)
{
    if (!caption.isEmpty())
        grid->addWidget(new QLabel(caption), row, column);
    auto *label = named(new ElidedLabel(QStringLiteral("?")), name);
    grid->addWidget(label, row, column + 1);
    return label;
}

QWidget *TStatistikForm::page(QStackedWidget **stack, const char *panelName, QWidget *values)
{
    auto *tab = new QWidget;
    *stack = new QStackedWidget(tab);
    (*stack)->addWidget(values);
    auto *panel = named(new QLabel(tab), panelName);
    panel->setAlignment(Qt::AlignCenter);
    panel->setWordWrap(true);
    (*stack)->addWidget(panel);
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(*stack);
    return tab;
}

QWidget *TStatistikForm::buildProjectFilePage()
{
    auto *values = new QWidget;
    auto *grid = new QGridLayout(values);
    addValue(grid, 0, 0, QStringLiteral("Dateiname:"), "Label_Dateiname");
    addValue(grid, 1, 0, QStringLiteral("Dateigröße:"), "Label_Dateigroesse");
    addValue(grid, 2, 0, QStringLiteral("Dateiattribute:"), "Label_Dateiattribute");
    addValue(grid, 3, 0, QStringLiteral("Erstellungszeit:"), "Label_Erstellungszeit");
    addValue(grid, 4, 0, QStringLiteral("Letzte Änderung:"), "Label_Aenderungszeit");
    addValue(grid, 5, 0, QStringLiteral("Letzter Zugriff:"), "Label_Zugriffszeit");
    addValue(grid, 6, 0, QStringLiteral("Zeilenanzahl:"), "Label_Zeilenanzahl");
    addValue(grid, 7, 0, QStringLiteral("Deklarierte Einträge:"), "Label_DeklarierteEintraege");
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(1, 1);
    return page(&m_fileStack, "Panel_Projektdatei", values);
}

QWidget *TStatistikForm::buildCurrentEntryPage()
{
    auto *values = new QWidget;
    auto *grid = new QGridLayout(values);
    grid->addWidget(new QLabel(QStringLiteral("Position:")), 0, 0);
    addValue(grid, 0, 1, QStringLiteral("Global:"), "Label_PosGlobal");
    addValue(grid, 0, 3, QStringLiteral("Level:"), "Label_PosLevel");
    addValue(grid, 0, 5, QStringLiteral("Ebene:"), "Label_PosEbene");
    grid->addWidget(new QLabel(QStringLiteral("Image(s):")), 1, 0);
    addValue(grid, 1, 1, QStringLiteral("Standard:"), "Label_ImgStandard");
    addValue(grid, 1, 3, QStringLiteral("Markiert:"), "Label_ImgMarkiert");
    grid->addWidget(new QLabel(QStringLiteral("Kommentar:")), 2, 0);
    addValue(grid, 2, 1, QStringLiteral("Zeichenanzahl:"), "Label_KomZeichenanzahl");
    addValue(grid, 2, 3, QStringLiteral("Zeilenanzahl:"), "Label_KomZeilenanzahl");
    addValue(grid, 3, 1, QStringLiteral("Zeile Nummer:"), "Label_KomKZ_Nr");
    addValue(grid, 3, 3, QStringLiteral("ist mit"), "Label_KomKZ_Anzahl");
    grid->addWidget(new QLabel(QStringLiteral("Zeichen die kürzeste Zeile.")), 3, 5, 1, 2);
    addValue(grid, 4, 1, QStringLiteral("Zeile Nummer:"), "Label_KomLZ_Nr");
    addValue(grid, 4, 3, QStringLiteral("ist mit"), "Label_KomLZ_Anzahl");
    grid->addWidget(new QLabel(QStringLiteral("Zeichen die längste Zeile.")), 4, 5, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Befehl:")), 5, 0);
    addValue(grid, 5, 1, QStringLiteral("Befehlsnummer:"), "Label_BefNr");
    grid->addWidget(new QLabel(QStringLiteral("Befehlszeile:")), 6, 1);
    auto *command = named(new ElidedLabel(QStringLiteral("?")), "Label_BefStr");
    grid->addWidget(command, 6, 2, 1, 5);
    auto *result = named(new ElidedLabel(QStringLiteral("?")), "Label_BefErgebnis");
    grid->addWidget(result, 7, 2, 1, 5);
    grid->setRowStretch(8, 1);
    return page(&m_entryStack, "Panel_AktuellerEintrag", values);
}

QWidget *TStatistikForm::buildAllEntriesPage()
{
    auto *values = new QWidget;
    auto *grid = new QGridLayout(values);
    addValue(grid, 0, 0, QStringLiteral("Anzahl der Einträge:"), "Label_AnzahlEintraege");
    m_richEdit = named(new QPlainTextEdit(values), "RichEdit");
    m_richEdit->setReadOnly(true);
    m_richEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_richEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_richEdit, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("&Ausdrucken"), this, &TStatistikForm::RichEdit_Ausdrucken_OnClick);
        menu.addAction(QStringLiteral("Als Textdatei &speichern"), this, &TStatistikForm::RichEdit_Speichern_OnClick);
        menu.exec(m_richEdit->mapToGlobal(at));
    });
    grid->addWidget(m_richEdit, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return page(&m_allStack, "Panel_AlleEintraege", values);
}

void TStatistikForm::showPanel(QStackedWidget *stack, const QString &text, bool red)
{
    auto *panel = static_cast<QLabel *>(stack->widget(1));
    panel->setText(text);
    if (red)
        makeRed(panel);
    stack->setCurrentIndex(1);
}

// The figures are computed once the window with its waiting caption has
// been painted (or a moment after it was shown, should it not be painted).
void TStatistikForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    KeepWithinScreen(this);
    QTimer::singleShot(250, this, &TStatistikForm::computeOnce);
}

void TStatistikForm::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    if (!m_computed)
        QTimer::singleShot(0, this, &TStatistikForm::computeOnce);
}

void TStatistikForm::computeOnce()
{
    if (m_computed)
        return;
    m_computed = true;
    compute();
}

void TStatistikForm::compute()
{
    BusyCursor busy;
    m_title->setText(m_input.projectName);
    struct Step {
        const char *pageName;
        void (TStatistikForm::*fill)();
    };
    static const Step steps[] = {{"Projektdatei", &TStatistikForm::fillProjectFile},
                                 {"Aktueller Eintrag", &TStatistikForm::fillCurrentEntry},
                                 {"Alle Einträge", &TStatistikForm::fillAllEntries}};
    for (const Step &step : steps) {
        try {
            (this->*step.fill)();
        } catch (const std::exception &) {
            const QString text = QStringLiteral("Bei dem Versuch die Werte für die Seite \"%1\" zu\r"
                                                "ermitteln ist ein interner Fehler aufgetreten.\r"
                                                "Projektstatistik trotzdem anzeigen ?")
                                     .arg(QString::fromUtf8(step.pageName));
            const int answer = ShowMsgBox(QStringLiteral("Fehler: Interner Ermittlungsfehler..."), text, MsgBox::Error,
                                          MsgBox::ErrorBeep, MsgBox::Yes | MsgBox::No, 80510);
            if (answer != MsgBox::ResultYes) {
                setWindowTitle(kCaption);
                reject();
                return;
            }
            break;
        }
    }
    setWindowTitle(kCaption);
}

void TStatistikForm::fillProjectFile()
{
    if (m_input.projectFile.isEmpty()) {
        showPanel(m_fileStack, QStringLiteral("Keine Projektdatei geladen..."), false);
        return;
    }
    const ProjectFileFigures figures = ProjectFileStatistics(m_input.projectFile);
    if (!figures.found) {
        showPanel(m_fileStack, QStringLiteral("Fehler: Projektdatei konnte nicht gefunden werden..."), true);
        return;
    }
    auto countText = [](qint64 count) { return count < 0 ? QStringLiteral("-1") : FormatThousands(count); };
    value("Label_Dateiname")->setText(figures.fileName);
    value("Label_Dateigroesse")->setText(FormatThousands(figures.size) + QStringLiteral(" Byte"));
    value("Label_Dateiattribute")->setText(figures.attributes);
    value("Label_Erstellungszeit")->setText(figures.created);
    value("Label_Aenderungszeit")->setText(figures.modified);
    value("Label_Zugriffszeit")->setText(figures.accessed);
    value("Label_Zeilenanzahl")->setText(countText(figures.lineCount));
    value("Label_DeklarierteEintraege")->setText(countText(figures.declaredEntries));
}

void TStatistikForm::fillCurrentEntry()
{
    const ProjectEntry *entry = m_input.current;
    if (!entry || !m_input.project) {
        showPanel(m_entryStack, QStringLiteral("Kein Eintrag markiert..."), false);
        return;
    }
    value("Label_PosGlobal")->setText(QString::number(m_input.project->tree.absoluteIndex(entry)));
    value("Label_PosLevel")->setText(QString::number(entry->depth()));
    value("Label_PosEbene")->setText(QString::number(entry->row() + 1));
    value("Label_ImgStandard")->setText(QString::number(entry->imageIndex));
    value("Label_ImgMarkiert")->setText(QString::number(entry->selectedImageIndex));

    const CommentFigures comment = CommentStatistics(m_input.commentField);
    value("Label_KomZeichenanzahl")->setText(FormatThousands(comment.characters));
    value("Label_KomZeilenanzahl")->setText(FormatThousands(comment.lines));
    const bool several = comment.shortestLine > 0;
    const QString dash = QStringLiteral("-");
    value("Label_KomKZ_Nr")->setText(several ? QString::number(comment.shortestLine) : dash);
    value("Label_KomKZ_Anzahl")->setText(several ? FormatThousands(comment.shortestLength) : dash);
    value("Label_KomLZ_Nr")->setText(several ? QString::number(comment.longestLine) : dash);
    value("Label_KomLZ_Anzahl")->setText(several ? FormatThousands(comment.longestLength) : dash);

    const int action = entry->record.action;
    QLabel *number = value("Label_BefNr");
    const QString actionText = ActionNumberText(action);
    if (actionText.isEmpty()) {
        makeRed(number);
        number->setText(QStringLiteral("Fehler: %1 ist keine gültige Befehlsnummer...").arg(action));
    } else {
        number->setText(actionText);
    }
    value("Label_BefStr")->setText(m_input.commandField);

    QString line = m_input.commandField;
    const QString drive =
        Volumes::volumeOf(m_input.projectFile.isEmpty() ? AppContext::programDirectory() : m_input.projectFile);
    const int result = ExpandCommandLine(drive, line);
    bool isError = false;
    QLabel *outcome = value("Label_BefErgebnis");
    outcome->setText(ExpansionResultText(result, line, &isError));
    if (isError)
        makeRed(outcome);
}

void TStatistikForm::fillAllEntries()
{
    const int count = m_input.project ? m_input.project->tree.count() : 0;
    value("Label_AnzahlEintraege")->setText(FormatThousands(count));
    if (count < 2) {
        showPanel(m_allStack,
                  QStringLiteral("Um Statistiken erstellen zu können müssen mehrere Einträge vorhanden sein..."),
                  false);
        return;
    }
    m_richEdit->setPlainText(AllEntriesLines(m_input.project->tree, StatisticsLocale()).join(QLatin1Char('\n')));
}

void TStatistikForm::RichEdit_Ausdrucken_OnClick()
{
    QPrinter printer;
    printer.setDocName(QStringLiteral("Projektstatistik ausdrucken..."));
    // Without a printer the job would fall back to an unnamed PDF and vanish.
    const bool hasPrinter = printer.outputFormat() == QPrinter::NativeFormat && printer.isValid();
    if (hasPrinter) {
        m_richEdit->print(&printer);
        if (printer.printerState() != QPrinter::Error)
            return;
    }
    ShowMsgBox(QStringLiteral("Fehler: Drucken nicht möglich..."),
               QStringLiteral("Der Versuch die Textseite(n) auszudrucken ist fehlgeschlagen."), MsgBox::Error,
               MsgBox::ErrorBeep, MsgBox::Ok, 80480);
}

void TStatistikForm::RichEdit_Speichern_OnClick()
{
    const QString fileName = FileChooser::saveFile(
        this, QStringLiteral("Speichern unter..."), AppContext::programDirectory(),
        QStringLiteral("Alle Dateien [*.*]|*.*|Textdateien [*.txt]|*.txt"), QStringLiteral("PrjStatistik.txt"), false);
    if (fileName.isEmpty())
        return;
    if (!TextFile::writeLines(fileName, allEntriesLines())) {
        ShowMsgBox(QStringLiteral("Fehler: Datei konnte nicht gespeichert werden..."),
                   QStringLiteral("Die Statistik konnte nicht in die Datei\r\"%1\"\rgeschrieben werden.").arg(fileName),
                   MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 80515);
    }
}
