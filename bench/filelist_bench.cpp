// Listing a folder of 20,000 files: the model alone and the details view,
// each compared with "ls -l" on the same folder in the same run.
#include "filemanager/FileListModel.h"
#include "filemanager/TFileList.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kFiles = 20'000;
constexpr int kRounds = 5;

double BestOf(const std::function<void()> &run)
{
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

void Fill(const QString &folder)
{
    static const char *extensions[] = {"txt", "c", "h", "png", "pdf", "zip", "html", "dat", "md", "sh"};
    for (int i = 0; i < kFiles; ++i) {
        QFile file(folder + QStringLiteral("/file%1.%2").arg(i).arg(QLatin1String(extensions[i % 10])));
        if (file.open(QIODevice::WriteOnly))
            file.write("x");
    }
}

void Report(const char *what, double seconds, double ls, double limit)
{
    std::printf("  %-28s %.3f s  %.2fx ls -l (<= %.0fx)  %s\n", what, seconds, seconds / ls, limit,
                seconds <= limit * ls ? "met" : "MISSED");
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/files");
    QDir().mkpath(folder);
    Fill(folder);

    const double ls = BestOf([&] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral("ls"), {QStringLiteral("-l"), folder});
        process.waitForFinished(-1);
    });

    FileListModel list;
    list.setMask(QStringLiteral("*"));
    const double model = BestOf([&] {
        list.setDirectory(QString());
        list.setDirectory(folder);
    });

    TFileList window;
    window.model().setMask(QStringLiteral("*"));
    window.model().setViewColumns(InfoBit(fiAll));
    window.setViewStyle(TFileList::vsReport);
    window.resize(800, 600);
    window.show();
    QCoreApplication::processEvents();
    const double view = BestOf([&] {
        window.model().setDirectory(QString());
        window.model().setDirectory(folder);
        QCoreApplication::processEvents();
    });

    std::printf("\nFile list, %d files:\n", kFiles);
    std::printf("  %-28s %.3f s\n", "ls -l", ls);
    Report("model fill", model, ls, 1);
    Report("details view with icons", view, ls, 2);
    return window.model().rowCount() == kFiles ? 0 : 1;
}
