// Rendering a catalogue of 100,000 entries as text, as the text export and
// the print export do. Run with `make bench`.
#include "ProjectGenerator.h"

#include "export/ExportText.h"
#include "project/ProjectFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianSeconds(const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e9);
    }
    std::sort(times.begin(), times.end());
    return times[1];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    constexpr int kEntries = 100000;
    QTemporaryDir folder;
    const QString file = GenerateProject(folder.path(), kEntries);
    LoadReport report;
    const auto project = ReadProjectFile(file, report);
    if (!project)
        return 2;

    ExportFields fields = ExportFields::fromSettings(Settings());
    fields.comment.enabled = fields.command.enabled = true;
    QStringList lines;
    const double render = medianSeconds([&] { RenderProjectText(lines, project->tree, fields); });
    TextExportOptions options;
    options.fields = fields;
    qsizetype tableLines = 0;
    const double table = medianSeconds([&] { tableLines = ComposeExportText(project->tree, options).size(); });

    std::printf("RenderProjectText, %d entries, all areas: %.3f s (%lld lines, target <= 1 s)\n", kEntries, render,
                static_cast<long long>(lines.size()));
    std::printf("Text page side by side, %d entries: %.3f s (%lld lines)\n", kEntries, table,
                static_cast<long long>(tableLines));
    return 0;
}
