#include "filemanager/ops/TEigenschaftenForm.h"

#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/FileUtils.h"
#include "components/Gauge.h"
#include "filemanager/ops/FolderEntries.h"
#include "platform/DirectoryListing.h"
#include "platform/FileOperations.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel *valueLabel(QWidget *parent, const char *name)
{
    auto *label = named(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Grey is offered only where the selection is mixed (setting that state
// makes the box three-state); elsewhere a click just toggles.
QCheckBox *attributeBox(QWidget *parent, const QString &text, const char *name)
{
    return named(new QCheckBox(text, parent), name);
}

// Folders as the list shows them: a link to a folder is one.
bool ListedAsFolder(const QString &path)
{
    return FileSystem::folderExists(path);
}

QString stampText(qint64 msecsSinceEpoch)
{
    if (msecsSinceEpoch < 0)
        return {};
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::UTC).toString(QStringLiteral("d.M.yyyy H:m:s"));
}

} // namespace

TEigenschaftenForm::TEigenschaftenForm(const QString &folder, const QStringList &names, const QString &listedType,
                                       QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_names(names)
    , m_listedType(listedType)
{
    setObjectName(QStringLiteral("TEigenschaftenForm"));
    setWindowTitle(QStringLiteral("Lese Eigenschaften. Bitte warten..."));

    m_count = valueLabel(this, "Label_AnzahlMarkObjekte");
    m_dirsFiles = valueLabel(this, "Label_AnzahlDirsFiles");
    m_type = valueLabel(this, "Label_Typ");
    m_place = valueLabel(this, "Label_Ort");
    m_size = valueLabel(this, "Label_Groesse");
    m_share = named(new Gauge(this), "Gauge_Platzbedarf");
    m_share->hide();
    auto *figures = new QFormLayout;
    figures->addRow(QStringLiteral("Typ:"), m_type);
    figures->addRow(QStringLiteral("Ort:"), m_place);
    figures->addRow(QStringLiteral("Größe:"), m_size);
    figures->addRow(QStringLiteral("Platzbedarf:"), m_share);

    m_fileGroup = named(new QGroupBox(QStringLiteral("Dateieigenschaften:"), this), "GroupBox_Datei");
    m_dosName = valueLabel(m_fileGroup, "Label_DosDateiname");
    m_created = valueLabel(m_fileGroup, "Label_Erstellt");
    m_modified = valueLabel(m_fileGroup, "Label_Geaendert");
    m_accessed = valueLabel(m_fileGroup, "Label_Letzter");
    auto *fileLayout = new QFormLayout(m_fileGroup);
    fileLayout->addRow(QStringLiteral("Dos-Dateiname:"), m_dosName);
    fileLayout->addRow(QStringLiteral("Erstellt am:"), m_created);
    fileLayout->addRow(QStringLiteral("Geändert am:"), m_modified);
    fileLayout->addRow(QStringLiteral("Letzter Zugriff:"), m_accessed);
    m_fileGroup->hide();

    auto *attributes = named(new QGroupBox(QStringLiteral("Dateiattribute:"), this), "GroupBox_Attr");
    m_readOnly = attributeBox(attributes, QStringLiteral("Schreibgeschützt"), "CheckBox_DA_ReadOnly");
    m_hidden = attributeBox(attributes, QStringLiteral("Versteckt"), "CheckBox_DA_Hidden");
    m_archive = attributeBox(attributes, QStringLiteral("Archiv"), "CheckBox_DA_Archiv");
    m_system = attributeBox(attributes, QStringLiteral("System"), "CheckBox_DA_System");
    // Hidden is the leading "." of a name (changing it would be a rename);
    // archive and system do not exist here.
    for (QCheckBox *box : {m_hidden, m_archive, m_system})
        box->setEnabled(false);
    m_readOnly->setEnabled(false);
    auto *attributeLayout = new QVBoxLayout(attributes);
    for (QCheckBox *box : {m_readOnly, m_hidden, m_archive, m_system})
        attributeLayout->addWidget(box);

    m_ok = named(new QPushButton(QStringLiteral("&OK"), this), "Button_Ok");
    m_ok->setEnabled(false);
    connect(m_ok, &QPushButton::clicked, this, &TEigenschaftenForm::Button_Ok_OnClick);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_count);
    layout->addWidget(m_dirsFiles);
    layout->addLayout(figures);
    layout->addWidget(m_fileGroup);
    layout->addWidget(attributes);
    layout->addLayout(MakeDialogButtonRow(this, m_ok, kHelpContext));
}

void TEigenschaftenForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_filled)
        QTimer::singleShot(0, this, &TEigenschaftenForm::fill);
}

void TEigenschaftenForm::showFigures(const AttributeScanResult &figures)
{
    m_dirsFiles->setText(FormatThousands(figures.folders) + QStringLiteral(" Verzeichnis(se), ")
                         + FormatThousands(figures.files) + QStringLiteral(" Datei(en)"));
    m_size->setText(FormatThousands(figures.bytes) + QStringLiteral(" Byte"));
}

void TEigenschaftenForm::fill()
{
    if (m_filled)
        return;
    m_filled = true;
    m_count->setText(FormatThousands(m_names.size()) + QStringLiteral(" Objekte markiert."));
    m_place->setText(NativeNames::forDisplay(m_folder));
    repaint();
    {
        BusyCursor busy;
        EventPump pump;
        m_scan = ScanAttributes(m_folder, m_names, [this, &pump](const AttributeScanResult &figures) {
            showFigures(figures);
            pump.poll();
        });
    }
    showFigures(m_scan);
    m_share->setValue(Percent(FileOperations::totalBytes(m_folder), m_scan.bytes));
    m_share->show();
    m_type->setText(typeText());
    if (m_names.size() == 1 && !ListedAsFolder(JoinPath(m_folder, m_names.first())))
        fillFileGroup(JoinPath(m_folder, m_names.first()));
    m_readOnly->setCheckState(m_scan.readOnly);
    m_hidden->setCheckState(m_scan.hidden);
    m_archive->setCheckState(Qt::Unchecked);
    m_system->setCheckState(Qt::Unchecked);
    m_readOnly->setEnabled(m_scan.attributeFiles > 0);
    setWindowTitle(QStringLiteral("Eigenschaften"));
    m_ok->setEnabled(true);
    m_ok->setFocus();
}

QString TEigenschaftenForm::typeText() const
{
    if (m_names.isEmpty())
        return QStringLiteral("Keine Objekte markiert.");
    if (m_names.size() == 1)
        return m_listedType;
    qint64 selectedFolders = 0;
    for (const QString &name : m_names)
        selectedFolders += ListedAsFolder(JoinPath(m_folder, name)) ? 1 : 0;
    if (selectedFolders == 0)
        return QStringLiteral("Alles Dateien");
    if (selectedFolders == m_names.size())
        return QStringLiteral("Alles Verzeichnisse");
    return QStringLiteral("Mehrere Verzeichnisse und Dateien");
}

void TEigenschaftenForm::fillFileGroup(const QString &path)
{
    DirectoryListing::Item facts;
    DirectoryListing::query(path, facts);
    m_dosName->setText(NativeNames::forDisplay(facts.name).toUpper());
    m_created->setText(stampText(facts.createdMs >= 0 ? facts.createdMs : facts.changedMs));
    m_modified->setText(stampText(facts.modifiedMs));
    m_accessed->setText(stampText(facts.accessedMs));
    m_fileGroup->show();
}

void TEigenschaftenForm::Button_Ok_OnClick()
{
    setWindowTitle(QStringLiteral("Setze Dateiattribute. Bitte warten..."));
    m_ok->setEnabled(false);
    m_readOnly->setEnabled(false);
    MsgBoxAttributeQuestions questions;
    BusyCursor busy;
    ApplyReadOnly(m_folder, m_names, m_scan.readOnly, m_readOnly->checkState(), questions);
    accept();
}
