#include "export/print/PrintCommand.h"

#include "common/settings/SettingsReader.h"
#include "export/ExportText.h"
#include "export/print/HeaderCodes.h"
#include "export/print/PageFormats.h"
#include "export/print/PdfExport.h"
#include "platform/FileSystem.h"
#include "project/ProjectFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr int kFailed = 2;

struct PrintOptions {
    QString projectFile;
    QString pdfFile;
    QString fieldLetters;
    bool fieldsGiven = false;
    int format = FormatWholePage;
    QString header;
    QString footer;
    int frameSides = 0;
};

int frameSide(QChar letter)
{
    switch (letter.toUpper().unicode()) {
    case 'L':
        return FrameLeft;
    case 'R':
        return FrameRight;
    case 'T':
        return FrameTop;
    case 'B':
        return FrameBottom;
    }
    return 0;
}

// Empty on success, else what is wrong with the arguments.
QString parseOptions(const QStringList &args, PrintOptions &options)
{
    static const QStringList known{"--print", "--pdf", "--fields", "--format", "--header", "--footer", "--frame"};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!known.contains(arg))
            return QStringLiteral("Unbekannte Angabe: ") + arg;
        if (i + 1 >= args.size())
            return QStringLiteral("Wert fehlt nach ") + arg;
        const QString value = args.at(++i);
        if (arg == QLatin1String("--print")) {
            options.projectFile = value;
        } else if (arg == QLatin1String("--pdf")) {
            options.pdfFile = value;
        } else if (arg == QLatin1String("--fields")) {
            options.fieldLetters = value;
            options.fieldsGiven = true;
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
            for (const QChar side : value) {
                if (frameSide(side) == 0)
                    return QStringLiteral("Rahmenseiten aus L, R, T, B erwartet: ") + value;
                options.frameSides |= frameSide(side);
            }
        }
    }
    if (options.projectFile.isEmpty() || options.pdfFile.isEmpty())
        return QStringLiteral("Aufruf: brekko --print DATEI --pdf AUSGABE [--fields btc] [--format NAME] "
                              "[--header TEXT] [--footer TEXT] [--frame LRTB]");
    return {};
}

bool sameFile(const QString &a, const QString &b)
{
    const QString first = QFileInfo(a).canonicalFilePath();
    return !first.isEmpty() && first == QFileInfo(b).canonicalFilePath();
}

// The page as the print export sets it up for format on A4.
PageSetup pageSetup(const PrintOptions &options, const Settings &settings)
{
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
    return setup;
}

int fail(QTextStream &err, const QString &text)
{
    err << text << '\n';
    return kFailed;
}

} // namespace

int RunPrintCommand(const QStringList &args, QTextStream &err)
{
    return RunPrintCommand(args, err, ReadSettings(LocateProgramFile(DefaultSettingsFileName)));
}

int RunPrintCommand(const QStringList &args, QTextStream &err, const Settings &settings)
{
    PrintOptions options;
    const QString problem = parseOptions(args, options);
    if (!problem.isEmpty())
        return fail(err, problem);
    ExportFields fields = ExportFields::fromSettings(settings);
    if (options.fieldsGiven && !SetFieldsFromLetters(options.fieldLetters, fields))
        return fail(err, FieldLettersError(options.fieldLetters));
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fail(err,
                    QStringLiteral("--print braucht eine grafische Anwendung (QT_QPA_PLATFORM=offscreen genügt)."));

    const QString projectFile = FileSystem::fullPath(options.projectFile);
    if (sameFile(projectFile, options.pdfFile))
        return fail(err, QStringLiteral("Fehler: Die Ausgabe \"%1\" ist die Projektdatei selbst; sie wird nicht "
                                        "überschrieben.")
                             .arg(options.pdfFile));
    LoadReport report;
    const std::unique_ptr<Project> project = LoadProjectFile(projectFile, report);
    if (!project)
        return kFailed;

    QStringList lines;
    RenderProjectText(lines, project->tree, fields);
    const PageSetup setup = pageSetup(options, settings);
    PageLayout layout;
    layout.layOut(lines, setup);
    if (layout.pageCount() == 0) {
        err << "Kein Text zu drucken; \"" << options.pdfFile << "\" wurde nicht geschrieben.\n";
        return 0;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const PageDecoration decoration{ExpandSetTimeCodes(options.header, options.pdfFile, now),
                                    ExpandSetTimeCodes(options.footer, options.pdfFile, now), QString(),
                                    options.frameSides};
    const PdfResult result = WritePdf(options.pdfFile, layout, setup, decoration,
                                      PrintSequence(1, layout.pageCount(), layout.pageCount(), 1, true));
    if (!result.written)
        return fail(err, QStringLiteral("Fehler: Drucken nicht möglich...\nDer Versuch die Textseite(n) auszudrucken "
                                        "ist fehlgeschlagen.\n\"%1\": %2")
                             .arg(options.pdfFile, result.error));
    return 0;
}
