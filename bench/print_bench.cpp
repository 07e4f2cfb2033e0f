// Printing a catalogue of 100,000 entries, offscreen: the command line's
// --print on the label format "Zip-Medium", and in the print export dialog
// ticking "Kommentar" and printing to a file. pdftotext reading the same PDF
// is the standard tool beside each. Run with `make bench`.
#include "BenchTiming.h"
#include "ProjectGenerator.h"

#include "common/AppContext.h"
#include "common/ModalSeam.h"
#include "common/settings/Settings.h"
#include "export/print/PrintTextLines.h"
#include "export/print/TExportDruckenForm.h"
#include "export/print/TPagePrinter.h"
#include "project/ProjectFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr double kGoal = 3.0;

void run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &pdf)
{
    QString info;
    run(QStringLiteral("pdfinfo"), {pdf}, &info);
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

void report(const char *what, const BenchTime &time, int pages, const QString &pdf)
{
    ReportTime(what, time, qPrintable(QStringLiteral("(%1 pages)").arg(pages)), kGoal);
    if (!pdf.isEmpty())
        ReportTime("  pdftotext on the same PDF", Measure([&] {
                       run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("/dev/null")});
                   }),
                   "", 0);
}

template <typename Widget>
Widget *child(QWidget *parent, const char *name)
{
    return parent->findChild<Widget *>(QString::fromLatin1(name));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    // BREKKO_BENCH_KEEP=1 keeps the PDFs for comparing their text.
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("BREKKO_BENCH_KEEP"));
    AppContext::setProgramDirectory(dir.path() + QLatin1Char('/'));
    const QString file = GenerateProject(dir.path(), 100'000);
    std::printf("Printing 100,000 entries (wall time includes waiting for a processor on a busy machine):\n");

    const QString zip = dir.filePath(QStringLiteral("zip.pdf"));
    const BenchTime command = Measure([&] {
        run(QStringLiteral(BREKKO_EXECUTABLE), {"--print", file, "--pdf", zip, "--format", "Zip-Medium"});
    });
    report("brekko --print --format Zip-Medium", command, pdfPages(zip), zip);

    LoadReport loadReport;
    const std::unique_ptr<Project> project = ReadProjectFile(file, loadReport);
    if (!project)
        return 2;
    const Settings settings;
    TExportDruckenForm form(MakePrintTextSource(*project, settings), settings);
    form.show();
    QCoreApplication::processEvents();
    const BenchTime tick = Measure([&] { child<QCheckBox>(&form, "CheckBox_FeldKommentar")->click(); });
    report("dialog: tick \"Kommentar\"", tick, form.pagePrinter()->pageCount(), QString());

    const QString printed = dir.filePath(QStringLiteral("druck.pdf"));
    child<QCheckBox>(&form, "CheckBox_InDateiDrucken")->setChecked(true);
    ModalSeam::setHandler([&](QDialog *dialog) {
        if (auto *name = child<QLineEdit>(dialog, "Edit_Dateiname"))
            name->setText(printed);
        return int(QDialog::Accepted);
    });
    const BenchTime toFile = Measure([&] { child<QPushButton>(&form, "Button_StartPrint")->click(); });
    ModalSeam::setHandler({});
    report("dialog: print to file", toFile, pdfPages(printed), printed);
    return 0;
}
