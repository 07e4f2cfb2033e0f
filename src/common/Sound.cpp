#include "common/Sound.h"

#include <utility>

namespace Sound {

namespace {
Handler g_handler;
int g_lastSound = -1;
} // namespace

Handler setHandler(Handler handler)
{
    return std::exchange(g_handler, std::move(handler));
}

int lastSound()
{
    return g_lastSound;
}

void resetLastSound()
{
    g_lastSound = -1;
}

} // namespace Sound

void PlaySound(int soundNumber)
{
    Sound::g_lastSound = soundNumber;
    if (Sound::g_handler)
        Sound::g_handler(soundNumber);
}
