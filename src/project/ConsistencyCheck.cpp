#include "project/ConsistencyCheck.h"

#include "common/CommandLinePaths.h"
#include "common/FileUtils.h"
#include "platform/FileSystem.h"
#include "project/ProjectEntry.h"

QString CheckEntryCommand(int entryNumber, const QString &command, int action, const QString &drive)
{
    const QString prefix = QStringLiteral("Projekteintrag: %1 - ").arg(entryNumber);
    QString line = command;
    const int code = command.isEmpty() ? ExpandEmpty : ExpandCommandLine(drive, line);
    if (code == ExpandNothing || code == ExpandMissingWord) {
        return prefix
               + QStringLiteral(
                     "In der Befehlszeile definierte(s) Datei/Verzeichnis \"%1\" konnte nicht gefunden werden.")
                     .arg(command);
    }
    switch (action) {
    case ActionExecute:
        if (code == ExpandFolder) {
            return prefix
                   + QStringLiteral("In der Befehlszeile wurde ein Verzeichnis angegeben, als Befehlsnummer jedoch "
                                    "\"Ausführen\" gewählt. Ein Verzeichnis kann nicht ausgeführt werden.");
        }
        break;
    case ActionUnrar:
    case ActionUnzip:
        if (code != ExpandFile) {
            return prefix
                   + QStringLiteral("Als Befehlsnummer wurde \"Entpacken\" gewählt, jedoch in der Befehlszeile keine "
                                    "Archivdatei die entpackt werden könnte angegeben.");
        }
        break;
    case ActionMacro:
        if (!FileContainsLine(FileSystem::toFileSystemPath(line), ProjectFileFormat::macroHeader)) {
            return prefix
                   + QStringLiteral(
                         "In der Befehlszeile definierte Makrodatei \"%1\" ist keine gültige Brekko-Makrodatei.")
                         .arg(command);
        }
        break;
    default:
        break;
    }
    return {};
}
