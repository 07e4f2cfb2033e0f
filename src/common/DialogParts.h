#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

// Gives a control its object name (the name tests find it by).
template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The usual row at the foot of a dialog: primary (the default button),
// "&Abbrechen" rejecting the dialog and "&Hilfe" opening helpContext, enabled
// only when there is a help file.
QHBoxLayout *MakeDialogButtonRow(QDialog *dialog, QPushButton *primary, int helpContext);
