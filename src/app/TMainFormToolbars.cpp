#include "app/MainStatusBar.h"
#include "app/TMainForm.h"
#include "components/DockingToolbar.h"
#include "components/ToolbarDock.h"

#include <QFrame>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>

namespace {

struct ToolbarButton {
    const char *name;
    QAction *action;
    QStyle::StandardPixmap icon;
};

const char *const kDockNames[kDockPlaceCount] = {
    "Dock_Top", "Dock_MiddleTop", "Dock_MiddleBottom", "Dock_Bottom", "Dock_Left", "Dock_Right",
};

} // namespace

void TMainForm::createDocks()
{
    for (int place = 0; place < kDockPlaceCount; ++place) {
        const bool vertical = place == DockLeft || place == DockRight;
        m_docks[place] = new ToolbarDock(vertical ? Qt::Vertical : Qt::Horizontal);
        m_docks[place]->setObjectName(QString::fromLatin1(kDockNames[place]));
    }
}

void TMainForm::createToolbars()
{
    const MainActions &a = m_actions;
    const QList<ToolbarButton> buttons[3] = {
        {
            {"Toolbar1Button_Beenden", a.exit, QStyle::SP_DialogCloseButton},
            {"Toolbar1Button_Neu", a.newProject, QStyle::SP_FileIcon},
            {"Toolbar1Button_Oeffnen", a.open, QStyle::SP_DialogOpenButton},
            {"Toolbar1Button_Speichern", a.save, QStyle::SP_DialogSaveButton},
        },
        {
            {"Toolbar2Button_EintragBearbeiten", a.editEntry, QStyle::SP_FileDialogDetailedView},
            {"Toolbar2Button_EintragHinzufuegen", a.addEntry, QStyle::SP_FileDialogNewFolder},
            {"Toolbar2Button_UntereintragHinzufuegen", a.addChild, QStyle::SP_FileDialogListView},
            {"Toolbar2Button_NachOben", a.moveUp, QStyle::SP_ArrowUp},
            {"Toolbar2Button_NachUnten", a.moveDown, QStyle::SP_ArrowDown},
            {"Toolbar2Button_EintragEntfernen", a.removeEntry, QStyle::SP_TrashIcon},
        },
        {
            {"Toolbar3Button_Suchen", a.search, QStyle::SP_FileDialogContentsView},
            {"Toolbar3Button_Weitersuchen", a.searchAgain, QStyle::SP_MediaSeekForward},
            {"Toolbar3Button_GeheZu", a.goTo, QStyle::SP_ArrowForward},
            {"Toolbar3Button_Einstellungen", a.settings, QStyle::SP_ComputerIcon},
            {"Toolbar3Button_Infos", a.about, QStyle::SP_MessageBoxInformation},
        },
    };
    const QString titles[3] = {QStringLiteral("Projektdatei"), QStringLiteral("Bearbeiten"), QStringLiteral("Extras")};
    const QList<ToolbarDock *> docks(std::begin(m_docks), std::end(m_docks));

    for (int t = 0; t < 3; ++t) {
        auto *toolbar = new DockingToolbar(titles[t], docks, this);
        toolbar->setObjectName(QStringLiteral("Toolbar%1").arg(t + 1));
        toolbar->popupMenu()->setObjectName(QStringLiteral("ToolbarPopupMenu%1").arg(t + 1));
        for (const ToolbarButton &button : buttons[t]) {
            button.action->setIcon(withGreyedForm(style()->standardIcon(button.icon)));
            toolbar->addAction(button.action);
            QWidget *widget = toolbar->widgetForAction(button.action);
            widget->setObjectName(QString::fromLatin1(button.name));
            // The button's hint goes to the status line like a menu item's.
            widget->setStatusTip(widget->toolTip());
        }
        connect(toolbar, &DockingToolbar::hideRequested, this, [this, t] { MainMenu_Optionen_Ausblenden_OnClick(t); });
        toolbar->dockTo(DockTop, t);
        m_toolbars[t] = toolbar;
    }
}

// An icon whose disabled form is plainly grey and faint.
QIcon TMainForm::withGreyedForm(const QIcon &icon)
{
    QIcon result;
    for (const int side : {16, 22, 24, 32}) {
        const QPixmap normal = icon.pixmap(QSize(side, side));
        result.addPixmap(normal, QIcon::Normal);
        QImage grey = normal.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < grey.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
            for (int x = 0; x < grey.width(); ++x) {
                const int level = 128 + qGray(line[x]) / 2;
                line[x] = qRgba(level, level, level, qAlpha(line[x]) / 2);
            }
        }
        result.addPixmap(QPixmap::fromImage(grey), QIcon::Disabled);
    }
    return result;
}

void TMainForm::MainMenu_Optionen_Ausblenden_OnClick(int viewSwitch)
{
    setPartHidden(viewSwitch, !isPartHidden(viewSwitch));
}

bool TMainForm::isPartHidden(int viewSwitch) const
{
    return m_partHidden[viewSwitch];
}

void TMainForm::setPartHidden(int viewSwitch, bool hidden)
{
    m_partHidden[viewSwitch] = hidden;
    m_actions.viewSwitches[viewSwitch]->setChecked(hidden);
    switch (viewSwitch) {
    case MainActions::ToolbarFile:
    case MainActions::ToolbarEdit:
    case MainActions::ToolbarExtras:
        m_toolbars[viewSwitch]->setShown(!hidden);
        break;
    case MainActions::StatusLine:
        m_statusBar->setVisible(!hidden);
        break;
    default:
        updatePanelVisibility();
        break;
    }
}

void TMainForm::updatePanelVisibility()
{
    const bool open = hasOpenProject();
    m_commentPanel->setVisible(open && !m_partHidden[MainActions::CommentPanel]);
    m_commandPanel->setVisible(open && !m_partHidden[MainActions::CommandPanel]);
}
