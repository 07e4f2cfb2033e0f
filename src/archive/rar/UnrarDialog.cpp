#include "archive/rar/UnrarDialog.h"

#include "archive/rar/TUnrarForm.h"
#include "common/ModalSeam.h"

void ShowUnrarDialog(QWidget *owner, const QString &archiveName)
{
    TUnrarForm form(owner);
    form.setArchiveName(archiveName);
    RunModal(&form);
}
