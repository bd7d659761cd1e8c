#include "core/button.h"

#include "core/Engine.h"
#include "core/TextureManager.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Mouse.hpp>

button::button(std::vector<std::string> images, sf::Vector2i position, sf::Vector2i size,
               std::function<void()> callback)
    : size(size), position(position), callback(std::move(callback)), images(std::move(images))
{
}

bool button::contains(sf::Vector2i point) const
{
    return point.x >= position.x && point.x < position.x + size.x && point.y >= position.y &&
           point.y < position.y + size.y;
}

bool button::checkClick()
{
    return checkClick(mousePosition());
}

bool button::checkClick(sf::Vector2i mouse)
{
    if (!contains(mouse))
        return false;
    callback();
    return true;
}

void button::updateHover(sf::Vector2i mouse)
{
    hovered = contains(mouse) ? 1u : 0u;
}

const std::string& button::currentImage() const
{
    static const std::string none;
    if (images.empty())
        return none;
    return hovered < images.size() ? images[hovered] : images.front();
}

void button::draw(sf::RenderWindow& window, const std::string& key, bool centred) const
{
    sf::Sprite sprite = TextureManager::getSprite(key, centred ? ORIGIN_CENTER : ORIGIN_TOP_LEFT);
    sprite.setScale(kStandardScale, kStandardScale);
    sprite.setPosition(sf::Vector2f(position));
    window.draw(sprite);
}

void button::drawScaled(sf::RenderWindow& window, const std::string& key, float scaleX, float scaleY) const
{
    sf::Sprite sprite = TextureManager::getSprite(key, ORIGIN_TOP_LEFT);
    sprite.setScale(scaleX, scaleY);
    sprite.setPosition(sf::Vector2f(position));
    window.draw(sprite);
}

void button::drawOffset(sf::RenderWindow& window, const std::string& key) const
{
    sf::Sprite sprite = TextureManager::getSprite(key, ORIGIN_CENTER);
    sprite.setScale(kStandardScale, kStandardScale);
    sprite.setPosition(static_cast<float>(position.x + 100), static_cast<float>(position.y + 27));
    window.draw(sprite);
}

sf::Vector2i button::mousePosition()
{
    return sf::Vector2i(Engine::instance()->mousePosition());
}

sf::Vector2i button::scaledTextureSize(const std::string& key, float scale)
{
    const sf::Texture* texture = TextureManager::getTexture(key);
    if (!texture)
        return {0, 0};
    const sf::Vector2u pixels = texture->getSize();
    return {static_cast<int>(static_cast<float>(pixels.x) * scale),
            static_cast<int>(static_cast<float>(pixels.y) * scale)};
}
