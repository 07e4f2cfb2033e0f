#include "app/settings/ToolsPage.h"

#include "common/DialogParts.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { NumberColumn, NameColumn, CommandColumn };

// In the settings file a comma ends the name, so a name cannot hold one.
class NameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *edit = qobject_cast<QLineEdit *>(editor))
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^,]*")), edit));
        return editor;
    }
};

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *push = named(new QPushButton(caption, parent), name);
    push->setAutoDefault(false);
    return push;
}

} // namespace

ToolsPage::ToolsPage(QWidget *parent)
    : SettingsPage(parent)
{
    m_grid = named(new QTableWidget(0, 3, this), "SortGrid");
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Nr:"), QStringLiteral("Name:"), QStringLiteral("Ausführen:")});
    m_grid->setColumnWidth(NumberColumn, 50);
    m_grid->setColumnWidth(NameColumn, 160);
    m_grid->setColumnWidth(CommandColumn, 160);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setItemDelegateForColumn(NameColumn, new NameDelegate(m_grid));

    auto *add = button(this, "Button_Hinzufuegen", QStringLiteral("&Hinzufügen"));
    auto *remove = button(this, "Button_Entfernen", QStringLiteral("&Entfernen"));
    auto *up = button(this, "Button_MoveUp", QString());
    up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    up->setToolTip(QStringLiteral("Nach oben"));
    auto *down = button(this, "Button_MoveDown", QString());
    down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    down->setToolTip(QStringLiteral("Nach unten"));
    m_state = named(new QLabel(QStringLiteral("Keine Einträge vorhanden..."), this), "Label_ToolsState");

    auto *buttons = new QVBoxLayout;
    for (QPushButton *push : {add, remove, up, down})
        buttons->addWidget(push);
    buttons->addStretch();
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_grid, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->addWidget(m_state, 1, 0, 1, 2);

    connect(add, &QPushButton::clicked, this, &ToolsPage::Button_Hinzufuegen_OnClick);
    connect(remove, &QPushButton::clicked, this, &ToolsPage::Button_Entfernen_OnClick);
    connect(up, &QPushButton::clicked, this, [this] { swapWith(-1); });
    connect(down, &QPushButton::clicked, this, [this] { swapWith(1); });
    for (QPushButton *push : {add, remove, up, down})
        connect(push, &QPushButton::clicked, this, &SettingsPage::changed);
}

void ToolsPage::load(const Settings &settings)
{
    m_grid->setRowCount(0);
    for (const ToolItem &tool : settings.tools)
        appendRow(tool.caption, tool.command);
    appendRow(QString(), QString());
    updateState();
}

bool ToolsPage::store(Settings &settings) const
{
    settings.tools.clear();
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const QString name = m_grid->item(row, NameColumn)->text().trimmed();
        const QString command = m_grid->item(row, CommandColumn)->text().trimmed();
        if (!name.isEmpty() || !command.isEmpty())
            settings.tools.append({name, command});
    }
    return true;
}

void ToolsPage::appendRow(const QString &name, const QString &command)
{
    const int row = m_grid->rowCount();
    m_grid->insertRow(row);
    auto *number = new QTableWidgetItem(QString::number(row + 1));
    number->setFlags(number->flags() & ~Qt::ItemIsEditable);
    m_grid->setItem(row, NumberColumn, number);
    m_grid->setItem(row, NameColumn, new QTableWidgetItem(name));
    m_grid->setItem(row, CommandColumn, new QTableWidgetItem(command));
}

void ToolsPage::updateState()
{
    const int rows = m_grid->rowCount();
    m_state->setText(rows > 1 ? QStringLiteral("%1 Einträge.").arg(rows - 1)
                              : QStringLiteral("Keine Einträge vorhanden..."));
}

void ToolsPage::Button_Hinzufuegen_OnClick()
{
    appendRow(QString(), QString());
    updateState();
}

void ToolsPage::Button_Entfernen_OnClick()
{
    if (m_grid->rowCount() <= 1)
        return;
    m_grid->removeRow(m_grid->rowCount() - 1);
    updateState();
}

// Name and command change places with the row offset away; the number
// column stays and the selection follows.
void ToolsPage::swapWith(int offset)
{
    const int row = m_grid->currentRow();
    const int other = row + offset;
    if (row < 0 || other < 0 || other >= m_grid->rowCount())
        return;
    for (const int column : {NameColumn, CommandColumn}) {
        QTableWidgetItem *a = m_grid->takeItem(row, column);
        QTableWidgetItem *b = m_grid->takeItem(other, column);
        m_grid->setItem(row, column, b);
        m_grid->setItem(other, column, a);
    }
    m_grid->setCurrentCell(other, m_grid->currentColumn());
}
