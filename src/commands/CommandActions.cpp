#include "commands/CommandActions.h"

#include "commands/ExecuteCommandLine.h"
#include "commands/MacroFile.h"
#include "common/AppContext.h"
#include "common/CommandLinePaths.h"
#include "common/MsgBox.h"
#include "platform/TextFile.h"
#include "project/ProjectEntry.h"

namespace CommandActions {

namespace {

const QChar CR = QLatin1Char('\r');

int expandTrimmed(QString &line)
{
    line = TextFile::trimmed(line).toString();
    return ExpandCommandLine(AppContext::projectDrive(), line);
}

// Why an expanded line may not run; empty when it looks runnable.
QString warningFor(int code, const QString &line)
{
    switch (code) {
    case ExpandEmpty:
        return QStringLiteral("Die angegebene Befehlszeile ist leer und folglich kann auch keine Datei ausgeführt "
                              "werden.");
    case ExpandNothing:
        return QStringLiteral("Keine Datei angegeben oder die Datei konnte nicht gefunden werden.");
    case ExpandMissingWord:
        return QStringLiteral("Befehlszeile wurde unvollständig erweitert zu:") + CR + QLatin1Char('"') + line
               + QLatin1Char('"');
    default:
        return {};
    }
}

bool tryAnyway(const QString &warning)
{
    return ShowMsgBox(QStringLiteral("Warnung: Kann Befehlszeile womöglich nicht ausführen..."),
                      warning + CR + QStringLiteral("Trotzdem versuchen die Befehlszeile auszuführen ?"),
                      MsgBox::Warning, MsgBox::ExclamationBeep, MsgBox::Yes | MsgBox::No | MsgBox::Help, 80290)
           == MsgBox::ResultYes;
}

} // namespace

QString fieldHint(const QString &text)
{
    QString line = text;
    switch (expandTrimmed(line)) {
    case ExpandFile:
        return QStringLiteral("Datei: ") + line;
    case ExpandFolder:
        return QStringLiteral("Verzeichnis: ") + line;
    case ExpandWords:
        return QStringLiteral("Parameterangabe: ") + line;
    case ExpandEmpty:
        return QStringLiteral("Befehlszeile ist leer...");
    case ExpandNothing:
        return QStringLiteral("Datei oder Verzeichnis nicht gefunden...");
    default:
        return QStringLiteral("Parameterangabe unverständlich...");
    }
}

int framedButton(int actionNumber)
{
    return actionNumber >= ActionExecute && actionNumber <= kLastAction ? actionNumber : ActionNone;
}

QString expanded(const QString &text)
{
    QString line = text;
    expandTrimmed(line);
    return line;
}

bool execute(const QString &text)
{
    QString line = text;
    const QString warning = warningFor(expandTrimmed(line), line);
    if (!warning.isEmpty()) {
        if (!tryAnyway(warning))
            return false;
        line = ExpandCommandLineAnyway(AppContext::projectDrive(), line);
    }
    QString errorText;
    return ExecuteCommandLine(line, true, errorText);
}

void runMacro(const QString &text)
{
    RunMacroFile(expanded(text));
}

} // namespace CommandActions
