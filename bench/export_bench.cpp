// Text of a catalogue of 100,000 entries, offscreen: rendering as the text
// export and the print export do, the text export dialog's page "Text", the
// statistics dialog, and --export-text and --print of 100,000 nested levels.
// cat and pdftotext on the same files are the standard tools beside them.
// Run with `make bench`.
#include "ProjectGenerator.h"

#include "common/AppContext.h"
#include "common/settings/Settings.h"
#include "export/ExportText.h"
#include "export/TExportTextdateiForm.h"
#include "project/ProjectFile.h"
#include "stats/TStatistikForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int kEntries = 100'000;
constexpr double kGoal = 3.0;

double seconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

double shell(const QString &command)
{
    return seconds([&] { QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command}); });
}

void report(const char *what, double time, const QString &detail)
{
    std::printf("  %-44s %7.3f s  %-24s goal < %.0f s: %s\n", what, time, qPrintable(detail), kGoal,
                time < kGoal ? "met" : "MISSED");
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    AppContext::setProgramDirectory(folder.path() + QLatin1Char('/'));
    const QString file = GenerateProject(folder.path(), kEntries);
    LoadReport loadReport;
    const auto project = ReadProjectFile(file, loadReport);
    if (!project)
        return 2;
    std::printf("Text of 100,000 entries (cat of the project file: %.3f s):\n",
                shell(QStringLiteral("cat '%1' > /dev/null").arg(file)));

    ExportFields fields = ExportFields::fromSettings(Settings());
    fields.comment.enabled = fields.command.enabled = true;
    QStringList lines;
    const double render = seconds([&] { RenderProjectText(lines, project->tree, fields); });
    report("RenderProjectText, all areas", render, QStringLiteral("(%1 lines)").arg(lines.size()));

    Settings settings;
    settings.commentArea.enabled = true;
    TExportTextdateiForm exportForm(*project, settings);
    exportForm.show();
    QCoreApplication::processEvents();
    auto *pages = exportForm.findChild<QTabWidget *>(QStringLiteral("PageControl"));
    const double textPage = seconds([&] { pages->setCurrentIndex(1); });
    const int textLines = exportForm.findChild<QPlainTextEdit *>(QStringLiteral("RichEdit"))->blockCount();
    report("text export: page \"Text\"", textPage, QStringLiteral("(%1 lines)").arg(textLines));

    TStatistikForm statistics({project.get(), project->tree.entryAt(5), file, project->name, {}, QString()});
    const double figures = seconds([&] {
        statistics.show();
        while (statistics.windowTitle() != QLatin1String("Projektstatistik"))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    });
    report("statistics: shown and filled", figures, QString());

    const QString deep = GenerateDeepProject(folder.path(), kEntries);
    std::printf("100,000 nested levels (cat: %.3f s):\n", shell(QStringLiteral("cat '%1' > /dev/null").arg(deep)));
    const double text = shell(QStringLiteral("'%1' --export-text '%2' > '%3/deep.txt'")
                                  .arg(QStringLiteral(BREKKO_EXECUTABLE), deep, folder.path()));
    report("brekko --export-text", text, QString());
    const double print = shell(QStringLiteral("'%1' --print '%2' --pdf '%3/deep.pdf' 2>/dev/null")
                                   .arg(QStringLiteral(BREKKO_EXECUTABLE), deep, folder.path()));
    report("brekko --print", print,
           QStringLiteral("(pdftotext %1 s)")
               .arg(shell(QStringLiteral("pdftotext '%1/deep.pdf' /dev/null").arg(folder.path())), 0, 'f', 3));
    return 0;
}
