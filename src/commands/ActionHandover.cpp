#include "commands/ActionHandover.h"

#include "common/BusyCursor.h"
#include "common/MsgBox.h"

namespace {

class NoticeHandover final : public ActionHandover {
public:
    void openFileManager(QWidget *, const QString &startCommandLine) override
    {
        ShowNotAvailable(QStringLiteral("Dateimanager"), startCommandLine);
    }
    void openRarExtraction(QWidget *, const QString &archiveName) override
    {
        ShowNotAvailable(QStringLiteral("Entpacken - Unrar"), archiveName);
    }
    void openZipExtraction(QWidget *, const QString &archiveName) override
    {
        ShowNotAvailable(QStringLiteral("Entpacken - Unzip"), archiveName);
    }
};

NoticeHandover g_notice;
ActionHandover *g_installed = nullptr;

} // namespace

ActionHandover &CurrentActionHandover()
{
    return g_installed ? *g_installed : g_notice;
}

ActionHandover *SetActionHandover(ActionHandover *handover)
{
    ActionHandover *previous = g_installed;
    g_installed = handover;
    return previous;
}

void ShowNotAvailable(const QString &what, const QString &fileName)
{
    NormalCursor ready;
    ShowMsgBox(what,
               what + QStringLiteral(" ist in dieser Version noch nicht verfügbar.") + QLatin1Char('\r')
                   + QStringLiteral("Dateiangabe: \"") + fileName + QLatin1Char('"'),
               MsgBox::Information, MsgBox::DefaultBeep, MsgBox::Ok, 0);
}
