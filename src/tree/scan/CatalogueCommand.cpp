#include "tree/scan/CatalogueCommand.h"

#include "common/FileUtils.h"
#include "platform/FileSystem.h"
#include "platform/Volumes.h"
#include "project/ProjectFile.h"
#include "tree/scan/CatalogueEntries.h"
#include "tree/scan/CatalogueIcons.h"
#include "tree/scan/CatalogueScanner.h"

#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

namespace {

constexpr int kWritten = 0;
constexpr int kFailed = 2;

int fail(QTextStream &err, const QString &text)
{
    err << text << '\n';
    err.flush();
    return kFailed;
}

struct Arguments {
    QString folder;
    QString output;
    bool all = false;
    bool overwrite = false;
};

// nullopt after a message when the arguments are not of the command's form.
std::optional<Arguments> parse(const QStringList &arguments, QTextStream &err)
{
    Arguments parsed;
    QStringList names;
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--all")) {
            parsed.all = true;
        } else if (argument == QLatin1String("--overwrite")) {
            parsed.overwrite = true;
        } else if (!argument.startsWith(QLatin1String("--"))) {
            names.append(argument);
        } else {
            fail(err, QStringLiteral("Fehler: unbekanntes Argument \"%1\".").arg(argument));
            return std::nullopt;
        }
    }
    if (names.size() != 2) {
        fail(err, QStringLiteral("Aufruf: brekko --catalogue ORDNER AUSGABE.prj [--all] [--overwrite]"));
        return std::nullopt;
    }
    parsed.folder = names.at(0);
    parsed.output = FileSystem::fullPath(names.at(1));
    return parsed;
}

// The scan for a new catalogue at output: never the catalogue itself, its
// backup or its pictures.
CatalogueOptions optionsFor(const Arguments &arguments, const QString &iconFolder)
{
    CatalogueOptions options;
    options.drive = Volumes::volumeOf(arguments.output);
    options.includeHidden = arguments.all;
    options.leftOut = {arguments.output, BackupFileName(arguments.output, SaveOptions().backupExtension), iconFolder};
    return options;
}

void reportLeftOut(const CatalogueScan &scan, const CatalogueIcons &icons, const QString &iconFolder, QTextStream &out,
                   QTextStream &err)
{
    for (const CatalogueSkip &skip : scan.skipped)
        out << QStringLiteral("Übersprungen: ") << skip.path << QStringLiteral(" (") << skip.reason << ")\n";
    for (const QString &file : icons.failed())
        err << QStringLiteral("Warnung: Das Symbol \"%1\" konnte nicht in \"%2\" gespeichert werden.\n")
                   .arg(file, iconFolder);
    out.flush();
    err.flush();
}

} // namespace

int RunCatalogueCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const std::optional<Arguments> parsed = parse(arguments, err);
    if (!parsed)
        return kFailed;
    const QString output = parsed->output;
    const QFileInfo existing(output);
    // A dangling link counts as a file: writing would create its target.
    if ((existing.exists() || existing.isSymLink()) && !parsed->overwrite)
        return fail(err,
                    QStringLiteral("Fehler: Die Datei \"%1\" besteht bereits; --overwrite ersetzt sie.").arg(output));

    // Type names are German, as in the window.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString iconFolder = CatalogueIcons::folderFor(output);
    const CatalogueScan scan = ScanForCatalogue(parsed->folder, optionsFor(*parsed, iconFolder));
    if (!scan.error.isEmpty())
        return fail(
            err,
            QStringLiteral("Fehler: Der Ordner \"%1\" kann nicht gelesen werden: %2.").arg(parsed->folder, scan.error));

    Project project;
    project.fileName = output;
    project.name = QFileInfo(scan.folder).fileName();
    if (project.name.isEmpty())
        project.name = scan.folder;
    CatalogueIcons icons(project, iconFolder);
    const qint64 added = AppendCatalogueEntries(*scan.root, project.tree, nullptr,
                                                [&icons](const QString &file) { return icons.imageFor(file); });
    reportLeftOut(scan, icons, iconFolder, out, err);
    if (!SaveProjectFile(project, output, SaveOptions()))
        return kFailed;
    const QString entries =
        added == 1 ? QStringLiteral("1 Eintrag") : FormatThousands(added) + QStringLiteral(" Einträgen");
    out << QStringLiteral("Katalog \"%1\" mit %2 geschrieben.\n").arg(output, entries);
    out.flush();
    return kWritten;
}
