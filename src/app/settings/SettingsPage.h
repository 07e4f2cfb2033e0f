#pragma once

#include "common/settings/Settings.h"

#include <QWidget>

class QGridLayout;
class QLineEdit;

// A page of the settings dialog that edits values of the settings file: it
// shows them, stores them back and reports every change the user makes.
class SettingsPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual void load(const Settings &settings) = 0;
    // False when an edit holds nothing that can be stored (a number edit
    // left empty); settings may then be partly changed.
    virtual bool store(Settings &settings) const = 0;

signals:
    void changed();

protected:
    // Every edit, check box and list on the page reports its changes.
    void reportChanges();
};

// The number in edit; false when it holds none in the edit's range.
bool ReadNumber(const QLineEdit *edit, int &value);

// A whole-number edit of up to 5 digits with spin buttons 0..32767, placed
// with its caption (and unit) in row of grid. Values down to lowest can be
// typed: -1 leaves a position or size unset.
QLineEdit *AddSettingsNumber(QWidget *parent, QGridLayout *grid, int row, const QString &caption, const char *name,
                             int lowest = -1, const QString &unit = {});

// caption and field in row of grid.
void AddLabelled(QGridLayout *grid, int row, const QString &caption, QWidget *field);
