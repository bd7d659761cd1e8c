#pragma once

#include <filesystem>

// The top of the game, beside the entry point: it wires the layers together (the
// screens a run leads to, the creature kinds rooms may spawn) and starts the
// application on its splash.
class Game
{
public:
    // Installs what the lower layers reach without knowing: the menus' exits for the
    // run and the enemy kinds for the rooms' spawners. Safe to call again.
    static void wire();
    // The settings file (the content tree's, or the user's own for an installed
    // game), wire(), then the main menu's textures and the splash as the first screen.
    static void start(const std::filesystem::path& contentRoot);
    // Points the settings at the user's configuration folder when the content tree
    // is an installed one or cannot be written; with no writable folder, warns and
    // keeps the tree's file, which is read but never written.
    static void chooseSettingsFile(const std::filesystem::path& contentRoot);
};
