#include "export/print/PrintExportEntry.h"

#include "common/BusyCursor.h"
#include "common/ModalSeam.h"
#include "export/print/TExportDruckenForm.h"
#include "platform/ProcessMemory.h"

#include <memory>

void ShowPrintExport(QWidget *owner, const Project &project, const Settings &settings, PrintTextSource source)
{
    if (!source)
        source = MakePrintTextSource(project, settings);
    std::unique_ptr<TExportDruckenForm> form;
    {
        BusyCursor busy;
        form = std::make_unique<TExportDruckenForm>(std::move(source), settings, owner);
    }
    RunModal(form.get());
    form.reset();
    ProcessMemory::ReleaseFreed();
}
