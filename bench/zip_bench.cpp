// Extraction of a 200 MB stored ZIP and a 10,000-file deflated ZIP through
// TZipMaster and the unzip module, and through the Unzip dialog, compared
// with bsdtar and unzip on the same archives in the same run.
#include "ExtractionBench.h"

#include "archive/zip/TUnzipForm.h"
#include "archive/zip/TZipMaster.h"
#include "common/AppContext.h"
#include "common/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// TZipMaster and the module alone, as the command line uses them.
BenchTime extractWithMaster(const QString &archive, int entries, const QString &folder)
{
    return Measure([&] {
        TZipMaster zip;
        zip.setDLLDirectory(AppContext::programDirectory());
        zip.setZipFilename(archive);
        zip.ExtrBaseDir = folder;
        zip.ExtrOptions = TZipMaster::ExtrDirNames;
        zip.FSpecArgs = {QStringLiteral("*.*")};
        zip.RunLibrary();
        if (zip.SuccessCount() != entries)
            std::fprintf(stderr, "only %d of %d entries\n", zip.SuccessCount(), entries);
    });
}

// The Unzip dialog's "Entpacken" with its log, bar and events; the listing
// before it is not timed.
BenchTime extractWithDialog(const QString &archive, const QString &folder)
{
    TUnzipForm form(nullptr, archive);
    form.FormActivate();
    form.findChild<QLineEdit *>(QStringLiteral("Edit_ZielDir"))->setText(folder);
    return Measure([&] { form.Button_Entpacken_OnClick(); });
}

void compare(const char *title, const QString &archive, int entries, QTemporaryDir &scratch)
{
    CompareExtractors(title,
                      {
                          {"ours", [&](const QString &folder) { return extractWithMaster(archive, entries, folder); }},
                          {"dialog", [&](const QString &folder) { return extractWithDialog(archive, folder); }},
                          {"bsdtar",
                           [&](const QString &folder) {
                               return RunTool(folder, QStringLiteral("bsdtar"), {QStringLiteral("-xf"), archive});
                           },
                           true},
                          {"unzip",
                           [&](const QString &folder) {
                               return RunTool(folder, QStringLiteral("unzip"), {QStringLiteral("-qo"), archive});
                           },
                           true},
                      },
                      scratch);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppContext::setProgramDirectory(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/"));
    MsgBox::ConsoleHandler console;
    MsgBox::setHandler(&console);
    QTemporaryDir scratch(BenchFolder() + QStringLiteral("/zipbench-XXXXXX"));
    const QString src = scratch.filePath(QStringLiteral("src"));
    QDir().mkpath(src + QStringLiteral("/many"));
    {
        QFile big(src + QStringLiteral("/big.bin"));
        big.open(QIODevice::WriteOnly);
        const QByteArray block = BenchBytes(1 << 20, 7);
        for (int i = 0; i < 200; ++i)
            big.write(block);
    }
    for (int i = 0; i < 10000; ++i) {
        QFile small(src + QStringLiteral("/many/f%1.txt").arg(i));
        small.open(QIODevice::WriteOnly);
        small.write(BenchBytes(2000 + i % 3000, i));
    }
    const QString stored = scratch.filePath(QStringLiteral("stored.zip"));
    const QString many = scratch.filePath(QStringLiteral("many.zip"));
    RunTool(src, QStringLiteral("zip"), {QStringLiteral("-q0"), stored, QStringLiteral("big.bin")});
    RunTool(src, QStringLiteral("zip"), {QStringLiteral("-qr"), many, QStringLiteral("many")});
    QDir(src).removeRecursively();
    std::printf("ZIP extraction, median seconds; (x): ours as a share of the faster tool's\n");
    compare("200 MB stored, 1 file", stored, 1, scratch);
    compare("10,000 files deflated", many, 10001, scratch);
    MsgBox::setHandler(nullptr);
    return 0;
}
