#pragma once

#include <QString>

class QWidget;

// The one-line prompt for an encrypted entry's password. False when the
// user refuses it.
bool AskEntryPassword(QWidget *parent, const QString &fileName, QString &password);
