#include "tree/GoToPosition.h"

#include "common/MsgBox.h"

int ParsePosition(const QString &text, int entryCount)
{
    bool ok = false;
    const int position = text.trimmed().toInt(&ok, 10);
    if (!ok || position < 1 || position > entryCount)
        return 0;
    return position;
}

void ShowInvalidPosition()
{
    ShowMsgBox(QStringLiteral("Fehler: Ungültige Angabe..."),
               QStringLiteral("Der angegebene Wert ist kein gültiger Positionswert."), MsgBox::Error, MsgBox::ErrorBeep,
               MsgBox::Ok, 0);
}
