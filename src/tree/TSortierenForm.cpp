#include "tree/TSortierenForm.h"

#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/FileUtils.h"
#include "project/ProjectTree.h"
#include "tree/TreeSort.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

} // namespace

TSortierenForm::TSortierenForm(ProjectTree &tree, ProjectEntry *selected, QWidget *parent)
    : QDialog(parent)
    , m_tree(tree)
    , m_selected(selected)
    , m_wrapper([](const std::function<void()> &sort) { sort(); })
{
    setObjectName(QStringLiteral("TSortierenForm"));
    setWindowTitle(QStringLiteral("Sortieren"));

    auto *countLabel = named(new QLabel(QStringLiteral("Anzahl der zu sortierenden Einträge:"), this), "Label1");
    m_count = named(new QLabel(this), "Label_Anzahl");
    auto *positionLabel =
        named(new QLabel(QStringLiteral("Positionsnummer des aktuell markierten Eintrages:"), this), "Label2");
    const QString position =
        selected ? QString::number(tree.absoluteIndex(selected) + 1) : QStringLiteral("Kein Eintrag markiert.");
    auto *positionValue = named(new QLabel(position, this), "Label_Position");

    auto *group = named(new QGroupBox(QStringLiteral("Welche Einträge sortieren ?"), this), "GroupBox_Auswahl");
    m_subEntries = named(new QRadioButton(QStringLiteral("Alle Untereinträge des markierten Eintrages"), group),
                         "RadioButton_Untereintraege");
    m_all = named(new QRadioButton(QStringLiteral("Alle Einträge ohne Ausnahme"), group), "RadioButton_Alle");
    const bool hasSubEntries = selected && selected->hasChildren();
    m_subEntries->setEnabled(hasSubEntries);
    (hasSubEntries ? m_subEntries : m_all)->setChecked(true);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_subEntries);
    groupLayout->addWidget(m_all);

    m_sort = named(new QPushButton(QStringLiteral("Sortieren &starten"), this), "Button_Sortieren");
    QHBoxLayout *buttons = MakeDialogButtonRow(this, m_sort, kHelpContext);

    auto *layout = new QGridLayout(this);
    layout->addWidget(countLabel, 0, 0);
    layout->addWidget(m_count, 0, 1);
    layout->addWidget(positionLabel, 1, 0);
    layout->addWidget(positionValue, 1, 1);
    layout->addWidget(group, 2, 0, 1, 2);
    layout->addLayout(buttons, 3, 0, 1, 2);

    connect(m_subEntries, &QRadioButton::toggled, this, &TSortierenForm::updateCount);
    connect(m_sort, &QPushButton::clicked, this, &TSortierenForm::Button_Sortieren_OnClick);
    updateCount();
}

int TSortierenForm::countToSort() const
{
    if (m_subEntries->isChecked())
        return m_selected->childCount();
    return m_tree.count();
}

void TSortierenForm::updateCount()
{
    const int count = countToSort();
    m_count->setText(FormatThousands(count));
    m_sort->setEnabled(count >= 2);
}

void TSortierenForm::Button_Sortieren_OnClick()
{
    setWindowTitle(QStringLiteral("Einträge werden sortiert. Bitte warten..."));
    {
        BusyCursor busy;
        const bool oneLevel = m_subEntries->isChecked();
        m_wrapper([this, oneLevel] {
            if (oneLevel)
                SortLevel(m_tree, m_selected);
            else
                SortAllLevels(m_tree);
        });
    }
    accept();
}
