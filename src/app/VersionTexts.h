#pragma once

#include <QString>

// The program's name and version as the windows show them.
namespace VersionTexts {

inline const QString programName = QStringLiteral("Brekko");
inline const QString version = QStringLiteral("4.00.36 Beta-1");
inline const QString versionLine = QStringLiteral("Talvoren Version 4.00.36 Beta-1 - Compiliert am: 05.01.1999");

} // namespace VersionTexts
