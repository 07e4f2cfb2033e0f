#include "app/TSystemInfoForm.h"

#include "common/AppContext.h"
#include "common/FileUtils.h"
#include "platform/SystemInfo.h"

#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

void addRow(QFormLayout *form, QWidget *parent, const char *name, const QString &caption, const QString &value)
{
    auto *label = new QLabel(value, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(caption, label);
}

// "1.234 KB"; "unbekannt" for a size the system does not tell.
QString KilobyteText(qint64 bytes)
{
    if (bytes < 0)
        return QStringLiteral("unbekannt");
    return FormatThousands(bytes / 1024) + QStringLiteral(" KB");
}

} // namespace

TSystemInfoForm::TSystemInfoForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TSystemInfoForm"));
    setWindowTitle(QStringLiteral("Systeminformationen werden ermittelt. Bitte warten..."));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createGeneralGroup());
    layout->addWidget(createMemoryGroup());
    layout->addWidget(createDriveList());

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Button_Ok"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    resize(640, sizeHint().height());
    setWindowTitle(QStringLiteral("Systeminformationen"));
}

QWidget *TSystemInfoForm::createGeneralGroup()
{
    auto *group = new QGroupBox(QStringLiteral("System"), this);
    auto *form = new QFormLayout(group);
    addRow(form, group, "ProzessorLabel", QStringLiteral("Prozessor:"),
           QStringLiteral("%1 (%2 Kerne)").arg(SystemInfo::processorName()).arg(SystemInfo::processorCount()));
    addRow(form, group, "BetriebssystemLabel", QStringLiteral("Betriebssystem:"), SystemInfo::operatingSystem());
    addRow(form, group, "BenutzerLabel", QStringLiteral("Benutzer:"), SystemInfo::userName());
    addRow(form, group, "ProgrammordnerLabel", QStringLiteral("Programmordner:"), AppContext::programDirectory());
    addRow(form, group, "BenutzerordnerLabel", QStringLiteral("Benutzerordner:"), QDir::homePath());
    addRow(form, group, "TempordnerLabel", QStringLiteral("Temporärer Ordner:"), QDir::tempPath());
    return group;
}

QWidget *TSystemInfoForm::createMemoryGroup()
{
    const SystemInfo::Memory memory = SystemInfo::memory();
    auto *group = new QGroupBox(QStringLiteral("Speicher"), this);
    auto *form = new QFormLayout(group);
    addRow(form, group, "SpeicherGesamtLabel", QStringLiteral("Arbeitsspeicher gesamt:"), KilobyteText(memory.total));
    addRow(form, group, "SpeicherFreiLabel", QStringLiteral("Arbeitsspeicher verfügbar:"),
           KilobyteText(memory.available));
    addRow(form, group, "AuslagerungGesamtLabel", QStringLiteral("Auslagerungsspeicher gesamt:"),
           KilobyteText(memory.swapTotal));
    addRow(form, group, "AuslagerungFreiLabel", QStringLiteral("Auslagerungsspeicher frei:"),
           KilobyteText(memory.swapFree));
    return group;
}

QWidget *TSystemInfoForm::createDriveList()
{
    auto *group = new QGroupBox(QStringLiteral("Laufwerke"), this);
    auto *list = new QTreeWidget(group);
    list->setObjectName(QStringLiteral("LaufwerkListe"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels(
        {QStringLiteral("Laufwerk"), QStringLiteral("Dateisystem"), QStringLiteral("Größe"), QStringLiteral("Frei")});
    for (const SystemInfo::Drive &drive : SystemInfo::drives()) {
        auto *item = new QTreeWidgetItem(
            list, {drive.root, drive.fileSystem, KilobyteText(drive.total), KilobyteText(drive.free)});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    }
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(list);
    return group;
}
