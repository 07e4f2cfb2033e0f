#pragma once

#include <QList>
#include <QWidget>

class DockingToolbar;
class QBoxLayout;

// One place where docking toolbars sit: side by side in a horizontal dock,
// one above the other in a vertical one. Empty or holding only hidden
// toolbars, the dock takes no room.
class ToolbarDock : public QWidget {
    Q_OBJECT

public:
    ToolbarDock(Qt::Orientation orientation, QWidget *parent = nullptr);

    Qt::Orientation orientation() const { return m_orientation; }

    // Puts toolbar into this dock, ordered by position (left in a horizontal,
    // top in a vertical dock); a negative position puts it last.
    void insertToolbar(DockingToolbar *toolbar, int position);
    void removeToolbar(DockingToolbar *toolbar);
    QList<DockingToolbar *> toolbars() const;

    void updateVisibility();

private:
    struct Slot {
        DockingToolbar *toolbar;
        int position;
    };

    Qt::Orientation m_orientation;
    QBoxLayout *m_layout = nullptr;
    QList<Slot> m_slots;
};
