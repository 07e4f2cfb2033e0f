// Catalogues nobody would write by hand, opened in the real main window
// (offscreen): one entry with 1,000,000 comment lines, and 1,000,000 empty
// entries. Each case runs in a child process of its own, so that its peak
// memory is its own; cat reading the file is the yardstick.
#include "BenchTiming.h"

#include "app/StartConfig.h"
#include "app/TMainForm.h"
#include "common/AppContext.h"
#include "project/Project.h"
#include "tree/ProjectTreeView.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int kCount = 1'000'000;

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

QString writeCatalogue(const QString &folder, bool longComment)
{
    QByteArray text = "<Talvoren V4 Projektdatei>\r\n\r\nProjekt=Feindlich\r\n\r\n";
    if (longComment) {
        text += "Item New\r\n  Titel=Lang\r\n";
        for (int i = 0; i < kCount; ++i)
            text += "  Kommentar=Zeile " + QByteArray::number(i) + "\r\n";
        text += "  Befehl=0,\r\nItem Done\r\n";
    } else {
        for (int i = 0; i < kCount; ++i)
            text += "Item New\r\nItem Done\r\n";
    }
    const QString file = folder + (longComment ? QStringLiteral("/comment.prj") : QStringLiteral("/empty.prj"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
        return {};
    return file;
}

// Child: opens file in the window, selects the first entry, reports.
int openInWindow(const QString &file)
{
    TMainForm window{StartConfig()};
    window.show();
    QCoreApplication::processEvents();
    bool loaded = false;
    const BenchTime load = Measure([&] {
        loaded = window.loadProject(file);
        QCoreApplication::processEvents();
    });
    if (!loaded)
        return 2;
    const BenchTime select = Measure([&] {
        window.treeView()->selectEntry(window.project()->tree.root()->child(0));
        QCoreApplication::processEvents();
    });
    std::printf("%.3f %.3f %.3f %ld\n", load.wall, load.cpu, select.wall, peakMegabytes());
    return 0;
}

void measure(const QString &label, const QString &file)
{
    const QString catCommand = QStringLiteral("cat '%1' > /dev/null").arg(file);
    const BenchTime cat = Measure([&] { QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), catCommand}); });
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--open"), file});
    child.waitForFinished(-1);
    const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char(' '));
    if (figures.size() != 4) {
        std::printf("  %s: not opened\n", qPrintable(label));
        return;
    }
    std::printf("  %s (%.1f MB): open %s s (processor %s s), select %s s, peak memory %s MB (cat: %.3f s)\n",
                qPrintable(label), QFile(file).size() / 1e6, qPrintable(figures.at(0)), qPrintable(figures.at(1)),
                qPrintable(figures.at(2)), qPrintable(figures.at(3).trimmed()), cat.wall);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppContext::setProgramDirectory(dir.path());
    if (argc == 3 && app.arguments().at(1) == QLatin1String("--open"))
        return openInWindow(app.arguments().at(2));
    std::printf("\nHostile catalogues in the main window:\n");
    measure(QStringLiteral("one entry, 1,000,000 comment lines"), writeCatalogue(dir.path(), true));
    measure(QStringLiteral("1,000,000 empty entries"), writeCatalogue(dir.path(), false));
    return 0;
}
