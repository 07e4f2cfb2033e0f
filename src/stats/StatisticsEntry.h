#pragma once

#include <QStringList>

class ProjectEntry;
class QTextStream;
class QWidget;
struct Project;

// Shows the statistics dialog modally over owner. commentField and
// commandField are what the main window's fields show for current.
void ShowStatistics(QWidget *owner, const Project &project, const ProjectEntry *current, const QString &projectFile,
                    const QStringList &commentField, const QString &commandField);

// brekko --stats FILE: the lines of the "Alle Einträge" page on out; 0 on
// success, 2 with a message on err.
int RunStatsCommand(const QStringList &args, QTextStream &out, QTextStream &err);
