#include "run/healthBar.h"

std::unique_ptr<TextureManager::Group> healthBar::textureGroup()
{
    return std::make_unique<TextureManager::Group>(
        TextureManager::Group{{kFillKey, kFillFile}, {kFrameKey, kFrameFile}, {kGlowKey, kGlowFile}});
}
