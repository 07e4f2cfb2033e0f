#include "tree/TSuchenForm.h"

#include "common/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TSuchenForm::TSuchenForm(SearchState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("TSuchenForm"));
    setWindowTitle(QStringLiteral("Begriff suchen"));
    const SearchSettings &settings = state.settings;

    m_term = named(new QComboBox(this), "ComboBox_Suchbegriff");
    m_term->setEditable(true);
    m_term->setInsertPolicy(QComboBox::NoInsert);
    m_term->setMaxVisibleItems(10);
    m_term->addItems(state.history.items());
    m_term->setEditText(settings.term);
    // The history completes only a term typed in the same case.
    m_term->completer()->setCaseSensitivity(Qt::CaseSensitive);
    auto *termLabel = named(new QLabel(QStringLiteral("&Suchbegriff:"), this), "Label_Suchbegriff");
    termLabel->setBuddy(m_term);

    m_matchCase =
        named(new QCheckBox(QStringLiteral("Groß- und Kleinschreibung beachten"), this), "CheckBox_GrossKlein");
    m_matchCase->setChecked(settings.matchCase);

    auto *startGroup = named(new QGroupBox(QStringLiteral("Suchen ab"), this), "GroupBox_Start");
    m_startAtFirst = named(new QRadioButton(QStringLiteral("Anfang"), startGroup), "RadioButton_StartAnfang");
    m_startAtCurrent =
        named(new QRadioButton(QStringLiteral("Aktuelle Position"), startGroup), "RadioButton_StartAktuell");
    (settings.startAtFirst ? m_startAtFirst : m_startAtCurrent)->setChecked(true);
    auto *startLayout = new QVBoxLayout(startGroup);
    startLayout->addWidget(m_startAtFirst);
    startLayout->addWidget(m_startAtCurrent);

    auto *fieldGroup = named(new QGroupBox(QStringLiteral("Suchen in"), this), "GroupBox_Felder");
    m_titles = named(new QCheckBox(QStringLiteral("Baumbezeichnung"), fieldGroup), "CheckBox_FeldBezeichnung");
    m_comments = named(new QCheckBox(QStringLiteral("Kommentartext"), fieldGroup), "CheckBox_FeldKommentar");
    m_commands = named(new QCheckBox(QStringLiteral("Befehlszeile"), fieldGroup), "CheckBox_FeldBefehl");
    m_titles->setChecked(settings.searchTitles);
    m_comments->setChecked(settings.searchComments);
    m_commands->setChecked(settings.searchCommands);
    auto *fieldLayout = new QVBoxLayout(fieldGroup);
    fieldLayout->addWidget(m_titles);
    fieldLayout->addWidget(m_comments);
    fieldLayout->addWidget(m_commands);

    m_start = named(new QPushButton(QStringLiteral("Suche &starten"), this), "Button_Starten");
    QHBoxLayout *buttons = MakeDialogButtonRow(this, m_start, kHelpContext);
    GiveMnemonicToButton(termLabel, m_start);

    auto *layout = new QGridLayout(this);
    layout->addWidget(termLabel, 0, 0);
    layout->addWidget(m_term, 0, 1, 1, 2);
    layout->addWidget(m_matchCase, 1, 1, 1, 2);
    layout->addWidget(startGroup, 2, 0, 1, 2);
    layout->addWidget(fieldGroup, 2, 2);
    layout->addLayout(buttons, 3, 0, 1, 3);

    connect(m_term, &QComboBox::editTextChanged, this, &TSuchenForm::updateStartButton);
    for (QCheckBox *field : {m_titles, m_comments, m_commands})
        connect(field, &QCheckBox::toggled, this, &TSuchenForm::updateStartButton);
    connect(m_start, &QPushButton::clicked, this, &TSuchenForm::Button_Starten_OnClick);
    updateStartButton();
}

void TSuchenForm::updateStartButton()
{
    const bool anyField = m_titles->isChecked() || m_comments->isChecked() || m_commands->isChecked();
    m_start->setEnabled(!m_term->currentText().isEmpty() && anyField);
}

void TSuchenForm::Button_Starten_OnClick()
{
    SearchSettings &settings = m_state.settings;
    settings.term = m_term->currentText();
    m_state.history.add(settings.term);
    settings.matchCase = m_matchCase->isChecked();
    settings.startAtFirst = m_startAtFirst->isChecked();
    settings.searchTitles = m_titles->isChecked();
    settings.searchComments = m_comments->isChecked();
    settings.searchCommands = m_commands->isChecked();
    accept();
}
