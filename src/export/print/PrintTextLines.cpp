#include "export/print/PrintTextLines.h"

#include "export/ExportText.h"
#include "project/Project.h"

QStringList PrintTextLines(const Project &project, const PrintFields &fields, const Settings &settings)
{
    ExportFields areas = ExportFields::fromSettings(settings);
    areas.title.enabled = fields.title;
    areas.comment.enabled = fields.comment;
    areas.command.enabled = fields.command;
    QStringList lines;
    RenderProjectText(lines, project.tree, areas);
    return lines;
}

PrintTextSource MakePrintTextSource(const Project &project, const Settings &settings)
{
    return [&project, settings](const PrintFields &fields) { return PrintTextLines(project, fields, settings); };
}
