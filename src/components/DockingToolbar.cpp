#include "components/DockingToolbar.h"

#include "components/ToolbarDock.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace {

const char *const kPlaceCaptions[] = {
    "Ganz oben", "Oberhalb", "Unterhalb", "Ganz unten", "Links", "Rechts", "[Nicht angedockt]",
};

} // namespace

// The small tool window of a floating toolbar; closing it asks to hide the
// toolbar instead.
class DockingToolbar::FloatingWindow : public QWidget {
public:
    FloatingWindow(QWidget *owner, std::function<void()> onClose)
        : QWidget(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
        , m_onClose(std::move(onClose))
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        m_onClose();
    }

private:
    std::function<void()> m_onClose;
};

DockingToolbar::DockingToolbar(const QString &title, const QList<ToolbarDock *> &docks, QWidget *owner)
    : QToolBar(title)
    , m_docks(docks)
    , m_owner(owner)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    createMenu();
    if (m_owner)
        m_owner->installEventFilter(this);
}

DockingToolbar::~DockingToolbar()
{
    if (m_owner)
        m_owner->removeEventFilter(this);
}

void DockingToolbar::setDefaultDock(int place)
{
    if (place >= 0 && place < kDockPlaceCount)
        m_defaultDock = place;
}

void DockingToolbar::createMenu()
{
    m_menu = new QMenu(this);
    QMenu *places = m_menu->addMenu(QStringLiteral("&Angedockt..."));
    m_placeGroup = new QActionGroup(this);
    m_placeGroup->setExclusive(true);
    for (int place = 0; place <= DockFloating; ++place) {
        QAction *action = places->addAction(QString::fromUtf8(kPlaceCaptions[place]));
        action->setCheckable(true);
        action->setData(place);
        m_placeGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, place] { dockTo(place); });
    }
    m_menu->addSeparator();
    QAction *hideAction = m_menu->addAction(QStringLiteral("Aus&blenden"));
    connect(hideAction, &QAction::triggered, this, &DockingToolbar::hideRequested);
    connect(m_menu, &QMenu::aboutToShow, this, &DockingToolbar::checkCurrentPlace);
}

void DockingToolbar::checkCurrentPlace()
{
    for (QAction *action : m_placeGroup->actions())
        action->setChecked(action->data().toInt() == m_place);
}

QWidget *DockingToolbar::floatingWindow() const
{
    return m_place == DockFloating ? m_window : nullptr;
}

void DockingToolbar::dockTo(int place, int left, int top)
{
    if (place == DockFloating) {
        floatAt(left, top);
        return;
    }
    if (place < 0 || place >= m_docks.size())
        return;
    ToolbarDock *dock = m_docks.at(place);
    const int position = dock->orientation() == Qt::Horizontal ? left : top;
    if (place == m_place && position < 0)
        return;
    leaveCurrentPlace();
    m_place = place;
    dock->insertToolbar(this, position);
    setVisible(m_shown);
    dock->updateVisibility();
}

void DockingToolbar::redock()
{
    dockTo(m_defaultDock);
}

void DockingToolbar::leaveCurrentPlace()
{
    if (m_place == DockFloating) {
        m_window->layout()->removeWidget(this);
        m_window->hide();
    } else if (m_place >= 0) {
        m_docks.at(m_place)->removeToolbar(this);
    }
}

void DockingToolbar::floatAt(int left, int top)
{
    if (m_place != DockFloating) {
        leaveCurrentPlace();
        if (!m_window)
            m_window = new FloatingWindow(m_owner, [this] { emit hideRequested(); });
        m_window->setWindowTitle(windowTitle());
        setParent(m_window);
        setOrientation(Qt::Horizontal);
        m_window->layout()->addWidget(this);
        m_place = DockFloating;
        setVisible(m_shown);
    }
    if (left >= 0 || top >= 0)
        m_window->move(left >= 0 ? left : m_window->x(), top >= 0 ? top : m_window->y());
    showFloatingWindow();
}

void DockingToolbar::showFloatingWindow()
{
    if (m_place == DockFloating)
        m_window->setVisible(m_shown && (!m_owner || m_owner->isVisible()));
}

void DockingToolbar::setShown(bool shown)
{
    m_shown = shown;
    setVisible(shown);
    if (m_place == DockFloating)
        showFloatingWindow();
    else if (m_place >= 0)
        m_docks.at(m_place)->updateVisibility();
}

void DockingToolbar::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->exec(event->globalPos());
    event->accept();
}

void DockingToolbar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_place == DockFloating && event->button() == Qt::LeftButton) {
        redock();
        event->accept();
        return;
    }
    QToolBar::mouseDoubleClickEvent(event);
}

bool DockingToolbar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_owner && m_place == DockFloating) {
        // Shown once the owner is on the screen, so that it stays above it.
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, this, &DockingToolbar::showFloatingWindow);
        else if (event->type() == QEvent::Hide)
            m_window->hide();
    }
    return QToolBar::eventFilter(watched, event);
}
