#include "components/NumberEdit.h"

#include <QIntValidator>
#include <QLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

QLineEdit *AddNumberEdit(QWidget *parent, const char *name, const char *upDownName, const NumberRange &range,
                         QLayout *row)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(range.digits);
    edit->setValidator(new QIntValidator(range.lowestTyped, range.maximum, edit));
    edit->setMaximumWidth(60);
    auto *upDown = new QWidget(parent);
    upDown->setObjectName(QString::fromLatin1(upDownName));
    auto *upDownLayout = new QVBoxLayout(upDown);
    upDownLayout->setContentsMargins(0, 0, 0, 0);
    upDownLayout->setSpacing(0);
    for (int direction : {1, -1}) {
        auto *button = new QToolButton(upDown);
        button->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        upDownLayout->addWidget(button);
        QObject::connect(button, &QToolButton::clicked, edit, [edit, range, direction] {
            const int next = edit->text().toInt() + direction * range.step;
            edit->setText(QString::number(qBound(range.minimum, next, range.maximum)));
        });
    }
    row->addWidget(edit);
    row->addWidget(upDown);
    return edit;
}
