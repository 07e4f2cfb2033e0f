// Copy throughput of the file manager's copy loop, compared in the same run
// with dd (bs=20480, the loop's block size), cp and cp -r, and of the copy
// dialog itself on 20,000 small files against cp -r. Every run writes into a
// fresh folder; all copies are removed only after the timings.
// Run with `make bench`; BREKKO_BENCH_DIR chooses the file system.
#include "BenchTiming.h"

#include "common/ModalSeam.h"
#include "filemanager/ops/CopyEngine.h"
#include "filemanager/ops/FolderEntries.h"
#include "filemanager/ops/TCopyMoveForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kRuns = 3;
constexpr qint64 kBigFile = 200LL * 1024 * 1024;
constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 100;
constexpr int kSmallFiles = 20000;
constexpr int kSmallFileSize = 990;

class NoQuestions : public MsgBoxCopyQuestions {
public:
    OverwriteAnswer askOverwrite(const FileFacts &, const FileFacts &) override { return OverwriteAnswer::Cancel; }
};

void shell(const QString &command)
{
    QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command});
}

QString quoted(const QString &path)
{
    return QLatin1Char('\'') + path + QLatin1Char('\'');
}

void makeBigFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QByteArray block(1024 * 1024, '\0');
    for (qint64 done = 0; done < kBigFile; done += block.size()) {
        for (int i = 0; i < block.size(); i += 4)
            *reinterpret_cast<quint32 *>(block.data() + i) = QRandomGenerator::global()->generate();
        file.write(block);
    }
}

void makeTree(const QString &root)
{
    for (int folder = 0; folder < kFolders; ++folder) {
        const QString dir = root + QStringLiteral("/d%1").arg(folder);
        QDir().mkpath(dir);
        for (int file = 0; file < kFilesPerFolder; ++file) {
            QFile out(dir + QStringLiteral("/f%1.dat").arg(file));
            if (out.open(QIODevice::WriteOnly))
                out.write(QByteArray(int(QRandomGenerator::global()->bounded(100, 8000)), 'x'));
        }
    }
}

void makeSmallFiles(const QString &folder)
{
    QDir().mkpath(folder);
    const QByteArray bytes(kSmallFileSize, 's');
    for (int file = 0; file < kSmallFiles; ++file) {
        QFile out(folder + QStringLiteral("/s%1.txt").arg(file));
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes);
    }
}

// The dialog as the file manager opens it: target typed, "Starten" pressed.
BenchTime dialogSeconds(const QString &folder, const QStringList &names, const QString &targetBase)
{
    return MedianOf(kRuns, [&](int run) {
        const QString target = targetBase + QString::number(run);
        const ModalSeam::ScopedHandler seam([&target](QDialog *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("Edit_ZielDir"))->setText(target);
            dialog->findChild<QPushButton *>(QStringLiteral("Button_Starten"))->click();
            return dialog->result();
        });
        TCopyMoveForm form(folder, names, true);
        if (RunModal(&form) != QDialog::Accepted)
            std::fprintf(stderr, "copy failed\n");
    });
}

BenchTime engineSeconds(const QString &folder, const QStringList &names, const QString &targetBase)
{
    return MedianOf(kRuns, [&](int run) {
        const QString target = targetBase + QString::number(run);
        QDir().mkpath(target);
        NoQuestions questions;
        CopyEngine engine({false, true, true}, questions);
        if (!engine.run(folder, names, target, SelectionSize(folder, names)))
            std::fprintf(stderr, "copy failed\n");
    });
}

void report(const char *what, BenchTime ours, const char *tool, BenchTime theirs)
{
    std::printf("%-28s brekko %7.3f s (cpu %6.3f s)   %-9s %7.3f s (cpu %6.3f s)   ratio wall %.2fx cpu %.2fx\n", what,
                ours.wall, ours.cpu, tool, theirs.wall, theirs.cpu, theirs.wall / ours.wall, theirs.cpu / ours.cpu);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString base = qEnvironmentVariable("BREKKO_BENCH_DIR", QDir::tempPath());
    QTemporaryDir dir(base + QStringLiteral("/brekko-copy-bench-XXXXXX"));
    const QString root = dir.path();
    std::printf("copy benchmark in %s (median of %d runs)\n", qPrintable(root), kRuns);

    const QString source = root + QStringLiteral("/source");
    QDir().mkpath(source);
    makeBigFile(source + QStringLiteral("/big.bin"));
    makeTree(source + QStringLiteral("/tree"));
    makeSmallFiles(source + QStringLiteral("/small"));
    shell(QStringLiteral("sync"));

    const QString big = source + QStringLiteral("/big.bin");
    const BenchTime oursBig = engineSeconds(source, {QStringLiteral("big.bin")}, root + QStringLiteral("/big-brekko-"));
    const BenchTime ddBig = MedianOf(kRuns, [&](int run) {
        shell(QStringLiteral("dd if=%1 of=%2 bs=20480 status=none")
                  .arg(quoted(big), quoted(root + QStringLiteral("/big-dd-%1.bin").arg(run))));
    });
    const BenchTime cpBig = MedianOf(kRuns, [&](int run) {
        shell(QStringLiteral("cp %1 %2").arg(quoted(big), quoted(root + QStringLiteral("/big-cp-%1.bin").arg(run))));
    });
    report("200 MB file", oursBig, "dd 20480", ddBig);
    report("200 MB file", oursBig, "cp", cpBig);
    std::printf("%-28s brekko %7.1f MB/s\n", "", kBigFile / oursBig.wall / 1e6);

    const QString tree = source + QStringLiteral("/tree");
    const BenchTime oursTree = engineSeconds(source, {QStringLiteral("tree")}, root + QStringLiteral("/tree-brekko-"));
    const BenchTime cpTree = MedianOf(kRuns, [&](int run) {
        shell(QStringLiteral("cp -r %1 %2").arg(quoted(tree), quoted(root + QStringLiteral("/tree-cp-%1").arg(run))));
    });
    report("10,000 files in 100 folders", oursTree, "cp -r", cpTree);

    const QString small = source + QStringLiteral("/small");
    const BenchTime dialogSmall =
        dialogSeconds(source, {QStringLiteral("small")}, root + QStringLiteral("/small-dialog-"));
    const BenchTime cpSmall = MedianOf(kRuns, [&](int run) {
        shell(QStringLiteral("cp -r %1 %2").arg(quoted(small), quoted(root + QStringLiteral("/small-cp-%1").arg(run))));
    });
    report("20,000 files, copy dialog", dialogSmall, "cp -r", cpSmall);
    return 0;
}
