#include "filemanager/ops/FileOpsDialogs.h"

#include "common/ModalSeam.h"
#include "filemanager/ops/TCopyMoveForm.h"
#include "filemanager/ops/TDeleteForm.h"
#include "filemanager/ops/TEigenschaftenForm.h"
#include "filemanager/ops/TMkDirForm.h"
#include "filemanager/ops/TSelectGroupForm.h"

bool RunCopyMoveDialog(QWidget *owner, const QString &folder, const QStringList &names, bool copyMode)
{
    TCopyMoveForm form(folder, names, copyMode, owner);
    RunModal(&form);
    return form.listChanged();
}

bool RunDeleteDialog(QWidget *owner, const QString &folder, const QStringList &names)
{
    TDeleteForm form(folder, names, owner);
    RunModal(&form);
    // A cancelled run may have removed some objects already.
    return true;
}

bool RunMakeFolderDialog(QWidget *owner, const QString &folder)
{
    TMkDirForm form(folder, owner);
    return RunModal(&form) == QDialog::Accepted;
}

bool RunPropertiesDialog(QWidget *owner, const QString &folder, const QStringList &names, const QString &listedType)
{
    TEigenschaftenForm form(folder, names, listedType, owner);
    return RunModal(&form) == QDialog::Accepted;
}

bool RunSelectGroupDialog(QWidget *owner, QString &pattern, bool &excludeFolders)
{
    TSelectGroupForm form(owner);
    if (RunModal(&form) != QDialog::Accepted)
        return false;
    pattern = form.pattern();
    excludeFolders = form.excludeFolders();
    return true;
}
