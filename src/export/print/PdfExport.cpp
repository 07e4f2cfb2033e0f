#include "export/print/PdfExport.h"

#include "common/settings/Settings.h"
#include "export/print/HeaderCodes.h"
#include "export/print/PageFormats.h"
#include "export/print/PrintTextLines.h"
#include "project/ProjectFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>

namespace {

struct PrintOptions {
    QString projectFile;
    QString pdfFile;
    int format = FormatWholePage;
    QString header;
    QString footer;
    int frameSides = 0;
};

// Empty on success, else what is wrong with the arguments.
QString parseOptions(const QStringList &args, PrintOptions &options)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool known = arg == QLatin1String("--print") || arg == QLatin1String("--pdf")
                           || arg == QLatin1String("--format") || arg == QLatin1String("--header")
                           || arg == QLatin1String("--footer") || arg == QLatin1String("--frame");
        if (!known)
            return QStringLiteral("Unbekannte Angabe: ") + arg;
        if (i + 1 >= args.size())
            return QStringLiteral("Wert fehlt nach ") + arg;
        const QString value = args.at(++i);
        if (arg == QLatin1String("--print")) {
            options.projectFile = value;
        } else if (arg == QLatin1String("--pdf")) {
            options.pdfFile = value;
        } else if (arg == QLatin1String("--format")) {
            options.format = PageFormatByName(value);
            if (options.format < 0)
                return QStringLiteral("Unbekanntes Seitenformat: ") + value + QStringLiteral(" (")
                       + PageFormatNames().join(QStringLiteral(", ")) + QLatin1Char(')');
        } else if (arg == QLatin1String("--header")) {
            options.header = value;
        } else if (arg == QLatin1String("--footer")) {
            options.footer = value;
        } else {
            for (const QChar side : value.toUpper()) {
                const int bit = side == QLatin1Char('L')   ? FrameLeft
                                : side == QLatin1Char('R') ? FrameRight
                                : side == QLatin1Char('T') ? FrameTop
                                : side == QLatin1Char('B') ? FrameBottom
                                                           : 0;
                if (bit == 0)
                    return QStringLiteral("Rahmenseiten aus L, R, T, B erwartet: ") + value;
                options.frameSides |= bit;
            }
        }
    }
    if (options.projectFile.isEmpty() || options.pdfFile.isEmpty())
        return QStringLiteral("Aufruf: brekko --print DATEI --pdf AUSGABE [--format NAME] [--header TEXT] "
                              "[--footer TEXT] [--frame LRTB]");
    return {};
}

} // namespace

bool WritePdf(const QString &fileName, const PageLayout &layout, const PageSetup &setup,
              const PageDecoration &decoration)
{
    QPdfWriter writer(fileName);
    writer.setPageSize(QPageSize(QSizeF(setup.pageWidth, setup.pageHeight), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(static_cast<int>(kLayoutDpi));
    writer.setCreator(QStringLiteral("Brekko"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int page = 1; page <= layout.pageCount(); ++page) {
        if (page > 1)
            writer.newPage();
        PaintPage(painter, writer.resolution(), layout, setup, decoration, page);
    }
    return painter.end();
}

int RunPrintCommand(const QStringList &args, QTextStream &err)
{
    return RunPrintCommand(args, err, Settings());
}

int RunPrintCommand(const QStringList &args, QTextStream &err, const Settings &settings)
{
    PrintOptions options;
    const QString problem = parseOptions(args, options);
    if (!problem.isEmpty()) {
        err << problem << "\n";
        return 2;
    }
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        err << "--print braucht eine grafische Anwendung (QT_QPA_PLATFORM=offscreen genügt).\n";
        return 2;
    }
    if (!QFileInfo(options.projectFile).isFile()) {
        err << "Projektdatei nicht gefunden: " << options.projectFile << "\n";
        return 2;
    }
    LoadReport report;
    const std::unique_ptr<Project> project = ReadProjectFile(options.projectFile, report);
    if (!project) {
        err << "Projektdatei konnte nicht gelesen werden: " << options.projectFile << "\n";
        return 2;
    }

    PageSetup setup;
    setup.font = DefaultPrintFont();
    const FormatMargins margins = MarginsForFormat(options.format, setup.pageWidth, setup.pageHeight,
                                                   settings.customPageWidth, settings.customPageHeight);
    setup.marginLeft = margins.left;
    setup.marginRight = margins.right;
    setup.marginTop = margins.top;
    setup.marginBottom = margins.bottom;
    setup.hasHeader = !options.header.isEmpty();
    setup.hasFooter = !options.footer.isEmpty();
    setup.frameSides = options.frameSides;

    const PrintFields fields{settings.titleArea.enabled, settings.commentArea.enabled, settings.commandArea.enabled};
    PageLayout layout;
    layout.layOut(MakePrintTextSource(*project, settings)(fields), setup);
    const QDateTime now = QDateTime::currentDateTime();
    const PageDecoration decoration{ExpandSetTimeCodes(options.header, options.pdfFile, now),
                                    ExpandSetTimeCodes(options.footer, options.pdfFile, now), QString(),
                                    options.frameSides};
    if (!WritePdf(options.pdfFile, layout, setup, decoration)) {
        err << "Fehler: Drucken nicht möglich... Die Datei " << options.pdfFile
            << " konnte nicht geschrieben werden.\n";
        return 2;
    }
    return 0;
}
