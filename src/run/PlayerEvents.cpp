// The player's answers to events: the attack and the dodge, picking up, the soul
// choice, doors, the trader and the props, the pentagram and the testing shortcuts.
#include "run/Player.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "core/FloatingText.h"
#include "core/FontManager.h"
#include "core/Inventory.h"
#include "core/Item.h"
#include "core/Logger.h"
#include "core/Random.h"
#include "core/RoomNameRegistry.h"
#include "core/UiText.h"
#include "creatures/Enemy.h"
#include "creatures/SoulChoice.h"
#include "creatures/ItemEntity.h"
#include "creatures/Trader.h"
#include "run/PlayerInput.h"
#include "world/Floor.h"
#include "world/Pentagram.h"
#include "world/Room.h"
#include "world/RunContext.h"

#include <SFML/Window/Event.hpp>

#include <algorithm>
#include <cmath>
#include <map>

namespace
{
constexpr const char* kPromptFont = "Ironhelm";
constexpr float kDodgeCooldown = 0.9f;
// How near an enemy (alive or a soul) E opens the soul choice.
constexpr float kSoulChoiceReachSquared = 9000.f;
constexpr float kUseReachSquared = 20000.f;
constexpr float kPentagramHeal = 35.f;
constexpr float kPentagramKarma = -15.f;
constexpr float kGodHealth = 100000.f;
constexpr float kNoticeLifetime = 3.f;
const sf::Color kPromptFill(208, 177, 31, 255);
const sf::Color kPromptOutline(68, 53, 21, 255);
} // namespace

void Player::handleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::LostFocus)
    {
        releaseKeys();
        return;
    }
    // A key press can only reach a focused window, so it proves the focus is back.
    if (event.type == sf::Event::GainedFocus || event.type == sf::Event::KeyPressed)
        keysLive_ = true;

    const bool keyPressed = event.type == sf::Event::KeyPressed;
    const bool busy = state == TRADING || healing || state == DYING || state == DEAD;
    if (!busy)
    {
        startAttack(event);
        startDodge(event);
        pickUp(event);
        const bool soulHandled = offerSoulChoice(event);

        if (keyPressed && event.key.code == sf::Keyboard::B && event.key.control)
        {
            RunContext* run = RunContext::active();
            // The floor tells the run about the new room itself.
            if (Floor* floor = run ? run->floor() : nullptr)
                floor->jumpToBoss(this);
            return;
        }
        // On from a floor's boss room to the next floor's, to try the bosses in turn.
        if (keyPressed && event.key.code == sf::Keyboard::N && event.key.control)
        {
            RunContext* run = RunContext::active();
            Floor* floor = run ? run->floor() : nullptr;
            if (floor && !RoomNameRegistry::names(ROOM_BOSS, floor->floorIndex + 1).empty())
            {
                floor->floorIndex += 1;
                floor->generateFloor(this);
                floor->jumpToBoss(this);
            }
            return;
        }
        // And to end a boss fight at once: every enemy of the room falls.
        if (keyPressed && event.key.code == sf::Keyboard::K && event.key.control)
        {
            if (RunContext* run = RunContext::active())
                for (Entity* entity : run->roomEntities())
                    if (auto* enemy = dynamic_cast<Enemy*>(entity); enemy && enemy->health > 0.f)
                        enemy->health = 0.f;
            return;
        }
        // The same kind of shortcut to the floor's shop, to try the trader.
        if (keyPressed && event.key.code == sf::Keyboard::T && event.key.control)
        {
            RunContext* run = RunContext::active();
            if (Floor* floor = run ? run->floor() : nullptr)
                floor->jumpToRoomOfType(this, ROOM_SHOP);
            return;
        }
        if (keyPressed && event.key.code == sf::Keyboard::E)
        {
            // A door changes the room: nothing of the old one may be touched after it.
            if (!soulHandled && useDoor())
                return;
            if (!openTrade())
                useNearestProp();
        }
        if (keyPressed && PlayerInput::current().keyHeld(sf::Keyboard::Add))
            toggleGodMode();
    }

    if (keyPressed && event.key.code == sf::Keyboard::E)
        healAtPentagram();
}

void Player::turnToAim(const char* action)
{
    currentAnimation->reset();
    const sf::Vector2f aim = aimDirection();
    direction = directionOfAngle(-std::atan2(aim.y, aim.x) * 180.f / 3.14159265f);
    show(action, direction);
    currentAnimation->reset();
}

bool Player::startAttack(const sf::Event& event)
{
    const RunContext* run = RunContext::active();
    const bool click = event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left &&
                       !(run && run->minimapOpen());
    const bool pad = event.type == sf::Event::JoystickButtonPressed && event.joystickButton.joystickId == 0 &&
                     event.joystickButton.button == 5;
    if ((!click && !pad) || state == ATTACKING || state == DODGING)
        return false;
    play(SCYTHE_SOUND);
    state = ATTACKING;
    turnToAim("attack");
    return true;
}

bool Player::startDodge(const sf::Event& event)
{
    const bool key = event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Space;
    const bool pad = event.type == sf::Event::JoystickButtonPressed && event.joystickButton.joystickId == 0 &&
                     event.joystickButton.button == 4;
    // A swing commits the player: no rolling out of it.
    if ((!key && !pad) || dodgeCooldown > 0.f || state == ATTACKING || state == DODGING)
        return false;
    dodgeCooldown = kDodgeCooldown;
    state = DODGING;
    play(DODGE_SOUND);
    turnToAim("dodge");
    return true;
}

bool Player::pickUp(const sf::Event& event)
{
    const bool key = event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::F;
    const bool pad = event.type == sf::Event::JoystickButtonPressed && event.joystickButton.joystickId == 0 &&
                     event.joystickButton.button == 3;
    RunContext* run = RunContext::active();
    Room* room = run ? run->room() : nullptr;
    if ((!key && !pad) || !room)
        return false;

    std::vector<ItemEntity*> inReach;
    for (Entity* entity : room->entities.members())
        if (auto* drop = dynamic_cast<ItemEntity*>(entity); drop && !drop->isLeaving())
            if (ItemEntity::withinReach(drop->getPosition(), getPosition(), run->camera().zoom))
                inReach.push_back(drop);

    std::map<std::string, std::int32_t> tally;
    for (ItemEntity* drop : inReach)
    {
        if (!drop->item || drop->count <= 0 || inventory->findSlot(*drop->item) < 0)
            continue;
        const std::int32_t left = inventory->addStack(drop->item, drop->count);
        const std::int32_t taken = drop->count - left;
        const std::string name = drop->item->name;
        drop->count = left;
        // All of it went in: the bag holds the stack now (an artefact moves, it is not
        // shared), and the room lets the empty entity go.
        if (left == 0)
        {
            drop->take();
            room->removeEntity(drop);
        }
        if (taken > 0)
            tally[name] += taken;
    }

    int index = 0;
    for (const auto& [name, count] : tally)
    {
        Logger::Info("Picked up " + std::to_string(count) + " " + name);
        auto notice = std::make_unique<FloatingText>();
        notice->text = "+ " + std::to_string(count) + " " + UiText::translate(name);
        if (const sf::Font* font = FontManager::getFont(kPromptFont))
            notice->font = *font;
        notice->fillColour = kPromptFill;
        notice->outlineColour = kPromptOutline;
        notice->outlineThickness = 2.f;
        notice->position = {50.f, 540.f - 15.f * static_cast<float>(index)};
        notice->velocity = {0.f, -50.f - 50.f * uniformDraw()};
        notice->duration = kNoticeLifetime;
        run->addNotice(std::move(notice));
        ++index;
    }
    return !tally.empty();
}

bool Player::offerSoulChoice(const sf::Event& event)
{
    if (event.type != sf::Event::KeyPressed || event.key.code != sf::Keyboard::E)
        return false;
    RunContext* run = RunContext::active();
    Room* room = run ? run->room() : nullptr;
    if (!room)
        return false;
    if (SoulChoice::isOpen())
    {
        SoulChoice::resolve(*run, false);
        return true;
    }
    bool near = false;
    for (Entity* entity : room->entities.members())
        if (dynamic_cast<Enemy*>(entity) && !entity->isLeaving() &&
            squaredDistance(entity->getPosition(), getPosition()) <= kSoulChoiceReachSquared)
            near = true;
    // A heal room never opens the choice, and then E goes on to the pentagram and doors.
    return near && SoulChoice::resolve(*run, true) == SoulChoice::Outcome::Opened;
}

bool Player::useDoor()
{
    RunContext* run = RunContext::active();
    Floor* floor = run ? run->floor() : nullptr;
    if (!floor)
        return false;
    return floor->useDoor(this) != Floor::DoorUse::None;
}

bool Player::openTrade()
{
    RunContext* run = RunContext::active();
    Room* room = run ? run->room() : nullptr;
    if (!room)
        return false;
    for (Entity* entity : room->entities.members())
        if (auto* trader = dynamic_cast<Trader*>(entity); trader && !trader->isLeaving())
            if (squaredDistance(trader->getPosition(), getPosition()) <= kUseReachSquared)
            {
                direction = UP;
                currentAnimation->reset();
                show("idle", UP);
                state = TRADING;
                run->startTrading(*trader);
                return true;
            }
    return false;
}

bool Player::useNearestProp()
{
    RunContext* run = RunContext::active();
    Room* room = run ? run->room() : nullptr;
    if (!room || room->props.empty())
        return false;
    const sf::Vector2f here = getPosition();
    const auto nearest =
        std::min_element(room->props.begin(), room->props.end(),
                         [&](const auto& a, const auto& b)
                         { return squaredDistance(a->getPosition(), here) < squaredDistance(b->getPosition(), here); });
    if (squaredDistance((*nearest)->getPosition(), here) > kUseReachSquared)
        return false;
    return (*nearest)->interact(this, run, false);
}

void Player::toggleGodMode()
{
    godMode = !godMode;
    maximumHealth = godMode ? static_cast<std::int32_t>(kGodHealth) : 100;
    health = static_cast<float>(maximumHealth);
    stats.damage = godMode ? kGodHealth : 10.f;
    healthGauge.setMaximum(static_cast<float>(maximumHealth));
}

void Player::healAtPentagram()
{
    RunContext* run = RunContext::active();
    Room* room = run ? run->room() : nullptr;
    // One ritual at a time, and none for a fallen body: a heal must not raise the dead.
    if (healing || state == DYING || state == DEAD)
        return;
    if (!room || room->type != ROOM_HEAL || health >= static_cast<float>(maximumHealth))
        return;
    for (const auto& prop : room->props)
    {
        const auto* pentagram = dynamic_cast<const Pentagram*>(prop.get());
        if (!pentagram || pentagram->name() != "pentagram" || !pentagram->playerInRange())
            continue;
        health = std::min(health + kPentagramHeal, static_cast<float>(maximumHealth));
        karmaGauge.change(kPentagramKarma);
        healing = true;
    }
}
