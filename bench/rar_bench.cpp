// Extraction of RAR archives through TRAR and the RAR call layer, as the
// command line uses them, and through the Unrar dialog, compared with bsdtar
// on the same archives in the same run: 10,000 small stored files (RAR 4
// and RAR 5) and one 100 MB stored file.
#include "ExtractionBench.h"
#include "RarTestWriter.h"

#include "archive/rar/TRAR.h"
#include "archive/rar/TUnrarForm.h"
#include "common/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kSmallFiles = 10000;

BenchTime extractWithTrar(const QString &archive, int entries, const QString &folder)
{
    return Measure([&] {
        TRAR rar;
        rar.ArchiveName = archive;
        rar.TargetDir = folder;
        rar.Overwrite = false;
        int done = 0;
        rar.OnExtract = [&](TRAR *, const RarEntry &, bool ok) { done += ok; };
        rar.Extract();
        if (done != entries)
            std::fprintf(stderr, "only %d of %d entries\n", done, entries);
    });
}

// The Unrar dialog's "Entpacken" with its log, bar and events; the listing
// before it is not timed.
BenchTime extractWithDialog(const QString &archive, const QString &folder)
{
    TUnrarForm form;
    form.setArchiveName(archive);
    form.FormActivate();
    form.findChild<QLineEdit *>(QStringLiteral("Edit_ZielDir"))->setText(folder);
    return Measure([&] { form.findChild<QPushButton *>(QStringLiteral("Button_Entpacken"))->click(); });
}

void compare(const char *title, const QString &archive, int entries, QTemporaryDir &scratch)
{
    CompareExtractors(title,
                      {
                          {"ours", [&](const QString &folder) { return extractWithTrar(archive, entries, folder); }},
                          {"dialog", [&](const QString &folder) { return extractWithDialog(archive, folder); }},
                          {"bsdtar",
                           [&](const QString &folder) {
                               return RunTool(folder, QStringLiteral("bsdtar"), {QStringLiteral("-xf"), archive});
                           },
                           true},
                      },
                      scratch);
}

QByteArray smallFiles(bool rar5)
{
    Rar4Writer rar4;
    Rar5Writer rar5Writer;
    for (int i = 0; i < kSmallFiles; ++i) {
        const QByteArray name = "many/f" + QByteArray::number(i) + ".txt";
        const QByteArray data = BenchBytes(2000 + i % 3000, i);
        if (rar5)
            rar5Writer.file({name, data});
        else
            rar4.file({name, data});
    }
    return rar5 ? rar5Writer.end() : rar4.end();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MsgBox::ConsoleHandler console;
    MsgBox::setHandler(&console);
    QTemporaryDir scratch(BenchFolder() + QStringLiteral("/rarbench-XXXXXX"));
    const QString rar4 = scratch.filePath(QStringLiteral("many4.rar"));
    const QString rar5 = scratch.filePath(QStringLiteral("many5.rar"));
    const QString big = scratch.filePath(QStringLiteral("big.rar"));
    writeBytes(rar4, smallFiles(false));
    writeBytes(rar5, smallFiles(true));
    QByteArray bigData;
    for (int i = 0; i < 100; ++i)
        bigData += BenchBytes(1 << 20, i);
    writeStoredRar(big, {{"big.bin", bigData}});
    bigData.clear();
    std::printf("RAR extraction, median seconds; (x): ours as a share of bsdtar's\n");
    compare("100 MB stored, RAR 4", big, 1, scratch);
    compare("10,000 files stored, RAR 4", rar4, kSmallFiles, scratch);
    compare("10,000 files stored, RAR 5", rar5, kSmallFiles, scratch);
    MsgBox::setHandler(nullptr);
    return 0;
}
