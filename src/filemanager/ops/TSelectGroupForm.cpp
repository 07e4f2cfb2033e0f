#include "filemanager/ops/TSelectGroupForm.h"

#include "common/DialogParts.h"
#include "common/MsgBox.h"
#include "filemanager/ops/GroupSelection.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSelectGroupForm::TSelectGroupForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TSelectGroupForm"));
    setWindowTitle(QStringLiteral("Guppe markieren"));

    m_pattern = named(new QLineEdit(QStringLiteral("*.*"), this), "GroupEdit");
    m_excludeFolders =
        named(new QCheckBox(QStringLiteral("Verzeichnisse ausschließen"), this), "CheckBox_VerzeichnisseAusschliessen");
    auto *take = named(new QPushButton(QStringLiteral("Über&nehmen"), this), "Button_Uebernehmen");
    connect(m_pattern, &QLineEdit::textChanged, take,
            [take](const QString &text) { take->setEnabled(!text.isEmpty()); });
    connect(take, &QPushButton::clicked, this, &TSelectGroupForm::Button_Uebernehmen_OnClick);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Markierung wird um entsprechende Gruppe erweitert."), this));
    layout->addWidget(new QLabel(QStringLiteral("Geben Sie die Selektionskriterien an (z.B. *.txt)."), this));
    layout->addWidget(m_pattern);
    layout->addWidget(m_excludeFolders);
    layout->addLayout(MakeDialogButtonRow(this, take, kHelpContext));
    m_pattern->selectAll();
    m_pattern->setFocus();
}

QString TSelectGroupForm::pattern() const
{
    return m_pattern->text();
}

bool TSelectGroupForm::excludeFolders() const
{
    return m_excludeFolders->isChecked();
}

void TSelectGroupForm::Button_Uebernehmen_OnClick()
{
    const QString refusal = GroupPatternRefusal(m_pattern->text());
    if (refusal.isEmpty()) {
        accept();
        return;
    }
    ShowMsgBox(QStringLiteral("Fehler: Ungültige Angabe..."), refusal, MsgBox::Information, MsgBox::InformationBeep,
               MsgBox::Ok, 0);
    m_pattern->selectAll();
    m_pattern->setFocus();
}
