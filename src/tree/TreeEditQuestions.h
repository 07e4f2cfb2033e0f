#pragma once

#include <QString>

class ProjectEntry;
class ProjectTree;

// The questions and refusals of tree editing, and the status texts that
// tell where the selected entry stands. Each question is true on "Ja".
bool AskRemoveEntry(const ProjectTree &tree, const ProjectEntry *entry);
bool AskRemoveChildren(const ProjectTree &tree, const ProjectEntry *entry);
bool AskRemoveAll();
// An entry cannot be moved onto itself or below itself.
void ShowMoveRefused();

// "Position: p/n    Ebene: d    Untereinträge: c    Image: i,j".
QString SelectionHint(const ProjectTree &tree, const ProjectEntry *entry);
// The position as a percentage of all entries, with "%"; "0%" for none.
QString SelectionPercent(const ProjectTree &tree, const ProjectEntry *entry);
