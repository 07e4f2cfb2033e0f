#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

class ProjectEntry;
class ProjectTree;

// The figures of the statistics dialog, computed without a window.

// Day.month.year hour:minute:second, no leading zeros, as stored (UTC).
QString StatisticsTimeText(const QDateTime &stamp);

// The figures' number format, the same in the window and on the command
// line: German.
QLocale StatisticsLocale();

// A figure with at most two decimals in locale's form, no trailing zeros:
// 12.5 -> "12,5" in German, 3 -> "3".
QString AverageText(long double value, const QLocale &locale);

struct ProjectFileFigures {
    bool found = false;
    QString fileName;
    qint64 size = 0;
    QString attributes;
    QString created;
    QString modified;
    QString accessed;
    qint64 lineCount = -1;       // -1: unreadable
    qint64 declaredEntries = -1; // "ITEM NEW" lines
};

// countLines reads the whole file for the two counts.
ProjectFileFigures ProjectFileStatistics(const QString &fileName, bool countLines = true);

// The shortest and longest of several comment lines (1-based; ties go to
// the earlier line); 0 when there are fewer than two lines.
struct CommentFigures {
    qint64 characters = 0;
    qint64 lines = 0;
    int shortestLine = 0;
    qint64 shortestLength = 0;
    int longestLine = 0;
    qint64 longestLength = 0;
};

CommentFigures CommentStatistics(const QStringList &comment);

// "1 - Ausführen"; empty for a number outside 0..5.
QString ActionNumberText(int action);

// The text for an expansion result and whether it is shown in red.
QString ExpansionResultText(int result, const QString &expanded, bool *isError);

// The lines of the "Alle Einträge" page; sums over all entries in tree order.
QStringList AllEntriesLines(const ProjectTree &tree, const QLocale &locale);
