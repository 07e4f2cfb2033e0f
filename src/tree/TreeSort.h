#pragma once

class ProjectEntry;
class ProjectTree;

// Sorting of entries by title, ascending. Titles compare locale-aware in
// German word order with letter case significant; entries move together
// with their sub-entries, equal titles keep their order.

// Sorts the direct sub-entries of parent (nullptr: the top level).
void SortLevel(ProjectTree &tree, ProjectEntry *parent);

// Sorts the top level, then the sub-entries of every entry that has any.
void SortAllLevels(ProjectTree &tree);
