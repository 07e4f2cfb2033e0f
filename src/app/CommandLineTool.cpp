#include "app/CommandLineTool.h"

#include "archive/ArchiveCommandLine.h"
#include "common/AppContext.h"
#include "common/CommandLinePaths.h"
#include "common/MsgBox.h"
#include "export/ExportTextCommand.h"
#include "export/print/PrintCommand.h"
#include "platform/FileSystem.h"
#include "project/LoadReportTexts.h"
#include "project/ProjectFile.h"
#include "stats/StatsCommand.h"
#include "tree/scan/CatalogueCommand.h"

#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace CommandLineTool {

namespace {

enum ExitCode { Clean = 0, Problems = 1, Failed = 2 };

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int flushed(int code)
{
    out().flush();
    err().flush();
    return code;
}

int usage(QTextStream &stream, int code)
{
    stream << "Aufruf: brekko [PROJEKTDATEI] [INI-DATEI] [MAKRODATEI]\n"
              "       brekko --check DATEI\n"
              "       brekko --expand [--project DATEI] BEFEHLSZEILE\n"
              "       brekko --resave QUELLE ZIEL\n"
              "       brekko --list ARCHIV\n"
              "       brekko --test ARCHIV [--password PW]\n"
              "       brekko --extract ARCHIV ZIEL [--password PW] [--overwrite]\n"
              "       brekko --export-text DATEI [--fields btc]\n"
              "       brekko --print DATEI --pdf AUSGABE [--fields btc] [--format NAME] [--header TEXT]\n"
              "              [--footer TEXT] [--frame LRTB]\n"
              "       brekko --stats DATEI\n"
              "       brekko --catalogue ORDNER AUSGABE.prj [--all] [--overwrite]\n"
              "       brekko --help | --version\n\n"
              "  Ohne Option startet das Fenster; PROJEKTDATEI wird geöffnet, INI-DATEI statt\n"
              "  der Standard-Ini-Datei verwendet und MAKRODATEI nach dem Start ausgeführt.\n\n"
              "  --check    liest DATEI wie das Programm, gibt jedes Problem und die vier\n"
              "             Zählungen aus; Rückgabe 0 ohne Probleme, 1 mit Problemen,\n"
              "             2 wenn die Datei nicht eingelesen werden konnte\n"
              "  --expand   erweitert BEFEHLSZEILE gegen das Laufwerk von DATEI (sonst des\n"
              "             Programmordners) und gibt Ergebniscode, Tabulator und Zeile aus\n"
              "  --resave   liest QUELLE und speichert sie als ZIEL (Sicherungskopie an)\n"
              "  --list, --test, --extract\n"
              "             listet, prüft oder entpackt ein RAR- oder ZIP-Archiv (nach dem\n"
              "             Inhalt erkannt); Rückgabe 0 alles in Ordnung, 1 Einträge fehlerhaft,\n"
              "             2 Archiv nicht lesbar\n"
              "  --export-text  gibt DATEI als Text aus (b Bezeichnung, c Kommentar, t Befehl)\n"
              "  --print    setzt DATEI wie die Druckausgabe (Feldbereiche, Trennzeichen und\n"
              "             Seitenformat aus der Ini-Datei) und schreibt die Seiten als PDF\n"
              "  --stats    gibt die Statistik \"Alle Einträge\" von DATEI aus\n"
              "  --catalogue  schreibt einen neuen Katalog von ORDNER nach AUSGABE.prj (--all mit\n"
              "             versteckten Dateien; eine bestehende Datei nur mit --overwrite)\n"
              "Jede Option gibt 2 zurück, wenn ihre Ausgabe nicht geschrieben werden konnte.\n";
    return code;
}

int check(const QString &fileName)
{
    LoadReport report;
    if (!LoadProjectFile(fileName, report))
        return Failed;
    for (const QString &problem : report.problems)
        out() << problem << '\n';
    out() << LoadReportTexts::entriesRead << ' ' << report.entriesRead << '\n'
          << LoadReportTexts::entriesInFile << ' ' << report.entriesInFile << '\n'
          << LoadReportTexts::linesRead << ' ' << report.linesRead << '\n'
          << LoadReportTexts::linesInFile << ' ' << report.linesInFile << '\n';
    return report.problems.isEmpty() ? Clean : Problems;
}

int expand(const QStringList &arguments)
{
    QStringList rest = arguments;
    if (rest.size() >= 2 && rest.first() == QLatin1String("--project")) {
        AppContext::setProjectFileName(FileSystem::fullPath(rest.at(1)));
        rest = rest.mid(2);
    }
    if (rest.isEmpty())
        return usage(err(), Failed);
    QString line = rest.join(QLatin1Char(' '));
    const int code = ExpandCommandLine(AppContext::projectDrive(), line);
    out() << code << '\t' << line << '\n';
    return Clean;
}

int resave(const QString &source, const QString &target)
{
    LoadReport report;
    const std::unique_ptr<Project> project = LoadProjectFile(source, report);
    if (!project)
        return Failed;
    for (const QString &problem : report.problems)
        err() << problem << '\n';
    return SaveProjectFile(*project, FileSystem::fullPath(target), SaveOptions()) ? Clean : Failed;
}

// RAR or ZIP by the file's content, not its name.
int archive(const QString &mode, const QStringList &arguments)
{
    return flushed(RunArchiveCommand(mode, arguments, out(), err()));
}

// The output reached its file: a failed write is exit code 2.
int checkedOutput(int code)
{
    out().flush();
    const bool written = out().status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (written)
        return code;
    err() << "Fehler: Die Ausgabe konnte nicht geschrieben werden.\n";
    err().flush();
    return Failed;
}

int dispatch(const QStringList &arguments)
{
    const QString option = arguments.value(0);
    if (option == QLatin1String("--version")) {
        out() << "Brekko " << version << '\n';
        return Clean;
    }
    if (option == QLatin1String("--help") || option == QLatin1String("-h"))
        return usage(out(), Clean);
    if (option == QLatin1String("--check") && arguments.size() == 2)
        return check(arguments.at(1));
    if (option == QLatin1String("--expand"))
        return expand(arguments.mid(1));
    if (option == QLatin1String("--resave") && arguments.size() == 3)
        return resave(arguments.at(1), arguments.at(2));
    if (option == QLatin1String("--list") || option == QLatin1String("--test") || option == QLatin1String("--extract"))
        return archive(option, arguments.mid(1));
    if (option == QLatin1String("--export-text"))
        return RunExportTextCommand(arguments, out(), err());
    if (option == QLatin1String("--print"))
        return RunPrintCommand(arguments, err());
    if (option == QLatin1String("--stats"))
        return RunStatsCommand(arguments, out(), err());
    if (option == QLatin1String("--catalogue"))
        return RunCatalogueCommand(arguments, out(), err());
    return usage(err(), Failed);
}

} // namespace

bool wanted(const QStringList &arguments)
{
    if (arguments.value(0) == QLatin1String("-h"))
        return true;
    return std::any_of(arguments.cbegin(), arguments.cend(),
                       [](const QString &argument) { return argument.startsWith(QLatin1String("--")); });
}

bool needsGui(const QStringList &arguments)
{
    return arguments.value(0) == QLatin1String("--print");
}

int run(const QStringList &arguments)
{
    MsgBox::setHandler(nullptr);
    const int code = dispatch(arguments);
    err().flush();
    return checkedOutput(code);
}

} // namespace CommandLineTool
