#include "app/TMsgIniErrorForm.h"

#include "common/AppContext.h"
#include "common/FileChooser.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "common/Sound.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

struct ProblemTexts {
    const char *caption;
    const char *text;
    int helpContext;
};

ProblemTexts textsFor(SettingsFileProblem problem)
{
    if (problem == SettingsFileProblem::NoHeader)
        return {"Fehler: Ungültige Ini-Datei...", "Die angegebene Datei ist keine gültige Brekko Ini-Datei.", 80020};
    return {"Fehler: Ini-Datei nicht gefunden...", "Die angegebene Ini-Datei konnte nicht gefunden werden.", 80010};
}

QPushButton *addButton(QHBoxLayout *row, QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    row->addWidget(button);
    return button;
}

} // namespace

TMsgIniErrorForm::TMsgIniErrorForm(SettingsFileProblem problem, const QString &fileName, QWidget *parent)
    : QDialog(parent)
    , m_previousHelpFile(AppContext::helpFileName())
{
    const ProblemTexts texts = textsFor(problem);
    setObjectName(QStringLiteral("TMsgIniErrorForm"));
    setWindowTitle(QString::fromUtf8(texts.caption));
    m_helpContext = texts.helpContext;

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this).pixmap(32));
    auto *text = new QLabel(QString::fromUtf8(texts.text), this);
    text->setObjectName(QStringLiteral("TextLabel"));
    auto *file = new QLabel(fileName, this);
    file->setObjectName(QStringLiteral("FileLabel"));
    file->setTextFormat(Qt::PlainText);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QHBoxLayout;
    auto *defaults = addButton(buttons, this, "Button_Standardwerte", QStringLiteral("&Standardwerte"));
    auto *browse = addButton(buttons, this, "Button_Durchsuchen", QStringLiteral("&Durchsuchen"));
    auto *cancel = addButton(buttons, this, "Button_Abbrechen", QStringLiteral("&Abbrechen"));
    auto *help = addButton(buttons, this, "Button_Hilfe", QStringLiteral("&Hilfe"));
    browse->setDefault(true);
    browse->setFocus();

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(text, 0, 1);
    layout->addWidget(file, 1, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);

    const QString helpFile = LocateProgramFile(DefaultHelpFileName);
    AppContext::setHelpFileName(helpFile);
    help->setEnabled(!helpFile.isEmpty());

    connect(defaults, &QPushButton::clicked, this, &TMsgIniErrorForm::Button_Standardwerte_OnClick);
    connect(browse, &QPushButton::clicked, this, &TMsgIniErrorForm::Button_Durchsuchen_OnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TMsgIniErrorForm::Button_Hilfe_OnClick);
}

TMsgIniErrorForm::~TMsgIniErrorForm()
{
    AppContext::setHelpFileName(m_previousHelpFile);
}

void TMsgIniErrorForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PlaySound(MsgBox::ErrorBeep);
}

void TMsgIniErrorForm::Button_Standardwerte_OnClick()
{
    done(UseDefaults);
}

void TMsgIniErrorForm::Button_Durchsuchen_OnClick()
{
    const QString chosen =
        FileChooser::openFile(this, QStringLiteral("Ini-Datei auswählen"), AppContext::programDirectory(),
                              QStringLiteral("Ini-Dateien [*.ini]|*.ini|Alle Dateien [*.*]|*.*"));
    if (chosen.isEmpty())
        return;
    m_chosenFile = chosen;
    done(FileChosen);
}

void TMsgIniErrorForm::Button_Hilfe_OnClick()
{
    ShowHelp(m_helpContext);
}

bool CheckSettingsFile(QString &iniFile)
{
    for (;;) {
        const QString located = LocateProgramFile(iniFile);
        if (!located.isEmpty())
            iniFile = located;
        const SettingsFileProblem problem = SettingsFileProblemOf(iniFile);
        if (problem == SettingsFileProblem::None)
            return true;
        TMsgIniErrorForm form(problem, iniFile);
        switch (RunModal(&form)) {
        case TMsgIniErrorForm::UseDefaults:
            iniFile.clear();
            return true;
        case TMsgIniErrorForm::FileChosen:
            iniFile = form.chosenFile();
            break;
        default:
            return false;
        }
    }
}
