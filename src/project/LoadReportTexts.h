#pragma once

#include <QString>

// Labels of the load report, in the order the report shows them.
namespace LoadReportTexts {
inline const QString entriesRead = QStringLiteral("Anzahl der tatsächlich eingelesenen Einträge:");
inline const QString entriesInFile = QStringLiteral("Insgesamt Anzahl der Einträge in der Projektdatei:");
inline const QString linesRead = QStringLiteral("Anzahl der tatsächlich eingelesenen Zeilen:");
inline const QString linesInFile = QStringLiteral("Insgesamt Anzahl der Zeilen in der Projektdatei:");
} // namespace LoadReportTexts
