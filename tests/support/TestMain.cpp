// The test program's entry point. With a display, it holds one GL resource for the
// whole run: otherwise SFML closes its X connection whenever the last texture goes
// and reopens it for the next, and Xvfb now and then refuses such a quick reconnect.

#include "Game.h"

#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // The screens and creature kinds the game wires together, as the game does.
    Game::wire();
    if (std::getenv("DISPLAY")) [[maybe_unused]]
        static auto* keepAlive = new sf::Texture();
    return RUN_ALL_TESTS();
}
