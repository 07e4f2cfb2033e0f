#include "ExtractionBench.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kRuns = 7;

} // namespace

QString BenchFolder()
{
    return qEnvironmentVariable("BREKKO_BENCH_DIR", QDir::currentPath());
}

BenchTime RunTool(const QString &folder, const QString &program, const QStringList &arguments)
{
    return Measure([&] {
        QProcess process;
        process.setWorkingDirectory(folder);
        process.start(program, arguments);
        if (!process.waitForFinished(-1) || process.exitCode() != 0)
            std::fprintf(stderr, "%s failed\n", qPrintable(program));
    });
}

QByteArray BenchBytes(int size, int seed)
{
    QByteArray bytes(size, '\0');
    quint32 state = static_cast<quint32>(seed) * 2654435761u;
    for (int i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(i % 5 == 0 ? state >> 24 : 'a' + i % 26);
    }
    return bytes;
}

void CompareExtractors(const char *title, const std::vector<Extractor> &extractors, QTemporaryDir &scratch)
{
    static int counter = 0;
    const size_t count = extractors.size();
    std::vector<std::vector<double>> walls(count), cpus(count);
    for (int round = 0; round < kRuns; ++round) {
        for (size_t turn = 0; turn < count; ++turn) {
            const size_t which = (size_t(round) + turn) % count;
            const QString folder = scratch.filePath(QStringLiteral("run%1").arg(++counter));
            QDir().mkpath(folder);
            const BenchTime timing = extractors[which].run(folder);
            walls[which].push_back(timing.wall);
            cpus[which].push_back(timing.cpu);
            QDir(folder).removeRecursively();
        }
    }
    for (const bool cpu : {false, true}) {
        const std::vector<std::vector<double>> &times = cpu ? cpus : walls;
        std::vector<double> figures(count);
        double fastestTool = 0;
        for (size_t which = 0; which < count; ++which) {
            figures[which] = Median(times[which]);
            if (extractors[which].standardTool && (fastestTool == 0 || figures[which] < fastestTool))
                fastestTool = figures[which];
        }
        std::printf("%-28s %-4s", cpu ? "" : title, cpu ? "cpu" : "wall");
        for (size_t which = 0; which < count; ++which) {
            std::printf("  %s %.3f s", extractors[which].name, figures[which]);
            if (!extractors[which].standardTool)
                std::printf(" (%.2fx)", figures[which] / fastestTool);
        }
        std::printf("\n");
    }
    for (size_t which = 0; which < count; ++which) {
        std::printf("    %-7s wall", extractors[which].name);
        for (double seconds : walls[which])
            std::printf(" %7.3f", seconds);
        std::printf("\n");
    }
    std::fflush(stdout);
}
