#pragma once

#include <SFML/Graphics/Font.hpp>

#include <string>
#include <utility>
#include <vector>

// The game's fonts, loaded once from "Assets/Fonts/" and handed out by key.
class FontManager
{
public:
    // (file in Assets/Fonts/, key), in loading order.
    static const std::vector<std::pair<std::string, std::string>>& fontFiles();

    static void loadFont(const std::string& file, const std::string& key);
    // Null (with a warning, every time) for a key that holds no font.
    static sf::Font* getFont(const std::string& key);
    static void loadAll();
    static std::size_t count();
    static void clear();
};
