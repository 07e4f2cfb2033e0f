#include "stats/StatisticsFigures.h"

#include "common/CommandLinePaths.h"
#include "platform/TextFile.h"
#include "project/ProjectTree.h"

#include <QFileInfo>

#include <cmath>

QString StatisticsTimeText(const QDateTime &stamp)
{
    if (!stamp.isValid())
        return {};
    return stamp.toUTC().toString(QStringLiteral("d.M.yyyy H:m:s"));
}

QLocale StatisticsLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

QString AverageText(long double value, const QLocale &locale)
{
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const double rounded = std::round(static_cast<double>(value) * 100.0) / 100.0;
    QString text = plain.toString(rounded, 'f', 2);
    const QString point = plain.decimalPoint();
    if (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(point))
        text.chop(point.size());
    return text;
}

ProjectFileFigures ProjectFileStatistics(const QString &fileName, bool countLines)
{
    ProjectFileFigures figures;
    const QFileInfo info(fileName);
    if (!info.exists())
        return figures;
    figures.found = true;
    figures.fileName = fileName;
    figures.size = info.size();
    if (!info.isWritable())
        figures.attributes += QStringLiteral("Schreibgeschützt ");
    if (info.isHidden())
        figures.attributes += QStringLiteral("Versteckt ");
    QDateTime created = info.birthTime();
    if (!created.isValid())
        created = info.metadataChangeTime();
    figures.created = StatisticsTimeText(created);
    figures.modified = StatisticsTimeText(info.lastModified());
    figures.accessed = StatisticsTimeText(info.lastRead());
    if (!countLines)
        return figures;

    qint64 lines = 0;
    qint64 entries = 0;
    const bool read = TextFile::forEachRawLine(fileName, [&](QByteArrayView line) {
        ++lines;
        if (QLatin1StringView(TextFile::trimmed(line)).compare(QLatin1String("ITEM NEW"), Qt::CaseInsensitive) == 0)
            ++entries;
        return true;
    });
    if (read) {
        figures.lineCount = lines;
        figures.declaredEntries = entries;
    }
    return figures;
}

CommentFigures CommentStatistics(const QStringList &comment)
{
    CommentFigures figures;
    figures.lines = comment.size();
    for (const QString &line : comment)
        figures.characters += line.size();
    if (comment.size() < 2)
        return figures;
    figures.shortestLine = figures.longestLine = 1;
    figures.shortestLength = figures.longestLength = comment.first().size();
    for (int i = 1; i < comment.size(); ++i) {
        const qint64 length = comment.at(i).size();
        if (length < figures.shortestLength) {
            figures.shortestLength = length;
            figures.shortestLine = i + 1;
        }
        if (length > figures.longestLength) {
            figures.longestLength = length;
            figures.longestLine = i + 1;
        }
    }
    return figures;
}

QString ActionNumberText(int action)
{
    static const char *const names[] = {"Keine Aktion",
                                        "Ausführen",
                                        "Dateimanager",
                                        "Rar-Archivdatei entpacken",
                                        "Zip-Archivdatei entpacken",
                                        "Brekko-Makrodatei ausführen"};
    if (action < 0 || action > 5)
        return {};
    return QString::number(action) + QStringLiteral(" - ") + QString::fromUtf8(names[action]);
}

QString ExpansionResultText(int result, const QString &expanded, bool *isError)
{
    *isError = result < 0;
    switch (result) {
    case ExpandFolder:
        return QStringLiteral("Verzeichnis: ") + expanded;
    case ExpandFile:
        return QStringLiteral("Datei: ") + expanded;
    case ExpandWords:
        return QStringLiteral("Parameterangabe: ") + expanded;
    case ExpandEmpty:
        return QStringLiteral("Keine Befehlszeile angegeben...");
    case ExpandNothing:
        return QStringLiteral("Datei/Verzeichnis konnte nicht gefunden werden...");
    default:
        return QStringLiteral("Parameterangabe unvollständig...");
    }
}

QStringList AllEntriesLines(const ProjectTree &tree, const QLocale &locale)
{
    long double titles = 0, commentLines = 0, commentChars = 0, commands = 0;
    const auto &entries = tree.preOrder();
    for (const ProjectEntry *entry : entries) {
        titles += entry->title.size();
        commentLines += entry->record.comment.size();
        for (const QString &line : entry->record.comment)
            commentChars += line.size();
        commands += entry->record.command.size();
    }
    const long double count = entries.empty() ? 1 : static_cast<long double>(entries.size());
    auto sum = [](long double value) { return QString::number(static_cast<qint64>(value)); };
    auto average = [&](long double value) { return AverageText(value / count, locale); };
    return {
        QStringLiteral("Bezeichnung:"),
        QStringLiteral("  Zeichenanzahl: ") + sum(titles),
        QStringLiteral("  Durchschnittliche Zeichenanzahl: ") + average(titles),
        QString(),
        QStringLiteral("Kommentar:"),
        QStringLiteral("  Zeilenanzahl: ") + sum(commentLines),
        QStringLiteral("  Durchschnittliche Zeilenanzahl: ") + average(commentLines),
        QStringLiteral("  Zeichenanzahl: ") + sum(commentChars),
        QStringLiteral("  Durchschnittliche Zeichenanzahl: ") + average(commentChars),
        QString(),
        QStringLiteral("Befehl:"),
        QStringLiteral("  Zeichenanzahl: ") + sum(commands),
        QStringLiteral("  Durchschnittliche Zeichenanzahl: ") + average(commands),
    };
}
