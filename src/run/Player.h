#pragma once

#include "core/Polygon.h"
#include "core/TextureManager.h"
#include "creatures/LivingEntity.h"
#include "run/healthBar.h"
#include "run/karmaBar.h"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <array>
#include <memory>
#include <string>
#include <vector>

class AnimationData;
class Artefact;
class Enemy;
class Inventory;
class RunContext;

// The creature the user steers: a hooded reaper with a scythe who walks, swings
// toward the cursor, dodges, picks up loot, opens doors and heals at pentagrams.
// Its look follows the karma: three animation sets swapped through a four-second
// shader transition when the karma crosses +-40. It reaches the room, the floor
// and the camera through the active run.
class Player : public LivingEntity
{
public:
    enum State
    {
        IDLE = 0,
        WALKING = 1,
        ATTACKING = 2,
        DODGING = 3,
        TRADING = 4,
        DYING = 5,
        DEAD = 6
    };
    enum Direction
    {
        UP = 1,
        LEFT = 2,
        RIGHT = 3,
        DOWN = 4
    };

    struct Stats
    {
        float damage = 10.f;
        float reach = 1.f;
        // The equipped list holds its artefacts: equipping moves one here out of the bag.
        std::vector<std::shared_ptr<Artefact>> equippedArtefacts;
    };

    // Needs the player's textures loaded (the three animation sets and the bounds
    // picture); missing sounds and shaders leave it silent or unshaded.
    Player();
    ~Player() override;
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void update(float dt) override;
    void handleEvent(const sf::Event& event) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;
    // The shown frame with the prompt's key cap above it.
    sf::FloatRect screenBounds(const Camera& camera) const override;
    // An enemy's hit; ignored during a dodge, while the damage flash runs and once fallen.
    void takeDamage(int amount);

    float karma() const { return karmaGauge.karma(); }
    // The animation table slot of an action ("walk", "idle", "attack", "dodge") and direction.
    static int slotOf(const char* action, int direction);
    // Direction (UP, LEFT, RIGHT, DOWN) of a pointing angle in degrees, up positive.
    static int directionOfAngle(float degrees);
    // The attack triangle for a direction, from the body size and reach R.
    static Polygon attackTriangle(sf::Vector2f position, sf::Vector2f body, float reach, int direction);
    // The body size (bounds sprite's global size) this frame.
    sf::Vector2f bodySize() const;
    // Forgets held keys (the window lost focus): the player stops walking and reads
    // no key until the window has the focus again (a focus or key event says so).
    void releaseKeys();
    bool keysLive() const { return keysLive_; }
    // Back on its feet at `where` with full health, standing idle (the tutorial's
    // answer to a fall: nothing there ends in the game-over screen).
    void revive(sf::Vector2f where);

    // Where the player stands on screen through the camera, and where it points: the
    // unit vector toward the cursor (the facing direction when the cursor is on the player).
    sf::Vector2f screenPoint() const;
    sf::Vector2f aimDirection() const;
    // The triangle of a swing in the current direction, with the artefacts' reach.
    Polygon currentAttackTriangle() const;
    // R of the swing: 25 x reach x (1 + the equipped reach bonuses).
    float attackReach() const;
    // The damage one swing deals: damage x (1 + the equipped damage bonuses), truncated.
    int attackDamage() const;
    float speedBonus() const;
    // The slot of the animation shown now.
    int currentSlot() const { return currentSlot_; }
    bool soundLoaded(int index) const { return soundLoaded_[static_cast<std::size_t>(index)]; }
    float soundVolume(int index) const { return sounds_[static_cast<std::size_t>(index)].getVolume(); }
    bool damageShaderLoaded() const { return damageShaderReady_; }
    bool formShaderLoaded() const { return formShaderReady_; }

    // Numbered as the karma orders them: demonic, neutral, angelic.
    enum class Form
    {
        Bad = 0,
        Neutral = 1,
        Good = 2
    };

    // One sheet of an animation set: the game slices it with these numbers and the
    // content generator paints it with the same ones, so the two cannot disagree.
    struct SheetLayout
    {
        const char* action;    // "walk", "idle", "attack", "dodge", "dead"
        const char* direction; // "top", "down", "left", "right"
        unsigned frameWidth;
        unsigned frameHeight;
        unsigned frameCount;
        float frameTime;
        bool once;
    };

    // The eighteen animations of one set, in the order of the animation table.
    static constexpr std::array<SheetLayout, 18> kSheets{{
        {"walk", "top", 127, 145, 6, 0.1f, false},
        {"walk", "down", 132, 134, 6, 0.1f, false},
        {"walk", "left", 147, 152, 6, 0.1f, false},
        {"walk", "right", 147, 152, 6, 0.1f, false},
        {"idle", "top", 130, 132, 11, 0.1f, false},
        {"idle", "down", 131, 124, 11, 0.1f, false},
        {"idle", "left", 154, 147, 11, 0.1f, false},
        {"idle", "right", 154, 147, 11, 0.1f, false},
        {"attack", "top", 186, 157, 7, 0.05f, true},
        {"attack", "down", 171, 171, 7, 0.05f, true},
        {"attack", "left", 159, 170, 7, 0.05f, true},
        {"attack", "right", 159, 170, 7, 0.05f, true},
        {"dodge", "top", 154, 135, 7, 0.075f, true},
        {"dodge", "down", 126, 153, 7, 0.075f, true},
        {"dodge", "left", 138, 146, 7, 0.075f, true},
        {"dodge", "right", 138, 146, 7, 0.075f, true},
        {"dead", "left", 152, 143, 11, 0.1f, true},
        {"dead", "right", 152, 143, 11, 0.1f, true},
    }};
    static constexpr std::array<Form, 3> kForms{Form::Neutral, Form::Good, Form::Bad};
    static constexpr unsigned kAnimationOrigin = 18;

    // "Player_walk_top", "Player_walk_top_good", "Player_walk_top_bad"…
    static std::string textureKey(const SheetLayout& sheet, Form form);
    static std::string sheetFile(const SheetLayout& sheet, Form form);
    // The sheet a file holds, for the content generator; false for another file.
    static bool sheetOfFile(const std::string& file, SheetLayout& sheet, Form& form);

    // The run's player textures: the three animation sets, the Nepturath shadow the
    // run carries with them and the heal rune.
    static std::unique_ptr<TextureManager::Group> textureGroup();

    // The picture whose size gives the player's body (probes, hit box, attack reach):
    // it is shown at half scale, so the body is half of this picture.
    static constexpr const char* kBoundsKey = "Player_in_game";
    static constexpr const char* kBoundsFile = "Assets/Sprites/Player/Player_in_game.png";
    static constexpr unsigned kBoundsWidth = 128;
    static constexpr unsigned kBoundsHeight = 280;

    static constexpr const char* kNepturathShadowKey = "Nepturath_shadow";
    static constexpr const char* kNepturathShadowFile = "Assets/Sprites/Enemy/Boss/Nepturath_shadow.png";

    static constexpr const char* kScytheSound = "Assets/Sounds/Player/Scythe.wav";
    static constexpr const char* kDodgeSound = "Assets/Sounds/Player/doodge.wav";
    static constexpr const char* kHitSound = "Assets/Sounds/Player/player hit.wav";
    static constexpr const char* kDeathSound = "Assets/Sounds/Player/death .wav";
    static constexpr const char* kSuccessSound = "Assets/Sounds/Player/success_hit.wav";
    static std::vector<std::string> soundFiles();

    Stats stats;
    std::unique_ptr<Inventory> inventory;
    std::int32_t state = IDLE;
    std::array<std::unique_ptr<AnimationData>, 18> animations;
    std::int32_t direction = RIGHT;
    float dodgeCooldown = 0.f;
    bool healing = false;
    float damageFlashDuration = 0.6f;
    float damageFlashTimer = 0.6f;
    float formChangeTimer = 0.f;
    float formChangeDuration = 4.f;
    bool changingForm = false;
    bool godMode = false;
    bool nearExit = false;
    std::int32_t itemsInReach = 0;
    float fPromptTime = 0.f;
    // The E (doors) and F (pick up) prompts: key caps over the player's head, drawn
    // at this share of their picture's size, their middle this high above the player.
    static constexpr float kPromptScale = 0.5f;
    static constexpr float kPromptRise = 100.f;
    sf::Sprite ePrompt;
    sf::Sprite fPrompt;
    float ePromptTime = 0.f;
    healthBar healthGauge;
    karmaBar karmaGauge;
    Form form = Form::Neutral;
    std::int32_t maximumHealth = 100;
    sf::Shader damageShader;
    sf::Shader formShader;
    Polygon hitPolygon;
    sf::Sprite boundsSprite;

private:
    enum Sound
    {
        SCYTHE_SOUND = 0,
        DODGE_SOUND = 1,
        HIT_SOUND = 2,
        DEATH_SOUND = 3,
        SUCCESS_SOUND = 4
    };

    void buildAnimations();
    void show(const char* action, int facing);
    void play(Sound sound);
    void placeHitPolygon();
    void walk(float dt);
    void walkWhileAttacking(float dt);
    void followKarma(float dt);
    void dodgeStep(float dt);
    void endOfAnimation();
    void applyAttack(int facing);
    void applyOnHit(Enemy& enemy);
    int countItemsInReach() const;
    bool updateNearExit() const;

    // Faces where the player aims and starts `action`'s animation from its first frame.
    void turnToAim(const char* action);
    bool startAttack(const sf::Event& event);
    bool startDodge(const sf::Event& event);
    bool pickUp(const sf::Event& event);
    // E near a fallen enemy opens its soul choice, and the next E settles it.
    bool offerSoulChoice(const sf::Event& event);
    bool useDoor();
    // Starts trading with the first trader within reach, if any.
    bool openTrade();
    bool useNearestProp();
    void toggleGodMode();
    void healAtPentagram();

    bool walkable(sf::Vector2f point) const;
    static float squaredDistance(sf::Vector2f a, sf::Vector2f b);
    int currentSlot_ = 0;
    // The sheets of the form being changed into, slot by slot (the shader's "textureEnd").
    std::array<const sf::Texture*, 18> formTargets_{};
    bool keysLive_ = true;
    bool damageShaderReady_ = false;
    bool formShaderReady_ = false;
    // Sounds: scythe, dodge, hit, death, success.
    std::array<sf::SoundBuffer, 5> soundBuffers_;
    std::array<sf::Sound, 5> sounds_;
    std::array<bool, 5> soundLoaded_{};
};
