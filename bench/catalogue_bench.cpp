// Cataloguing a medium of 100,000 files in 10,000 folders: the scan alone,
// and the scan with the proposals shown in their window, compared with
// find -printf '%y %s %p\n' on the same tree in the same run; memory of the
// proposals.
#include "BenchTiming.h"

#include "platform/Volumes.h"
#include "project/Project.h"
#include "tree/ProjectTreeModel.h"
#include "tree/scan/CatalogueEntries.h"
#include "tree/scan/CatalogueScanner.h"
#include "tree/scan/TOrdnerEinlesenForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kTopFolders = 100;
constexpr int kSubFolders = 99; // per top folder: 100 + 9,900 = 10,000 folders
constexpr int kFilesPerFolder = 10;
constexpr int kRounds = 3;

struct Sample {
    const char *suffix;
    QByteArray content;
    int mode;
};

// Names by which the type is known, archives and macro files that are read,
// and names without a known type that are read too.
const Sample kSamples[kFilesPerFolder] = {
    {".txt", "text\n", 0644},
    {".pdf", "%PDF-1.4\n", 0644},
    {".png", "\x89PNG", 0644},
    {".sh", "#!/bin/sh\n", 0755},
    {".zip", QByteArray("PK\x03\x04", 4), 0644},
    {".mkr", "<Talvoren V4 Makrodatei>\r\n", 0644},
    {"", "#!/bin/sh\n", 0755},
    {".html", "<html></html>\n", 0644},
    {".dat", QByteArray("\x00\x01\x02", 3), 0644},
    {".mp3", "ID3", 0644},
};

void writeFile(const QString &path, const Sample &sample)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(sample.content);
    ::chmod(QFile::encodeName(path).constData(), mode_t(sample.mode));
}

void fillFolder(const QString &folder, int number)
{
    QDir().mkpath(folder);
    for (int i = 0; i < kFilesPerFolder; ++i)
        writeFile(folder + QStringLiteral("/datei%1-%2%3").arg(number).arg(i).arg(QLatin1String(kSamples[i].suffix)),
                  kSamples[i]);
}

void makeMedium(const QString &root)
{
    int number = 0;
    for (int top = 0; top < kTopFolders; ++top) {
        const QString topFolder = root + QStringLiteral("/Ordner%1").arg(top);
        fillFolder(topFolder, number++);
        for (int sub = 0; sub < kSubFolders; ++sub)
            fillFolder(topFolder + QStringLiteral("/Unterordner%1").arg(sub), number++);
    }
}

long residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLong() * (::sysconf(_SC_PAGESIZE) / 1024);
}

long peakKb()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Report(const char *what, const BenchTime &timing, const BenchTime &find, double limit)
{
    std::printf("  %-34s %.3f s (processor %.3f s)  %.2fx find  (<= %.1f s)  %s\n", what, timing.wall, timing.cpu,
                timing.wall / find.wall, limit, timing.wall <= limit ? "met" : "MISSED");
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString medium = dir.path() + QStringLiteral("/medium");
    makeMedium(medium);

    // The best wall-clock time of the rounds, and the processor time of that
    // round: on a loaded machine the second tells more.
    const BenchTime find = BestOf(kRounds, [&] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral("find"), {medium, QStringLiteral("-printf"), QStringLiteral("%y %s %p\\n")});
        process.waitForFinished(-1);
    });

    CatalogueOptions options;
    options.drive = Volumes::volumeOf(medium);
    const long before = residentKb();
    long shownKb = 0;
    std::unique_ptr<TOrdnerEinlesenForm> kept;
    const BenchTime shown = BestOf(kRounds, [&] {
        kept.reset();
        auto form = std::make_unique<TOrdnerEinlesenForm>(medium, options);
        form->show();
        form->runScan();
        QCoreApplication::processEvents();
        shownKb = std::max(shownKb, residentKb() - before);
        kept = std::move(form);
    });

    qint64 proposals = 0;
    const BenchTime scan = BestOf(kRounds, [&] {
        const CatalogueScan result = ScanForCatalogue(medium, options);
        proposals = CountProposals(*result.root);
    });

    Project project;
    ProjectTreeModel model;
    model.setProject(&project);
    ProjectTree staging;
    const BenchTime added = Measure([&] {
        AppendCatalogueEntries(*kept->scan().root, staging, nullptr, [](const QString &) { return -1; });
        MoveCatalogueEntries(staging, project.tree, nullptr, model);
    });

    std::printf("\nCatalogue of %d files in %d folders (%lld proposals):\n",
                kTopFolders * (kSubFolders + 1) * kFilesPerFolder, kTopFolders * (kSubFolders + 1),
                static_cast<long long>(proposals));
    std::printf("  %-34s %.3f s (processor %.3f s)\n", "find -printf '%y %s %p\\n'", find.wall, find.cpu);
    Report("scan", scan, find, 2.0);
    Report("scan and proposals shown", shown, find, 2.0);
    std::printf("  %-34s %.3f s\n", "checked rows added to the tree", added.wall);
    std::printf("  %-34s %ld MB (<= 200 MB)  %s; peak of the whole process %ld MB\n", "memory of scan and window",
                shownKb / 1024, shownKb / 1024 <= 200 ? "met" : "MISSED", peakKb() / 1024);
    return proposals > 0 && project.tree.count() > 0 ? 0 : 1;
}
