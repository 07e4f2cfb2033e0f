#include "filemanager/ops/TCopyMoveParts.h"

#include "common/DialogParts.h"
#include "components/FolderListBox.h"
#include "components/Gauge.h"
#include "platform/Volumes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QLabel *symbol(QDialog *dialog, QStyle::StandardPixmap pixmap, const char *name)
{
    auto *label = named(new QLabel(dialog), name);
    label->setPixmap(dialog->style()->standardIcon(pixmap).pixmap(32, 32));
    return label;
}

QFrame *step2Panel(QDialog *dialog)
{
    auto *panel = named(new QFrame(dialog), "Panel_Step2");
    panel->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(new QLabel(QStringLiteral("Speicherplatzbedarf wird ermittelt und überprüft."), panel));
    layout->addWidget(new QLabel(QStringLiteral("Bitte warten..."), panel));
    panel->hide();
    return panel;
}

QFrame *step3Panel(QDialog *dialog, bool copyMode, CopyMoveParts &parts)
{
    auto *panel = named(new QFrame(dialog), "Panel_Step3");
    panel->setFrameShape(QFrame::StyledPanel);
    auto *verb =
        named(new QLabel(copyMode ? QStringLiteral("Kopiere Datei") : QStringLiteral("Verschiebe Datei"), panel),
              "Label_CopyMoveDatei");
    parts.sourceFile = named(new QLabel(panel), "Label_QuellFile");
    parts.targetFile = named(new QLabel(panel), "Label_ZielFile");
    for (QLabel *label : {parts.sourceFile, parts.targetFile})
        label->setTextFormat(Qt::PlainText);
    parts.gauge = named(new Gauge(panel), "Gauge");
    parts.abort = named(new QPushButton(QStringLiteral("&Abbrechen"), panel), "Button_AbortOperation");
    parts.abort->setToolTip(QStringLiteral("Operation sofort abbrechen"));
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(verb);
    layout->addWidget(parts.sourceFile);
    layout->addWidget(new QLabel(QStringLiteral("nach"), panel));
    layout->addWidget(parts.targetFile);
    auto *row = new QHBoxLayout;
    row->addWidget(parts.gauge, 1);
    row->addWidget(parts.abort);
    layout->addLayout(row);
    panel->hide();
    return panel;
}

} // namespace

CopyMoveParts BuildCopyMoveParts(QDialog *dialog, bool copyMode, int helpContext)
{
    CopyMoveParts parts;
    parts.count = named(new QLabel(dialog), "Label_AnzahlObjekte");
    parts.sourceFolder = named(new QLabel(dialog), "Label_QuellDir");
    parts.sourceFolder->setTextFormat(Qt::PlainText);
    QLabel *copyImage = symbol(dialog, QStyle::SP_FileDialogNewFolder, "Image_Copy");
    QLabel *moveImage = symbol(dialog, QStyle::SP_ArrowForward, "Image_Move");
    copyImage->setVisible(copyMode);
    moveImage->setVisible(!copyMode);

    auto *group = new QGroupBox(QStringLiteral("Zielverzeichnis:"), dialog);
    parts.target = named(new QLineEdit(group), "Edit_ZielDir");
    parts.tree = named(new FolderListBox(group), "DirectoryListBox");
    parts.drives = named(new QComboBox(group), "DriveComboBox");
    parts.drives->addItems(Volumes::driveList());
    parts.driveLabel = named(new QLabel(group), "DriveLabel");
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(parts.target);
    groupLayout->addWidget(parts.tree);
    auto *driveRow = new QHBoxLayout;
    driveRow->addWidget(parts.drives, 1);
    driveRow->addWidget(parts.driveLabel);
    groupLayout->addLayout(driveRow);

    parts.askOverride = named(new QCheckBox(QStringLiteral("Vor dem überschreiben von Dateien rückfragen"), dialog),
                              "CheckBox_AskOverride");
    parts.askOverride->setChecked(true);
    parts.carryAttributes =
        named(new QCheckBox(QStringLiteral("Dateiattribute übernehmen"), dialog), "CheckBox_AttrUebernehmen");
    parts.carryAttributes->setChecked(true);
    parts.carryAttributes->setVisible(copyMode);

    parts.start = named(new QPushButton(QStringLiteral("&Starten"), dialog), "Button_Starten");
    parts.start->setEnabled(false);
    parts.start->setToolTip(copyMode ? QStringLiteral("Kopieren starten") : QStringLiteral("Verschieben starten"));
    QHBoxLayout *buttons = MakeDialogButtonRow(dialog, parts.start, helpContext);
    if (auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("Button_Abbrechen")))
        cancel->setToolTip(copyMode ? QStringLiteral("Kopiervorhaben verwerfen")
                                    : QStringLiteral("Verschiebevorhaben verwerfen"));

    parts.step2 = step2Panel(dialog);
    parts.step3 = step3Panel(dialog, copyMode, parts);

    auto *head = new QHBoxLayout;
    auto *headText = new QVBoxLayout;
    headText->addWidget(parts.count);
    headText->addWidget(parts.sourceFolder);
    head->addWidget(copyImage);
    head->addWidget(moveImage);
    head->addLayout(headText, 1);

    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(head);
    layout->addWidget(group, 1);
    layout->addWidget(parts.askOverride);
    layout->addWidget(parts.carryAttributes);
    layout->addWidget(parts.step2);
    layout->addWidget(parts.step3);
    layout->addLayout(buttons);
    return parts;
}
