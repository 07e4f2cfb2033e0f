#include "filemanager/ops/GroupSelection.h"

QString GroupPatternRefusal(const QString &pattern)
{
    if (pattern.isEmpty())
        return QStringLiteral("Keine Selektionskriterien angegeben.");
    const qsizetype dot = pattern.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return QStringLiteral("Kein \".\"-Trennzeichen angegeben.");
    if (dot == 0)
        return QStringLiteral("Kein Dateiname angegeben.");
    if (dot == pattern.size() - 1)
        return QStringLiteral("Keine Dateierweiterung angegeben.");
    for (const QChar c : QStringLiteral("\\/:\"<>|")) {
        if (pattern.contains(c))
            return QStringLiteral("Enthält ungültiges Zeichen: \\/:\"<>|");
    }
    return {};
}
