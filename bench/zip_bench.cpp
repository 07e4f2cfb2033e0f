// Extraction of a 200 MB stored ZIP and a 10,000-file deflated ZIP through
// TZipMaster and the unzip module, and through the Unzip dialog, compared
// with bsdtar and unzip on the same archives in the same run. Every run
// writes into a fresh folder.
#include "archive/zip/TUnzipForm.h"
#include "archive/zip/TZipMaster.h"
#include "common/AppContext.h"
#include "common/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
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

struct Extractor {
    const char *name;
    std::function<void(const QString &folder)> run;
};

// TZipMaster and the module alone, as the command line uses them.
void extractWithMaster(const QString &archive, int entries, const QString &folder)
{
    TZipMaster zip;
    zip.setDLLDirectory(AppContext::programDirectory());
    zip.setZipFilename(archive);
    zip.ExtrBaseDir = folder;
    zip.ExtrOptions = TZipMaster::ExtrDirNames;
    zip.FSpecArgs = {QStringLiteral("*.*")};
    zip.RunLibrary();
    if (zip.SuccessCount() != entries)
        std::fprintf(stderr, "only %d of %d entries\n", zip.SuccessCount(), entries);
}

// The Unzip dialog's "Entpacken" with its log, bar and events; the listing
// before it is not timed.
double extractWithDialog(const QString &archive, const QString &folder)
{
    TUnzipForm form(nullptr, archive);
    form.FormActivate();
    form.findChild<QLineEdit *>(QStringLiteral("Edit_ZielDir"))->setText(folder);
    QElapsedTimer timer;
    timer.start();
    form.Button_Entpacken_OnClick();
    return timer.nsecsElapsed() / 1e9;
}

// The extractors take turns, each round starting with another one, so that
// the state the file system is left in (inodes just freed elsewhere make
// creating files slow for a while) weighs on all of them alike.
void compare(const char *title, const QString &archive, int entries, QTemporaryDir &scratch, int &counter)
{
    double dialogSeconds = 0;
    const Extractor extractors[] = {
        {"ours", [&](const QString &folder) { extractWithMaster(archive, entries, folder); }},
        {"dialog", [&](const QString &folder) { dialogSeconds = extractWithDialog(archive, folder); }},
        {"bsdtar",
         [&](const QString &folder) {
             runTool(folder, QStringLiteral("bsdtar"), {QStringLiteral("-xf"), archive});
         }},
        {"unzip",
         [&](const QString &folder) {
             runTool(folder, QStringLiteral("unzip"), {QStringLiteral("-qo"), archive});
         }},
    };
    constexpr int count = sizeof extractors / sizeof extractors[0];
    std::vector<double> times[count];
    for (int round = 0; round < kRuns; ++round) {
        for (int turn = 0; turn < count; ++turn) {
            const int which = (round + turn) % count;
            const QString folder = scratch.filePath(QStringLiteral("run%1").arg(++counter));
            QDir().mkpath(folder);
            QElapsedTimer timer;
            timer.start();
            extractors[which].run(folder);
            times[which].push_back(which == 1 ? dialogSeconds : timer.nsecsElapsed() / 1e9);
        }
    }
    // The median, and the best run, which the load of other processes and
    // the file system's housekeeping disturb least.
    for (const bool best : {false, true}) {
        double figures[count];
        for (int which = 0; which < count; ++which)
            figures[which] = best ? *std::min_element(times[which].begin(), times[which].end()) : median(times[which]);
        std::printf("%-24s %-6s", best ? "" : title, best ? "best" : "median");
        for (int which = 0; which < 2; ++which)
            std::printf("  %s %6.3f s (bsdtar %.2fx, unzip %.2fx)", extractors[which].name, figures[which],
                        figures[2] / figures[which], figures[3] / figures[which]);
        std::printf("  bsdtar %6.3f s  unzip %6.3f s\n", figures[2], figures[3]);
    }
    for (int which = 0; which < count; ++which) {
        std::printf("    %-7s", extractors[which].name);
        for (double seconds : times[which])
            std::printf(" %7.3f", seconds);
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppContext::setProgramDirectory(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/"));
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
    std::printf("ZIP extraction, %d runs each (ratio > 1: faster than the tool)\n", kRuns);
    compare("200 MB stored, 1 file", stored, 1, scratch, counter);
    compare("10,000 files deflated", many, 10001, scratch, counter);
    MsgBox::setHandler(nullptr);
    return 0;
}
