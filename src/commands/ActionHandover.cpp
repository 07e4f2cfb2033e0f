#include "commands/ActionHandover.h"

#include "commands/CommandActions.h"
#include "common/BusyCursor.h"
#include "common/MsgBox.h"

// The file manager and the extraction dialogs are not part of the program
// yet; until they are, the user is told so.
namespace {

void showNotAvailable(const QString &what, const QString &path)
{
    NormalCursor ready;
    ShowMsgBox(what, what + QStringLiteral(" ist in dieser Version noch nicht verfügbar.") + QLatin1Char('\r')
                   + QStringLiteral("Dateiangabe: \"") + path + QLatin1Char('"'),
               MsgBox::Information, MsgBox::DefaultBeep, MsgBox::Ok, 0);
}

} // namespace

void OpenFileManager(QWidget *)
{
    showNotAvailable(QStringLiteral("Dateimanager"), CommandActions::startCommandLine());
}

void OpenRarExtraction(QWidget *, const QString &archiveName)
{
    showNotAvailable(QStringLiteral("Entpacken - Unrar"), archiveName);
}

void OpenZipExtraction(QWidget *, const QString &archiveName)
{
    showNotAvailable(QStringLiteral("Entpacken - Unzip"), archiveName);
}
