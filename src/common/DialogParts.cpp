#include "common/DialogParts.h"

#include "common/AppContext.h"
#include "common/Help.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

class MnemonicToButton : public QObject {
public:
    MnemonicToButton(QAbstractButton *button)
        : QObject(button)
        , m_button(button)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return QObject::eventFilter(watched, event);
        if (m_button->isEnabled())
            m_button->click();
        return true;
    }

private:
    QAbstractButton *m_button;
};

} // namespace

void GiveMnemonicToButton(QLabel *label, QAbstractButton *button)
{
    auto *filter = new MnemonicToButton(button);
    label->installEventFilter(filter);
    button->installEventFilter(filter);
}

QHBoxLayout *MakeDialogButtonRow(QDialog *dialog, std::initializer_list<QPushButton *> buttons, int helpContext)
{
    (*buttons.begin())->setDefault(true);
    auto *cancel = named(new QPushButton(QStringLiteral("&Abbrechen"), dialog), "Button_Abbrechen");
    auto *help = named(new QPushButton(QStringLiteral("&Hilfe"), dialog), "Button_Hilfe");
    help->setEnabled(AppContext::hasHelpFile());
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, dialog, [helpContext] { ShowHelp(helpContext); });
    SetHelpContext(dialog, helpContext);
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *button : buttons)
        row->addWidget(button);
    row->addWidget(cancel);
    row->addWidget(help);
    return row;
}

QHBoxLayout *MakeDialogButtonRow(QDialog *dialog, QPushButton *primary, int helpContext)
{
    return MakeDialogButtonRow(dialog, {primary}, helpContext);
}

void KeepWithinScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QSize room = screen->availableGeometry().size();
    window->setMinimumSize(window->minimumSize().boundedTo(room));
    window->setMaximumSize(window->maximumSize().boundedTo(room));
    window->resize(window->size().boundedTo(room));
}
