#include "app/settings/AllgemeinPage.h"

#include "app/settings/SettingsHost.h"
#include "app/settings/ToolbarPlacePage.h"
#include "common/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QComboBox *windowStateList(QWidget *parent, const char *name)
{
    auto *list = named(new QComboBox(parent), name);
    list->addItems({QStringLiteral("Normal"), QStringLiteral("Maximiert"), QStringLiteral("Minimiert")});
    return list;
}

} // namespace

AllgemeinPage::AllgemeinPage(const SettingsHost &host, QWidget *parent)
    : SettingsPage(parent)
    , m_host(host)
{
    auto *columns = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    left->addWidget(buildMainWindowGroup());
    left->addWidget(buildTreeGroup());
    left->addStretch();
    columns->addLayout(left);
    columns->addWidget(buildFieldsGroup(), 1);
    reportChanges();
}

QWidget *AllgemeinPage::buildMainWindowGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Hauptfenster:"), this);
    auto *grid = new QGridLayout(group);
    m_left = AddSettingsNumber(group, grid, 0, QStringLiteral("Linker Rand:"), "Edit_LinkerRand");
    m_top = AddSettingsNumber(group, grid, 1, QStringLiteral("Oberer Rand:"), "Edit_ObererRand");
    m_width = AddSettingsNumber(group, grid, 2, QStringLiteral("Fensterbreite:"), "Edit_FensterBreite");
    m_height = AddSettingsNumber(group, grid, 3, QStringLiteral("Fensterhöhe:"), "Edit_FensterHoehe");
    m_centred = named(new QCheckBox(QStringLiteral("Zentriert positionieren"), group), "CheckBox_CenterPos");
    grid->addWidget(m_centred, 4, 0, 1, 2);
    m_windowState = windowStateList(group, "ComboBox_WindowsState");
    AddLabelled(grid, 5, QStringLiteral("Fensterstatus:"), m_windowState);
    m_commentHeight =
        AddSettingsNumber(group, grid, 6, QStringLiteral("Kommentarfeldhöhe:"), "Edit_Kommentarfeldhoehe");
    auto *currentHeight =
        named(new QPushButton(QStringLiteral("<-  Akt. Höhe"), group), "Button_Kommentarfeldhoehe_AktuelleHoehe");
    currentHeight->setAutoDefault(false);
    grid->addWidget(currentHeight, 6, 2);
    connect(currentHeight, &QPushButton::clicked, this,
            [this] { m_commentHeight->setText(QString::number(m_host.commentFieldHeight())); });
    return group;
}

QWidget *AllgemeinPage::buildTreeGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Baum:"), this);
    auto *column = new QVBoxLayout(group);
    m_singleExpand = named(new QCheckBox(QStringLiteral("Einfaches expandieren"), group), "CheckBox_SingleExpand");
    m_autoScroll = named(new QCheckBox(QStringLiteral("Automatisches scrollen"), group), "CheckBox_AutoScroll");
    column->addWidget(m_singleExpand);
    column->addWidget(m_autoScroll);
    return group;
}

QWidget *AllgemeinPage::buildFieldsGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Felder:"), this);
    auto *column = new QVBoxLayout(group);
    m_commentHidden = named(new QCheckBox(QStringLiteral("Kommentarfeld ausblenden"), group), "CheckBox_Kommentarfeld");
    m_commandHidden = named(new QCheckBox(QStringLiteral("Befehlsfeld ausblenden"), group), "CheckBox_Befehlsfeld");
    m_statusHidden = named(new QCheckBox(QStringLiteral("Statuszeile ausblenden"), group), "CheckBox_Statuszeile");
    for (QCheckBox *box : {m_commentHidden, m_commandHidden, m_statusHidden})
        column->addWidget(box);

    auto *toolbars = named(new QTabWidget(group), "PageControl2");
    const std::pair<const char *, QString> tabs[3] = {
        {"Tab_ToolbarProjektdatei", QStringLiteral("Projektdatei")},
        {"Tab_ToolbarBearbeiten", QStringLiteral("Bearbeiten")},
        {"Tab_ToolbarExtras", QStringLiteral("Extras")},
    };
    for (int t = 0; t < 3; ++t) {
        m_toolbars[t] = named(new ToolbarPlacePage(m_host, t, toolbars), tabs[t].first);
        toolbars->addTab(m_toolbars[t], tabs[t].second);
    }
    column->addWidget(toolbars);
    column->addStretch();
    return group;
}

void AllgemeinPage::load(const Settings &settings)
{
    m_left->setText(QString::number(settings.left));
    m_top->setText(QString::number(settings.top));
    m_width->setText(QString::number(settings.width));
    m_height->setText(QString::number(settings.height));
    m_centred->setChecked(settings.centred);
    m_windowState->setCurrentIndex(settings.windowState);
    m_commentHeight->setText(QString::number(settings.commentPanelHeight));
    m_singleExpand->setChecked(settings.singleExpand);
    m_autoScroll->setChecked(settings.autoScroll);
    m_commentHidden->setChecked(settings.commentPanelHidden);
    m_commandHidden->setChecked(settings.commandPanelHidden);
    m_statusHidden->setChecked(settings.statusBarHidden);
    for (int t = 0; t < 3; ++t)
        m_toolbars[t]->load({settings.toolbarHidden[t], settings.toolbarPlaces[t]});
}

bool AllgemeinPage::store(Settings &settings) const
{
    settings.centred = m_centred->isChecked();
    settings.windowState = m_windowState->currentIndex();
    settings.singleExpand = m_singleExpand->isChecked();
    settings.autoScroll = m_autoScroll->isChecked();
    settings.commentPanelHidden = m_commentHidden->isChecked();
    settings.commandPanelHidden = m_commandHidden->isChecked();
    settings.statusBarHidden = m_statusHidden->isChecked();
    bool complete = ReadNumber(m_left, settings.left) && ReadNumber(m_top, settings.top)
                    && ReadNumber(m_width, settings.width) && ReadNumber(m_height, settings.height)
                    && ReadNumber(m_commentHeight, settings.commentPanelHeight);
    for (int t = 0; t < 3; ++t) {
        ToolbarState state;
        complete = m_toolbars[t]->store(state) && complete;
        settings.toolbarHidden[t] = state.hidden;
        settings.toolbarPlaces[t] = state.place;
    }
    return complete;
}
