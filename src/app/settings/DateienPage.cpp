#include "app/settings/DateienPage.h"

#include "common/DialogParts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *addFile(QGridLayout *grid, int row, const QString &caption, const char *name, const QString &explanation)
{
    QWidget *page = grid->parentWidget();
    auto *edit = named(new QLineEdit(page), name);
    AddLabelled(grid, row, caption, edit);
    auto *text = new QLabel(explanation, page);
    text->setWordWrap(true);
    grid->addWidget(text, row + 1, 1);
    grid->setRowMinimumHeight(row + 2, 12);
    return edit;
}

} // namespace

DateienPage::DateienPage(QWidget *parent)
    : SettingsPage(parent)
{
    auto *grid = new QGridLayout(this);
    m_project =
        addFile(grid, 0, QStringLiteral("Projektdatei:"), "Edit_PrjDatei",
                QStringLiteral("Wird hier eine existierende und gültige Projektdatei [*.prj] angegeben, so wird "
                               "versucht diese beim Start von Brekko automatisch einzuladen."));
    m_macro = addFile(grid, 3, QStringLiteral("Makrodatei:"), "Edit_MkrDatei",
                      QStringLiteral("Wird hier eine existierende und gültige Brekko-Makrodatei [*.mkr] angegeben, so "
                                     "wird versucht diese bei dem Start von Brekko automatisch auszuführen."));
    m_help = addFile(grid, 6, QStringLiteral("Hilfedatei:"), "Edit_HlpDatei",
                     QStringLiteral("Zur Nutzung der kontextbezogenen Hilfe wird die Brekko-Hilfedatei [*.hlp] "
                                    "benötigt. Erst wenn diese beim Start von Brekko gefunden wurde ist die Verwendung "
                                    "dieser möglich."));
    m_help->setText(QStringLiteral("Brekko.hlp"));
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(9, 1);
    reportChanges();
}

void DateienPage::load(const Settings &settings)
{
    m_project->setText(settings.projectFile);
    m_macro->setText(settings.macroFile);
    m_help->setText(settings.helpFile);
}

bool DateienPage::store(Settings &settings) const
{
    settings.projectFile = m_project->text();
    settings.macroFile = m_macro->text();
    settings.helpFile = m_help->text();
    return true;
}
