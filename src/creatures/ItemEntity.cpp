#include "creatures/ItemEntity.h"

#include "core/Camera.h"
#include "core/Item.h"
#include "core/TextureManager.h"
#include "creatures/CreatureWorld.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cmath>
#include <utility>

namespace
{
constexpr unsigned kIconOrigin = 18;
constexpr float kLyingScale = 0.25f;
constexpr float kTurningScale = 0.3f;
constexpr float kHopHeight = 30.f;
} // namespace

ItemEntity::ItemEntity(std::shared_ptr<Item> item, std::int32_t count, const CreatureWorld* world)
    : item(std::move(item)), count(count), world_(world)
{
    setLayer(0);
    if (this->item && !this->item->iconKey.empty() && TextureManager::isPresent(this->item->iconKey))
    {
        icon_ = TextureManager::getSprite(this->item->iconKey, kIconOrigin);
        bounds = icon_.getGlobalBounds();
        hasIcon_ = true;
    }
    shadow_.setPointCount(30);
    shadow_.setFillColor(sf::Color(0, 0, 0, 200));
}

bool ItemEntity::withinReach(sf::Vector2f item, sf::Vector2f player, float zoom)
{
    const sf::Vector2f d = item - player;
    const float reach = kReach * zoom;
    return d.x * d.x + d.y * d.y < reach * reach;
}

void ItemEntity::update(float dt)
{
    age += dt;
    inReach_ = world_ && withinReach(getPosition(), world_->playerPosition(), world_->camera().zoom);
}

std::shared_ptr<Item> ItemEntity::take()
{
    count = 0;
    return std::move(item);
}

void ItemEntity::draw(sf::RenderTarget& target, const Camera& camera)
{
    const float z = camera.zoom;
    sf::Vector2f s = camera.toScreen(getPosition());
    lastScreenPoint_ = s;
    if (!hasIcon_ || count <= 0)
        return;

    const sf::FloatRect local = icon_.getLocalBounds();
    const float w = local.width, h = local.height;
    const float r0 = w * 0.125f * z;

    icon_.setScale(z * kLyingScale, z * kLyingScale);
    shadow_.setRadius(r0);
    shadow_.setOrigin(r0, r0);
    shadow_.setPosition(s.x, s.y + h * 0.125f);
    shadow_.setScale(z, z * 0.25f);

    if (inReach_)
    {
        icon_.setScale(std::cos(2.f * age) * z * kTurningScale, z * kTurningScale);
        const float b = std::pow(std::cos(2.3f * age), 2.f);
        const float groundY = s.y;
        s.y -= b * kHopHeight * z;
        const float r = (1.f - b * 0.5f) * r0 * 1.2f;
        shadow_.setRadius(r);
        shadow_.setOrigin(r, r);
        shadow_.setPosition(s.x, groundY + h * 0.125f * z * 1.2f);
        shadow_.setScale(z * 1.2f, z * 0.3f);
    }
    target.draw(shadow_);
    icon_.setPosition(s);
    icon_.setRotation(0.f);
    target.draw(icon_);
}
