#pragma once

#include "core/Widget.h"

#include <SFML/System/Vector2.hpp>

#include <functional>
#include <string>
#include <vector>

namespace sf
{
class RenderWindow;
}

// An image button: a hit rectangle in window pixels, an action, a hover flag and
// the texture keys it can show. The owning screen decides when to test clicks and
// hovering and which of its images to draw.
class button : public Widget
{
public:
    static constexpr float kStandardScale = 0.35f;

    button() = default;
    button(std::vector<std::string> images, sf::Vector2i position, sf::Vector2i size,
           std::function<void()> callback = {});

    // The left and top edges are inside, the right and bottom edges outside.
    bool contains(sf::Vector2i point) const;
    // Runs the action when the mouse (relative to the game window) is inside.
    // An empty action under the mouse throws std::bad_function_call.
    bool checkClick();
    bool checkClick(sf::Vector2i mouse);
    // Follows the mouse: hovered becomes 1 inside the rectangle, 0 outside.
    void updateHover(sf::Vector2i mouse);

    // The image at index `hovered`, or the first image when there is no second one.
    const std::string& currentImage() const;

    void draw(sf::RenderWindow& window, const std::string& key, bool centred) const;
    void drawScaled(sf::RenderWindow& window, const std::string& key, float scaleX, float scaleY) const;
    // Centred on (position + (100, 27)), where the language choices stand.
    void drawOffset(sf::RenderWindow& window, const std::string& key) const;

    // The mouse relative to the game window.
    static sf::Vector2i mousePosition();
    // A texture's size times `scale`, truncated: how owners size a button from its picture.
    static sf::Vector2i scaledTextureSize(const std::string& key, float scale);

    sf::Vector2i size;
    sf::Vector2i position;
    std::function<void()> callback;
    unsigned hovered = 0;
    float scale = 1.f;
    std::vector<std::string> images;
};
