#include "app/TMsgIniErrorForm.h"

#include "common/AppContext.h"
#include "common/DialogParts.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "common/Sound.h"
#include "platform/FileSystem.h"

#include <QDir>
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

    // The row enables Hilfe by the help file, so that is set first.
    AppContext::setHelpFileName(LocateProgramFile(DefaultHelpFileName));
    auto *defaults = named(new QPushButton(QStringLiteral("&Standardwerte"), this), "Button_Standardwerte");
    auto *browse = named(new QPushButton(QStringLiteral("&Durchsuchen"), this), "Button_Durchsuchen");
    QHBoxLayout *buttons = MakeDialogButtonRow(this, {defaults, browse}, m_helpContext);
    browse->setDefault(true);
    browse->setFocus();

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(text, 0, 1);
    layout->addWidget(file, 1, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);

    connect(defaults, &QPushButton::clicked, this, &TMsgIniErrorForm::Button_Standardwerte_OnClick);
    connect(browse, &QPushButton::clicked, this, &TMsgIniErrorForm::Button_Durchsuchen_OnClick);
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

bool CheckSettingsFile(QString &iniFile)
{
    for (;;) {
        const QString located = LocateProgramFile(iniFile);
        if (!located.isEmpty())
            iniFile = located;
        const SettingsFileProblem problem = SettingsFileProblemOf(iniFile);
        if (problem == SettingsFileProblem::None)
            return true;
        // A name found nowhere is shown where the program looked first.
        const QString shown = located.isEmpty() && !FileSystem::isAbsolutePath(iniFile)
                                  ? QDir(AppContext::programDirectory()).filePath(FileSystem::toFileSystemPath(iniFile))
                                  : iniFile;
        TMsgIniErrorForm form(problem, shown);
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
