#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include <functional>

// Finding the controls of a window by their object names (and menu items by
// caption). A control that is not there ends the test run: every later step
// would only fail for the same reason.

template <typename Widget = QPushButton>
Widget *child(const QObject *parent, const QString &name)
{
    auto *widget = parent->findChild<Widget *>(name);
    if (!widget)
        qFatal("no child %s", qPrintable(name));
    return widget;
}

template <typename Widget = QPushButton>
Widget *child(const QObject *parent, const char *name)
{
    return child<Widget>(parent, QString::fromLatin1(name));
}

inline QString labelText(const QObject *parent, const char *name)
{
    return child<QLabel>(parent, name)->text();
}

// The item of menu with the given caption.
inline QAction *menuItem(const QMenu *menu, const QString &caption)
{
    for (QAction *item : menu->actions()) {
        if (item->text() == caption)
            return item;
    }
    qFatal("no menu item %s", qPrintable(caption));
}

// Calls answer with the active modal window of class T as soon as it runs:
// for windows shown by the code under test (a nested message box, a window
// outside the modal seam).
template <typename T>
void answerWhenOpen(std::function<void(T *)> answer)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window || !window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        answer(window);
    });
    poll->start();
}
