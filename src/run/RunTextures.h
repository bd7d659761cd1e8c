#pragma once

#include "core/TextureManager.h"

#include <memory>

// The run's own pictures and music beyond the player and the HUD: the heal rune
// played over the player at a pentagram, the satchel that shows while pick-up
// notices fly, and the zone music. The run state will take them from here.
class RunTextures
{
public:
    static constexpr const char* kHealRuneKey = "Heal_penta";
    static constexpr const char* kHealRuneFile = "Assets/Sprites/HealRune/spritesheet.png";
    static constexpr unsigned kHealRuneFrameWidth = 793;
    static constexpr unsigned kHealRuneFrameHeight = 931;
    static constexpr unsigned kHealRuneFrameCount = 24;
    static constexpr float kHealRuneFrameTime = 0.15f;
    // Twenty-four frames in one row would be 19,032 pixels wide, past the 16,384
    // graphics cards accept; the sheet is a grid read row by row, so draw its frames
    // through AnimationData::frameRect(), never as frame width × frame index.
    static constexpr unsigned kHealRuneColumns = 6;

    static constexpr const char* kSatchelKey = "satchel";
    static constexpr const char* kSatchelFile = "Assets/Sprites/HUD/satchel.png";

    // The key caps of the prompts over the player's head: E at a door, F by loot.
    static constexpr const char* kKeyCapEKey = "key_cap_E";
    static constexpr const char* kKeyCapEFile = "Assets/Sprites/HUD/KeyCap_E.png";
    static constexpr const char* kKeyCapFKey = "key_cap_F";
    static constexpr const char* kKeyCapFFile = "Assets/Sprites/HUD/KeyCap_F.png";

    static constexpr const char* kZoneMusic = "Assets/Sounds/Zone/Zone 1.ogg";

    // The satchel is drawn by the run but named by no other set, so the run loads it itself.
    static std::unique_ptr<TextureManager::Group> runGroup();
    // The key caps of the prompts, which the run and the tutorial both draw.
    static std::unique_ptr<TextureManager::Group> promptGroup();
};
