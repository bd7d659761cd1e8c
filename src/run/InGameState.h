#pragma once

#include "core/GameState.h"
#include "creatures/Camera.h"
#include "menus/GameSettings.h"
#include "world/RunContext.h"

#include <SFML/Audio/Music.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Clock.hpp>

#include <memory>
#include <vector>

class AnimationData;
class FloatingText;
class Floor;
class Player;
class button;

namespace sf
{
class RenderTexture;
}

// Light objects of the current room (door lights, the player light). The lighting
// work brings the real kinds; the run only owns, updates and draws them.
class RunLight
{
public:
    virtual ~RunLight() = default;
    virtual void update(float& dt) { (void)dt; }
    virtual void draw(sf::RenderTarget& target) { (void)target; }
};

// The screen of one run: it owns the player, the floor with its live room, the
// run's music, the pause menu, the minimap switch, the lights of the current room
// and the pick-up notices, and it decides how the run ends (game over, victory, or
// back to the menu from the pause menu). While it exists it is the active run.
class InGameState : public GameState, public RunContext
{
public:
    // Throws std::runtime_error "InGameState::InGameState: Failed to load minimap
    // shader" when that shader cannot be built.
    explicit InGameState(GroupList groups);
    ~InGameState() override;

    void update(const float& frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    // Fills the pause menu's three buttons (resume, options, exit).
    static void LoadMenuPause(std::vector<std::unique_ptr<button>>& buttons, bool& paused, sf::Music* music);

    // RunContext
    float karma() const override;
    Entity* player() const override;
    int roomType() const override;
    const std::vector<Entity*>& roomEntities() const override;
    void addToRoom(std::unique_ptr<Entity> entity) override;
    Room* room() const override;
    Floor* floor() const override;
    const Camera& camera() const override { return camera_; }
    void addNotice(std::unique_ptr<FloatingText> notice) override;
    void roomChanged() override;
    bool minimapOpen() const override { return minimapOpen_; }
    bool paused() const override { return paused_; }

    Player* thePlayer() const { return player_.get(); }
    Camera& mutableCamera() { return camera_; }

    GameSettings settings;
    bool gameOverPrepared = false;
    bool lightsDirty = false;
    float satchelFade = 0.f;

    // Process-wide light flags read by the lights.
    static bool roomCleared;
    static bool roomEntered;
    static bool clearedEdge;

protected:
    bool paused_ = false;
    std::unique_ptr<TextureManager::Group> gameOverGroup;
    std::unique_ptr<sf::Clock> victoryClock;
    std::vector<std::unique_ptr<button>> pauseButtons;
    std::vector<std::unique_ptr<RunLight>> lights;
    std::unique_ptr<Player> player_;
    std::unique_ptr<Floor> floor_;
    Camera camera_;
    sf::Music music;
    std::vector<std::unique_ptr<FloatingText>> floatingTexts;
    sf::Sprite satchelSprite;
    bool minimapOpen_ = false;
    bool minimapDragging = false;
    sf::Vector2f lastMousePosition;
    sf::Shader minimapShader;
    std::unique_ptr<AnimationData> healAnimation;
};

// The run now playing, or null.
extern InGameState* currentRun;
