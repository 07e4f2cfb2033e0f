#pragma once

#include <QString>

class QWidget;

// Carries out action (1 "Ausführen" to 5 "Makro") on text, the command
// field's current text; 0 and other numbers do nothing.
void RunCommandAction(int action, const QString &text, QWidget *owner);
