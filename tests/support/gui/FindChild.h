#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

// The child of parent with the given object name; a missing one ends the test.
template <typename Widget = QPushButton>
Widget *child(QWidget *parent, const char *name)
{
    auto *widget = parent->findChild<Widget *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}
