#include "components/ToolbarDock.h"

#include "components/DockingToolbar.h"

#include <QBoxLayout>

ToolbarDock::ToolbarDock(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent)
    , m_orientation(orientation)
{
    const auto direction = orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    m_layout = new QBoxLayout(direction, this);
    m_layout->setContentsMargins(1, 1, 1, 1);
    m_layout->setSpacing(2);
    m_layout->addStretch(1);
    hide();
}

void ToolbarDock::insertToolbar(DockingToolbar *toolbar, int position)
{
    removeToolbar(toolbar);
    if (position < 0)
        position = m_slots.isEmpty() ? 0 : m_slots.last().position + 1;
    qsizetype at = 0;
    while (at < m_slots.size() && m_slots[at].position <= position)
        ++at;
    m_slots.insert(at, {toolbar, position});
    toolbar->setOrientation(m_orientation);
    m_layout->insertWidget(static_cast<int>(at), toolbar);
    updateVisibility();
}

void ToolbarDock::removeToolbar(DockingToolbar *toolbar)
{
    for (qsizetype i = 0; i < m_slots.size(); ++i) {
        if (m_slots[i].toolbar == toolbar) {
            m_layout->removeWidget(toolbar);
            m_slots.removeAt(i);
            updateVisibility();
            return;
        }
    }
}

QList<DockingToolbar *> ToolbarDock::toolbars() const
{
    QList<DockingToolbar *> result;
    for (const Slot &slot : m_slots)
        result.append(slot.toolbar);
    return result;
}

void ToolbarDock::updateVisibility()
{
    bool anyShown = false;
    for (const Slot &slot : m_slots)
        anyShown = anyShown || slot.toolbar->isShown();
    setVisible(anyShown);
}
