#pragma once

#include <QString>

#include <initializer_list>

class QAbstractButton;
class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// Gives a control its object name (the name tests find it by).
template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The usual row at the foot of a dialog: the dialog's own buttons (the first
// is the default button), "&Abbrechen" (Button_Abbrechen) rejecting the dialog
// and "&Hilfe" (Button_Hilfe) opening helpContext, enabled only when there is
// a help file.
QHBoxLayout *MakeDialogButtonRow(QDialog *dialog, std::initializer_list<QPushButton *> buttons, int helpContext);
QHBoxLayout *MakeDialogButtonRow(QDialog *dialog, QPushButton *primary, int helpContext);

// Shrinks window to the available part of its screen where it is larger.
void KeepWithinScreen(QWidget *window);

// A label and a button that carry the same letter: the letter presses the
// button every time instead of moving the focus between the two.
void GiveMnemonicToButton(QLabel *label, QAbstractButton *button);
