// Listing a folder of 20,000 files: the model alone and the details view,
// each compared with "ls -l" on the same folder in the same run.
#include "BenchTiming.h"

#include "filemanager/FileListModel.h"
#include "filemanager/TFileList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kFiles = 20'000;
constexpr int kRounds = 5;

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

    const BenchTime ls = BestOf(kRounds, [&] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral("ls"), {QStringLiteral("-l"), folder});
        process.waitForFinished(-1);
    });

    FileListModel list;
    list.setMask(QStringLiteral("*"));
    const BenchTime model = BestOf(kRounds, [&] {
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
    const BenchTime view = BestOf(kRounds, [&] {
        window.model().setDirectory(QString());
        window.model().setDirectory(folder);
        QCoreApplication::processEvents();
    });

    std::printf("\nFile list, %d files:\n", kFiles);
    std::printf("  %-28s %.3f s\n", "ls -l", ls.wall);
    Report("model fill", model.wall, ls.wall, 1);
    Report("details view with icons", view.wall, ls.wall, 2);
    return window.model().rowCount() == kFiles ? 0 : 1;
}
