#include "creatures/DarkHulantFeather.h"

#include "core/Polygon.h"
#include "core/TextureManager.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"

#include <SFML/Graphics/Texture.hpp>

#include <cmath>

DarkHulantFeather::DarkHulantFeather(CreatureWorld& world, sf::Vector2f p, float angle, const std::string& variant)
    : Projectile(world)
{
    const DarkHulantFeatherRecord& r = EnemyDatabase::records().darkHulantFeather;
    scale = r.scale;
    direction = angle;
    // The offset is added to both coordinates, as the boss's aim expects.
    const float offset = static_cast<float>(r.deltaY);
    setPosition({p.x + offset, p.y + offset});
    const std::string key = "DarkHulant_" + variant + "Feather";
    sf::Vector2u size(96, 32);
    if (const sf::Texture* texture = TextureManager::getTexture(key))
        size = texture->getSize();
    animation_ = std::make_unique<AnimationData>(key, std::max(size.x, 1u), std::max(size.y, 1u), 1, 0.1f,
                                                 ORIGIN_RIGHT | ORIGIN_CENTER_Y);
    currentAnimation = animation_.get();
}

void DarkHulantFeather::update(float dt)
{
    const DarkHulantFeatherRecord& r = EnemyDatabase::records().darkHulantFeather;
    setPosition(getPosition() + sf::Vector2f(std::cos(direction), std::sin(direction)) * r.speed * dt);
    lifeClock_ += dt;
    if (lifeClock_ >= r.lifeTime)
    {
        destroy();
        return;
    }
    const Polygon* player = world_.playerHitBox();
    if (player && player->contains(getPosition()))
    {
        world_.hurtPlayer(r.damage);
        destroy();
        return;
    }
    animation_->step(dt);
}
