#pragma once

#include <QList>
#include <QToolBar>

class QActionGroup;
class QMenu;
class ToolbarDock;

// Dock places in the numbering of the settings file; floating is not docked.
enum DockPlace : int {
    DockTop = 0,
    DockMiddleTop = 1,
    DockMiddleBottom = 2,
    DockBottom = 3,
    DockLeft = 4,
    DockRight = 5,
    DockFloating = 6,
};
constexpr int kDockPlaceCount = 6;

// A toolbar that sits in one of its window's docks or floats in a small
// window of its own. Its context menu docks it elsewhere or asks to hide it.
class DockingToolbar : public QToolBar {
    Q_OBJECT

public:
    // docks holds the window's docks in DockPlace order; owner is the window
    // whose showing and hiding a floating toolbar follows.
    DockingToolbar(const QString &title, const QList<ToolbarDock *> &docks, QWidget *owner);
    ~DockingToolbar() override;

    int dockedTo() const { return m_place; }
    // The dock the toolbar goes back to when it is docked without a place.
    int defaultDock() const { return m_defaultDock; }
    void setDefaultDock(int place);

    // Docks the toolbar at place (DockFloating: floats; anything else outside
    // 0..6 changes nothing). left and top order the toolbars of a dock, or
    // place the floating window on the screen, when 0 or more.
    void dockTo(int place, int left = -1, int top = -1);
    // Docks at the default dock; a double click on a floating toolbar does.
    void redock();

    // The hide switch; docked or floating, the toolbar follows it.
    void setShown(bool shown);
    bool isShown() const { return m_shown; }

    QMenu *popupMenu() const { return m_menu; }
    // The small window a floating toolbar sits in; nullptr while docked.
    QWidget *floatingWindow() const;

signals:
    // "Aus&blenden" was chosen or the floating window was closed.
    void hideRequested();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class FloatingWindow;

    void createMenu();
    void checkCurrentPlace();
    void leaveCurrentPlace();
    void floatAt(int left, int top);
    void showFloatingWindow();

    QList<ToolbarDock *> m_docks;
    QWidget *m_owner = nullptr;
    FloatingWindow *m_window = nullptr;
    QMenu *m_menu = nullptr;
    QActionGroup *m_placeGroup = nullptr;
    int m_place = -1;
    int m_defaultDock = DockTop;
    bool m_shown = true;
};
