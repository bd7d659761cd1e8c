#include "world/Wall.h"

#include "core/Camera.h"
#include "core/TextureManager.h"
#include "creatures/Entity.h"
#include "world/RunContext.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <utility>

Wall::Wall(std::string evilKey, std::string goodKey) : evilKey_(std::move(evilKey)), goodKey_(std::move(goodKey)) {}

std::unique_ptr<Wall> Wall::clone() const
{
    auto copy = std::make_unique<Wall>(evilKey_, goodKey_);
    copy->setPosition(getPosition());
    copy->setLayer(getLayer());
    return copy;
}

float Wall::pictureHeight() const
{
    if (outline_.vertexCount() < 3)
        return 0.f;
    float top = outline_.point(0).y, back = top;
    for (std::size_t i = 1; i < outline_.vertexCount(); ++i)
    {
        top = std::min(top, outline_.point(i).y);
        back = std::max(back, outline_.point(i).y);
    }
    return (back - top) / (0.5f + kBackLine);
}

float Wall::footY() const
{
    return getPosition().y + kFootLine * pictureHeight();
}

const std::string& Wall::shownTextureKey(const RunContext* run) const
{
    return run && run->karma() >= 0.f ? goodKey_ : evilKey_;
}

sf::Uint8 Wall::shownAlpha(const RunContext* run) const
{
    const Entity* player = run ? run->player() : nullptr;
    return player && outline_.contains(player->getPosition()) ? kBehindAlpha : 255;
}

void Wall::draw(sf::RenderTarget& target, const Camera& camera)
{
    const RunContext* run = RunContext::active();
    sf::Sprite sprite = TextureManager::getSprite(shownTextureKey(run), ORIGIN_CENTER_X | ORIGIN_CENTER_Y);
    if (!sprite.getTexture())
        return;
    sprite.setPosition(camera.toScreen(getPosition()));
    sprite.setScale(camera.zoom, camera.zoom);
    sprite.setColor(sf::Color(255, 255, 255, shownAlpha(run)));
    target.draw(sprite);
}
