#include "app/TMainForm.h"
#include "components/DockingToolbar.h"
#include "tree/ProjectTreeView.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>

namespace {
const QSize kDesignSize(720, 520);
} // namespace

// The settings as read at start: position mode, panel height, toolbar places,
// hidden parts (through the Options handler) and the tree's options. The
// window state takes effect when the window is shown.
void TMainForm::applySettings(const StartConfig &config)
{
    const Settings &settings = config.settings;
    resize(kDesignSize);
    if (settings.centred) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    if (settings.commentPanelHeight >= 0) {
        const int total = qMax(m_treeSplitter->height(), settings.commentPanelHeight + 1);
        m_treeSplitter->setSizes({total - settings.commentPanelHeight, settings.commentPanelHeight});
    }
    for (int t = 0; t < 3; ++t)
        applyToolbarPlace(t, settings.toolbarPlaces[t]);

    const bool hidden[MainActions::SwitchCount] = {
        settings.toolbarHidden[0],   settings.toolbarHidden[1],   settings.toolbarHidden[2],
        settings.commentPanelHidden, settings.commandPanelHidden, settings.statusBarHidden,
    };
    for (int s = 0; s < MainActions::SwitchCount; ++s) {
        if (hidden[s])
            MainMenu_Optionen_Ausblenden_OnClick(s);
    }
    m_tree->setSingleExpand(settings.singleExpand);
    m_tree->setAutoScroll(settings.autoScroll);
}

void TMainForm::applyToolbarPlace(int toolbar, const ToolbarPlace &place)
{
    DockingToolbar *bar = m_toolbars[toolbar];
    bar->setDefaultDock(place.defaultDock);
    const bool knownPlace = place.dockedTo >= 0 && place.dockedTo <= DockFloating;
    bar->dockTo(knownPlace ? place.dockedTo : bar->dockedTo(), place.left, place.top);
}
