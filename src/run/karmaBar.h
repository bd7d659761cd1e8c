#pragma once

#include "core/TextureManager.h"

#include <memory>

// The karma gauge in the bottom-right corner: a bar, demonic on the left and angelic
// on the right, and a marker one pixel from its centre per karma point. For now it
// holds the pieces' files and the gauge's range; the gauge's logic comes with the run.
class karmaBar
{
public:
    static constexpr const char* kBarKey = "karma_bar";
    static constexpr const char* kMarkerKey = "karma_gauge";
    static constexpr const char* kBarFile = "Assets/Sprites/HUD/karma_bar.png";
    static constexpr const char* kMarkerFile = "Assets/Sprites/HUD/karma_gauge.png";

    static constexpr float kLimit = 160.f;
    // Both pieces are drawn at half scale, so the bar picture spans twice the marker's travel.
    static constexpr float kScale = 0.5f;

    static std::unique_ptr<TextureManager::Group> textureGroup();
};
