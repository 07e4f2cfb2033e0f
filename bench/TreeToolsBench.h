#pragma once

#include <QString>

// Times sorting and searching a catalogue of entryCount entries generated in
// folder and prints them against their targets.
void BenchTreeTools(const QString &folder, int entryCount);
