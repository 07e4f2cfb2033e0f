#pragma once

#include <QString>

// Reports a failed save: "Fehler: Datei nicht gespeichert..." naming the file
// and the reason, and that an existing file stayed as it was. Help context
// 80580.
void ShowSaveFailure(const QString &fileName, const QString &reason);
