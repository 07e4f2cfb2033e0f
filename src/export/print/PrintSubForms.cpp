#include "export/print/PrintSubForms.h"

#include "common/DialogParts.h"
#include "export/print/PageLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QPushButton *takeOverButton(QWidget *parent)
{
    return named(new QPushButton(QStringLiteral("Über&nehmen"), parent), "Button_Uebernehmen");
}

void connectAccept(QDialog *dialog, QPushButton *button)
{
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
}

} // namespace

TExportDruckenTextBearbeitenForm::TExportDruckenTextBearbeitenForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TExportDruckenTextBearbeitenForm"));
    setWindowTitle(QStringLiteral("Text bearbeiten"));
    setWindowState(Qt::WindowMaximized);
    auto *caption = new QLabel(QStringLiteral("Auszudruckender Text"), this);
    m_memo = named(new QPlainTextEdit(this), "Memo");
    m_memo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_memo, &QWidget::customContextMenuRequested, this, &TExportDruckenTextBearbeitenForm::showMemoMenu);
    auto *ok = takeOverButton(this);
    connectAccept(this, ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_memo, 1);
    layout->addLayout(MakeDialogButtonRow(this, ok, 0));
}

void TExportDruckenTextBearbeitenForm::setText(const QStringList &lines, const QFont &font, bool wordWrap)
{
    m_memo->setFont(font);
    m_memo->setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    m_memo->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList TExportDruckenTextBearbeitenForm::lines() const
{
    const QString text = m_memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TExportDruckenTextBearbeitenForm::showMemoMenu(const QPoint &at)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Memo_PopupMenu"));
    const bool selected = m_memo->textCursor().hasSelection();
    menu.addAction(QStringLiteral("&Ausschneiden"), m_memo, &QPlainTextEdit::cut)->setEnabled(selected);
    menu.addAction(QStringLiteral("&Kopieren"), m_memo, &QPlainTextEdit::copy)->setEnabled(selected);
    menu.addAction(QStringLiteral("&Einfügen"), m_memo, &QPlainTextEdit::paste)
        ->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu.addAction(QStringLiteral("&Löschen"), m_memo, [this] { m_memo->textCursor().removeSelectedText(); })
        ->setEnabled(selected);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Alles &markieren"), m_memo, &QPlainTextEdit::selectAll);
    menu.exec(m_memo->mapToGlobal(at));
}

TExportDruckenKopfUndFusszeileForm::TExportDruckenKopfUndFusszeileForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TExportDruckenKopfUndFusszeileForm"));
    setWindowTitle(QStringLiteral("Kopf- und Fußzeile"));
    m_header = named(new QLineEdit(this), "Edit_Kopfzeile");
    m_footer = named(new QLineEdit(this), "Edit_Fusszeile");
    auto *edits = new QFormLayout;
    edits->addRow(QStringLiteral("Kopfzeile:"), m_header);
    edits->addRow(QStringLiteral("Fußzeile:"), m_footer);

    static const char *const legend[][2] = {
        {"&&l", "Text links ausrichten"},
        {"&&c", "Text zentriert ausrichten"},
        {"&&r", "Text rechts ausrichten"},
        {"&&f", "Nur Dateiname"},
        {"&&F", "Dateiname und Verzeichnis"},
        {"&&d", "Datum (kurz)"},
        {"&&t", "Uhrzeit (kurz)"},
        {"&&D", "Datum (lang)"},
        {"&&T", "Uhrzeit (lang)"},
        {"&&i", "Titel"},
        {"&&p", "Seitennummer"},
        {"&&&&", "Logisches Und-Zeichen"},
    };
    auto *panel = named(new QGroupBox(this), "Panel_Legende");
    auto *grid = new QGridLayout(panel);
    int row = 0;
    for (const auto &item : legend) {
        auto *code = new QLabel(QString::fromUtf8(item[0]).replace(QStringLiteral("&&"), QStringLiteral("&")), panel);
        code->setTextFormat(Qt::PlainText);
        grid->addWidget(code, row % 6, (row / 6) * 2);
        grid->addWidget(new QLabel(QString::fromUtf8(item[1]), panel), row % 6, (row / 6) * 2 + 1);
        ++row;
    }

    auto *ok = takeOverButton(this);
    connectAccept(this, ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(edits);
    layout->addWidget(panel);
    layout->addLayout(MakeDialogButtonRow(this, ok, 0));
    setFixedSize(sizeHint());
}

TExportDruckenSeitenrahmenForm::TExportDruckenSeitenrahmenForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TExportDruckenSeitenrahmenForm"));
    setWindowTitle(QStringLiteral("Seitenrahmen"));
    m_left = named(new QCheckBox(QStringLiteral("Links"), this), "CheckBox_Left");
    m_right = named(new QCheckBox(QStringLiteral("Rechts"), this), "CheckBox_Right");
    m_top = named(new QCheckBox(QStringLiteral("Oben"), this), "CheckBox_Top");
    m_bottom = named(new QCheckBox(QStringLiteral("Unten"), this), "CheckBox_Bottom");
    m_distance = named(new QLineEdit(this), "MaskEdit_Rahmendicke");
    m_distance->setValidator(new QIntValidator(0, 999, m_distance));
    m_distance->setMaxLength(3);
    auto *up = named(new QToolButton(this), "UpDown_Rahmendicke_Auf");
    up->setArrowType(Qt::UpArrow);
    auto *down = named(new QToolButton(this), "UpDown_Rahmendicke_Ab");
    down->setArrowType(Qt::DownArrow);
    auto step = [this](int delta) { m_distance->setText(QString::number(qBound(0, distance() + delta, 999))); };
    connect(up, &QToolButton::clicked, this, [step] { step(1); });
    connect(down, &QToolButton::clicked, this, [step] { step(-1); });
    auto *invert = named(new QPushButton(QStringLiteral("&Invertieren"), this), "Button_Invertieren");
    connect(invert, &QPushButton::clicked, this, [this] {
        for (QCheckBox *box : {m_left, m_right, m_top, m_bottom})
            box->setChecked(!box->isChecked());
    });

    auto *grid = new QGridLayout;
    grid->addWidget(m_left, 0, 0);
    grid->addWidget(m_right, 0, 1);
    grid->addWidget(m_top, 1, 0);
    grid->addWidget(m_bottom, 1, 1);
    grid->addWidget(invert, 0, 2);
    auto *distanceRow = new QHBoxLayout;
    distanceRow->addWidget(new QLabel(QStringLiteral("Abstand zum Text:"), this));
    distanceRow->addWidget(m_distance);
    distanceRow->addWidget(up);
    distanceRow->addWidget(down);
    auto *ok = takeOverButton(this);
    connectAccept(this, ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(distanceRow);
    layout->addLayout(MakeDialogButtonRow(this, ok, 0));
    setFixedSize(sizeHint());
}

void TExportDruckenSeitenrahmenForm::setFrame(int sides, int distance)
{
    m_left->setChecked(sides & FrameLeft);
    m_right->setChecked(sides & FrameRight);
    m_top->setChecked(sides & FrameTop);
    m_bottom->setChecked(sides & FrameBottom);
    m_distance->setText(QString::number(distance));
}

int TExportDruckenSeitenrahmenForm::sides() const
{
    return (m_left->isChecked() ? FrameLeft : 0) | (m_right->isChecked() ? FrameRight : 0)
           | (m_top->isChecked() ? FrameTop : 0) | (m_bottom->isChecked() ? FrameBottom : 0);
}

int TExportDruckenSeitenrahmenForm::distance() const
{
    return m_distance->text().trimmed().toInt();
}

TMsgPrintToFileForm::TMsgPrintToFileForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TMsgPrintToFileForm"));
    setWindowTitle(QStringLiteral("Ausgabe in Datei umleiten"));
    auto *text = named(new QLabel(QStringLiteral("Sie haben sich für die Umleitung der des ausdrucks\n"
                                                 "der Projektdaten in eine Datei entschieden.\n"
                                                 "Legen Sie nun die entsprechende Datei fest."),
                                  this),
                       "Label_Text");
    m_fileName = named(new QLineEdit(this), "Edit_Dateiname");
    auto *start = named(new QPushButton(QStringLiteral("&Starten"), this), "Button_Starten");
    start->setEnabled(false);
    connect(m_fileName, &QLineEdit::textChanged, start,
            [start](const QString &name) { start->setEnabled(!name.isEmpty()); });
    connectAccept(this, start);
    auto *row = new QFormLayout;
    row->addRow(QStringLiteral("Dateiname:"), m_fileName);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(row);
    layout->addLayout(MakeDialogButtonRow(this, start, kHelpContext));
    setFixedSize(sizeHint());
}

QString TMsgPrintToFileForm::fileName() const
{
    return m_fileName->text();
}
