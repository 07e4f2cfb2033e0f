#include "TreeToolsBench.h"

#include "BenchTiming.h"
#include "ProjectGenerator.h"

#include "project/ProjectFile.h"
#include "tree/TreeSearch.h"
#include "tree/TreeSort.h"

#include <QRandomGenerator>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 3;

// Median of kRuns timings of work, each on a fresh project from make.
double medianSeconds(const std::function<std::unique_ptr<Project>()> &make, const std::function<void(Project &)> &work)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        std::unique_ptr<Project> project = make();
        if (!project)
            return -1;
        times.push_back(Measure([&] { work(*project); }).wall);
    }
    return Median(times);
}

// One level of entryCount siblings with mixed-case German titles.
std::unique_ptr<Project> flatProject(int entryCount)
{
    static const char *const words[] = {"Übersicht", "apfel", "Äpfel", "Zebra", "öl",    "Ofen", "straße",
                                        "Strasse",   "BETA",  "beta",  "Alpha", "ärger", "Bild", "bild"};
    QRandomGenerator random(4711);
    auto project = std::make_unique<Project>();
    for (int i = 0; i < entryCount; ++i) {
        const QString title = QString::fromUtf8(words[random.bounded(int(std::size(words)))]) + QLatin1Char(' ')
                              + QString::number(random.bounded(1000000));
        project->tree.append(nullptr, std::make_unique<ProjectEntry>(title));
    }
    return project;
}

const char *verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace

void BenchTreeTools(const QString &folder, int entryCount)
{
    const QString file = GenerateProject(folder, entryCount);
    const auto loadCatalogue = [&file]() -> std::unique_ptr<Project> {
        LoadReport report;
        return ReadProjectFile(file, report);
    };
    const auto flat = [entryCount] { return flatProject(entryCount); };

    const double sortAll = medianSeconds(loadCatalogue, [](Project &project) { SortAllLevels(project.tree); });
    const double sortFlat = medianSeconds(flat, [](Project &project) { SortLevel(project.tree, nullptr); });
    SearchSettings settings;
    settings.term = QStringLiteral("nirgends vorhanden");
    settings.searchComments = true;
    settings.searchCommands = true;
    const double search = medianSeconds(
        loadCatalogue, [&settings](Project &project) { FindInTree(project.tree, nullptr, settings, false); });
    settings.matchCase = true;
    const double searchCase = medianSeconds(
        loadCatalogue, [&settings](Project &project) { FindInTree(project.tree, nullptr, settings, false); });

    std::printf("\nSort and search, %d entries, median of %d runs\n", entryCount, kRuns);
    std::printf("  sort all levels <= 1.0 s          %.3f s  %s\n", sortAll, verdict(sortAll >= 0 && sortAll <= 1.0));
    std::printf("  sort one level of all <= 1.0 s    %.3f s  %s\n", sortFlat, verdict(sortFlat <= 1.0));
    std::printf("  search 3 fields, no hit <= 1.0 s  %.3f s  %s\n", search, verdict(search >= 0 && search <= 1.0));
    std::printf("  same, match case <= 1.0 s         %.3f s  %s\n", searchCase,
                verdict(searchCase >= 0 && searchCase <= 1.0));
}
