#include "run/RunTextures.h"

std::unique_ptr<TextureManager::Group> RunTextures::runGroup()
{
    return std::make_unique<TextureManager::Group>(TextureManager::Group{{kSatchelKey, kSatchelFile}});
}

std::unique_ptr<TextureManager::Group> RunTextures::promptGroup()
{
    return std::make_unique<TextureManager::Group>(
        TextureManager::Group{{kKeyCapEKey, kKeyCapEFile}, {kKeyCapFKey, kKeyCapFFile}});
}
