#include "creatures/SoulChoice.h"

#include "core/Camera.h"
#include "core/Logger.h"
#include "core/RoomNameRegistry.h"
#include "creatures/CreatureWorld.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/LootTable.h"

#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Mouse.hpp>

#include <cmath>
#include <optional>

namespace
{
struct PendingSoul
{
    EntityRef enemy;
    Enemy* raw = nullptr;
    sf::Vector2f point;
    float distance = 0.f;
};

struct ChoiceState
{
    bool open = false;
    std::optional<PendingSoul> pending;
    SoulChoice::PointerSource source;
};

ChoiceState& choice()
{
    static ChoiceState instance;
    return instance;
}

SoulChoice::Pointer livePointer()
{
    SoulChoice::Pointer pointer;
    if (sf::Joystick::isConnected(0))
    {
        pointer.joystick = true;
        pointer.hat = sf::Joystick::getAxisPosition(0, sf::Joystick::PovX);
    }
    // The desktop position: the game's window covers the screen from its corner.
    pointer.mouseX = static_cast<float>(sf::Mouse::getPosition().x);
    return pointer;
}

float distance(sf::Vector2f a, sf::Vector2f b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}
} // namespace

bool SoulChoice::isOpen()
{
    return choice().open;
}

Enemy* SoulChoice::pending(const CreatureWorld& world)
{
    ChoiceState& s = choice();
    if (!s.pending)
        return nullptr;
    if (!s.pending->enemy.get(world))
    {
        s.pending.reset();
        return nullptr;
    }
    return s.pending->raw;
}

float SoulChoice::pendingDistance()
{
    return choice().pending ? choice().pending->distance : 0.f;
}

void SoulChoice::registerSoul(Enemy& enemy, sf::Vector2f soulPoint, float d)
{
    ChoiceState& s = choice();
    if (s.pending && s.pending->raw == &enemy && s.pending->enemy.get(enemy.world()))
    {
        s.pending->distance = d;
        return;
    }
    // A pending soul whose enemy has gone gives way at once.
    if (!s.pending || !s.pending->enemy.get(enemy.world()) || s.pending->distance > d)
        s.pending = PendingSoul{EntityRef(&enemy), &enemy, soulPoint, d};
}

SoulChoice::Outcome SoulChoice::resolve(CreatureWorld& world, bool open)
{
    ChoiceState& s = choice();
    // A heal room holds no enemy worth a choice: the choice never opens there, so E
    // keeps working its pentagram and doors.
    if (world.roomType() == ROOM_HEAL)
        return Outcome::StayedOpen;
    if (!s.open || open)
    {
        s.open = true;
        return Outcome::Opened;
    }
    s.open = false;

    Enemy* enemy = pending(world);
    if (!enemy)
        return Outcome::Closed;
    const sf::Vector2f soul = s.pending->point;
    const float maxDistance = static_cast<float>(EnemyDatabase::records().shared.maxSoulChoiceDistDraw);
    if (distance(world.playerPosition(), soul) > maxDistance)
        return Outcome::Closed;

    const Pointer pointer = s.source ? s.source() : livePointer();
    bool kill = false;
    if (pointer.joystick)
    {
        if (pointer.hat == 0.f)
            return Outcome::Closed;
        kill = pointer.hat > 0.f;
    }
    else
    {
        const Camera& camera = world.camera();
        const float mouseWorldX = (pointer.mouseX - Camera::kScreenHalfWidth) / camera.zoom + camera.centre.x;
        kill = soul.x < mouseWorldX;
    }

    const float delta = EnemyDatabase::records().shared.demonicBarDelta;
    world.changeKarma(kill ? delta : -delta);
    LootTable::dropLoot(world, *enemy, !kill, false);
    Logger::Info(std::string(kill ? "Killed" : "Saved") + " the soul of " + enemy->kind());
    world.removeEntity(enemy);
    s.pending.reset();
    return kill ? Outcome::Killed : Outcome::Saved;
}

void SoulChoice::draw(sf::RenderTarget& target, const Camera& camera, const CreatureWorld& world)
{
    if (Enemy* enemy = pending(world))
        enemy->drawSoulChoice(target, camera);
}

void SoulChoice::reset()
{
    choice().open = false;
    choice().pending.reset();
}

void SoulChoice::setPointerSource(PointerSource source)
{
    choice().source = std::move(source);
}
