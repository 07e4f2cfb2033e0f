#include "app/settings/ExtrasPage.h"

#include "common/DialogParts.h"
#include "common/settings/SettingsTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QString counterText(const QString &text)
{
    return QStringLiteral("%1 Zeichen.").arg(text.size());
}

} // namespace

ExtrasPage::ExtrasPage(QWidget *parent)
    : SettingsPage(parent)
{
    auto *grid = new QGridLayout(this);
    grid->addWidget(buildBackupGroup(), 0, 0);
    grid->addWidget(buildPageGroup(), 0, 1);
    grid->addWidget(buildExportGroup(), 1, 0);
    grid->addWidget(buildFileManagerGroup(), 1, 1);
    grid->setRowStretch(2, 1);
    reportChanges();
}

QWidget *ExtrasPage::buildBackupGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Sicherungskopien:"), this);
    auto *grid = new QGridLayout(group);
    m_backups = named(new QCheckBox(QStringLiteral("Sicherungskopien von den Projektdateien erstellen"), group),
                      "CheckBox_UseSicherungskopien");
    m_backupExtension = named(new QLineEdit(QStringLiteral(".pr~"), group), "Edit_DateierweiterungSicherungskopien");
    m_backupExtension->setMaximumWidth(60);
    grid->addWidget(m_backups, 0, 0, 1, 2);
    AddLabelled(grid, 1, QStringLiteral("Dateierweiterung der Sicherungskopien:"), m_backupExtension);
    return group;
}

QWidget *ExtrasPage::buildExportGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Projekt exportieren:"), this);
    auto *grid = new QGridLayout(group);
    m_areas[0] = addArea(grid, 0, QStringLiteral("Feldbereich Bezeichnung:"), "CheckBox_FeldbereichBezeichnung",
                         "Edit_FeldbereichBezeichnung", "Label_FeldbereichBezeichnungCount");
    m_areas[1] = addArea(grid, 1, QStringLiteral("Feldbereich Kommentar:"), "CheckBox_FeldbereichKommentar",
                         "Edit_FeldbereichKommentar", "Label_FeldbereichKommentarCount");
    m_areas[2] = addArea(grid, 2, QStringLiteral("Feldbereich Befehl:"), "CheckBox_FeldbereichBefefhl",
                         "Edit_FeldbereichBefefhl", "Label_FeldbereichBefehlCount");
    return group;
}

// The separator stands in double quotes in the settings file, so it cannot
// hold one.
ExtrasPage::Area ExtrasPage::addArea(QGridLayout *grid, int row, const QString &caption, const char *checkName,
                                     const char *editName, const char *counterName)
{
    QWidget *group = grid->parentWidget();
    Area area;
    area.check = named(new QCheckBox(caption, group), checkName);
    area.separator = named(new QLineEdit(group), editName);
    area.separator->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), area.separator));
    auto *counter = named(new QLabel(counterText(QString()), group), counterName);
    grid->addWidget(area.check, row, 0);
    grid->addWidget(area.separator, row, 1);
    grid->addWidget(counter, row, 2);
    connect(area.separator, &QLineEdit::textChanged, counter,
            [counter](const QString &text) { counter->setText(counterText(text)); });
    return area;
}

QWidget *ExtrasPage::buildPageGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Benutzerdefiniertes Druckseitenformat:"), this);
    auto *grid = new QGridLayout(group);
    m_pageWidth = AddSettingsNumber(group, grid, 0, QStringLiteral("Breite:"), "Edit_UserDruckseitenformatBreite", 0,
                                    QStringLiteral("mm"));
    m_pageHeight = AddSettingsNumber(group, grid, 1, QStringLiteral("Höhe:"), "Edit_UserDruckseitenformatHoehe", 0,
                                     QStringLiteral("mm"));
    return group;
}

QWidget *ExtrasPage::buildFileManagerGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Dateimanager:"), this);
    auto *grid = new QGridLayout(group);
    m_fileManagerState = named(new QComboBox(group), "ComboBox_DateimanagerWinState");
    m_fileManagerState->addItems({QStringLiteral("Normal"), QStringLiteral("Maximiert"), QStringLiteral("Minimiert")});
    m_fileManagerView = named(new QComboBox(group), "ComboBox_DateimanagerViewStyle");
    m_fileManagerView->addItems({QStringLiteral("Große Symbole"), QStringLiteral("Kleine Symbole"),
                                 QStringLiteral("Liste"), QStringLiteral("Details")});
    AddLabelled(grid, 0, QStringLiteral("Fensterstatus:"), m_fileManagerState);
    AddLabelled(grid, 1, QStringLiteral("Symbolansicht:"), m_fileManagerView);
    return group;
}

void ExtrasPage::load(const Settings &settings)
{
    m_backups->setChecked(settings.makeBackup);
    m_backupExtension->setText(settings.backupExtension);
    const ExportArea *areas[3] = {&settings.titleArea, &settings.commentArea, &settings.commandArea};
    for (int a = 0; a < 3; ++a) {
        m_areas[a].check->setChecked(areas[a]->enabled);
        m_areas[a].separator->setText(areas[a]->separator);
    }
    m_pageWidth->setText(QString::number(settings.customPageWidth));
    m_pageHeight->setText(QString::number(settings.customPageHeight));
    m_fileManagerState->setCurrentIndex(settings.fileManagerState);
    m_fileManagerView->setCurrentIndex(settings.fileManagerViewStyle - 1);
}

bool ExtrasPage::store(Settings &settings) const
{
    settings.makeBackup = m_backups->isChecked();
    settings.backupExtension = NormalizedBackupExtension(m_backupExtension->text().trimmed(), settings.backupExtension);
    ExportArea *areas[3] = {&settings.titleArea, &settings.commentArea, &settings.commandArea};
    for (int a = 0; a < 3; ++a)
        *areas[a] = {m_areas[a].check->isChecked(), m_areas[a].separator->text()};
    settings.fileManagerState = m_fileManagerState->currentIndex();
    settings.fileManagerViewStyle = m_fileManagerView->currentIndex() + 1;
    int width = 0;
    int height = 0;
    if (!ReadNumber(m_pageWidth, width) || !ReadNumber(m_pageHeight, height))
        return false;
    // A page without width and height is no format; the one in force stays,
    // as it would when the file is read again.
    if (width > 0 || height > 0) {
        settings.customPageWidth = width;
        settings.customPageHeight = height;
    }
    return true;
}
