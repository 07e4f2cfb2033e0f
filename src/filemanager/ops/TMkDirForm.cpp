#include "filemanager/ops/TMkDirForm.h"

#include "common/DialogParts.h"
#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "filemanager/ops/FolderEntries.h"
#include "platform/FileOperations.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TMkDirForm::TMkDirForm(const QString &folder, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("TMkDirForm"));
    setWindowTitle(QStringLiteral("Verzeichnis erstellen"));

    m_name = named(new QLineEdit(this), "DirEdit");
    auto *create = named(new QPushButton(QStringLiteral("&Erstellen"), this), "Button_Erstellen");
    create->setEnabled(false);
    connect(m_name, &QLineEdit::textChanged, create,
            [create](const QString &text) { create->setEnabled(!text.isEmpty()); });
    connect(create, &QPushButton::clicked, this, &TMkDirForm::Button_Erstellen_OnClick);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Legen Sie den Namen des neuen"), this));
    layout->addWidget(new QLabel(QStringLiteral("Verzeichnisses fest."), this));
    layout->addWidget(m_name);
    layout->addLayout(MakeDialogButtonRow(this, create, kHelpContext));
}

void TMkDirForm::refocus()
{
    m_name->selectAll();
    m_name->setFocus();
}

void TMkDirForm::Button_Erstellen_OnClick()
{
    const QString name = m_name->text();
    if (!IsValidFileName(name, true)) {
        refocus();
        return;
    }
    const QString path = JoinPath(m_folder, name);
    const QChar cr = QLatin1Char('\r');
    if (FileSystem::folderExists(path)) {
        ShowMsgBox(QStringLiteral("Fehler: Verzeichnis existiert bereits..."),
                   QStringLiteral("Verzeichnis \"") + NativeNames::forDisplay(path) + QStringLiteral("\"") + cr
                       + QStringLiteral("exiert bereits und kann deshalb auch nicht neu erstellt werden."),
                   MsgBox::Information, MsgBox::InformationBeep, MsgBox::Ok | MsgBox::Help, 30360);
        refocus();
        return;
    }
    if (!FileOperations::makeFolders(path)) {
        ShowMsgBox(QStringLiteral("Fehler: Verzeichnis konnte nicht erstellt werden..."),
                   QStringLiteral("Das Verzeichnis \"") + name + QStringLiteral("\"") + cr
                       + QStringLiteral("konnte nicht erstellt werden."),
                   MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 30370);
        refocus();
        return;
    }
    accept();
}
