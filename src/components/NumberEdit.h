#pragma once

class QLayout;
class QLineEdit;
class QWidget;

// Limits of a whole-number edit with spin buttons.
struct NumberRange {
    int digits;  // characters the edit takes
    int minimum; // the spin buttons step within minimum..maximum
    int maximum;
    int step = 1;
    int lowestTyped = 0; // the smallest value that can be typed
};

// Adds to row a whole-number edit (object name name) and its spin buttons
// (a widget named upDownName); returns the edit. What the edit holds is
// read by the caller, which decides about a text that is no number.
QLineEdit *AddNumberEdit(QWidget *parent, const char *name, const char *upDownName, const NumberRange &range,
                         QLayout *row);
