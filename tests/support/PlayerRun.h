#pragma once

#include "core/Camera.h"
#include "core/FloatingText.h"
#include "run/Player.h"
#include "run/PlayerInput.h"
#include "world/Floor.h"
#include "world/Room.h"
#include "world/RunContext.h"

#include <SFML/Window/Event.hpp>

#include <map>
#include <memory>
#include <set>
#include <vector>

// Held keys, pad axes and a cursor a test sets by hand; installed for its lifetime.
class ScriptedInput : public PlayerInput
{
public:
    ScriptedInput() { PlayerInput::install(this); }
    ~ScriptedInput() override { PlayerInput::install(nullptr); }

    bool keyHeld(sf::Keyboard::Key key) const override { return held.count(key) > 0; }
    float joystickAxis(sf::Joystick::Axis axis) const override
    {
        const auto it = axes.find(axis);
        return it == axes.end() ? 0.f : it->second;
    }
    sf::Vector2f pointer() const override { return cursor; }

    std::set<sf::Keyboard::Key> held;
    std::map<sf::Joystick::Axis, float> axes;
    sf::Vector2f cursor{960.f, 540.f};
};

// A run around one player: an empty live room (or a real floor once a test makes
// one), a camera, the notices the player posts and the room changes it reports.
// Installs itself as the active run for its lifetime.
class PlayerRun : public RunContext
{
public:
    explicit PlayerRun(Player& player) : player_(player), room_(std::make_unique<Room>(&player))
    {
        RunContext::setActive(this);
    }
    ~PlayerRun() override { RunContext::setActive(nullptr); }

    float karma() const override { return player_.karma(); }
    Entity* player() const override { return &player_; }
    int roomType() const override { return room()->type; }
    const Polygon* playerHitBox() const override { return &player_.hitPolygon; }
    void hurtPlayer(int damage) override { player_.takeDamage(damage); }
    void changeKarma(float delta) override { player_.karmaGauge.change(delta); }
    Room* room() const override { return liveFloor ? liveFloor->room() : room_.get(); }
    Floor* floor() const override { return liveFloor.get(); }
    const Camera& camera() const override { return view; }
    void addNotice(std::unique_ptr<FloatingText> notice) override { notices.push_back(std::move(notice)); }
    void roomChanged() override { ++roomChanges; }
    bool minimapOpen() const override { return minimap; }

    Camera view;
    std::unique_ptr<Floor> liveFloor;
    std::vector<std::unique_ptr<FloatingText>> notices;
    int roomChanges = 0;
    bool minimap = false;

private:
    Player& player_;
    std::unique_ptr<Room> room_;
};

// Hands a test's entity to the room and lets it join at once, as after a frame.
template <typename T> T* admit(Room& room, T* entity)
{
    room.addEntity(std::unique_ptr<Entity>(entity));
    room.entities.settle();
    return entity;
}

inline sf::Event keyPress(sf::Keyboard::Key code, bool control = false)
{
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = code;
    event.key.control = control;
    return event;
}

inline sf::Event leftClick(sf::Vector2f at)
{
    sf::Event event{};
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton.button = sf::Mouse::Left;
    event.mouseButton.x = static_cast<int>(at.x);
    event.mouseButton.y = static_cast<int>(at.y);
    return event;
}

inline sf::Event padButton(unsigned button)
{
    sf::Event event{};
    event.type = sf::Event::JoystickButtonPressed;
    event.joystickButton.joystickId = 0;
    event.joystickButton.button = button;
    return event;
}

inline sf::Event focusEvent(bool gained)
{
    sf::Event event{};
    event.type = gained ? sf::Event::GainedFocus : sf::Event::LostFocus;
    return event;
}

#include "core/AnimationData.h"
#include "core/FontManager.h"
#include "core/TextureManager.h"
#include "run/RunTextures.h"

#include <gtest/gtest.h>

#include <cstdlib>

// A player standing in an empty 4000 x 4000 room, the camera on it, the cursor on it
// and the keys released. The player's textures are loaded the first time they are
// missing (other tests empty the texture registry), so most tests pay nothing.
class PlayerFixture : public ::testing::Test
{
protected:
    static constexpr float kRoomSize = 4000.f;

    void SetUp() override
    {
        std::srand(11);
        if (!TextureManager::isPresent(Player::kBoundsKey) || !TextureManager::isPresent("Player_dead_right_bad"))
        {
            Player::textureGroup()->load();
            TextureManager::loadTexture(Player::kBoundsKey, Player::kBoundsFile);
        }
        if (!TextureManager::isPresent(RunTextures::kKeyCapEKey))
            RunTextures::promptGroup()->load();
        if (FontManager::count() == 0)
            FontManager::loadAll();
        player = std::make_unique<Player>();
        run = std::make_unique<PlayerRun>(*player);
        run->room()->boundaries = Polygon({{0.f, 0.f}, {kRoomSize, 0.f}, {kRoomSize, kRoomSize}, {0.f, kRoomSize}});
        place({2000.f, 2000.f});
    }
    void TearDown() override
    {
        run.reset();
        player.reset();
    }

    // Puts the player at `p` with the camera centred on it (its screen point is then (960, 540)).
    void place(sf::Vector2f p)
    {
        player->setPosition(p);
        run->view.centre = p;
        input.cursor = run->view.toScreen(p);
    }
    // The cursor `offset` screen pixels away from the player.
    void aim(sf::Vector2f offset) { input.cursor = player->screenPoint() + offset; }
    // Updates as the run does: the player, then the camera onto it (the cursor stays put on screen).
    void frames(int count, float dt)
    {
        for (int i = 0; i < count; ++i)
        {
            player->update(dt);
            // What the player added or removed joins or leaves, as after a room's update.
            run->room()->entities.settle();
            run->view.centre = player->getPosition();
        }
    }
    int slot(const char* action, int direction) const { return Player::slotOf(action, direction); }

    ScriptedInput input;
    std::unique_ptr<Player> player;
    std::unique_ptr<PlayerRun> run;
};
