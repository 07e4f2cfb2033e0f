#pragma once

#include "BenchTiming.h"

#include <QString>

#include <functional>
#include <vector>

class QTemporaryDir;

// One way to extract an archive into a folder; it returns the timing of
// the part to count.
struct Extractor {
    const char *name;
    std::function<BenchTime(const QString &folder)> run;
    bool standardTool = false;
};

// Where the archives and the extracted files go: BREKKO_BENCH_DIR (a tmpfs
// such as /dev/shm measures the work, not the disk), else the current folder.
QString BenchFolder();

// Runs a standard tool in folder.
BenchTime RunTool(const QString &folder, const QString &program, const QStringList &arguments);

// Bytes that vary, so that packing has work to do.
QByteArray BenchBytes(int size, int seed);

// Runs every extractor the same number of times, taking turns so that the
// state the file system is left in weighs on all alike, each run into a
// fresh folder below scratch; prints the median wall and processor times
// of each, and each of ours as a share of the faster standard tool's.
void CompareExtractors(const char *title, const std::vector<Extractor> &extractors, QTemporaryDir &scratch);
