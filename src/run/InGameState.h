#pragma once

#include "core/Camera.h"
#include "core/GameSettings.h"
#include "core/GameState.h"
#include "menus/PreparedSets.h"
#include "world/LightLayer.h"
#include "world/RunContext.h"
#include "world/SecondFloorLighting.h"

#include <SFML/Audio/Music.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Clock.hpp>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class AnimationData;
class BagScreens;
class FloatingText;
class Floor;
class Player;
class button;

namespace sf
{
class RenderTexture;
class Color;
} // namespace sf

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

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    // Every texture a run draws, as the menu's Play hands them to the loading screen:
    // the ready parts of the prepared run set (which it empties) with the HUD and the
    // satchel, and the props.
    static GroupList textureGroups(PreparedSets::Set& prepared);

    // Fills the pause menu's three buttons (resume, options, exit).
    static void LoadMenuPause(std::vector<std::unique_ptr<button>>& buttons, bool& paused, sf::Music* music);

    // RunContext
    float karma() const override;
    Entity* player() const override;
    int roomType() const override;
    const Polygon* playerHitBox() const override;
    void hurtPlayer(int damage) override;
    void changeKarma(float delta) override;
    Room* room() const override;
    Floor* floor() const override;
    const Camera& camera() const override { return camera_; }
    void addNotice(std::unique_ptr<FloatingText> notice) override;
    void roomChanged() override;
    bool minimapOpen() const override { return minimapOpen_; }
    bool paused() const override { return paused_; }
    void startTrading(Entity& trader) override;

    Player* thePlayer() const { return player_.get(); }
    BagScreens* screens() const { return screens_.get(); }
    Camera& mutableCamera() { return camera_; }

    // Held arrows zoom the view by the frame time, within [kMinZoom, kMaxZoom].
    void applyZoomInput(bool upHeld, bool downHeld, float frameTime);
    static constexpr float kMinZoom = 0.5f;
    static constexpr float kMaxZoom = 1.66f;

    // The notices in flight and the satchel beside them (its colour carries the fade).
    std::size_t noticeCount() const { return floatingTexts.size(); }
    const sf::Sprite& satchel() const { return satchelSprite; }
    // The game-over pictures being prepared in the background, or null before danger.
    const TextureManager::Group* gameOverPictures() const { return gameOverGroup.get(); }
    // Seconds since the final boss room first held a dead enemy; negative before that.
    float victorySeconds() const { return victoryCountdown ? victoryElapsed : -1.f; }

    sf::SoundSource::Status musicStatus() const { return music.getStatus(); }

    // Hooks for the screens that come later: the bag's screen sets `inventoryOpen`
    // while it is shown; the trade window answers `trading()` through the player's state.
    bool inventoryOpen = false;
    bool trading() const;

    GameSettings settings;
    bool gameOverPrepared = false;
    bool lightsDirty = false;
    float satchelFade = 0.f;

    // Process-wide light flags read by the lights.
    static bool& roomCleared;
    static bool& roomEntered;
    static bool& clearedEdge;

protected:
    // Both end the run: the new screen becomes current and this one is released at
    // the end of the frame. The caller returns at once.
    void victorySwitch();
    void gameOverSwitch();
    void prepareGameOver();
    void rebuildLights();
    void appendPropLights(const Room& live);
    void updateNotices(float dt);
    void drawLightLayer(sf::RenderWindow& window);
    void drawMinimap(sf::RenderWindow& window);
    void openMusic();

    // What the background loader of the game-over pictures reports back. The run may
    // be gone before the thread ends, so the two share this and nothing else.
    struct BackgroundLoad
    {
        std::atomic<bool> finished{false};
        std::atomic<bool> failed{false};
        std::atomic<bool> cancelled{false};
    };

    bool paused_ = false;
    std::unique_ptr<TextureManager::Group> gameOverGroup;
    std::shared_ptr<BackgroundLoad> gameOverLoad;
    // Counted in frame time, which is the time the player lives through.
    bool victoryCountdown = false;
    float victoryElapsed = 0.f;
    std::vector<std::unique_ptr<button>> pauseButtons;
    std::vector<std::unique_ptr<SecondFloorLighting>> lights;
    std::unique_ptr<Player> player_;
    std::unique_ptr<Floor> floor_;
    // The bag's screen and the trade window, over the player's bag.
    std::unique_ptr<BagScreens> screens_;
    Camera camera_;
    sf::Music music;
    std::vector<std::unique_ptr<FloatingText>> floatingTexts;
    sf::Sprite satchelSprite;
    bool minimapOpen_ = false;
    bool minimapDragging = false;
    sf::Vector2f lastMousePosition;
    sf::Shader minimapShader;
    std::unique_ptr<AnimationData> healAnimation;
    bool musicOpen = false;
    bool pauseSeen = false;
    // Off-screen images, made the first time they are needed and reused every frame.
    LightLayer lightLayer;
    std::unique_ptr<sf::RenderTexture> minimapPanel;
    std::unique_ptr<sf::RenderTexture> minimapMap;
    std::unique_ptr<sf::RenderTexture> minimapComposite;
    // Set by a switch: nothing of the run runs after it.
    bool ended = false;
};

// The run now playing, or null.
extern InGameState* currentRun;
