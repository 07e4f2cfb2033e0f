#include "export/print/PrintTextLines.h"

#include "project/Project.h"

namespace {

QString trimmedTitle(const QString &title)
{
    qsizetype start = 0;
    qsizetype end = title.size();
    auto blankOrControl = [](QChar c) { return c.unicode() <= 0x20 || c.category() == QChar::Other_Control; };
    while (start < end && blankOrControl(title.at(start)))
        ++start;
    while (end > start && blankOrControl(title.at(end - 1)))
        --end;
    return title.mid(start, end - start);
}

} // namespace

QStringList PrintTextLines(const Project &project, const PrintFields &fields, const Settings &settings)
{
    QStringList lines;
    for (const ProjectEntry *entry : project.tree.preOrder()) {
        const QString indent(entry->depth(), QLatin1Char(' '));
        if (fields.title)
            lines << indent + settings.titleArea.separator + trimmedTitle(entry->title);
        if (fields.comment) {
            for (const QString &line : entry->record.comment)
                lines << indent + settings.commentArea.separator + line;
        }
        if (fields.command)
            lines << indent + settings.commandArea.separator + entry->record.command;
    }
    return lines;
}

PrintTextSource MakePrintTextSource(const Project &project, const Settings &settings)
{
    return [&project, settings](const PrintFields &fields) { return PrintTextLines(project, fields, settings); };
}
