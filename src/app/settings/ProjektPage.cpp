#include "app/settings/ProjektPage.h"

#include "app/settings/SettingsHost.h"
#include "app/settings/SettingsPage.h"
#include "common/DialogParts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QLabel *explanation(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

ProjektPage::ProjektPage(SettingsHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    m_title = named(new QLineEdit(this), "Edit_PrjTitel");
    m_autoExpand =
        named(new QCheckBox(QStringLiteral("Einträge nach einladen des Projektes automatisch ausklappen"), this),
              "CheckBox_AutoExpandItems");
    m_images = named(new QCheckBox(QStringLiteral("Images verwenden"), this), "CheckBox_ImagesVerwenden");
    m_editImages =
        named(new QPushButton(QStringLiteral("Imageliste &bearbeiten"), this), "Button_ImageListeBearbeiten");
    m_editImages->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(explanation(QStringLiteral("Sämtliche Einstellungen auf dieser Seite gelten für das aktuell "
                                               "geladene Projekt (ggf. für die aktuell eingeladene Projektdatei) und "
                                               "sind unabhängig von den Einstellungen der anderen Seiten welche "
                                               "aus/in der Ini-Datei eingeladen/gespeichert werden."),
                                this),
                    0, 0, 1, 3);
    AddLabelled(grid, 1, QStringLiteral("Projekttitel:"), m_title);
    grid->addWidget(m_autoExpand, 2, 0, 1, 3);
    grid->addWidget(m_images, 3, 0, 1, 2);
    grid->addWidget(m_editImages, 3, 2);
    grid->addWidget(explanation(QStringLiteral("Alle Änderungen an den Werten werden automatisch augenblicklich "
                                               "übernohmen und können dann beim nächsten speichern des Projektes in "
                                               "die aktuelle Projektdatei geschrieben werden."),
                                this),
                    4, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);

    connect(m_title, &QLineEdit::textChanged, this, &ProjektPage::Edit_PrjTitel_OnChange);
    connect(m_autoExpand, &QCheckBox::clicked, this, &ProjektPage::CheckBox_AutoExpandItems_OnClick);
    connect(m_images, &QCheckBox::clicked, this, &ProjektPage::CheckBox_ImagesVerwenden_OnClick);
    connect(m_editImages, &QPushButton::clicked, this, &ProjektPage::Button_ImageListeBearbeiten_OnClick);
}

void ProjektPage::load()
{
    const QSignalBlocker quiet(m_title);
    setEnabled(m_host.hasOpenProject());
    m_title->setText(m_host.projectTitle());
    m_autoExpand->setChecked(m_host.autoExpand());
    m_images->setChecked(m_host.imagesShown());
}

void ProjektPage::Edit_PrjTitel_OnChange(const QString &text)
{
    if (text != m_host.projectTitle())
        m_host.setProjectTitle(text);
}

void ProjektPage::CheckBox_AutoExpandItems_OnClick(bool on)
{
    m_host.setAutoExpand(on);
}

void ProjektPage::CheckBox_ImagesVerwenden_OnClick(bool on)
{
    m_host.setImagesShown(on);
}

void ProjektPage::Button_ImageListeBearbeiten_OnClick()
{
    m_host.editImageList(window());
}
