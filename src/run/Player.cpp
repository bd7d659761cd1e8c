#include "run/Player.h"

#include "core/AnimationData.h"
#include "core/Artefact.h"
#include "core/Camera.h"
#include "core/GameSettings.h"
#include "creatures/Enemy.h"
#include "creatures/ItemEntity.h"
#include "creatures/LootTable.h"
#include "creatures/Trader.h"
#include "run/PlayerInput.h"
#include "run/RunTextures.h"
#include "world/Floor.h"
#include "world/Props.h"
#include "world/Room.h"
#include "world/RunContext.h"

#include <cmath>
#include <utility>

namespace
{
constexpr float kWalkSpeed = 350.f;
constexpr float kAttackWalkSpeed = 175.f;
constexpr float kDodgeSpeed = 900.f;
constexpr float kDodgeRecoil = 25.f;
constexpr float kStickDeadZone = 0.2f;
constexpr float kFormThreshold = 40.f;
constexpr float kDoorReachSquared = 22500.f;

constexpr const char* kDamageShaderFile = "Assets/Shaders/Player/Takes_Damage_Player.frag";
constexpr const char* kFormShaderFile = "Assets/Shaders/Player/Player_Change_Form.frag";

int directionIndex(int direction)
{
    switch (direction)
    {
    case Player::UP:
        return 0;
    case Player::DOWN:
        return 1;
    case Player::LEFT:
        return 2;
    default:
        return 3;
    }
}

// The prompts breathe: their alpha follows cos(2t) squared.
void pulse(sf::Sprite& prompt, float t)
{
    const float c = std::cos(2.f * t);
    prompt.setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(std::trunc(c * c * 128.f + 127.f))));
}

// A key prompt is a small key cap with its letter, centred over the player's head.
void preparePrompt(sf::Sprite& prompt, const char* key)
{
    prompt = TextureManager::getSprite(key, ORIGIN_CENTER_X | ORIGIN_CENTER_Y);
    prompt.setScale(Player::kPromptScale, Player::kPromptScale);
}

sf::Vector2f facingVector(int direction)
{
    switch (direction)
    {
    case Player::UP:
        return {0.f, -1.f};
    case Player::LEFT:
        return {-1.f, 0.f};
    case Player::DOWN:
        return {0.f, 1.f};
    default:
        return {1.f, 0.f};
    }
}
} // namespace

Player::Player()
{
    health = 100.f;
    speed = kWalkSpeed;
    setPosition({1010.f, 590.f});
    inventory = std::make_unique<Inventory>();

    if (!TextureManager::isPresent(kBoundsKey))
        TextureManager::loadTexture(kBoundsKey, kBoundsFile);
    boundsSprite = TextureManager::getSprite(kBoundsKey);
    boundsSprite.setScale(0.5f, 0.5f);

    buildAnimations();
    currentSlot_ = slotOf("idle", RIGHT);
    currentAnimation = animations[static_cast<std::size_t>(currentSlot_)].get();

    preparePrompt(ePrompt, RunTextures::kKeyCapEKey);
    preparePrompt(fPrompt, RunTextures::kKeyCapFKey);

    if (sf::Shader::isAvailable())
    {
        damageShaderReady_ = damageShader.loadFromFile(kDamageShaderFile, sf::Shader::Fragment);
        formShaderReady_ = formShader.loadFromFile(kFormShaderFile, sf::Shader::Fragment);
        if (damageShaderReady_)
        {
            damageShader.setUniform("texture", sf::Shader::CurrentTexture);
            // A fresh player is not hurt: without this the shader's clock reads 0, a full flash.
            damageShader.setUniform("clock", damageFlashTimer);
        }
        if (formShaderReady_)
            formShader.setUniform("texture", sf::Shader::CurrentTexture);
    }

    GameSettings settings = GameSettings::defaults();
    loadSettings(settings);
    const auto files = soundFiles();
    for (std::size_t i = 0; i < sounds_.size(); ++i)
    {
        soundLoaded_[i] = soundBuffers_[i].loadFromFile(files[i]);
        if (soundLoaded_[i])
            sounds_[i].setBuffer(soundBuffers_[i]);
        sounds_[i].setVolume(settings.sfx * 100.f);
    }

    // The body at construction: half the bounds picture.
    const sf::Vector2f body = bodySize();
    hitPolygon = Polygon(
        {{-body.x / 2.f, -body.y / 2.f}, {0.f, -body.y / 2.f}, {0.f, body.y / 2.f}, {-body.x / 2.f, body.y / 2.f}},
        getPosition());
}

Player::~Player() = default;

float Player::squaredDistance(sf::Vector2f a, sf::Vector2f b)
{
    const sf::Vector2f d = a - b;
    return d.x * d.x + d.y * d.y;
}

int Player::slotOf(const char* action, int facing)
{
    const std::string name = action;
    if (name == "dead")
        return facing == UP || facing == RIGHT ? 17 : 16;
    int base = -1;
    if (name == "walk")
        base = 0;
    else if (name == "idle")
        base = 4;
    else if (name == "attack")
        base = 8;
    else if (name == "dodge")
        base = 12;
    return base < 0 ? -1 : base + directionIndex(facing);
}

int Player::directionOfAngle(float degrees)
{
    if (degrees > 45.f && degrees <= 135.f)
        return UP;
    if (degrees > -45.f && degrees <= 45.f)
        return RIGHT;
    if (degrees > -135.f && degrees <= -45.f)
        return DOWN;
    return LEFT;
}

Polygon Player::attackTriangle(sf::Vector2f position, sf::Vector2f body, float reach, int facing)
{
    const float halfW = body.x / 2.f + reach;
    const float halfH = body.y / 2.f + reach;
    std::vector<sf::Vector2f> corners{{0.f, 0.f}};
    switch (facing)
    {
    case UP:
        corners.insert(corners.end(), {{-halfW, -halfH}, {halfW, -halfH}});
        break;
    case DOWN:
        corners.insert(corners.end(), {{-halfW, halfH}, {halfW, halfH}});
        break;
    case LEFT:
        corners.insert(corners.end(), {{-halfW, -halfH}, {-halfW, halfH}});
        break;
    default:
        corners.insert(corners.end(), {{halfW, -halfH}, {halfW, halfH}});
        break;
    }
    return Polygon(corners, position);
}

sf::Vector2f Player::bodySize() const
{
    const sf::FloatRect bounds = boundsSprite.getGlobalBounds();
    return {bounds.width, bounds.height};
}

void Player::buildAnimations()
{
    for (std::size_t i = 0; i < kSheets.size(); ++i)
    {
        const SheetLayout& sheet = kSheets[i];
        auto animation = std::make_unique<AnimationData>(textureKey(sheet, form), sheet.frameWidth, sheet.frameHeight,
                                                         sheet.frameCount, sheet.frameTime, kAnimationOrigin);
        animation->once = sheet.once;
        // The new look takes over mid-move: a swing in flight still lands on time.
        if (animations[i])
        {
            animation->currentFrame = animations[i]->currentFrame;
            animation->elapsed = animations[i]->elapsed;
        }
        animations[i] = std::move(animation);
    }
    currentAnimation = animations[static_cast<std::size_t>(currentSlot_)].get();
}

void Player::show(const char* action, int facing)
{
    const int slot = slotOf(action, facing);
    if (slot < 0)
        return;
    currentSlot_ = slot;
    currentAnimation = animations[static_cast<std::size_t>(slot)].get();
}

void Player::play(Sound sound)
{
    const auto index = static_cast<std::size_t>(sound);
    if (soundLoaded_[index])
        sounds_[index].play();
}

sf::Vector2f Player::screenPoint() const
{
    const RunContext* run = RunContext::active();
    const Camera camera = run ? run->camera() : Camera{};
    return camera.toScreen(getPosition());
}

sf::Vector2f Player::aimDirection() const
{
    const sf::Vector2f d = PlayerInput::current().pointer() - screenPoint();
    const float length = std::sqrt(d.x * d.x + d.y * d.y);
    // With the cursor right on the player there is no way to point: keep facing.
    if (!(length > 1e-3f) || !std::isfinite(length))
        return facingVector(direction);
    return d / length;
}

float Player::speedBonus() const
{
    float sum = 0.f;
    for (const auto& artefact : stats.equippedArtefacts)
        if (artefact && artefact->artefactKind == Artefact::SPEED)
            sum += artefact->speedBonus;
    return sum;
}

float Player::attackReach() const
{
    float bonus = 0.f;
    for (const auto& artefact : stats.equippedArtefacts)
        if (artefact)
            bonus += artefact->reachBonus;
    return 25.f * stats.reach * (1.f + bonus);
}

int Player::attackDamage() const
{
    float bonus = 0.f;
    for (const auto& artefact : stats.equippedArtefacts)
        if (artefact)
            bonus += artefact->damageBonus;
    return static_cast<int>(std::trunc(stats.damage * (1.f + bonus)));
}

Polygon Player::currentAttackTriangle() const
{
    return attackTriangle(getPosition(), bodySize(), attackReach(), direction);
}

bool Player::walkable(sf::Vector2f point) const
{
    const RunContext* run = RunContext::active();
    const Room* room = run ? run->room() : nullptr;
    // Outside a room (a preview, say) nothing stands in the way.
    return !room || room->isWalkable(this, point);
}

void Player::revive(sf::Vector2f where)
{
    health = static_cast<float>(maximumHealth);
    state = IDLE;
    healing = false;
    damageFlashTimer = damageFlashDuration;
    setPosition(where);
    currentAnimation->reset();
    show("idle", direction);
    placeHitPolygon();
}

void Player::releaseKeys()
{
    keysLive_ = false;
    if (state == WALKING)
    {
        currentAnimation->reset();
        show("idle", direction);
        state = IDLE;
    }
}

void Player::placeHitPolygon()
{
    sf::Vector2f anchor = getPosition();
    // The box covers the half of the body on the side the player faces when it looks up or right.
    if (direction == UP || direction == RIGHT)
        if (const sf::Texture* texture = boundsSprite.getTexture())
            anchor.x += static_cast<float>(texture->getSize().x) / 4.f;
    hitPolygon.setPosition(anchor);
}

void Player::update(float dt)
{
    // Counted here, with the reach the pick-up uses, so the prompt tells the truth
    // whatever the drawing order.
    itemsInReach = countItemsInReach();
    fPromptTime += dt;
    pulse(fPrompt, fPromptTime);

    placeHitPolygon();

    const bool frozen = healing || state == DYING || state == DEAD;
    if (!frozen)
    {
        if (state == IDLE || state == WALKING)
            walk(dt);
        else if (state == ATTACKING)
            walkWhileAttacking(dt);
    }

    followKarma(dt);

    if (!frozen)
    {
        if (state == DODGING)
            dodgeStep(dt);
        if (dodgeCooldown >= 0.f)
            dodgeCooldown -= dt;
    }

    // The flash clock moves here and again below: a flash lasts half its nominal length.
    if (damageFlashTimer < damageFlashDuration)
        damageFlashTimer += dt;

    currentAnimation->step(dt);
    endOfAnimation();

    if (damageShaderReady_)
        damageShader.setUniform("clock", damageFlashTimer);
    if (damageFlashTimer <= damageFlashDuration)
        damageFlashTimer += dt;

    healthGauge.update(health);
    nearExit = updateNearExit();

    ePromptTime += dt;
    pulse(ePrompt, ePromptTime);
}

void Player::walk(float dt)
{
    const PlayerInput& input = PlayerInput::current();
    const float stickX = keysLive_ ? input.joystickAxis(sf::Joystick::X) / 100.f : 0.f;
    const float stickY = keysLive_ ? input.joystickAxis(sf::Joystick::Y) / 100.f : 0.f;

    const PlayerInput::Directions keys = keysLive_ ? input.heldDirections() : PlayerInput::Directions{};
    const bool up = keys.up || stickY < -kStickDeadZone;
    const bool down = keys.down || stickY > kStickDeadZone;
    const bool left = keys.left || stickX < -kStickDeadZone;
    const bool right = keys.right || stickX > kStickDeadZone;

    const sf::Vector2f body = bodySize();
    const float step = kWalkSpeed * dt;
    sf::Vector2f probe = getPosition() + sf::Vector2f(0.f, body.y / 2.f);
    auto showWalk = [&](int facing)
    {
        AnimationData* before = currentAnimation;
        show("walk", facing);
        if (currentAnimation != before)
            state = WALKING;
    };
    if (up)
    {
        probe.y -= body.y / 3.f + step;
        showWalk(UP);
    }
    if (down)
    {
        probe.y += step + body.y * 0.125f;
        showWalk(DOWN);
    }
    if (left)
    {
        probe.x -= body.x / 1.5f + step;
        showWalk(LEFT);
    }
    if (right)
    {
        probe.x += step + body.x / 1.5f;
        showWalk(RIGHT);
    }

    if (walkable(probe))
    {
        const float distance = step * (1.f + speedBonus());
        sf::Vector2f position = getPosition();
        // Each held key moves its own axis: a diagonal is faster than a straight walk.
        if (up)
        {
            direction = UP;
            position.y -= distance;
        }
        if (down)
        {
            direction = DOWN;
            position.y += distance;
        }
        if (left)
        {
            direction = LEFT;
            position.x -= distance;
        }
        if (right)
        {
            direction = RIGHT;
            position.x += distance;
        }
        setPosition(position);
    }

    if (!up && !down && !left && !right && state != IDLE)
    {
        currentAnimation->reset();
        show("idle", direction);
        state = IDLE;
    }
}

void Player::walkWhileAttacking(float dt)
{
    // A swing keeps its aim: the keys shuffle the player without turning it.
    const PlayerInput& input = PlayerInput::current();
    const PlayerInput::Directions keys = keysLive_ ? input.heldDirections() : PlayerInput::Directions{};
    const bool up = keys.up, down = keys.down, left = keys.left, right = keys.right;
    if (!up && !down && !left && !right)
        return;

    const sf::Vector2f body = bodySize();
    const float step = kAttackWalkSpeed * dt;
    sf::Vector2f probe = getPosition() + sf::Vector2f(0.f, body.y / 2.f);
    sf::Vector2f move{0.f, 0.f};
    if (up)
    {
        probe.y -= body.y / 3.f + step;
        move.y -= step;
    }
    if (down)
    {
        probe.y += step + body.y * 0.125f;
        move.y += step;
    }
    if (left)
    {
        probe.x -= body.x / 1.5f + step;
        move.x -= step;
    }
    if (right)
    {
        probe.x += step + body.x / 1.5f;
        move.x += step;
    }
    if (walkable(probe))
        setPosition(getPosition() + move);
}

void Player::followKarma(float dt)
{
    if (!changingForm)
    {
        const float k = karma();
        Form wanted = Form::Neutral;
        if (k <= -kFormThreshold)
            wanted = Form::Bad;
        else if (k >= kFormThreshold)
            wanted = Form::Good;
        if (wanted != form)
        {
            form = wanted;
            changingForm = true;
            formChangeTimer = 0.f;
            // Looked up once here so the frames of the change build no texture keys.
            for (std::size_t i = 0; i < kSheets.size(); ++i)
                formTargets_[i] = TextureManager::getTexture(textureKey(kSheets[i], form));
        }
    }
    if (!changingForm)
        return;
    if (formChangeTimer >= formChangeDuration)
    {
        changingForm = false;
        buildAnimations();
    }
    if (formShaderReady_)
    {
        formShader.setUniform("clock", formChangeTimer);
        formShader.setUniform("clockMax", formChangeDuration);
    }
    formChangeTimer += dt;
}

void Player::dodgeStep(float dt)
{
    const sf::Vector2f aim = aimDirection();
    const sf::Vector2f next = getPosition() + aim * (kDodgeSpeed * dt);
    if (walkable(next))
    {
        setPosition(next);
        return;
    }
    // A wall ends the roll with a small bounce back.
    setPosition(getPosition() - aim * kDodgeRecoil);
    state = IDLE;
}

void Player::endOfAnimation()
{
    if (!currentAnimation->finished())
        return;
    if (state == DYING)
    {
        state = DEAD;
        return;
    }
    // The body stays down on the last frame of its fall.
    if (state == WALKING || state == DEAD)
        return;
    if (state == ATTACKING)
        applyAttack(direction);
    if (state != TRADING)
        state = IDLE;
    currentAnimation->reset();
    show("idle", direction);
}

void Player::applyAttack(int facing)
{
    RunContext* run = RunContext::active();
    Room* room = run ? run->room() : nullptr;
    if (!room)
        return;
    const Polygon triangle = attackTriangle(getPosition(), bodySize(), attackReach(), facing);

    std::vector<Enemy*> struck;
    for (Entity* entity : room->entities.members())
        if (auto* enemy = dynamic_cast<Enemy*>(entity); enemy && !enemy->isLeaving())
            if (enemy->hitPolygon.intersects(triangle))
                struck.push_back(enemy);

    bool damaged = false;
    const int damage = attackDamage();
    for (Enemy* enemy : struck)
        if (enemy->health > 0.f)
        {
            const float before = enemy->health;
            enemy->takeDamage(damage);
            // An enemy the blow did not hurt (an invulnerable boss) gives nothing on hit.
            if (enemy->health < before)
            {
                applyOnHit(*enemy);
                damaged = true;
            }
        }
    if (damaged)
        play(SUCCESS_SOUND);

    for (std::size_t i = 0; i < room->props.size(); ++i)
    {
        Props* prop = room->props[i].get();
        if (prop && prop->outline() && prop->outline()->intersects(triangle))
            prop->interact(this, run, true);
    }
}

void Player::applyOnHit(Enemy& enemy)
{
    if (RunContext* run = RunContext::active())
        LootTable::applyOnHit(*run, stats.equippedArtefacts, enemy);
}

int Player::countItemsInReach() const
{
    const RunContext* run = RunContext::active();
    const Room* room = run ? run->room() : nullptr;
    if (!room)
        return 0;
    int count = 0;
    for (const Entity* entity : room->entities.members())
        if (const auto* drop = dynamic_cast<const ItemEntity*>(entity); drop && !drop->isLeaving() && drop->count > 0)
            if (ItemEntity::withinReach(drop->getPosition(), getPosition(), run->camera().zoom))
                ++count;
    return count;
}

bool Player::updateNearExit() const
{
    const RunContext* run = RunContext::active();
    const Room* room = run ? run->room() : nullptr;
    if (!room || !room->isCleared())
        return false;
    for (const Door& door : room->doors)
        if (squaredDistance(door.position, getPosition()) <= kDoorReachSquared &&
            (door.target || room->type == ROOM_BOSS))
            return true;
    return false;
}

void Player::takeDamage(int amount)
{
    if (damageFlashTimer < damageFlashDuration || state == DODGING)
        return;
    // A fallen body takes no more blows (and does not cry out again).
    if (state == DYING || state == DEAD)
        return;
    health -= static_cast<float>(amount);
    healthGauge.hit();
    damageFlashTimer = 0.f;
    play(HIT_SOUND);
    if (health <= 0.f)
    {
        state = DYING;
        show("dead", direction);
        currentAnimation->reset();
        play(DEATH_SOUND);
    }
}
