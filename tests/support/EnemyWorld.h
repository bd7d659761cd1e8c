#pragma once

#include "core/Polygon.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/KahiyuProj.h"
#include "creatures/SoulChoice.h"
#include "support/FakeWorld.h"
#include "world/RoomFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

// The game's own enemy tuning, read from Assets/ (tests run from the source tree),
// with no texture loaded: the creatures measure their sheets from their data files.
inline void loadGameEnemyData()
{
    EnemyDatabase::loadData();
    KahiyuProj::loadParameters();
    Enemy::clearAnimationCache();
    SoulChoice::reset();
    SoulChoice::setPointerSource(nullptr);
}

// A fake world standing for a real room: the walkable ground of a room template and
// a stand-in player with health and the short invulnerability after a blow a real
// player has, who may strike back at the enemies near it.
class RoomWorld : public FakeWorld
{
public:
    explicit RoomWorld(const std::string& roomName)
    {
        room = RoomFile::load(RoomFile::pathFor(roomName));
        floor = Polygon(room.boundaries);
        for (const auto& zone : room.restricted)
            zones.emplace_back(zone);
        walkable = [this](const Entity*, sf::Vector2f p) { return onGround(p); };
    }

    bool onGround(sf::Vector2f p) const
    {
        for (const Polygon& zone : zones)
            if (zone.contains(p))
                return false;
        return floor.contains(p);
    }
    bool isOnFloor(sf::Vector2f p) const override { return floor.contains(p); }

    void hurtPlayer(int damage) override
    {
        FakeWorld::hurtPlayer(damage);
        if (sinceHit < kInvulnerable || playerHealth <= 0.f)
            return;
        playerHealth -= static_cast<float>(damage);
        sinceHit = 0.f;
        ++landed;
    }

    // One frame: the stand-in swings every `swingEvery` seconds when it fights back,
    // at every living enemy whose hit box lies within its reach.
    void frame(float dt)
    {
        sinceHit += dt;
        sinceSwing += dt;
        if (fightsBack && playerHealth > 0.f)
            chase(dt);
        if (fightsBack && playerHealth > 0.f && sinceSwing >= swingEvery)
        {
            sinceSwing = 0.f;
            const sf::Vector2f p = playerPosition();
            const Polygon reach({{-110.f, -110.f}, {110.f, -110.f}, {110.f, 110.f}, {-110.f, 110.f}}, p);
            for (Entity* entity : entities.members())
                if (auto* enemy = dynamic_cast<Enemy*>(entity); enemy && !enemy->isLeaving() && enemy->health > 0.f)
                    if (enemy->hitPolygon.intersects(reach))
                        enemy->takeDamage(10);
        }
        entities.update(dt);
    }

    // Walks (over the ground only) toward the nearest living enemy until in reach.
    void chase(float dt)
    {
        const sf::Vector2f p = playerPosition();
        Enemy* nearest = nullptr;
        float best = 1e12f;
        for (Entity* entity : entities.members())
            if (auto* enemy = dynamic_cast<Enemy*>(entity); enemy && !enemy->isLeaving() && enemy->health > 0.f)
            {
                const sf::Vector2f d = enemy->getPosition() - p;
                if (d.x * d.x + d.y * d.y < best)
                    best = d.x * d.x + d.y * d.y, nearest = enemy;
            }
        if (!nearest || best < 80.f * 80.f)
            return;
        const sf::Vector2f d = nearest->getPosition() - p;
        const sf::Vector2f step = d / std::sqrt(best) * 300.f * dt;
        for (const sf::Vector2f move : {step, sf::Vector2f(step.x, 0.f), sf::Vector2f(0.f, step.y)})
            if (onGround(p + move))
            {
                movePlayer(p + move);
                return;
            }
    }

    // The middle of the room's floor when it stands on ground, else a point inside
    // the template's bottom door, where a player enters.
    sf::Vector2f middle() const
    {
        if (room.boundaries.empty())
            return {};
        sf::Vector2f low = room.boundaries.front(), high = low;
        for (sf::Vector2f v : room.boundaries)
            low = {std::min(low.x, v.x), std::min(low.y, v.y)}, high = {std::max(high.x, v.x), std::max(high.y, v.y)};
        const sf::Vector2f centre = (low + high) / 2.f;
        return onGround(centre) ? centre : entrance();
    }

    // A point of the floor inside the template's bottom door, where a player enters.
    sf::Vector2f entrance() const
    {
        for (const DoorRecord& door : room.doors)
            if (door.direction == DOOR_BOTTOM)
                for (float in = 100.f; in < 600.f; in += 20.f)
                    if (onGround(door.position - sf::Vector2f(0.f, in)))
                        return door.position - sf::Vector2f(0.f, in);
        return room.boundaries.empty() ? sf::Vector2f() : room.boundaries.front();
    }

    static constexpr float kInvulnerable = 0.3f;
    RoomFile room;
    Polygon floor;
    std::vector<Polygon> zones;
    float playerHealth = 100.f;
    float sinceHit = 1.f;
    float sinceSwing = 0.f;
    float swingEvery = 0.5f;
    bool fightsBack = false;
    int landed = 0;
};
