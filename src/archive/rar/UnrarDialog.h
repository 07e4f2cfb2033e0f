#pragma once

#include <QString>

class QWidget;

// Shows the RAR extraction dialog modally for archiveName (already expanded).
void ShowUnrarDialog(QWidget *owner, const QString &archiveName);
