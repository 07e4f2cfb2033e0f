#include "app/Startup.h"

#include "app/HelpWindow.h"
#include "app/TMainForm.h"
#include "app/TMsgIniErrorForm.h"
#include "app/TSplashForm.h"
#include "common/AppContext.h"
#include "common/CommandLinePaths.h"
#include "common/FileUtils.h"
#include "common/GuiSeams.h"
#include "common/Translations.h"
#include "common/settings/SettingsReader.h"

#include <QApplication>

namespace {

// The "Projektdatei" setting, looked up like a program file; a name that is
// found nowhere stays as the program folder would hold it, so that loading
// it reports the missing file.
QString settingsProject(QString fileName)
{
    if (!fileName.isEmpty())
        ResolveInProgramDirectory(fileName);
    return fileName;
}

QString startMacro(QString fileName)
{
    if (fileName.isEmpty() || !ResolveInProgramDirectory(fileName)
        || !FileContainsLine(fileName, ProjectFileFormat::macroHeader))
        return {};
    return fileName;
}

} // namespace

std::optional<StartConfig> PrepareStart(const QStringList &arguments, const OperationObserver &observer)
{
    const StartupFiles files = ResolveStartupArguments(arguments);
    QString settingsFile = files.settingsFile.isEmpty() ? DefaultSettingsFileName : files.settingsFile;
    if (!CheckSettingsFile(settingsFile))
        return std::nullopt;
    observer.setStatus(settingsFile.isEmpty() ? QStringLiteral("Standardwerte werden gesetzt...")
                                              : QStringLiteral("Ini-Datei wird eingelesen..."));

    StartConfig config;
    config.settings = ReadSettings(settingsFile);
    config.settingsFile = settingsFile;
    config.startProject =
        files.projectFile.isEmpty() ? settingsProject(config.settings.projectFile) : files.projectFile;
    config.startMacro = startMacro(config.settings.macroFile);
    config.commandLineMacro = files.macroFile;
    config.helpFile = LocateProgramFile(config.settings.helpFile);
    return config;
}

int RunBrekko(QApplication &app, const QStringList &arguments)
{
    QApplication::setApplicationName(QStringLiteral("Brekko V4"));
    InstallQtTranslations(app);
    GuiSeams seams;
    HelpWindow::install();

    auto *splash = new TSplashForm;
    splash->showCentred();
    OperationObserver splashStatus;
    splashStatus.status = [splash](const QString &text) { splash->setStatus(text); };
    const std::optional<StartConfig> config = PrepareStart(arguments, splashStatus);
    if (!config) {
        delete splash;
        return 0;
    }
    AppContext::setHelpFileName(config->helpFile);

    TMainForm window(*config);
    splash->setStatus(QStringLiteral("Brekko wird initialisiert..."));
    window.setSplash(splash);
    window.showAsConfigured();
    return app.exec();
}
