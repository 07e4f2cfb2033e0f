#include "stats/StatisticsEntry.h"

#include "common/BusyCursor.h"
#include "common/ModalSeam.h"
#include "project/Project.h"
#include "stats/TStatistikForm.h"

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
    NormalCursor normal;
    RunModal(form.get());
}
