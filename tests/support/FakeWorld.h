#pragma once

#include "core/Camera.h"
#include "core/Polygon.h"
#include "creatures/CreatureWorld.h"
#include "creatures/Entity.h"
#include "creatures/EntityList.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

// A world for creatures without a window or a run: a player that is only a point
// and a box, a walkable area, a list of entities the creatures may add to and
// remove from, and a record of every blow dealt to the player.
class FakeWorld : public CreatureWorld
{
public:
    FakeWorld() { movePlayer({0.f, 0.f}); }

    sf::Vector2f playerPosition() const override { return player_.getPosition(); }
    const Polygon* playerHitBox() const override { return hasPlayer ? &hitBox_ : nullptr; }
    void hurtPlayer(int damage) override { blows.push_back(damage); }

    bool isWalkable(const Entity* walker, sf::Vector2f point) const override
    {
        return walkable ? walkable(walker, point) : true;
    }
    void addEntity(std::unique_ptr<Entity> entity) override { entities.add(std::move(entity)); }
    void removeEntity(Entity* entity) override { entities.remove(entity); }
    bool holds(const Entity* entity) const override { return entities.holds(entity); }

    float karma() const override { return karmaValue; }
    void changeKarma(float delta) override { karmaValue = std::clamp(karmaValue + delta, -160.f, 160.f); }
    int roomType() const override { return type; }
    const Camera& camera() const override { return view; }
    void showBossBar(float maximum) override { bossBarShown = true, bossBarMaximum = maximum, bossBarHealth = maximum; }
    void updateBossBar(float health) override
    {
        if (bossBarShown)
            bossBarHealth = health;
    }
    void hideBossBar() override { bossBarShown = false; }

    // The player stands at `p` with a 64 x 140 box centred on it.
    void movePlayer(sf::Vector2f p)
    {
        player_.setPosition(p);
        hitBox_ = Polygon({{-32.f, -70.f}, {32.f, -70.f}, {32.f, 70.f}, {-32.f, 70.f}}, p);
    }
    int damageTaken() const
    {
        int total = 0;
        for (int blow : blows)
            total += blow;
        return total;
    }
    // Steps the world's entities (and the player first) `frames` times at `dt`.
    void step(int frames, float dt = 1.f / 60.f)
    {
        for (int i = 0; i < frames; ++i)
            entities.update(dt);
    }

    bool hasPlayer = true;
    bool bossBarShown = false;
    float bossBarMaximum = 0.f;
    float bossBarHealth = 0.f;
    float karmaValue = 0.f;
    int type = 0;
    Camera view;
    std::function<bool(const Entity*, sf::Vector2f)> walkable;
    std::vector<int> blows;
    EntityList entities{&player_};

private:
    Entity player_;
    Polygon hitBox_;
};
