#pragma once

#include "core/TextureManager.h"

#include <string>
#include <vector>

// Every file the program reads from Assets/ apart from committed text: the texture
// groups every screen builds, the textures loaded outside groups, the fonts and
// the sounds. The content generator paints exactly this list, and the tests check
// that each file exists, so names in code and files on disk cannot drift apart.
class ContentCatalog
{
public:
    struct NamedGroup
    {
        std::string owner;
        std::unique_ptr<TextureManager::Group> group;
    };

    // Each texture group the program builds, named after the screen or system that builds it.
    static std::vector<NamedGroup> textureGroups();
    // Textures loaded on their own (cursor, logos, the loading figure).
    static std::vector<std::string> looseTextures();
    static std::vector<std::string> fonts();
    static std::vector<std::string> sounds();
    // All of the above, each path once, sorted.
    static std::vector<std::string> allFiles();
};
