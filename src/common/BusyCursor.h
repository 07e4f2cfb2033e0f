#pragma once

#include <QCursor>
#include <QGuiApplication>

// The hourglass while it lives.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// The normal cursor while it lives, even when a caller holds the hourglass:
// for a dialog that is ready for the user.
class NormalCursor {
public:
    NormalCursor() { QGuiApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalCursor() { QGuiApplication::restoreOverrideCursor(); }
    NormalCursor(const NormalCursor &) = delete;
    NormalCursor &operator=(const NormalCursor &) = delete;
};
