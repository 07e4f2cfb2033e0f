#pragma once

#include <QStringList>

class ProjectEntry;
class QWidget;
struct Project;

// Shows the statistics dialog modally over owner. commentField and
// commandField are what the main window's fields show for current.
void ShowStatistics(QWidget *owner, const Project &project, const ProjectEntry *current, const QString &projectFile,
                    const QStringList &commentField, const QString &commandField);
