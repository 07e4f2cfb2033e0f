// Load and save times of large catalogues, compared with cat and cp on the
// same files. Run with `make bench`.
#include "BenchTiming.h"
#include "ProjectGenerator.h"
#include "TreeToolsBench.h"

#include "common/AppContext.h"
#include "project/ProjectFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <functional>

namespace {

constexpr int kRuns = 3;

// Median wall-clock seconds of kRuns runs.
double medianSeconds(const std::function<void()> &work)
{
    return MedianOf(kRuns, [&work](int) { work(); }).wall;
}

double toolSeconds(const QString &command)
{
    return medianSeconds([&command] { QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command}); });
}

std::unique_ptr<Project> load(const QString &file)
{
    LoadReport report;
    if (!CheckProjectFile(file))
        return nullptr;
    return ReadProjectFile(file, report);
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Child mode: load and save once, report the peak memory.
int measureMemory(const QString &file)
{
    auto project = load(file);
    if (!project)
        return 2;
    SaveProjectFile(*project, file + QStringLiteral(".copy.prj"), SaveOptions{false, {}});
    std::printf("%ld\n", peakMegabytes());
    return 0;
}

struct Figures {
    double load = 0;
    double save = 0;
    double cat = 0;
    double cp = 0;
    long memory = 0;
};

Figures measure(const QString &folder, int entries)
{
    Figures figures;
    const QString file = GenerateProject(folder, entries);
    std::unique_ptr<Project> project;
    figures.load = medianSeconds([&] { project = load(file); });
    const QString copy = folder + QStringLiteral("/saved.prj");
    figures.save = medianSeconds([&] { SaveProjectFile(*project, copy, SaveOptions{true, QStringLiteral(".pr~")}); });
    figures.cat = toolSeconds(QStringLiteral("cat '%1' '%1' '%1' > /dev/null").arg(file));
    figures.cp = toolSeconds(QStringLiteral("cp '%1' '%2'").arg(file, folder + QStringLiteral("/cp.prj")));

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory"), file});
    child.waitForFinished(-1);
    figures.memory = QString::fromLatin1(child.readAllStandardOutput()).trimmed().toLong();

    std::printf("%7d entries (%5.1f MB file): load %.3f s (cat x3: %.3f s), save %.3f s (cp: %.3f s), "
                "peak memory %ld MB\n",
                entries, QFile(file).size() / 1e6, figures.load, figures.cat, figures.save, figures.cp, figures.memory);
    return figures;
}

const char *verdict(bool met)
{
    return met ? "met" : "MISSED";
}

// A file from elsewhere: two entries, then entries that all name the first
// one as parent, so that each goes into the middle of the tree walk.
double measureOutOfOrder(const QString &folder, int entries)
{
    QByteArray text = "<Talvoren V4 Projektdatei>\r\n\r\n";
    for (int i = 0; i < entries + 2; ++i)
        text += "Item New\r\n  ParentNr=" + QByteArray(i < 2 ? "-1" : "0") + "\r\n  Titel=E" + QByteArray::number(i)
                + "\r\nItem Done\r\n";
    const QString file = folder + QStringLiteral("/out-of-order.prj");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
        return -1;
    out.close();
    const double seconds = medianSeconds([&file] { load(file); });
    std::printf("%7d entries not in pre-order: load %.3f s\n", entries, seconds);
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--memory"))
        return measureMemory(arguments.at(2));
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--generate")) {
        std::printf("%s\n", qPrintable(GenerateProject(arguments.at(2), arguments.at(3).toInt())));
        return 0;
    }

    QTemporaryDir dir;
    AppContext::setProgramDirectory(dir.path());
    std::printf("Project file load (with consistency check) and save, median of %d runs\n", kRuns);
    const Figures small = measure(dir.path(), 10'000);
    const Figures large = measure(dir.path(), 100'000);

    const double outOfOrder = measureOutOfOrder(dir.path(), 100'000);

    const double loadGrowth = large.load / small.load;
    const double saveGrowth = large.save / small.save;
    std::printf("\nTargets for 100,000 entries:\n");
    std::printf("  load <= 1.0 s            %.3f s  %s\n", large.load, verdict(large.load <= 1.0));
    std::printf("  save <= 0.5 s            %.3f s  %s\n", large.save, verdict(large.save <= 0.5));
    std::printf("  load, parents not in pre-order <= 1.0 s   %.3f s  %s\n", outOfOrder,
                verdict(outOfOrder >= 0 && outOfOrder <= 1.0));
    std::printf("  peak memory < 200 MB     %ld MB  %s\n", large.memory, verdict(large.memory < 200));
    std::printf("  load growth 10k->100k <= 12x   %.1fx  %s\n", loadGrowth, verdict(loadGrowth <= 12));
    std::printf("  save growth 10k->100k <= 12x   %.1fx  %s\n", saveGrowth, verdict(saveGrowth <= 12));

    BenchTreeTools(dir.path(), 100'000);
    return 0;
}
