#include "export/ExportTextCommand.h"

#include "common/settings/SettingsReader.h"
#include "export/ExportText.h"
#include "project/ProjectFile.h"

#include <QTextStream>

namespace {

constexpr int kFailed = 2;

int fail(QTextStream &err, const QString &text)
{
    err << text << '\n';
    err.flush();
    return kFailed;
}

} // namespace

int RunExportTextCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return RunExportTextCommand(arguments, LocateProgramFile(DefaultSettingsFileName), out, err);
}

int RunExportTextCommand(const QStringList &arguments, const QString &settingsFile, QTextStream &out, QTextStream &err)
{
    QString fileName;
    QString letters;
    bool lettersGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--export-text") || argument == QLatin1String("--fields")) {
            if (i + 1 >= arguments.size())
                return fail(err, QStringLiteral("Fehler: %1 braucht einen Wert.").arg(argument));
            (argument == QLatin1String("--fields") ? letters : fileName) = arguments.at(++i);
            lettersGiven = lettersGiven || argument == QLatin1String("--fields");
        } else {
            return fail(err, QStringLiteral("Fehler: unbekanntes Argument \"%1\".").arg(argument));
        }
    }
    if (fileName.isEmpty())
        return fail(err, QStringLiteral("Aufruf: brekko --export-text DATEI [--fields btc]"));

    ExportFields fields = ExportFields::fromSettings(ReadSettings(settingsFile));
    if (lettersGiven && !SetFieldsFromLetters(letters, fields))
        return fail(err, FieldLettersError(letters));

    LoadReport report;
    const std::unique_ptr<Project> project = LoadProjectFile(fileName, report);
    if (!project)
        return kFailed;
    QStringList lines;
    RenderProjectText(lines, project->tree, fields);
    for (const QString &line : std::as_const(lines))
        out << line << '\n';
    out.flush();
    return out.status() == QTextStream::Ok ? 0 : fail(err, QStringLiteral("Fehler: Ausgabe fehlgeschlagen."));
}
