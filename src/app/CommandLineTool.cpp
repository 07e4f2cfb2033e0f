#include "app/CommandLineTool.h"

#include "common/AppContext.h"
#include "common/CommandLinePaths.h"
#include "common/MsgBox.h"
#include "platform/FileSystem.h"
#include "project/LoadReportTexts.h"
#include "project/ProjectFile.h"

#include <QTextStream>

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

int usage(QTextStream &stream, int code)
{
    stream << "Aufruf: brekko [PROJEKTDATEI] [INI-DATEI]\n"
              "       brekko --check DATEI\n"
              "       brekko --expand [--project DATEI] BEFEHLSZEILE\n"
              "       brekko --resave QUELLE ZIEL\n"
              "       brekko --help | --version\n\n"
              "  --check    liest DATEI wie das Programm, gibt jedes Problem und die vier\n"
              "             Zählungen aus; Rückgabe 0 ohne Probleme, 1 mit Problemen,\n"
              "             2 wenn die Datei nicht eingelesen werden konnte\n"
              "  --expand   erweitert BEFEHLSZEILE gegen das Laufwerk von DATEI (sonst des\n"
              "             Programmordners) und gibt Ergebniscode, Tabulator und Zeile aus\n"
              "  --resave   liest QUELLE und speichert sie als ZIEL (Sicherungskopie an)\n";
    stream.flush();
    return code;
}

std::unique_ptr<Project> load(const QString &fileName, LoadReport &report)
{
    const QString path = FileSystem::fullPath(fileName);
    if (!CheckProjectFile(path))
        return nullptr;
    return ReadProjectFile(path, report);
}

int check(const QString &fileName)
{
    LoadReport report;
    if (!load(fileName, report))
        return Failed;
    for (const QString &problem : report.problems)
        out() << problem << '\n';
    out() << LoadReportTexts::entriesRead << ' ' << report.entriesRead << '\n'
          << LoadReportTexts::entriesInFile << ' ' << report.entriesInFile << '\n'
          << LoadReportTexts::linesRead << ' ' << report.linesRead << '\n'
          << LoadReportTexts::linesInFile << ' ' << report.linesInFile << '\n';
    out().flush();
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
    out().flush();
    return Clean;
}

int resave(const QString &source, const QString &target)
{
    LoadReport report;
    const std::unique_ptr<Project> project = load(source, report);
    if (!project)
        return Failed;
    for (const QString &problem : report.problems)
        err() << problem << '\n';
    err().flush();
    return SaveProjectFile(*project, FileSystem::fullPath(target), SaveOptions()) ? Clean : Failed;
}

} // namespace

bool wanted(const QStringList &arguments)
{
    static const QStringList options{QStringLiteral("--check"), QStringLiteral("--expand"),
                                     QStringLiteral("--resave"), QStringLiteral("--help"),
                                     QStringLiteral("-h"), QStringLiteral("--version")};
    return !arguments.isEmpty() && options.contains(arguments.first());
}

int run(const QStringList &arguments)
{
    MsgBox::setHandler(nullptr);
    const QString option = arguments.value(0);
    if (option == QLatin1String("--version")) {
        out() << "Brekko " << version << '\n';
        out().flush();
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
    return usage(err(), Failed);
}

} // namespace CommandLineTool
