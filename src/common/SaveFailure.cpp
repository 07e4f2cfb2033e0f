#include "common/SaveFailure.h"

#include "common/MsgBox.h"

void ShowSaveFailure(const QString &fileName, const QString &reason)
{
    ShowMsgBox(QStringLiteral("Fehler: Datei nicht gespeichert..."),
               QStringLiteral("Die Datei\r\"%1\"\rkonnte nicht gespeichert werden:\r%2\rEine bereits vorhandene Datei "
                              "ist unverändert geblieben.")
                   .arg(fileName, reason),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 80580);
}
