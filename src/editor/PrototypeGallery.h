#pragma once

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <string>
#include <vector>

// The pictures of one selection window (props, puddles or walls): every
// prototype's current image scaled to fit a 64 x 64 cell, painted once into one
// texture when the editor opens, so the window only shows parts of it.
class PrototypeGallery
{
public:
    static constexpr unsigned kCell = 64;
    static constexpr unsigned kColumns = 16;

    struct Entry
    {
        std::string name;
        // The prototype's picture: texture and frame rectangle; no texture gives an empty cell.
        sf::Sprite picture;
    };

    PrototypeGallery() = default;
    // Paints the cells; needs a window's OpenGL context (it renders off screen once).
    explicit PrototypeGallery(const std::vector<Entry>& entries);

    // The prop, puddle and wall prototypes of the registries, with their textures.
    static PrototypeGallery ofProps();
    static PrototypeGallery ofPuddles();
    static PrototypeGallery ofWalls();

    std::size_t size() const { return names_.size(); }
    const std::string& name(std::size_t index) const { return names_[index]; }
    const sf::Texture& texture() const { return texture_; }
    // The cell of entry `index` in texture coordinates (0..1), top-left and bottom-right.
    void cell(std::size_t index, sf::Vector2f& uv0, sf::Vector2f& uv1) const;

private:
    std::vector<std::string> names_;
    sf::Texture texture_;
};
