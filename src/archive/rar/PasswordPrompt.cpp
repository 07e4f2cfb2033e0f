#include "archive/rar/PasswordPrompt.h"

#include "common/BusyCursor.h"
#include "common/ModalSeam.h"

#include <QInputDialog>
#include <QLineEdit>

bool AskEntryPassword(QWidget *parent, const QString &fileName, QString &password)
{
    NormalCursor normal;
    QInputDialog input(parent);
    input.setObjectName(QStringLiteral("PasswortDialog"));
    input.setWindowTitle(QStringLiteral("Passwort..."));
    input.setLabelText(QStringLiteral("Passwort benötigt von ") + fileName);
    input.setTextEchoMode(QLineEdit::Password);
    if (RunModal(&input) != QDialog::Accepted)
        return false;
    password = input.textValue();
    return true;
}
