#include "tree/TGeheZuForm.h"

#include "common/DialogParts.h"
#include "tree/GoToPosition.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *arrowButton(QWidget *parent, Qt::ArrowType arrow, const char *name)
{
    auto *button = named(new QToolButton(parent), name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TGeheZuForm::TGeheZuForm(int entryCount, int currentPosition, QWidget *parent)
    : QDialog(parent)
    , m_entryCount(entryCount)
{
    setObjectName(QStringLiteral("TGeheZuForm"));
    setWindowTitle(QStringLiteral("Gehe zu..."));

    m_field = named(new QLineEdit(this), "MaskEdit_Position");
    m_field->setInputMask(QStringLiteral("99999"));
    m_field->setText(QString::number(currentPosition > 0 ? currentPosition : 1));
    auto *label = named(new QLabel(QStringLiteral("Positionsnummer:"), this), "Label1");
    label->setBuddy(m_field);

    // Spin buttons: 1 to the number of entries, no wrap-around.
    auto *upDown = named(new QWidget(this), "UpDown_Position");
    m_up = arrowButton(upDown, Qt::UpArrow, "UpDown_Position_Auf");
    m_down = arrowButton(upDown, Qt::DownArrow, "UpDown_Position_Ab");
    auto *upDownLayout = new QVBoxLayout(upDown);
    upDownLayout->setContentsMargins(0, 0, 0, 0);
    upDownLayout->setSpacing(0);
    upDownLayout->addWidget(m_up);
    upDownLayout->addWidget(m_down);

    auto *go = named(new QPushButton(QStringLiteral("&Gehe"), this), "Button_Gehe");
    QHBoxLayout *buttons = MakeDialogButtonRow(this, go, kHelpContext);

    auto *layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_field, 0, 1);
    layout->addWidget(upDown, 0, 2);
    layout->addLayout(buttons, 1, 0, 1, 3);

    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
    connect(go, &QPushButton::clicked, this, &TGeheZuForm::Button_Gehe_OnClick);
}

void TGeheZuForm::step(int delta)
{
    bool ok = false;
    const int current = m_field->text().trimmed().toInt(&ok);
    const int next = qBound(1, (ok ? current : 0) + delta, qMax(1, m_entryCount));
    m_field->setText(QString::number(next));
}

void TGeheZuForm::Button_Gehe_OnClick()
{
    m_position = ParsePosition(m_field->text(), m_entryCount);
    if (m_position == 0) {
        ShowInvalidPosition();
        return;
    }
    accept();
}
