// The real main window with a catalogue of 100,000 entries, offscreen:
// opening it, then from its menu the print export (ticking "Kommentar",
// printing to a file), the statistics and the text export's page "Text"
// with the comments; the peak memory of the whole run, beside sort's on the
// same file. Then the same with all three fields ticked everywhere, in a
// process of its own.
#include "BenchTiming.h"
#include "ProjectGenerator.h"

#include "app/MainActions.h"
#include "app/StartConfig.h"
#include "app/TMainForm.h"
#include "common/AppContext.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "platform/ProcessMemory.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The process's own peak (VmHWM starts anew with the program, unlike the
// resource usage, which a process started by fork inherits).
long peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong() / 1024;
    }
    return -1;
}

// Answers the windows the menu commands open as a user would.
int answer(QDialog *dialog, const QString &pdf, bool allFields)
{
    const QString name = dialog->objectName();
    if (name == QLatin1String("TExportDruckenForm")) {
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckBox_FeldKommentar"))->click();
        if (allFields)
            dialog->findChild<QCheckBox *>(QStringLiteral("CheckBox_FeldBefehl"))->click();
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckBox_InDateiDrucken"))->setChecked(true);
        dialog->findChild<QPushButton *>(QStringLiteral("Button_StartPrint"))->click();
    } else if (name == QLatin1String("TMsgPrintToFileForm")) {
        dialog->findChild<QLineEdit *>(QStringLiteral("Edit_Dateiname"))->setText(pdf);
    } else if (name == QLatin1String("TStatistikForm")) {
        while (dialog->windowTitle() != QLatin1String("Projektstatistik"))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    } else if (name == QLatin1String("TExportTextdateiForm")) {
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckBox_FeldKommentar"))->setChecked(true);
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckBox_FeldBefehl"))->setChecked(allFields);
        dialog->findChild<QTabWidget *>(QStringLiteral("PageControl"))->setCurrentIndex(1);
    }
    return QDialog::Accepted;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ProcessMemory::KeepLargeBlocksApart(); // as the program's main() does
    QApplication app(argc, argv);
    const bool allFields = argc > 1 && qstrcmp(argv[1], "--all-fields") == 0;
    QTemporaryDir dir;
    AppContext::setProgramDirectory(dir.path() + QLatin1Char('/'));
    const QString file = GenerateProject(dir.path(), 100'000);

    TMainForm window{StartConfig()};
    window.show();
    QCoreApplication::processEvents();

    bool loaded = false;
    const BenchTime open = Measure([&] {
        loaded = window.loadProject(file);
        QCoreApplication::processEvents();
    });
    std::printf("\nMain window, offscreen, %s (wall time includes waiting for a processor on a busy machine):\n",
                allFields ? "all three fields" : "titles and comments");
    ReportTime("open 100,000 entries", open, qPrintable(QStringLiteral("peak %1 MB").arg(peakMegabytes())), 2.0);
    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    ModalSeam::setHandler([&](QDialog *dialog) { return answer(dialog, pdf, allFields); });
    const MainActions &actions = window.actions();
    const struct {
        const char *what;
        QAction *command;
    } steps[] = {{"print export: tick fields, print to file", actions.exportPrint},
                 {"statistics", actions.statistics},
                 {"text export: page \"Text\"", actions.exportText}};
    for (const auto &step : steps) {
        const BenchTime time = Measure([&] { step.command->trigger(); });
        ReportTime(step.what, time, qPrintable(QStringLiteral("peak %1 MB").arg(peakMegabytes())), 3.0);
    }
    ModalSeam::setHandler({});

    QProcess sort;
    sort.setStandardOutputFile(QProcess::nullDevice());
    sort.start(QStringLiteral("/usr/bin/time"),
               {QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("sort"), file});
    sort.waitForFinished(-1);
    const long sortPeak = QString::fromUtf8(sort.readAllStandardError()).trimmed().toLong() / 1024;
    const long peak = peakMegabytes();
    std::printf("  peak memory of the window < 200 MB   %ld MB  %s   (sort on the file: %ld MB)\n", peak,
                peak < 200 ? "met" : "MISSED", sortPeak);
    std::fflush(stdout);
    if (!allFields)
        QProcess::execute(QCoreApplication::applicationFilePath(), {QStringLiteral("--all-fields")});
    return loaded ? 0 : 1;
}
