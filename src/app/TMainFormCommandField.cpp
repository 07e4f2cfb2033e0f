// The command field under the tree and its five action buttons. The buttons
// act on the field's text as it stands, typed or not.

#include "app/MainHandovers.h"
#include "app/TMainForm.h"
#include "commands/CommandActions.h"
#include "commands/CommandDispatch.h"
#include "commands/ExecuteCommandLine.h"
#include "project/ProjectEntry.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The action each button serves, by its name.
int actionOf(const QPushButton *button)
{
    static const QHash<QString, int> actions{
        {QStringLiteral("BefehlAusfuehrenButton"), ActionExecute},
        {QStringLiteral("BefehlDateimanagerButton"), ActionFileManager},
        {QStringLiteral("BefehlUnrarButton"), ActionUnrar},
        {QStringLiteral("BefehlUnzipButton"), ActionUnzip},
        {QStringLiteral("BefehlMakroButton"), ActionMacro},
    };
    return actions.value(button->objectName(), ActionNone);
}

} // namespace

void TMainForm::connectCommandField()
{
    connect(m_commandEdit, &QLineEdit::textChanged, this, &TMainForm::BefehlszeileEdit_OnChange);
    for (QPushButton *button : m_commandButtons)
        connect(button, &QPushButton::clicked, this, [this, button] { runCommandAction(actionOf(button)); });
}

void TMainForm::runCommandAction(int action)
{
    RunCommandAction(action, m_commandEdit->text(), this, *m_handovers);
}

// Enter in the tree and "Befehl ausführen": the button of the entry's action.
void TMainForm::TreePopupMenu_BefehlAusfuehren_OnClick()
{
    if (m_currentEntry)
        runCommandAction(m_currentEntry->record.action);
}

void TMainForm::BefehlszeileEdit_OnChange(const QString &text)
{
    const QString hint = CommandActions::fieldHint(text);
    m_commandEdit->setToolTip(hint);
    m_commandEdit->setStatusTip(hint);
}

// The panel of the button that Enter would run is framed: lowered outside,
// raised inside.
void TMainForm::frameActionButton(int action)
{
    const int framed = CommandActions::framedButton(action);
    for (QPushButton *button : m_commandButtons) {
        auto *panel = qobject_cast<QFrame *>(button->parentWidget());
        panel->setFrameStyle(actionOf(button) == framed ? QFrame::Box | QFrame::Sunken : QFrame::NoFrame);
    }
}

// A typed command line goes to the entry it belongs to before another is
// shown.
void TMainForm::writeBackCommandField()
{
    if (m_currentEntry && m_commandEdit->isModified() && m_commandEdit->text() != m_currentEntry->record.command) {
        m_currentEntry->record.command = m_commandEdit->text();
        markModified();
    }
}

// A Tools item runs its command line; a failure is not reported.
void TMainForm::MainMenu_Tools_OnClick(QAction *item)
{
    QString errorText;
    ExecuteCommandLine(item->statusTip(), false, errorText);
}
