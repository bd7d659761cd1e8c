#pragma once

// The top of the game, beside the entry point: it wires the layers together (the
// screens a run leads to, the creature kinds rooms may spawn) and starts the
// application on its splash.
class Game
{
public:
    // Installs what the lower layers reach without knowing: the menus' exits for the
    // run and the enemy kinds for the rooms' spawners. Safe to call again.
    static void wire();
    // wire(), then the main menu's textures and the splash as the first screen.
    static void start();
};
