#pragma once

#include <QString>

class QAbstractButton;
class QDialog;
class QHBoxLayout;
class QLabel;
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

// A label and a button that carry the same letter: the letter presses the
// button every time instead of moving the focus between the two.
void GiveMnemonicToButton(QLabel *label, QAbstractButton *button);
