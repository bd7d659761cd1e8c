#include "run/Run.h"

#include "core/FloatingText.h"
#include "core/ItemRegistry.h"
#include "core/RoomNameRegistry.h"
#include "core/RunSeed.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyKinds.h"
#include "creatures/SoulChoice.h"
#include "run/BossLifeBar.h"
#include "run/Player.h"
#include "world/Floor.h"
#include "world/PropRegistry.h"
#include "world/Room.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <algorithm>

namespace
{
constexpr const char* kFinalBossRoom = "tf_boss";
}

Run::Run(int floorIndex) : seed_(RunSeed::startRun())
{
    camera_.zoom = 1.f;

    // The menu's Play fills the data registries; a run entered any other way (a
    // test, the tutorial) still finds them filled.
    ItemRegistry::registerItems();
    registerEnemyKinds();
    // No soul of an earlier run may be settled in this one.
    SoulChoice::reset();
    if (PropRegistry::size() == 0)
        PropRegistry::registerProps();
    if (WaterRegistry::registeredNames().empty())
        WaterRegistry::registerPuddles();
    if (WallRegistry::registeredNames().empty())
        WallRegistry::registerWalls();
    PropRegistry::createAnimations();
    WaterRegistry::createAnimations();

    player_ = std::make_unique<Player>();
    player_->setPosition({0.f, 0.f});
    player_->setLayer(0);

    // The first room reads the karma and finds the player through the active run.
    RunContext::setActive(this);
    try
    {
        if (floorIndex == TUTORIAL_FLOOR)
        {
            floor_ = std::make_unique<Floor>(0);
            floor_->generateTutorialFloor(player_.get());
        }
        else
        {
            floor_ = std::make_unique<Floor>(floorIndex);
            floor_->generateFloor(player_.get());
        }
    }
    catch (...)
    {
        // The destructor will not run: leave no dangling active run behind.
        floor_.reset();
        RunContext::setActive(nullptr);
        throw;
    }
    if (Room* first = floor_->room())
        for (const Door& door : first->doors)
            if (door.direction == DOOR_BOTTOM)
                player_->setPosition(door.position);
    camera_.centre = player_->getPosition();
}

Run::~Run()
{
    // The room's contents may still ask the run about itself while they go.
    floor_.reset();
    player_.reset();
    if (RunContext::active() == this)
        RunContext::setActive(nullptr);
}

bool Run::countDownToVictory(float dt)
{
    Room* live = room();
    // The countdown starts the first frame the final boss room holds a dead enemy
    // and then ends the run whatever happens to that body (the soul choice removes it).
    if (!victoryCountdown_ && live && live->name == kFinalBossRoom && live->entities.any(isDeadEnemy))
    {
        victoryCountdown_ = true;
        victoryElapsed_ = 0.f;
    }
    else if (victoryCountdown_)
    {
        victoryElapsed_ += dt;
    }
    return victoryDue();
}

void Run::step(float dt)
{
    if (Room* live = room())
        live->update(dt);
    if (floor_)
        floor_->mapTimer += dt;
    camera_.centre = player_->getPosition();
}

void Run::applyZoomInput(bool upHeld, bool downHeld, float frameTime)
{
    if (upHeld)
        camera_.zoom += frameTime;
    else if (downHeld)
        camera_.zoom -= frameTime;
    else
        return;
    camera_.zoom = std::clamp(camera_.zoom, kMinZoom, kMaxZoom);
}

float Run::karma() const
{
    return player_ ? player_->karma() : 0.f;
}

Entity* Run::player() const
{
    return player_.get();
}

int Run::roomType() const
{
    Room* live = room();
    return live ? live->type : ROOM_NORMAL;
}

Room* Run::room() const
{
    return floor_ ? floor_->room() : nullptr;
}

Floor* Run::floor() const
{
    return floor_.get();
}

void Run::addNotice(std::unique_ptr<FloatingText> notice)
{
    if (notice)
        floatingTexts.push_back(std::move(notice));
}

void Run::roomChanged()
{
    lightsDirty = true;
    // The boss's bar belongs to its room: a boss left behind there (a new floor, a
    // testing shortcut) takes its bar with it.
    if (const Room* now = room(); !now || now->type != ROOM_BOSS)
        BossLifeBar::hide();
}

const Polygon* Run::playerHitBox() const
{
    return player_ ? &player_->hitPolygon : nullptr;
}

void Run::hurtPlayer(int damage)
{
    if (player_)
        player_->takeDamage(damage);
}

void Run::changeKarma(float delta)
{
    if (player_)
        player_->karmaGauge.change(delta);
}

void Run::showBossBar(float bossMaximumHealth)
{
    BossLifeBar::show(bossMaximumHealth);
}

void Run::updateBossBar(float health)
{
    BossLifeBar::updateBossBar(health);
}

void Run::hideBossBar()
{
    BossLifeBar::hide();
}
