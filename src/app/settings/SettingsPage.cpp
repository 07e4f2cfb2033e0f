#include "app/settings/SettingsPage.h"

#include "components/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

void SettingsPage::reportChanges()
{
    for (auto *edit : findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textChanged, this, &SettingsPage::changed);
    for (auto *box : findChildren<QCheckBox *>())
        connect(box, &QCheckBox::toggled, this, &SettingsPage::changed);
    for (auto *list : findChildren<QComboBox *>())
        connect(list, &QComboBox::currentIndexChanged, this, &SettingsPage::changed);
}

bool ReadNumber(const QLineEdit *edit, int &value)
{
    bool ok = false;
    const int number = edit->text().trimmed().toInt(&ok);
    if (!ok || !edit->hasAcceptableInput())
        return false;
    value = number;
    return true;
}

QLineEdit *AddSettingsNumber(QWidget *parent, QGridLayout *grid, int row, const QString &caption, const char *name,
                             int lowest, const QString &unit)
{
    auto *line = new QHBoxLayout;
    const QByteArray upDown = QByteArray("UpDown_") + QByteArray(name).mid(int(sizeof("Edit_")) - 1);
    QLineEdit *edit = AddNumberEdit(parent, name, upDown.constData(), {5, 0, 32767, 1, lowest}, line);
    if (!unit.isEmpty())
        line->addWidget(new QLabel(unit, parent));
    line->addStretch();
    auto *label = new QLabel(caption, parent);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addLayout(line, row, 1);
    return edit;
}

void AddLabelled(QGridLayout *grid, int row, const QString &caption, QWidget *field)
{
    auto *label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}
