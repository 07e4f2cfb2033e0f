#include "tree/ItemEditFindings.h"

#include "common/CommandLinePaths.h"
#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "project/ProjectEntry.h"

namespace {

const QChar CR = QLatin1Char('\r');

QString orCorrect(const QString &finding)
{
    return finding.isEmpty() ? QStringLiteral("...Angabe korrekt...") : finding;
}

bool outside(int position, int count)
{
    return position < 0 || position >= count;
}

QString fileFinding(int action, const QString &file)
{
    if (action == ActionNone)
        return QStringLiteral("Datei jedoch keine Aktion gewählt.");
    if (action == ActionMacro && !FileContainsLine(file, ProjectFileFormat::macroHeader))
        return QStringLiteral("Keine gültige Brekko-Makrodatei angegeben.");
    return {};
}

QString folderFinding(int action)
{
    switch (action) {
    case ActionNone:
        return QStringLiteral("Verzeichnis jedoch keine Aktion gewählt.");
    case ActionUnrar:
        return QStringLiteral("Verzeichnis kann nicht mittels Unrar entpackt werden.");
    case ActionUnzip:
        return QStringLiteral("Verzeichnis kann nicht mittels Unzip entpackt werden.");
    case ActionMacro:
        return QStringLiteral("Verzeichnis angegeben und keine Brekko-Makrodatei.");
    default:
        return {};
    }
}

} // namespace

bool ItemEditFindings::any() const
{
    return !title.isEmpty() || !image.isEmpty() || !comment.isEmpty() || !command.isEmpty();
}

QString ItemEditFindings::report() const
{
    return QStringLiteral("Folgende Fehler und/oder Ungereimtheiten wurden festgestellt:") + CR
           + QStringLiteral("- Baumtitel: ") + orCorrect(title) + CR + QStringLiteral("- Baumimage: ")
           + orCorrect(image) + CR + QStringLiteral("- Kommentar: ") + orCorrect(comment) + CR
           + QStringLiteral("- Befehl:    ") + orCorrect(command) + CR
           + QStringLiteral("Änderungen trotzdem übernehmen ?");
}

QString TitleFinding(const QString &title)
{
    return title.isEmpty() ? CR + QStringLiteral("Es wurde kein Text angegeben.") : QString();
}

QString ImageFinding(bool useImages, int normal, int selected, int imageCount)
{
    if (useImages && (outside(normal, imageCount) || outside(selected, imageCount)))
        return QStringLiteral("Ungültiges Image für Baumtitel festgelegt.");
    return {};
}

QString CommandFinding(int shortenCode, int action, const QString &file)
{
    switch (shortenCode) {
    case ShortenTooShort:
        return QStringLiteral("Angegebene Befehlszeile besitzt weniger als 3 Zeichen.");
    case ShortenOtherDrive:
        return QStringLiteral("Angabe nicht verkürzt, wegen Datenträgerabhängigkeit.");
    case ShortenFile:
        return fileFinding(action, file);
    case ShortenFolder:
        return folderFinding(action);
    default:
        return {};
    }
}

bool AskApplyDespiteFindings(const ItemEditFindings &findings)
{
    return ShowMsgBox(QStringLiteral("Änderungen wirklich übernehmen ?"), findings.report(), MsgBox::Question,
                      MsgBox::QuestionBeep, MsgBox::Yes | MsgBox::No | MsgBox::Help, 80190)
           == MsgBox::ResultYes;
}

std::pair<int, int> ImagesToStore(int normal, int selected, bool hasChildren)
{
    if (normal < 4 || selected < 4)
        return hasChildren ? std::pair{0, 1} : std::pair{2, 3};
    return {normal, selected};
}

int NormalImageFor(int selectedPosition)
{
    if (selectedPosition == 0 || selectedPosition == 1)
        return 0;
    if (selectedPosition == 2 || selectedPosition == 3)
        return 2;
    return selectedPosition;
}

int SelectedImageFor(int normalPosition)
{
    if (normalPosition == 0 || normalPosition == 1)
        return 1;
    if (normalPosition == 2 || normalPosition == 3)
        return 3;
    return normalPosition;
}
