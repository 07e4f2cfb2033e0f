#include "filemanager/FileManagerWindow.h"

#include "filemanager/TDateimanagerForm.h"

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

void DestroyFileManager()
{
    delete g_form.data();
}
