// The real main window with a catalogue of 100,000 entries, offscreen:
// opening it, then the print export (ticking "Kommentar" and "Befehlszeile",
// printing to a file), the statistics and the text export's page "Text"
// with all three fields from its menu;
// the peak memory of the whole run, beside sort's on the same file.
#include "BenchTiming.h"
#include "ProjectGenerator.h"

#include "app/MainActions.h"
#include "app/StartConfig.h"
#include "app/TMainForm.h"
#include "common/AppContext.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Answers the windows the menu commands open as a user would.
int answer(QDialog *dialog, const QString &pdf)
{
    const QString name = dialog->objectName();
    if (name == QLatin1String("TExportDruckenForm")) {
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckBox_FeldKommentar"))->click();
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckBox_FeldBefehl"))->click();
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckBox_InDateiDrucken"))->setChecked(true);
        dialog->findChild<QPushButton *>(QStringLiteral("Button_StartPrint"))->click();
    } else if (name == QLatin1String("TMsgPrintToFileForm")) {
        dialog->findChild<QLineEdit *>(QStringLiteral("Edit_Dateiname"))->setText(pdf);
    } else if (name == QLatin1String("TStatistikForm")) {
        while (dialog->windowTitle() != QLatin1String("Projektstatistik"))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    } else if (name == QLatin1String("TExportTextdateiForm")) {
        for (const char *field : {"CheckBox_FeldKommentar", "CheckBox_FeldBefehl"})
            dialog->findChild<QCheckBox *>(QString::fromLatin1(field))->setChecked(true);
        dialog->findChild<QTabWidget *>(QStringLiteral("PageControl"))->setCurrentIndex(1);
    }
    return QDialog::Accepted;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
    std::printf("\nMain window, offscreen (wall time includes waiting for a processor on a busy machine):\n");
    ReportTime("open 100,000 entries", open, "", 2.0);
    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    ModalSeam::setHandler([&pdf](QDialog *dialog) { return answer(dialog, pdf); });
    const MainActions &actions = window.actions();
    ReportTime("print export: all fields, print to file", Measure([&] { actions.exportPrint->trigger(); }), "", 3.0);
    ReportTime("statistics", Measure([&] { actions.statistics->trigger(); }), "", 3.0);
    ReportTime("text export: page \"Text\"", Measure([&] { actions.exportText->trigger(); }), "", 3.0);
    ModalSeam::setHandler({});

    QProcess sort;
    sort.setStandardOutputFile(QProcess::nullDevice());
    sort.start(QStringLiteral("/usr/bin/time"),
               {QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("sort"), file});
    sort.waitForFinished(-1);
    const long sortPeak = QString::fromUtf8(sort.readAllStandardError()).trimmed().toLong() / 1024;
    const long peak = peakMegabytes();
    std::printf("  peak memory after print export, statistics and text export < 200 MB   %ld MB  %s"
                "   (sort on the file: %ld MB)\n",
                peak, peak < 200 ? "met" : "MISSED", sortPeak);
    return loaded ? 0 : 1;
}
