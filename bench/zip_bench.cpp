// Extraction of a 200 MB stored ZIP and a 10,000-file deflated ZIP through
// TZipMaster and the unzip module, compared with bsdtar and unzip on the same
// archives in the same run. Every run writes into a fresh folder.
#include "archive/zip/TZipMaster.h"
#include "common/MsgBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 7;

bool runTool(const QString &folder, const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

QByteArray bytesFor(int size, int seed)
{
    QByteArray bytes(size, '\0');
    quint32 state = static_cast<quint32>(seed) * 2654435761u;
    for (int i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(i % 5 == 0 ? state >> 24 : 'a' + i % 26);
    }
    return bytes;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The three extractors take turns, each round starting with another one, so
// that the state the file system is left in (inodes just freed elsewhere
// make creating files slow for a while) weighs on all of them alike.
void compare(const char *title, const QString &archive, int entries, QTemporaryDir &scratch, int &counter)
{
    const std::function<void(const QString &)> extractors[] = {
        [&](const QString &folder) {
            TZipMaster zip;
            zip.setDLLDirectory(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin"));
            zip.setZipFilename(archive);
            zip.ExtrBaseDir = folder;
            zip.ExtrOptions = TZipMaster::ExtrDirNames;
            zip.FSpecArgs = {QStringLiteral("*.*")};
            zip.RunLibrary();
            if (zip.SuccessCount() != entries)
                std::fprintf(stderr, "only %d of %d entries\n", zip.SuccessCount(), entries);
        },
        [&](const QString &folder) {
            runTool(folder, QStringLiteral("bsdtar"), {QStringLiteral("-xf"), archive});
        },
        [&](const QString &folder) {
            runTool(folder, QStringLiteral("unzip"), {QStringLiteral("-qo"), archive});
        },
    };
    std::vector<double> times[3];
    for (int round = 0; round < kRuns; ++round) {
        for (int turn = 0; turn < 3; ++turn) {
            const int which = (round + turn) % 3;
            const QString folder = scratch.filePath(QStringLiteral("run%1").arg(++counter));
            QDir().mkpath(folder);
            QElapsedTimer timer;
            timer.start();
            extractors[which](folder);
            times[which].push_back(timer.nsecsElapsed() / 1e9);
        }
    }
    // The median, and the best run, which the load of other processes and
    // the file system's housekeeping disturb least.
    for (const bool best : {false, true}) {
        double figures[3];
        for (int which = 0; which < 3; ++which)
            figures[which] = best ? *std::min_element(times[which].begin(), times[which].end()) : median(times[which]);
        std::printf("%-26s %-7s ours %7.3f s  bsdtar %7.3f s (%.2fx)  unzip %7.3f s (%.2fx)\n", best ? "" : title,
            best ? "best" : "median", figures[0], figures[1], figures[1] / figures[0], figures[2],
            figures[2] / figures[0]);
    }
    const char *names[] = {"ours", "bsdtar", "unzip"};
    for (int which = 0; which < 3; ++which) {
        std::printf("    %-7s", names[which]);
        for (double seconds : times[which])
            std::printf(" %7.3f", seconds);
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    MsgBox::ConsoleHandler console;
    MsgBox::setHandler(&console);
    QTemporaryDir scratch(QDir::currentPath() + QStringLiteral("/zipbench-XXXXXX"));
    const QString src = scratch.filePath(QStringLiteral("src"));
    QDir().mkpath(src + QStringLiteral("/many"));
    {
        QFile big(src + QStringLiteral("/big.bin"));
        big.open(QIODevice::WriteOnly);
        const QByteArray block = bytesFor(1 << 20, 7);
        for (int i = 0; i < 200; ++i)
            big.write(block);
    }
    for (int i = 0; i < 10000; ++i) {
        QFile small(src + QStringLiteral("/many/f%1.txt").arg(i));
        small.open(QIODevice::WriteOnly);
        small.write(bytesFor(2000 + i % 3000, i));
    }
    const QString stored = scratch.filePath(QStringLiteral("stored.zip"));
    const QString many = scratch.filePath(QStringLiteral("many.zip"));
    runTool(src, QStringLiteral("zip"), {QStringLiteral("-q0"), stored, QStringLiteral("big.bin")});
    runTool(src, QStringLiteral("zip"), {QStringLiteral("-qr"), many, QStringLiteral("many")});
    int counter = 0;
    std::printf("ZIP extraction, %d runs each (ratio > 1 means ours is faster)\n", kRuns);
    compare("200 MB stored, 1 file", stored, 1, scratch, counter);
    compare("10,000 files deflated", many, 10001, scratch, counter);
    MsgBox::setHandler(nullptr);
    return 0;
}
