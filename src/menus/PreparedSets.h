#pragma once

#include "core/TextureManager.h"

#include <memory>
#include <string>
#include <vector>

// The texture sets the main menu prepares (names only, nothing loaded) for a run,
// the tutorial and the room editor, so that starting one only hands them to the
// loading screen. A set is made of parts; a part whose pictures are not painted
// yet is marked so, and only the ready parts are loaded.
class PreparedSets
{
public:
    struct Part
    {
        std::string name;
        std::unique_ptr<TextureManager::Group> group;
        bool contentReady = false;
    };
    using Set = std::vector<Part>;

    static Set run();
    // The tutorial's pages are in the player's language (0 English, 1 French).
    static Set tutorial(unsigned language = 0);
    static Set editor();

    // One group holding the ready parts of the set (moved out of it).
    static std::unique_ptr<TextureManager::Group> takeReady(Set& set);
    // Every texture a run draws, as the menu's Play hands them to the loading screen:
    // the ready parts of the prepared run set (which it empties) with the HUD and the
    // satchel, and the props.
    static GroupList runGroups(Set& prepared);

    // The parts, for the later screens that need them one by one.
    static std::unique_ptr<TextureManager::Group> endScreens();
    static std::unique_ptr<TextureManager::Group> floorBackgrounds();
    static std::unique_ptr<TextureManager::Group> player();
    static std::unique_ptr<TextureManager::Group> traderInventoryItemsAndBars();
    // The ten kinds' sheets from their data files, and the shadow under every enemy.
    static std::unique_ptr<TextureManager::Group> enemies();
    static std::unique_ptr<TextureManager::Group> puddles();
    static std::unique_ptr<TextureManager::Group> minimap();
    // The three floors' room pictures and doors (run), the tutorial's rooms (tutorial).
    static std::unique_ptr<TextureManager::Group> rooms();
    static std::unique_ptr<TextureManager::Group> tutorialRooms();
    static std::unique_ptr<TextureManager::Group> tutorialTexts(unsigned language = 0);
    static std::unique_ptr<TextureManager::Group> bossLifeBar();
    // The free-standing walls and the first floor's wall masks.
    static std::unique_ptr<TextureManager::Group> walls();
    // Every prop's picture: handed to the loading screen beside a set, not part of it.
    static std::unique_ptr<TextureManager::Group> props();
    static std::unique_ptr<TextureManager::Group> editorIcons();
};
