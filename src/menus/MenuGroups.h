#pragma once

#include "core/TextureManager.h"

#include <memory>
#include <string>

struct GameSettings;

// The texture groups the menus hand each other: what the main menu needs when a
// screen returns to it, the settings screen's backdrop, the credits, and the end
// screens' pictures. Every screen that goes back to the menu builds its groups here.
class MenuGroups
{
public:
    // The buttons, backdrop, banner pole and banner frames (sixteen entries).
    static std::unique_ptr<TextureManager::Group> mainMenu();
    // The backdrop, the pole and the four banner frames (six entries).
    static std::unique_ptr<TextureManager::Group> background();
    // background() plus "game_over", "soul_fire" and, unless left out, "victory_holy".
    static std::unique_ptr<TextureManager::Group> backdrop(bool withVictory = true);
    // The ten main menu buttons (normal and hover), their words in `language`.
    static std::unique_ptr<TextureManager::Group> buttons(unsigned language);
    // The run's pause menu: resume, options and exit, normal and hover.
    static std::unique_ptr<TextureManager::Group> pauseMenu(unsigned language);
    static std::unique_ptr<TextureManager::Group> menuResources(unsigned language);
    // The credits picture and the exit button, in the shown language.
    static std::unique_ptr<TextureManager::Group> credits();
    // The game-over picture and its seventeen flame frames "fire_0" … "fire_16".
    static std::unique_ptr<TextureManager::Group> gameOver();
    // The ending picture under the key "Victory": diabolic below zero karma, angelic otherwise.
    static std::unique_ptr<TextureManager::Group> victory(float karma);

    // The file of a picture that holds words ("play_button", "credit_background"…) in
    // `language`; empty for a key without words.
    static std::string picturePath(const std::string& key, unsigned language);
    // Every picture that holds words, in `language`.
    static std::unique_ptr<TextureManager::Group> wordedPictures(unsigned language);
    // The language the screens are shown in.
    static unsigned shownLanguage();

    // The groups a screen hands to returnToMainMenu: its backdrop and the menu pictures
    // in the shown language.
    static GroupList returnGroups(std::unique_ptr<TextureManager::Group> backdropGroup);

    // Adds the 28 menu pictures (fourteen of them in the language's folder; none of
    // those for an unknown language) to `group`. With `reloadNow` the group's textures
    // are replaced at once on the calling thread.
    static void fillMenuResources(TextureManager::Group& group, unsigned language, bool reloadNow);
    // Sets the language, writes it into the settings file and reloads the menu
    // pictures in it at once. True when written.
    static bool setLanguage(GameSettings& settings, unsigned language);
};
