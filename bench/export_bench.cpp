// Text of a catalogue of 100,000 entries, offscreen: rendering as the text
// export and the print export do, the text export dialog's page "Text", the
// statistics dialog, and --export-text and --print of 100,000 nested levels.
// cat and pdftotext on the same files are the standard tools beside them.
// Run with `make bench`.
#include "BenchTiming.h"
#include "ProjectGenerator.h"

#include "common/AppContext.h"
#include "common/settings/Settings.h"
#include "export/ExportText.h"
#include "export/TExportTextdateiForm.h"
#include "project/ProjectFile.h"
#include "stats/TStatistikForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kEntries = 100'000;
constexpr double kGoal = 3.0;

void shell(const QString &command)
{
    QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command});
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
    std::printf("Text of 100,000 entries (wall time includes waiting for a processor on a busy machine):\n");
    ReportTime("cat of the project file", Measure([&] { shell(QStringLiteral("cat '%1' > /dev/null").arg(file)); }), "",
               0);

    ExportFields fields = ExportFields::fromSettings(Settings());
    fields.comment.enabled = fields.command.enabled = true;
    QStringList lines;
    const BenchTime render = Measure([&] { RenderProjectText(lines, project->tree, fields); });
    ReportTime("RenderProjectText, all areas", render, qPrintable(QStringLiteral("(%1 lines)").arg(lines.size())),
               kGoal);

    Settings settings;
    settings.commentArea.enabled = true;
    TExportTextdateiForm exportForm(*project, settings);
    exportForm.show();
    QCoreApplication::processEvents();
    auto *pages = exportForm.findChild<QTabWidget *>(QStringLiteral("PageControl"));
    const BenchTime textPage = Measure([&] { pages->setCurrentIndex(1); });
    const int textLines = exportForm.findChild<QPlainTextEdit *>(QStringLiteral("RichEdit"))->blockCount();
    ReportTime("text export: page \"Text\"", textPage, qPrintable(QStringLiteral("(%1 lines)").arg(textLines)), kGoal);

    TStatistikForm statistics({project.get(), project->tree.entryAt(5), file, project->name, {}, QString()});
    const BenchTime figures = Measure([&] {
        statistics.show();
        while (statistics.windowTitle() != QLatin1String("Projektstatistik"))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    });
    ReportTime("statistics: shown and filled", figures, "", kGoal);

    const QString deep = GenerateDeepProject(folder.path(), kEntries);
    std::printf("100,000 nested levels:\n");
    ReportTime("cat of the project file", Measure([&] { shell(QStringLiteral("cat '%1' > /dev/null").arg(deep)); }), "",
               0);
    const QString brekko = QStringLiteral(BREKKO_EXECUTABLE);
    ReportTime("brekko --export-text", Measure([&] {
                   shell(QStringLiteral("'%1' --export-text '%2' > '%3/deep.txt'").arg(brekko, deep, folder.path()));
               }),
               "", kGoal);
    ReportTime(
        "brekko --print", Measure([&] {
            shell(QStringLiteral("'%1' --print '%2' --pdf '%3/deep.pdf' 2>/dev/null").arg(brekko, deep, folder.path()));
        }),
        "", kGoal);
    ReportTime("  pdftotext on the same PDF",
               Measure([&] { shell(QStringLiteral("pdftotext '%1/deep.pdf' /dev/null").arg(folder.path())); }), "", 0);
    return 0;
}
