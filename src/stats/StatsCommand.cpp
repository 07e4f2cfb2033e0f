#include "stats/StatsCommand.h"

#include "common/FileUtils.h"
#include "project/ProjectFile.h"
#include "stats/StatisticsFigures.h"

#include <QTextStream>

int RunStatsCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const qsizetype at = args.indexOf(QStringLiteral("--stats"));
    if (at < 0 || at + 1 >= args.size() || args.size() != 2) {
        err << "Aufruf: brekko --stats DATEI\n";
        return 2;
    }
    LoadReport report;
    const std::unique_ptr<Project> project = LoadProjectFile(args.at(at + 1), report);
    if (!project)
        return 2;
    const int count = project->tree.count();
    out << "Anzahl der Einträge: " << FormatThousands(count) << "\n";
    if (count < 2) {
        out << "Um Statistiken erstellen zu können müssen mehrere Einträge vorhanden sein...\n";
        return 0;
    }
    for (const QString &line : AllEntriesLines(project->tree, StatisticsLocale()))
        out << line << "\n";
    return 0;
}
