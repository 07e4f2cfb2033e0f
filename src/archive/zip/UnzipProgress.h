#pragma once

#include <QString>

// The extraction bar: one step per 32768 bytes of the current file.
struct UnzipProgressBar {
    int minimum = 1;
    int maximum = 10;
    int position = 1;

    void fileBegins(qint64 fileSize);
    // One step unless already at the maximum.
    void step();
    void batchEnds();
};

// Result lines of the dialog for count entries of which successes worked.
QString ExtractResultText(int count, int successes);
QString TestResultText(int count, int successes);
