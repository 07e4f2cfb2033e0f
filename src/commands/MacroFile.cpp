#include "commands/MacroFile.h"

#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "platform/TextFile.h"

namespace {

const QChar CR = QLatin1Char('\r');

bool &switchOn()
{
    static bool on = true;
    return on;
}

void showInvalidFile(const QString &fileName)
{
    ShowMsgBox(QStringLiteral("Fehler: Ungültige Makrodatei..."),
               QStringLiteral("Die angegebene Datei") + CR + QLatin1Char('"') + fileName + QLatin1Char('"') + CR
                   + QStringLiteral("ist keine gültige Brekko-Makrodatei."),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80540);
}

void showReadError(const QString &fileName)
{
    ShowMsgBox(QStringLiteral("Fehler: Makrodatei konnte eingelesen werden..."),
               QStringLiteral("Bei dem Versuch die Makrodatei") + CR + QLatin1Char('"') + fileName + QLatin1Char('"')
                   + CR + QStringLiteral("zu öffnen und den Inhalt einzulesen ist ein unbekannter Fehler aufgetreten."),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80550);
}

// Asks whether to go on after an incomplete TST line; false ends the run.
bool continueAfterSyntaxError(int lineNumber)
{
    const int answer = ShowMsgBox(
        QStringLiteral("Makro-Syntaxfehler in Zeile ") + QString::number(lineNumber) + QLatin1Char(':'),
        QStringLiteral("Makrobefehl TST wurde unvollständig angegeben.") + CR + QStringLiteral("Makro fortsetzen ?"),
        MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Yes | MsgBox::No | MsgBox::Help, 23000);
    return answer != MsgBox::ResultNo;
}

// Carries out one line; false ends the run.
bool runLine(QStringView rawLine, int lineNumber)
{
    const QStringView line = TextFile::trimmed(rawLine);
    if (line.size() <= 3)
        return true;
    const QString word = line.first(3).toString().toUpper();
    const QStringView argument = TextFile::trimmed(line.sliced(3));
    // RUN, MAN, CPY, MKD, EDT and OPN are reserved and do nothing; other
    // words are ignored.
    if (word != QLatin1String("TST"))
        return true;
    if (argument == QLatin1String("0"))
        switchOn() = false;
    else if (argument == QLatin1String("1"))
        switchOn() = true;
    else if (switchOn())
        return continueAfterSyntaxError(lineNumber);
    return true;
}

} // namespace

namespace MacroFile {

bool reportingSwitch()
{
    return switchOn();
}

void resetReportingSwitch()
{
    switchOn() = true;
}

} // namespace MacroFile

void RunMacroFile(const QString &fileName)
{
    if (!FileContainsLine(fileName, ProjectFileFormat::macroHeader)) {
        showInvalidFile(fileName);
        return;
    }
    int lineNumber = 0;
    const bool read =
        TextFile::forEachLine(fileName, [&lineNumber](QStringView line) { return runLine(line, ++lineNumber); });
    if (!read)
        showReadError(fileName);
}
