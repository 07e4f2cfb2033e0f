#include "filemanager/FileManagerWindow.h"

#include "common/settings/SettingsKeys.h"
#include "filemanager/TDateimanagerForm.h"
#include "platform/ProfileFile.h"

#include <QPointer>

namespace {

QPointer<TDateimanagerForm> g_form;

} // namespace

void ShowFileManager(QWidget *owner, const QString &startCommandLine, const Settings &settings)
{
    if (!g_form)
        g_form = new TDateimanagerForm(settings, owner);
    g_form->run(startCommandLine);
}

void SetFileManagerTools(const QList<ToolItem> &tools)
{
    if (g_form)
        g_form->setTools(tools);
}

bool FileManagerWindowSettings(int &state, int &viewStyle)
{
    if (!g_form)
        return false;
    state = g_form->windowStateSetting();
    viewStyle = g_form->viewStyleSetting();
    return true;
}

void WriteFileManagerSettings(ProfileFile &file, int state, int viewStyle)
{
    file.writeInteger(SettingsKeys::fileManager, SettingsKeys::fileManagerState, state);
    file.writeInteger(SettingsKeys::fileManager, SettingsKeys::fileManagerViewStyle, viewStyle);
}

void DestroyFileManager()
{
    delete g_form.data();
}
