#include "common/DialogParts.h"

#include "common/AppContext.h"
#include "common/Help.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout *MakeDialogButtonRow(QDialog *dialog, QPushButton *primary, int helpContext)
{
    primary->setDefault(true);
    auto *cancel = named(new QPushButton(QStringLiteral("&Abbrechen"), dialog), "Button_Abbrechen");
    auto *help = named(new QPushButton(QStringLiteral("&Hilfe"), dialog), "Button_Hilfe");
    help->setEnabled(AppContext::hasHelpFile());
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, dialog, [helpContext] { ShowHelp(helpContext); });
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(primary);
    row->addWidget(cancel);
    row->addWidget(help);
    return row;
}
