#pragma once

#include "core/GameSettings.h"
#include "core/GameState.h"
#include "run/BossBarView.h"
#include "run/Run.h"
#include "world/LightLayer.h"
#include "world/SecondFloorLighting.h"

#include <SFML/Audio/Music.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
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

// The screen of one run, around the run's model (Run): the run's music, the pause
// menu, the minimap, the lights of the current room, the HUD and the notices, and
// the switches to the screens that end it (game over, victory, or back to the menu
// from the pause menu).
class InGameState : public GameState, public Run
{
public:
    // A run on the first floor. Throws std::runtime_error "InGameState::InGameState:
    // Failed to load minimap shader" when that shader cannot be built.
    explicit InGameState(GroupList groups);
    ~InGameState() override;

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    // Fills the pause menu's three buttons (resume, options, exit).
    static void LoadMenuPause(std::vector<std::unique_ptr<button>>& buttons, bool& paused, sf::Music* music);
    // The pause menu's words: its title and the line with the run's seed.
    const sf::Text& pauseTitle() const { return pauseTitle_; }
    const sf::Text& pauseSeed() const { return pauseSeed_; }
    const std::vector<std::unique_ptr<button>>& pauseMenuButtons() const { return pauseButtons; }
    // Where the minimap is drawn: the parchment, within its rim.
    static sf::FloatRect minimapArea();

    // The old room's lights go at once; the new room's come at the next update.
    void roomChanged() override;
    // The player spoke to a trader: the trade window opens on both bags.
    void startTrading(Entity& trader) override;
    // The bag's screen and the trade window.
    BagScreens* screens() const { return screens_.get(); }

    // The satchel beside the notices (its colour carries the fade).
    const sf::Sprite& satchel() const { return satchelSprite; }
    // The game-over pictures being prepared in the background, or null before danger.
    const TextureManager::Group* gameOverPictures() const { return gameOverGroup.get(); }

    sf::SoundSource::Status musicStatus() const { return music.getStatus(); }

    // True while the bag's screen is shown (also in the trade layout); the trade
    // window answers `trading()` through the player's state.
    bool inventoryOpen = false;
    bool trading() const;

    GameSettings settings;
    bool gameOverPrepared = false;
    float satchelFade = 0.f;

    // Process-wide light flags read by the lights.
    static bool& roomCleared;
    static bool& roomEntered;
    static bool& clearedEdge;

protected:
    static constexpr float kPauseButtonScale = 0.35f;
    static inline const sf::Vector2f kScreenCentre{960.f, 540.f};

    // A run on the floor `floorIndex` (the tutorial's, for the tutorial).
    InGameState(GroupList groups, int floorIndex);

    // Both end the run: the new screen becomes current and this one is released at
    // the end of the frame. The caller returns at once.
    void victorySwitch();
    void gameOverSwitch();
    void prepareGameOver();
    void rebuildLights();
    void appendPropLights(const Room& live);
    void updateNotices(float dt);
    // The stick aims at one of eight points around the screen centre (a pad's cursor).
    void joystickAim();
    // The pentagram's rune over a healing player; the healing ends with it.
    void stepHealAnimation(float dt);
    void drawLightLayer(sf::RenderWindow& window);
    void drawMinimap(sf::RenderWindow& window);
    void drawSatchel(sf::RenderWindow& window);
    void drawHealRune(sf::RenderWindow& window);

    // The pause menu over the dimmed run: its title, the three buttons and the seed.
    void drawPauseMenu(sf::RenderWindow& window);
    // Builds the pause menu's title and seed line in the shown language.
    void preparePauseTexts();
    void openMusic();

    // What the background loader of the game-over pictures reports back. The run may
    // be gone before the thread ends, so the two share this and nothing else.
    struct BackgroundLoad
    {
        std::atomic<bool> finished{false};
        std::atomic<bool> failed{false};
        std::atomic<bool> cancelled{false};
    };

    std::unique_ptr<TextureManager::Group> gameOverGroup;
    std::shared_ptr<BackgroundLoad> gameOverLoad;
    std::vector<std::unique_ptr<button>> pauseButtons;
    sf::Text pauseTitle_;
    sf::Text pauseSeed_;
    std::vector<std::unique_ptr<SecondFloorLighting>> lights;
    // The bag's screen and the trade window, over the player's bag.
    std::unique_ptr<BagScreens> screens_;
    sf::Music music;
    sf::Sprite satchelSprite;
    bool minimapDragging = false;
    sf::Vector2f lastMousePosition;
    sf::Shader minimapShader;
    std::unique_ptr<AnimationData> healAnimation;
    bool musicOpen = false;
    bool pauseSeen = false;
    // Off-screen images, made the first time they are needed and reused every frame.
    LightLayer lightLayer;
    BossBarView bossBar_;
    std::unique_ptr<sf::RenderTexture> minimapPanel;
    std::unique_ptr<sf::RenderTexture> minimapMap;
    std::unique_ptr<sf::RenderTexture> minimapComposite;
    // Set by a switch: nothing of the run runs after it.
    bool ended = false;
};

// The run now playing, or null.
extern InGameState* currentRun;
