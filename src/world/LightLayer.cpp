#include "world/LightLayer.h"

#include "core/Logger.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <algorithm>
#include <cmath>

namespace
{
bool& splittingEnabled()
{
    static bool enabled = true;
    return enabled;
}

void addQuad(std::vector<sf::Vertex>& vertices, const sf::FloatRect& area, sf::Color colour, float texelsPerPixel)
{
    const float left = area.left, top = area.top, right = area.left + area.width, bottom = area.top + area.height;
    const float t = texelsPerPixel;
    vertices.emplace_back(sf::Vector2f(left, top), colour, sf::Vector2f(left * t, top * t));
    vertices.emplace_back(sf::Vector2f(right, top), colour, sf::Vector2f(right * t, top * t));
    vertices.emplace_back(sf::Vector2f(left, bottom), colour, sf::Vector2f(left * t, bottom * t));
    vertices.emplace_back(sf::Vector2f(left, bottom), colour, sf::Vector2f(left * t, bottom * t));
    vertices.emplace_back(sf::Vector2f(right, top), colour, sf::Vector2f(right * t, top * t));
    vertices.emplace_back(sf::Vector2f(right, bottom), colour, sf::Vector2f(right * t, bottom * t));
}
} // namespace

void LightLayer::setSplitting(bool enabled)
{
    splittingEnabled() = enabled;
}

bool LightLayer::prepare(sf::Vector2u windowSize)
{
    if (failed_)
        return false;
    const sf::Vector2u size((windowSize.x + kDownscale - 1) / kDownscale, (windowSize.y + kDownscale - 1) / kDownscale);
    if (canvas_ && canvas_->getSize() == size)
        return true;
    copy_.load();
    canvas_ = std::make_unique<sf::RenderTexture>();
    if (!canvas_->create(size.x, size.y))
    {
        Logger::Warning("Could not create the light layer");
        canvas_.reset();
        failed_ = true;
        return false;
    }
    canvas_->setSmooth(true);
    // The lights draw in window coordinates, as on a full-size layer.
    canvas_->setView(sf::View(sf::FloatRect(0.f, 0.f, static_cast<float>(size.x * kDownscale),
                                            static_cast<float>(size.y * kDownscale))));
    return true;
}

void LightLayer::draw(sf::RenderTarget& window, sf::Uint8 grey,
                      const std::vector<std::unique_ptr<SecondFloorLighting>>& lights)
{
    // The game's space on the window, whatever the window's own size.
    const sf::Vector2u windowSize(window.getView().getSize());
    if (!prepare(windowSize))
        return;
    canvas_->clear(sf::Color(grey, grey, grey, 255));
    for (const auto& light : lights)
        light->draw(*canvas_);
    canvas_->display();

    const sf::Texture& texture = canvas_->getTexture();
    const float texelsPerPixel = 1.f / static_cast<float>(kDownscale);
    if (!splittingEnabled())
    {
        sf::Sprite layer(texture);
        layer.setScale(static_cast<float>(kDownscale), static_cast<float>(kDownscale));
        window.draw(layer, sf::BlendMultiply);
        return;
    }

    // A cell reads the layer when some light may have reached it. Every light is the
    // one round glow, transparent outside the circle its square frames, so a light
    // reaches the cells that circle touches; smoothing spreads a light by up to one
    // texel on screen, hence the margin of two.
    const unsigned columns = (windowSize.x + kCell - 1) / kCell, rows = (windowSize.y + kCell - 1) / kCell;
    reached_.assign(static_cast<std::size_t>(columns) * rows, false);
    const float margin = 2.f * static_cast<float>(kDownscale);
    auto cellOf = [](float v, unsigned count)
    { return static_cast<int>(std::clamp(std::floor(v / static_cast<float>(kCell)), 0.f, static_cast<float>(count - 1))); };
    const sf::FloatRect onScreen(0.f, 0.f, static_cast<float>(windowSize.x), static_cast<float>(windowSize.y));
    for (const auto& light : lights)
    {
        const sf::FloatRect& drawnAt = light->drawnBounds();
        if (drawnAt.width <= 0.f || drawnAt.height <= 0.f)
            continue;
        const sf::FloatRect b(drawnAt.left - margin, drawnAt.top - margin, drawnAt.width + 2.f * margin,
                              drawnAt.height + 2.f * margin);
        if (!b.intersects(onScreen))
            continue;
        const sf::Vector2f centre(drawnAt.left + drawnAt.width / 2.f, drawnAt.top + drawnAt.height / 2.f);
        const float radius = std::max(drawnAt.width, drawnAt.height) / 2.f + margin;
        const int x0 = cellOf(b.left, columns), x1 = cellOf(b.left + b.width, columns);
        const int y0 = cellOf(b.top, rows), y1 = cellOf(b.top + b.height, rows);
        const float side = static_cast<float>(kCell);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
            {
                // The cell's point nearest the light's centre.
                const float dx = std::max({static_cast<float>(x) * side - centre.x, 0.f,
                                           centre.x - static_cast<float>(x + 1) * side});
                const float dy = std::max({static_cast<float>(y) * side - centre.y, 0.f,
                                           centre.y - static_cast<float>(y + 1) * side});
                if (dx * dx + dy * dy < radius * radius)
                    reached_[static_cast<std::size_t>(y) * columns + static_cast<std::size_t>(x)] = true;
            }
    }

    lit_.clear();
    plain_.clear();
    const sf::Color plainColour(grey, grey, grey, 255);
    for (unsigned row = 0; row < rows; ++row)
        for (unsigned column = 0; column < columns; ++column)
        {
            const float left = static_cast<float>(column * kCell), top = static_cast<float>(row * kCell);
            const sf::FloatRect cell(left, top, std::min(static_cast<float>(kCell), static_cast<float>(windowSize.x) - left),
                                     std::min(static_cast<float>(kCell), static_cast<float>(windowSize.y) - top));
            if (reached_[static_cast<std::size_t>(row) * columns + column])
                addQuad(lit_, cell, sf::Color::White, texelsPerPixel);
            else
                addQuad(plain_, cell, plainColour, 0.f);
        }
    if (!lit_.empty())
    {
        sf::RenderStates states(&texture);
        states.blendMode = sf::BlendMultiply;
        states.shader = copy_.get();
        window.draw(lit_.data(), lit_.size(), sf::Triangles, states);
    }
    if (!plain_.empty())
        window.draw(plain_.data(), plain_.size(), sf::Triangles, sf::BlendMultiply);
}
