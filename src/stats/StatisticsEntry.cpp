#include "stats/StatisticsEntry.h"

#include "common/BusyCursor.h"
#include "common/FileUtils.h"
#include "common/ModalSeam.h"
#include "project/ProjectFile.h"
#include "stats/StatisticsFigures.h"
#include "stats/TStatistikForm.h"

#include <QFileInfo>
#include <QTextStream>

void ShowStatistics(QWidget *owner, const Project &project, const ProjectEntry *current, const QString &projectFile,
                    const QStringList &commentField, const QString &commandField)
{
    StatisticsInput input;
    input.project = &project;
    input.current = current;
    input.projectFile = projectFile;
    input.projectName = project.name;
    input.commentField = commentField;
    input.commandField = commandField;
    std::unique_ptr<TStatistikForm> form;
    {
        BusyCursor busy;
        form = std::make_unique<TStatistikForm>(input, owner);
    }
    RunModal(form.get());
}

int RunStatsCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const qsizetype at = args.indexOf(QStringLiteral("--stats"));
    const QString file = at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    if (file.isEmpty()) {
        err << "brekko --stats FILE: keine Projektdatei angegeben.\n";
        return 2;
    }
    if (!QFileInfo(file).isFile()) {
        err << "Projektdatei nicht gefunden: " << file << "\n";
        return 2;
    }
    LoadReport report;
    std::unique_ptr<Project> project = ReadProjectFile(file, report);
    if (!project) {
        err << "Projektdatei konnte nicht gelesen werden: " << file << "\n";
        return 2;
    }
    const int count = project->tree.count();
    out << "Anzahl der Einträge: " << FormatThousands(count) << "\n";
    if (count < 2) {
        out << "Um Statistiken erstellen zu können müssen mehrere Einträge vorhanden sein...\n";
        return 0;
    }
    for (const QString &line : AllEntriesLines(project->tree, QLocale()))
        out << line << "\n";
    return 0;
}
