#include "tree/scan/TOrdnerEinlesenForm.h"

#include "common/AppContext.h"
#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "components/Gauge.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QList<int> kColumnWidths = {240, 110, 260, 280, 100};

} // namespace

TOrdnerEinlesenForm::TOrdnerEinlesenForm(QString folder, CatalogueOptions options, QWidget *parent)
    : QDialog(parent)
    , m_folder(std::move(folder))
    , m_options(std::move(options))
    , m_model(new CatalogueModel(this))
{
    setObjectName(QStringLiteral("TOrdnerEinlesenForm"));
    setWindowTitle(QStringLiteral("Ordner wird eingelesen. Bitte warten..."));

    m_hint = named(new QLabel(QStringLiteral("Der Ordner wird nach Programmen, Dokumenten, Archiven und "
                                             "Makrodateien durchsucht. Bitte warten..."),
                              this),
                   "Label1");
    m_status = named(new QLabel(this), "Label2");
    m_status->setTextFormat(Qt::PlainText);
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_gauge = named(new Gauge(this), "Gauge");

    m_tree = named(new QTreeView(this), "VorschlagTree");
    m_tree->setModel(m_model);
    m_tree->setUniformRowHeights(true);
    m_tree->setAlternatingRowColors(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setTextElideMode(Qt::ElideMiddle);
    for (int column = 0; column < kColumnWidths.size(); ++column)
        m_tree->header()->resizeSection(column, kColumnWidths[column]);
    m_tree->setMinimumSize(760, 300);

    auto *all = named(new QPushButton(QStringLiteral("A&lle markieren"), this), "Button_AlleMarkieren");
    auto *none = named(new QPushButton(QStringLiteral("&Keine markieren"), this), "Button_KeineMarkieren");
    auto *typeLabel = named(new QLabel(QStringLiteral("&Typ:"), this), "Label_Typ");
    m_types = named(new QComboBox(this), "TypComboBox");
    m_types->addItems(CatalogueGroupNames());
    typeLabel->setBuddy(m_types);
    auto *checkType = named(new QPushButton(QStringLiteral("Typ &markieren"), this), "Button_TypMarkieren");
    auto *clearType = named(new QPushButton(QStringLiteral("Typ &demarkieren"), this), "Button_TypDemarkieren");
    m_choiceButtons = {all, none, checkType, clearType};
    auto *choices = new QHBoxLayout;
    for (QWidget *widget : std::initializer_list<QWidget *>{all, none, typeLabel, m_types, checkType, clearType})
        choices->addWidget(widget);
    choices->addStretch();

    m_duplicates = named(new QLabel(this), "Label_Doppelt");
    m_skippedLabel = named(new QLabel(QStringLiteral("Übersprungen:"), this), "Label_Uebersprungen");
    m_skipped = named(new QPlainTextEdit(this), "UebersprungenMemo");
    m_skipped->setReadOnly(true);
    m_skipped->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_skipped->setMaximumHeight(80);
    for (QWidget *widget : std::initializer_list<QWidget *>{m_duplicates, m_skippedLabel, m_skipped})
        widget->hide();

    m_ok = named(new QPushButton(QStringLiteral("&OK"), this), "Button_Ok");
    QHBoxLayout *buttons = MakeDialogButtonRow(this, m_ok, kHelpContext);
    for (QPushButton *button : m_choiceButtons + QList<QPushButton *>{m_ok})
        button->setEnabled(false);
    m_types->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_hint);
    layout->addWidget(m_status);
    layout->addWidget(m_gauge);
    layout->addWidget(m_tree, 1);
    layout->addLayout(choices);
    layout->addWidget(m_duplicates);
    layout->addWidget(m_skippedLabel);
    layout->addWidget(m_skipped);
    layout->addLayout(buttons);

    connect(all, &QPushButton::clicked, this, [this] { m_model->setAllChecked(true); });
    connect(none, &QPushButton::clicked, this, [this] { m_model->setAllChecked(false); });
    connect(checkType, &QPushButton::clicked, this, [this] { ButtonTypMarkieren_OnClick(true); });
    connect(clearType, &QPushButton::clicked, this, [this] { ButtonTypMarkieren_OnClick(false); });
    connect(m_model, &CatalogueModel::checksChanged, this, &TOrdnerEinlesenForm::updateCount);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(900, 600);
}

void TOrdnerEinlesenForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_started)
        QTimer::singleShot(0, this, &TOrdnerEinlesenForm::runScan);
}

void TOrdnerEinlesenForm::runScan()
{
    if (m_started)
        return;
    m_started = true;
    {
        BusyCursor busy;
        OperationObserver observer;
        observer.status = [this](const QString &folder) { setStatus(folder); };
        observer.progress = [this](int percent) { m_gauge->setValue(percent); };
        observer.keepGoing = [this] { return !m_cancelled; };
        observer.runPendingEvents = RunPendingEvents;
        m_scan = ScanForCatalogue(m_folder, m_options, observer);
    }
    scanEnded();
}

void TOrdnerEinlesenForm::setStatus(const QString &text)
{
    const int width = qMax(100, m_status->width());
    m_status->setText(m_status->fontMetrics().elidedText(text, Qt::ElideMiddle, width));
}

void TOrdnerEinlesenForm::scanEnded()
{
    m_finished = true;
    if (m_cancelled)
        return;
    if (!m_scan.error.isEmpty()) {
        ShowMsgBox(QStringLiteral("Fehler: Ordner kann nicht eingelesen werden..."),
                   QStringLiteral("Der Ordner\r\"%1\"\rkann nicht gelesen werden: %2.").arg(m_folder, m_scan.error),
                   MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80610);
        QDialog::reject();
        return;
    }
    setWindowTitle(QStringLiteral("Ordner einlesen - ") + m_scan.folder);
    m_hint->setText(QStringLiteral("Markieren Sie die Einträge, die unter dem aktuellen Eintrag hinzugefügt werden "
                                   "sollen. Ein Ordner enthält die Einträge seines Inhaltes."));
    m_gauge->hide();
    m_model->setRoot(m_scan.root.get());
    m_tree->expandToDepth(0);
    if (m_scan.duplicates > 0) {
        m_duplicates->setText(m_scan.duplicates == 1
                                  ? QStringLiteral("1 Eintrag ist bereits im Projekt vorhanden und wurde ausgelassen.")
                                  : QStringLiteral("%1 Einträge sind bereits im Projekt vorhanden und wurden "
                                                   "ausgelassen.")
                                        .arg(FormatThousands(m_scan.duplicates)));
        m_duplicates->show();
    }
    showSkipped();
    for (QPushButton *button : m_choiceButtons)
        button->setEnabled(true);
    m_types->setEnabled(true);
    updateCount();
}

void TOrdnerEinlesenForm::showSkipped()
{
    if (m_scan.skipped.isEmpty())
        return;
    QStringList lines;
    for (const CatalogueSkip &skip : m_scan.skipped)
        lines.append(skip.path + QStringLiteral(" - ") + skip.reason);
    m_skipped->setPlainText(lines.join(QLatin1Char('\n')));
    m_skippedLabel->show();
    m_skipped->show();
}

void TOrdnerEinlesenForm::updateCount()
{
    if (!m_finished)
        return;
    m_status->setText(QStringLiteral("%1 von %2 Einträgen markiert.")
                          .arg(FormatThousands(m_model->checkedCount()), FormatThousands(m_model->proposalCount())));
    m_ok->setEnabled(m_model->checkedCount() > 0);
}

void TOrdnerEinlesenForm::ButtonTypMarkieren_OnClick(bool checked)
{
    m_model->setGroupChecked(static_cast<CatalogueGroup>(m_types->currentIndex()), checked);
}

void TOrdnerEinlesenForm::reject()
{
    m_cancelled = !m_finished;
    QDialog::reject();
}
