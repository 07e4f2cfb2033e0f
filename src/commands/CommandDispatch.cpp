#include "commands/CommandDispatch.h"

#include "commands/ActionHandover.h"
#include "commands/CommandActions.h"
#include "common/BusyCursor.h"
#include "project/ProjectEntry.h"

void RunCommandAction(int action, const QString &text, QWidget *owner, ActionHandover &handover)
{
    switch (action) {
    case ActionExecute:
        CommandActions::execute(text);
        break;
    case ActionFileManager: {
        BusyCursor busy;
        handover.openFileManager(owner, text);
        break;
    }
    case ActionUnrar: {
        BusyCursor busy;
        handover.openRarExtraction(owner, CommandActions::expanded(text));
        break;
    }
    case ActionUnzip: {
        BusyCursor busy;
        handover.openZipExtraction(owner, CommandActions::expanded(text));
        break;
    }
    case ActionMacro:
        CommandActions::runMacro(text);
        break;
    default:
        break;
    }
}
