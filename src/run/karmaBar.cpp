#include "run/karmaBar.h"

std::unique_ptr<TextureManager::Group> karmaBar::textureGroup()
{
    return std::make_unique<TextureManager::Group>(
        TextureManager::Group{{kBarKey, kBarFile}, {kMarkerKey, kMarkerFile}});
}
