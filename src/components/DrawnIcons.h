#pragma once

#include <QIcon>

// Small tool-button pictures drawn in the palette's colours, for buttons
// whose meaning the style's own pictures do not tell apart.
namespace DrawnIcons {

enum Kind {
    LargeIcons,
    SmallIcons,
    List,
    Details,
    RootFolder,
    Cut,
    Copy,
    Paste,
};

QIcon icon(Kind kind);

// The icon theme's picture called name, else the drawn one.
QIcon themed(const QString &name, Kind kind);

} // namespace DrawnIcons
