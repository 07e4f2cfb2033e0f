#include "export/print/TExportDruckenForm.h"

#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "components/NumberEdit.h"
#include "export/print/PageFormats.h"
#include "export/print/TPagePrinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QHBoxLayout *labelled(const QString &caption, QWidget *parent)
{
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(caption, parent));
    return row;
}

} // namespace

TExportDruckenForm::TExportDruckenForm(PrintTextSource source, const Settings &settings, QWidget *parent)
    : QDialog(parent)
    , m_source(std::move(source))
    , m_settings(settings)
{
    BusyCursor busy;
    setObjectName(QStringLiteral("TExportDruckenForm"));
    setWindowTitle(QStringLiteral("Exportieren - Drucken"));
    m_printer = new TPagePrinter(this);
    m_printer->setProgressMessage(QStringLiteral("Projekt wird gedruckt..."));
    m_printer->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu *menu = buildPreviewMenu();
    connect(m_printer, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint &at) { menu->exec(m_printer->mapToGlobal(at)); });

    auto *left = new QVBoxLayout;
    left->addWidget(buildPageBar());
    left->addWidget(m_printer, 1);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(buildControls());

    m_startPrint = named(new QPushButton(QStringLiteral("&Drucken starten"), this), "Button_StartPrint");
    m_startPrint->setEnabled(false);
    connect(m_startPrint, &QPushButton::clicked, this, &TExportDruckenForm::Button_StartPrint_OnClick);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(MakeDialogButtonRow(this, m_startPrint, kHelpContext));
    resize(900, 640);

    connect(m_printer, &TPagePrinter::pagesChanged, this, [this] {
        setIfDifferent(m_currentPage, QString::number(m_printer->currentPage()));
        if (m_pageCount->text() != QString::number(m_printer->pageCount()))
            m_pageCount->setText(QString::number(m_printer->pageCount()));
    });
}

QWidget *TExportDruckenForm::buildPageBar()
{
    auto *panel = named(new QWidget(this), "Panel1");
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("Seite:"), panel));
    m_currentPage = AddNumberEdit(panel, "MaskEdit_AktuelleSeite", "UpDown_AktuelleSeite", {5, 1, 32767}, row);
    m_currentPage->setText(QStringLiteral("1"));
    row->addWidget(new QLabel(QStringLiteral("von"), panel));
    m_pageCount = named(new QLabel(QStringLiteral("0"), panel), "Label_Seitenanzahl");
    row->addWidget(m_pageCount);
    row->addSpacing(12);
    m_zoom = named(new QComboBox(panel), "ComboBox_Zoom");
    m_zoom->setEditable(true);
    m_zoom->setInsertPolicy(QComboBox::NoInsert);
    m_zoom->addItems({QStringLiteral("25%"), QStringLiteral("50%"), QStringLiteral("75%"), QStringLiteral("100%"),
                      QStringLiteral("125%"), QStringLiteral("150%"), QStringLiteral("175%"), QStringLiteral("200%")});
    m_zoom->setCurrentIndex(0);
    row->addWidget(m_zoom);
    m_zoomLocation = named(new QComboBox(panel), "ComboBox_ZoomAusrichtung");
    m_zoomLocation->addItems(
        {QStringLiteral("Oben-Links"), QStringLiteral("Oben-Zentriert"), QStringLiteral("Zentriert")});
    row->addWidget(m_zoomLocation);
    m_autoScroll = named(new QCheckBox(QStringLiteral("&AutoScroll"), panel), "CheckBox_AutoScroll");
    row->addWidget(m_autoScroll);
    row->addStretch();

    connect(m_currentPage, &QLineEdit::textChanged, this, &TExportDruckenForm::MaskEdit_AktuelleSeite_OnChange);
    connect(m_zoom, &QComboBox::textActivated, this, &TExportDruckenForm::ComboBox_Zoom_OnChange);
    connect(m_zoomLocation, &QComboBox::currentIndexChanged, m_printer, &TPagePrinter::setZoomLocation);
    connect(m_autoScroll, &QCheckBox::toggled, m_printer, &TPagePrinter::setAutoScroll);
    return panel;
}

QWidget *TExportDruckenForm::buildControls()
{
    auto *panel = new QWidget(this);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    m_wordWrap = named(new QCheckBox(QStringLiteral("Zeilen umbrechen"), panel), "CheckBox_ZeilenUmbrechen");
    m_wordWrap->setChecked(true);
    column->addWidget(m_wordWrap);
    m_format = named(new QComboBox(panel), "ComboBox_Format");
    m_format->addItems(PageFormatNames());
    column->addWidget(m_format);

    auto *fields = named(new QGroupBox(QStringLiteral("Feldbereiche:"), panel), "GroupBox_Feldbereiche");
    auto *fieldColumn = new QVBoxLayout(fields);
    m_fieldTitle = named(new QCheckBox(QStringLiteral("Bezeichnung"), fields), "CheckBox_FeldBezeichnung");
    m_fieldComment = named(new QCheckBox(QStringLiteral("Kommentar"), fields), "CheckBox_FeldKommentar");
    m_fieldCommand = named(new QCheckBox(QStringLiteral("Befehlszeile"), fields), "CheckBox_FeldBefehl");
    m_fieldTitle->setChecked(m_settings.titleArea.enabled);
    m_fieldComment->setChecked(m_settings.commentArea.enabled);
    m_fieldCommand->setChecked(m_settings.commandArea.enabled);
    for (QCheckBox *box : {m_fieldTitle, m_fieldComment, m_fieldCommand}) {
        fieldColumn->addWidget(box);
        connect(box, &QCheckBox::clicked, this, &TExportDruckenForm::RenderText);
    }
    column->addWidget(fields);

    auto *margins = named(new QGroupBox(QStringLiteral("Seitenränder:"), panel), "GroupBox_Seitenrand");
    auto *marginGrid = new QGridLayout(margins);
    struct MarginEdit {
        QLineEdit **edit;
        const char *name;
        const char *upDown;
        const char *caption;
        int start;
    };
    const MarginEdit marginEdits[] = {
        {&m_left, "MaskEdit_Links", "UpDown_Links", "Links:", 7},
        {&m_right, "MaskEdit_Rechts", "UpDown_Rechts", "Rechts:", 7},
        {&m_top, "MaskEdit_Oben", "UpDown_Oben", "Oben:", 10},
        {&m_bottom, "MaskEdit_Unten", "UpDown_Unten", "Unten:", 10},
    };
    int row = 0;
    for (const MarginEdit &item : marginEdits) {
        QHBoxLayout *line = labelled(QString::fromUtf8(item.caption), margins);
        *item.edit = AddNumberEdit(margins, item.name, item.upDown, {5, 0, 32767, 5}, line);
        (*item.edit)->setText(QString::number(item.start));
        marginGrid->addLayout(line, row / 2, row % 2);
        ++row;
    }
    connectMargin(m_left, [this](int mm) { return m_printer->setMarginLeft(mm); });
    connectMargin(m_right, [this](int mm) { return m_printer->setMarginRight(mm); });
    connectMargin(m_top, [this](int mm) { return m_printer->setMarginTop(mm); });
    connectMargin(m_bottom, [this](int mm) { return m_printer->setMarginBottom(mm); });
    column->addWidget(margins);

    auto *range = named(new QGroupBox(QStringLiteral("Druckbereich:"), panel), "GroupBox_Druckbereich");
    auto *rangeRow = new QHBoxLayout(range);
    rangeRow->addWidget(new QLabel(QStringLiteral("von Seite:"), range));
    m_from = AddNumberEdit(range, "MaskEdit_Von", "UpDown_Von", {5, 1, 32767}, rangeRow);
    rangeRow->addWidget(new QLabel(QStringLiteral("bis Seite:"), range));
    m_to = AddNumberEdit(range, "MaskEdit_Bis", "UpDown_Bis", {5, 1, 32767}, rangeRow);
    column->addWidget(range);

    auto *copies = named(new QGroupBox(QStringLiteral("Kopien:"), panel), "GroupBox_Kopien");
    auto *copiesRow = new QHBoxLayout(copies);
    copiesRow->addWidget(new QLabel(QStringLiteral("Exemplare:"), copies));
    m_copies = AddNumberEdit(copies, "MaskEdit_AnzahlKopien", "UpDown_AnzahlKopien", {3, 1, 999}, copiesRow);
    m_copies->setText(QStringLiteral("1"));
    m_collate = named(new QCheckBox(QStringLiteral("Seiten s&ortieren"), copies), "CheckBox_Sortieren");
    m_collate->setChecked(true);
    copiesRow->addWidget(m_collate);
    column->addWidget(copies);
    m_toFile = named(new QCheckBox(QStringLiteral("In Datei umleiten"), panel), "CheckBox_InDateiDrucken");
    column->addWidget(m_toFile);

    auto button = [&](const char *caption, const char *name, void (TExportDruckenForm::*handler)()) {
        auto *b = named(new QPushButton(QString::fromUtf8(caption), panel), name);
        column->addWidget(b);
        if (handler)
            connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    button("Text &bearbeiten", "Button_TextBearbeiten", &TExportDruckenForm::Button_TextBearbeiten_OnClick);
    button("&Schriftart", "Button_Schriftart", &TExportDruckenForm::Button_Schriftart_OnClick);
    button("Kopf- und Fuß&zeile", "Button_KopfUndFusszeile", &TExportDruckenForm::Button_KopfUndFusszeile_OnClick);
    button("Seiten&rahmen", "Button_Seitenrahmen", &TExportDruckenForm::Button_Seitenrahmen_OnClick);
    button("Drucker &einrichten", "Button_DruckerEinrichten", &TExportDruckenForm::Button_DruckerEinrichten_OnClick);
    button("&Darstellung", "Button_Darstellung", nullptr)->setEnabled(false);
    column->addStretch();

    connect(m_wordWrap, &QCheckBox::toggled, this, [this](bool on) {
        m_printer->setWordWrap(on);
        UpdatePageInfo();
    });
    connect(m_format, &QComboBox::currentIndexChanged, this, &TExportDruckenForm::ComboBox_Format_OnChange);
    return panel;
}

QMenu *TExportDruckenForm::buildPreviewMenu()
{
    auto *menu = named(new QMenu(this), "PopupMenu");
    menu->addAction(QStringLiteral("Zoom um 25% ver&größern"), this, [this] { changeZoom(m_printer->zoom() + 25); });
    menu->addAction(QStringLiteral("Zoom um 25% ver&kleinern"), this, [this] { changeZoom(m_printer->zoom() - 25); });
    menu->addAction(QStringLiteral("Zoom&ansicht 1:1"), this, [this] { changeZoom(100); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("Text &bearbeiten"), this, &TExportDruckenForm::Button_TextBearbeiten_OnClick);
    menu->addAction(QStringLiteral("Schrift&art"), this, &TExportDruckenForm::Button_Schriftart_OnClick);
    menu->addAction(QStringLiteral("Kopf- und Fuß&zeile"), this, &TExportDruckenForm::Button_KopfUndFusszeile_OnClick);
    menu->addAction(QStringLiteral("Seiten&rahmen"), this, &TExportDruckenForm::Button_Seitenrahmen_OnClick);
    return menu;
}

void TExportDruckenForm::connectMargin(QLineEdit *edit, const std::function<bool(int)> &setMargin)
{
    connect(edit, &QLineEdit::textChanged, this, [this, setMargin](const QString &text) {
        bool ok = false;
        const int mm = text.trimmed().toInt(&ok);
        if (!ok)
            return; // an empty edit leaves the margin as it is
        if (setMargin(mm))
            UpdatePageInfo();
    });
}

void TExportDruckenForm::setIfDifferent(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void TExportDruckenForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    KeepWithinScreen(this);
    if (m_rendered)
        return;
    m_rendered = true;
    RenderText();
    m_startPrint->setEnabled(true);
}
