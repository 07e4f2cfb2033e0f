#include "app/TAutoOpenForm.h"

#include "app/AutoOpenScan.h"
#include "common/AppContext.h"
#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "components/SortGrid.h"
#include "platform/FileSystem.h"
#include "platform/Volumes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

enum Column { DriveColumn, FileColumn, ProjectColumn, CountColumn, DateColumn, AttributeColumn };

// Wider contents widen the columns; a long mount path is elided in the middle.
const QList<int> kMinimumColumnWidths = {20, 100, 200, 90, 100, 180};
constexpr int kMaximumDriveWidth = 160;

} // namespace

TAutoOpenForm::TAutoOpenForm(const QStringList &drives, QWidget *parent)
    : QDialog(parent)
    , m_drives(drives)
{
    setObjectName(QStringLiteral("TAutoOpenForm"));
    setWindowTitle(QStringLiteral("Projektdatei Auto-Öffnen"));

    m_label1 = named(new QLabel(QStringLiteral("Stammverzeichnis der Laufwerke werden nach "
                                               "Brekko-Projektdateien durchsucht. Bitte warten..."),
                                this),
                     "Label1");
    m_label2 = named(new QLabel(this), "Label2");
    m_label2->setTextFormat(Qt::PlainText);
    m_grid = named(new SortGrid(this), "SortGrid");
    m_grid->setHeaders({QString(), QStringLiteral("Datei:"), QStringLiteral("Projekt:"),
                        QStringLiteral("Anzahl Einträge:"), QStringLiteral("Datum:"), QStringLiteral("Attribute:")},
                       kMinimumColumnWidths);
    m_grid->setMaximumColumnWidth(DriveColumn, kMaximumDriveWidth);
    m_grid->setTextElideMode(Qt::ElideMiddle);
    m_grid->setMinimumSize(640, 240);
    m_grid->fitColumns();
    m_driveBox = named(new QComboBox(this), "DriveComboBox");
    m_driveBox->addItems(drives);
    m_driveBox->hide();

    m_open = named(new QPushButton(QStringLiteral("Ö&ffnen"), this), "Button_Oeffnen");
    m_browse = named(new QPushButton(QStringLiteral("&Durchsuchen"), this), "Button_Durchsuchen");
    QHBoxLayout *buttons = MakeDialogButtonRow(this, {m_open, m_browse}, kHelpContext);
    buttons->insertWidget(0, m_driveBox);
    m_help = findChild<QPushButton *>(QStringLiteral("Button_Hilfe"));
    for (QPushButton *button : {m_open, m_browse, m_help})
        button->setEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_label2);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);

    connect(m_grid, &SortGrid::itemSelectionChanged, this, &TAutoOpenForm::SortGrid_OnSelect);
    connect(m_driveBox, &QComboBox::activated, this, &TAutoOpenForm::DriveComboBox_OnChange);
    connect(m_open, &QPushButton::clicked, this, &TAutoOpenForm::Button_Oeffnen_OnClick);
    connect(m_browse, &QPushButton::clicked, this, &TAutoOpenForm::Button_Durchsuchen_OnClick);
    resize(sizeHint());
    widenToColumns();
}

// Wide enough to show every column, as far as the screen allows; a visible
// window stays centred where it was.
void TAutoOpenForm::widenToColumns()
{
    const QMargins margins = layout()->contentsMargins();
    const int wanted = m_grid->horizontalHeader()->length() + 2 * m_grid->frameWidth()
                       + m_grid->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
    const int available = screen()->availableGeometry().width();
    const int target = qMin(wanted, available);
    if (width() >= target)
        return;
    const int grown = target - width();
    resize(target, height());
    if (isVisible())
        move(qMax(screen()->availableGeometry().left(), x() - grown / 2), y());
}

void TAutoOpenForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_started)
        QTimer::singleShot(0, this, &TAutoOpenForm::runSearch);
}

void TAutoOpenForm::runSearch()
{
    if (m_started)
        return;
    m_started = true;
    int found = 0;
    {
        BusyCursor busy;
        OperationObserver observer;
        observer.status = [this](const QString &drive) { m_label2->setText(drive); };
        observer.keepGoing = [this] { return !m_cancelled; };
        observer.runPendingEvents = RunPendingEvents;
        found = ScanDriveRoots(
            m_drives, [this](const ProjectFileRow &row) { rowFound(row); }, observer);
    }
    searchEnded(found);
}

void TAutoOpenForm::rowFound(const ProjectFileRow &row)
{
    const int added = m_grid->appendRow({row.drive, row.fileName, row.projectName, QString::number(row.entryCount),
                                         ProjectFileDateText(row.date), row.attributes},
                                        {QVariant(), QVariant(), QVariant(), row.entryCount, row.date, QVariant()});
    m_grid->item(added, DriveColumn)->setToolTip(row.drive);
    m_grid->fitColumns();
}

void TAutoOpenForm::searchEnded(int found)
{
    m_finished = true;
    if (m_cancelled)
        return;
    widenToColumns();
    m_label2->setText(QString::number(found) + QStringLiteral(" Datei(en) gefunden."));
    m_help->setEnabled(AppContext::hasHelpFile());
    if (m_grid->rowCount() > 0) {
        m_label1->setText(QStringLiteral("Folgend sind alle gefundenen Brekko-Projektdateien aufgelistet."));
        m_grid->showRow(0);
        m_driveBox->setCurrentIndex(m_driveBox->findText(m_grid->cellText(0, DriveColumn)));
        m_driveBox->show();
    } else {
        m_label1->setText(QStringLiteral("Keine Brekko-Projektdatei gefunden..."));
    }
    updateButtons();
}

void TAutoOpenForm::updateButtons()
{
    const int row = m_grid->selectedRow();
    const bool usable = m_finished && row >= 0 && !m_grid->cellText(row, DriveColumn).isEmpty();
    m_open->setEnabled(usable);
    m_browse->setEnabled(usable);
}

void TAutoOpenForm::SortGrid_OnSelect()
{
    updateButtons();
}

void TAutoOpenForm::DriveComboBox_OnChange(int index)
{
    const QString drive = m_driveBox->itemText(index);
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        if (Volumes::sameVolume(m_grid->cellText(row, DriveColumn), drive)) {
            m_grid->showRow(row);
            return;
        }
    }
}

void TAutoOpenForm::Button_Oeffnen_OnClick()
{
    const int row = m_grid->selectedRow();
    if (row < 0)
        return;
    m_chosenFile = Volumes::joinOnVolume(m_grid->cellText(row, DriveColumn), m_grid->cellText(row, FileColumn));
    accept();
}

void TAutoOpenForm::Button_Durchsuchen_OnClick()
{
    const int row = m_grid->selectedRow();
    if (row < 0)
        return;
    const QString chosen = FileChooser::openFile(
        this, QStringLiteral("Projektdatei auswählen..."), m_grid->cellText(row, DriveColumn),
        QStringLiteral("Projektdateien [*.prj]|*.prj|Alle Dateien [*.*]|*.*"), m_grid->cellText(row, FileColumn));
    if (chosen.isEmpty())
        return;
    m_chosenFile = FileSystem::fullPath(chosen);
    accept();
}

// During the search Cancel stops it; the search loop then returns.
void TAutoOpenForm::reject()
{
    m_cancelled = !m_finished;
    QDialog::reject();
}

QString ChooseProjectFileOnDrives(const QStringList &drives, QWidget *parent)
{
    TAutoOpenForm form(drives, parent);
    if (RunModal(&form) != QDialog::Accepted)
        return {};
    return form.chosenFile();
}
