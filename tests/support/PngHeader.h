#pragma once

#include <SFML/System/Vector2.hpp>

#include <fstream>
#include <optional>
#include <string>

// The size a PNG file declares in its header, without decoding it: generated sheets
// run to tens of megabytes, and the suite only needs their dimensions.
inline std::optional<sf::Vector2u> pngSize(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof header) || header[1] != 'P' || header[2] != 'N')
        return std::nullopt;
    auto word = [&](int at)
    {
        return unsigned(header[at]) << 24 | unsigned(header[at + 1]) << 16 | unsigned(header[at + 2]) << 8 |
               unsigned(header[at + 3]);
    };
    return sf::Vector2u(word(16), word(20));
}
