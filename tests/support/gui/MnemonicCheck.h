#pragma once

#include <QStringList>

class QWidget;

// Presses every letter that two visible controls of window share as their
// mnemonic (Alt+letter, twice). A shared letter is fine only when it clicks
// the same button both times; otherwise it is listed, with the controls'
// texts.
QStringList MnemonicClashes(QWidget *window);
