#include "creatures/ToaKaipupuhiProj.h"

#include "core/Polygon.h"
#include "core/TextureManager.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"

#include <SFML/Graphics/Texture.hpp>

#include <cmath>

ToaKaipupuhiProj::ToaKaipupuhiProj(CreatureWorld& world, sf::Vector2f p, float angle) : Projectile(world)
{
    const ToaKaipupuhiProjRecord& r = EnemyDatabase::records().toaKaipupuhiProj;
    scale = r.scale;
    direction = angle;
    setPosition({p.x, p.y + static_cast<float>(r.deltaY)});
    // Four frames side by side; without the texture (a test) a nominal size.
    sf::Vector2u size(256, 32);
    if (const sf::Texture* texture = TextureManager::getTexture("ToaKaipupuhiProj"))
        size = texture->getSize();
    animation_ = std::make_unique<AnimationData>("ToaKaipupuhiProj", std::max(size.x / 4, 1u), std::max(size.y, 1u), 4,
                                                 0.1f, ORIGIN_RIGHT | ORIGIN_CENTER_Y);
    currentAnimation = animation_.get();
}

void ToaKaipupuhiProj::update(float dt)
{
    const ToaKaipupuhiProjRecord& r = EnemyDatabase::records().toaKaipupuhiProj;
    setPosition(getPosition() + sf::Vector2f(std::cos(direction), std::sin(direction)) * r.speed * dt);
    if (!world_.isOnFloor(getPosition()))
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
