#pragma once

class QCoreApplication;

// Installs Qt's own German texts (standard dialogs, buttons, context menus).
// False when the translation file is not installed.
bool InstallQtTranslations(QCoreApplication &app);
