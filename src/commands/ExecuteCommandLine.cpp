#include "commands/ExecuteCommandLine.h"

#include "common/MsgBox.h"
#include "platform/FileSystem.h"
#include "platform/Launcher.h"
#include "platform/NativeNames.h"
#include "platform/TextFile.h"

namespace {

const QChar CR = QLatin1Char('\r');

bool namesSomething(const QString &program)
{
    const QString path = FileSystem::toFileSystemPath(program);
    return FileSystem::fileExists(path) || FileSystem::folderExists(path);
}

// The program part and its parameters; parameters keep their leading blank.
Launcher::Request requestFor(const QString &line)
{
    QString program = TextFile::trimmed(line).toString();
    QString parameters;
    while (!namesSomething(program) && program.contains(QLatin1Char(' '))) {
        const qsizetype blank = program.indexOf(QLatin1Char(' '));
        parameters += QLatin1Char(' ') + TextFile::trimmed(QStringView(program).sliced(blank + 1)).toString();
        program = TextFile::trimmed(QStringView(program).first(blank)).toString();
    }
    program = FileSystem::toFileSystemPath(program);
    const qsizetype slash = program.lastIndexOf(QLatin1Char('/'));
    return Launcher::Request{program.mid(slash + 1), parameters, program.left(slash + 1)};
}

void showFailure(const QString &errorText, const QString &line)
{
    ShowMsgBox(QStringLiteral("Fehler: Konnte Datei nicht ausführen..."),
               errorText + CR + QStringLiteral("Dateiangabe: \"") + NativeNames::forDisplay(line) + QLatin1Char('"'),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80280);
}

} // namespace

QString ShellErrorText(int shellResult)
{
    switch (shellResult) {
    case 0:
        return QStringLiteral("Nicht genügend freier Speicher bzw. freie Resourcen.");
    case 2:
        return QStringLiteral("Datei konnte nicht gefunden werden.");
    case 3:
        return QStringLiteral("Verzeichnis konnte nicht gefunden werden.");
    case 5:
        return QStringLiteral("Das Betriebssystem hat keinen Zugriff auf die spezifizierte Datei.");
    case 8:
        return QStringLiteral("Nicht genügend freier Speicher um die Operation durchzuführen.");
    case 11:
        return QStringLiteral("Die EXE-Datei ist fehlerhaft oder ungültig.");
    case 26:
        return QStringLiteral("Windows-Schutzverletzung.");
    case 27:
        return QStringLiteral("Der angegebene Dateiname ist ungültig oder unkomplet.");
    case 28:
        return QStringLiteral("DDE-Konversation schlug fehl, da zugestandene Zeit überschritten wurde.");
    case 29:
        return QStringLiteral("DDE-Konversation schlug fehl.");
    case 30:
        return QStringLiteral("DDE-Konversation schlug fehl, da z.Z. eine andere DDE-Transaktion aktiv ist.");
    case 31:
        return QStringLiteral("Dieser Dateierweiterung ist kein Programm zugeordnet.");
    case 32:
        return QStringLiteral("Die spezifizierte Dynamik-Link-Library konnte nicht gefunden werden.");
    default:
        if (shellResult > 32)
            return {};
        return QStringLiteral("Unbekannter Fehler. Aktion konnte nicht durchgeführt werden.");
    }
}

bool ExecuteCommandLine(const QString &line, bool showErrors, QString &errorText)
{
    errorText = ShellErrorText(Launcher::open(requestFor(line)));
    if (showErrors && !errorText.isEmpty())
        showFailure(errorText, line);
    return errorText.isEmpty();
}
