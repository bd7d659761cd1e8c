#pragma once

#include <cstdlib>

// Uniform draws from the C library's rand(), the game's one source of chance.
// Chances in the game's data are meant on a 0..1 scale from one rand() call; the
// library's range differs between platforms (32767 on some, 2^31 - 1 here), so
// the draw divides by the real maximum rather than a fixed 32767.
inline float uniformDraw()
{
    return static_cast<float>(std::rand()) / static_cast<float>(RAND_MAX);
}
