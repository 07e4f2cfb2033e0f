#pragma once

#include <QString>

class ActionHandover;
class QWidget;

// Carries out action (1 "Ausführen" to 5 "Makro") on text, the command
// field's current text; 0 and other numbers do nothing. The file manager and
// the extraction dialogs are opened through handover.
void RunCommandAction(int action, const QString &text, QWidget *owner, ActionHandover &handover);
