// Page layout of a catalogue of 100,000 entries and painting one preview
// page at 100 %, offscreen.
#include "ProjectGenerator.h"

#include "common/AppContext.h"
#include "common/settings/Settings.h"
#include "export/print/PrintTextLines.h"
#include "export/print/TPagePrinter.h"
#include "project/ProjectFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppContext::setProgramDirectory(dir.path());
    const QString file = GenerateProject(dir.path(), 100'000);
    LoadReport report;
    const std::unique_ptr<Project> project = ReadProjectFile(file, report);
    if (!project)
        return 2;

    QElapsedTimer timer;
    timer.start();
    const QStringList lines = PrintTextLines(*project, {true, true, true}, Settings());
    const double render = timer.nsecsElapsed() / 1e9;

    TPagePrinter printer;
    printer.resize(900, 1200);
    printer.setZoom(100);
    printer.show();
    timer.restart();
    printer.setLines(lines);
    const double layout = timer.nsecsElapsed() / 1e9;

    printer.setCurrentPage(printer.pageCount() / 2);
    QWidget *page = printer.widget();
    timer.restart();
    const int runs = 10;
    for (int i = 0; i < runs; ++i)
        page->grab();
    const double paint = timer.nsecsElapsed() / 1e9 / runs;

    std::printf("Print export of 100,000 entries (%lld lines, all three fields):\n",
                static_cast<long long>(lines.size()));
    std::printf("  print lines from the tree   %.3f s\n", render);
    std::printf("  page layout                 %.3f s  (%d pages)  target <= 3 s: %s\n", layout, printer.pageCount(),
                layout <= 3.0 ? "met" : "MISSED");
    std::printf("  paint one page at 100 %%     %.1f ms\n", paint * 1000);
    return 0;
}
