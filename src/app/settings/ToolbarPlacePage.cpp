#include "app/settings/ToolbarPlacePage.h"

#include "app/settings/SettingsPage.h"
#include "common/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char *const kDocks[] = {"Ganz oben", "Oberhalb", "Unterhalb", "ganz unten", "Links", "Rechts"};

// Index -1 (no item) stands for a dock that is not set.
QComboBox *dockList(QWidget *parent, const char *name, bool withFloating)
{
    auto *list = named(new QComboBox(parent), name);
    for (const char *dock : kDocks)
        list->addItem(QString::fromUtf8(dock));
    if (withFloating)
        list->addItem(QStringLiteral("[Nicht angedockt]"));
    return list;
}

} // namespace

ToolbarPlacePage::ToolbarPlacePage(const SettingsHost &host, int toolbar, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
    , m_toolbar(toolbar)
{
    m_hidden = named(new QCheckBox(QStringLiteral("Ausblenden"), this), "CheckBox_Ausblenden");
    m_defaultDock = dockList(this, "ComboBox_VorgabeDock", false);
    m_dockedTo = dockList(this, "ComboBox_AngedocktBei", true);
    auto *current = named(new QPushButton(QStringLiteral("Akt. Werte"), this), "Button_AktWerte");
    current->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_hidden, 0, 0, 1, 2);
    AddLabelled(grid, 1, QStringLiteral("Vorgabe-Dock:"), m_defaultDock);
    AddLabelled(grid, 2, QStringLiteral("Angedockt bei:"), m_dockedTo);
    m_left = AddSettingsNumber(this, grid, 3, QStringLiteral("Links:"), "Edit_Links");
    m_top = AddSettingsNumber(this, grid, 4, QStringLiteral("Oben:"), "Edit_Oben");
    grid->addWidget(current, 0, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);

    connect(current, &QPushButton::clicked, this, &ToolbarPlacePage::Button_AktWerte_OnClick);
}

void ToolbarPlacePage::load(const ToolbarState &state)
{
    m_hidden->setChecked(state.hidden);
    m_defaultDock->setCurrentIndex(state.place.defaultDock < m_defaultDock->count() ? state.place.defaultDock : -1);
    m_dockedTo->setCurrentIndex(state.place.dockedTo < m_dockedTo->count() ? state.place.dockedTo : -1);
    m_left->setText(QString::number(state.place.left));
    m_top->setText(QString::number(state.place.top));
}

bool ToolbarPlacePage::store(ToolbarState &state) const
{
    state.hidden = m_hidden->isChecked();
    state.place.defaultDock = m_defaultDock->currentIndex();
    state.place.dockedTo = m_dockedTo->currentIndex();
    return ReadNumber(m_left, state.place.left) && ReadNumber(m_top, state.place.top);
}

void ToolbarPlacePage::Button_AktWerte_OnClick()
{
    load(m_host.toolbarState(m_toolbar));
}
