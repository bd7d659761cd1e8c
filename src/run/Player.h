#pragma once

#include "core/TextureManager.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// The creature the user steers: a hooded reaper with a scythe whose look follows the
// karma. For now it holds what its content needs (the layout of its three animation
// sets, the files of its sheets and sounds); its behaviour comes with the run.
class Player
{
public:
    // Numbered as the karma orders them: demonic, neutral, angelic.
    enum class Form
    {
        Bad = 0,
        Neutral = 1,
        Good = 2
    };

    // One sheet of an animation set: the game slices it with these numbers and the
    // content generator paints it with the same ones, so the two cannot disagree.
    struct SheetLayout
    {
        const char* action;    // "walk", "idle", "attack", "dodge", "dead"
        const char* direction; // "top", "down", "left", "right"
        unsigned frameWidth;
        unsigned frameHeight;
        unsigned frameCount;
        float frameTime;
        bool once;
    };

    // The eighteen animations of one set, in the order of the animation table.
    static constexpr std::array<SheetLayout, 18> kSheets{{
        {"walk", "top", 127, 145, 6, 0.1f, false},
        {"walk", "down", 132, 134, 6, 0.1f, false},
        {"walk", "left", 147, 152, 6, 0.1f, false},
        {"walk", "right", 147, 152, 6, 0.1f, false},
        {"idle", "top", 130, 132, 11, 0.1f, false},
        {"idle", "down", 131, 124, 11, 0.1f, false},
        {"idle", "left", 154, 147, 11, 0.1f, false},
        {"idle", "right", 154, 147, 11, 0.1f, false},
        {"attack", "top", 186, 157, 7, 0.05f, true},
        {"attack", "down", 171, 171, 7, 0.05f, true},
        {"attack", "left", 159, 170, 7, 0.05f, true},
        {"attack", "right", 159, 170, 7, 0.05f, true},
        {"dodge", "top", 154, 135, 7, 0.075f, true},
        {"dodge", "down", 126, 153, 7, 0.075f, true},
        {"dodge", "left", 138, 146, 7, 0.075f, true},
        {"dodge", "right", 138, 146, 7, 0.075f, true},
        {"dead", "left", 152, 143, 11, 0.1f, true},
        {"dead", "right", 152, 143, 11, 0.1f, true},
    }};
    static constexpr std::array<Form, 3> kForms{Form::Neutral, Form::Good, Form::Bad};
    static constexpr unsigned kAnimationOrigin = 18;

    // "Player_walk_top", "Player_walk_top_good", "Player_walk_top_bad"…
    static std::string textureKey(const SheetLayout& sheet, Form form);
    static std::string sheetFile(const SheetLayout& sheet, Form form);
    // The sheet a file holds, for the content generator; false for another file.
    static bool sheetOfFile(const std::string& file, SheetLayout& sheet, Form& form);

    // The run's player textures: the three animation sets, the Nepturath shadow the
    // run carries with them and the heal rune.
    static std::unique_ptr<TextureManager::Group> textureGroup();

    // The picture whose size gives the player's body (probes, hit box, attack reach):
    // it is shown at half scale, so the body is half of this picture.
    static constexpr const char* kBoundsKey = "Player_in_game";
    static constexpr const char* kBoundsFile = "Assets/Sprites/Player/Player_in_game.png";
    static constexpr unsigned kBoundsWidth = 128;
    static constexpr unsigned kBoundsHeight = 280;

    static constexpr const char* kNepturathShadowKey = "Nepturath_shadow";
    static constexpr const char* kNepturathShadowFile = "Assets/Sprites/Enemy/Boss/Nepturath_shadow.png";

    static constexpr const char* kScytheSound = "Assets/Sounds/Player/Scythe.wav";
    static constexpr const char* kDodgeSound = "Assets/Sounds/Player/doodge.wav";
    static constexpr const char* kHitSound = "Assets/Sounds/Player/player hit.wav";
    static constexpr const char* kDeathSound = "Assets/Sounds/Player/death .wav";
    static constexpr const char* kSuccessSound = "Assets/Sounds/Player/success_hit.wav";
    static std::vector<std::string> soundFiles();
};
