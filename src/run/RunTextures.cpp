#include "run/RunTextures.h"

std::unique_ptr<TextureManager::Group> RunTextures::runGroup()
{
    return std::make_unique<TextureManager::Group>(TextureManager::Group{{kSatchelKey, kSatchelFile}});
}
