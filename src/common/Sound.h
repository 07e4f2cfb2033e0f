#pragma once

#include <functional>

// The message beep. What makes the noise is an installable handler (the
// windowed program installs the system beep); the last number played is kept
// so that tests can see which sound a window chose.
namespace Sound {

using Handler = std::function<void(int soundNumber)>;

// Installs a handler and returns the previous one; an empty handler plays
// nothing.
Handler setHandler(Handler handler);

// Number of the last sound played; -1 when none was played since the reset.
int lastSound();
void resetLastSound();

} // namespace Sound

// Plays one of the sound numbers of MsgBox::Sound.
void PlaySound(int soundNumber);
