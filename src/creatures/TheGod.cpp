#include "creatures/TheGod.h"

#include "core/AnimationData.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace
{
constexpr float kPi = 3.1415927f;
const sf::Vector2f kCentre(TheGod::kCentreX, TheGod::kCentreY);
// The size of a sheet this kind draws, when its picture is missing.
constexpr unsigned kFallbackFrame = 224;

const char* const kWolfKeys[4] = {"TheGod_Wolf_Attack_Up", "TheGod_Wolf_Attack_Down", "TheGod_Wolf_Attack_Left",
                                  "TheGod_Wolf_Attack_Right"};
// The picture whose size sets each side's distance from the player.
const char* const kWolfSizeKeys[4] = {"TheGod_Wolf_Attack_Up", "TheGod_Wolf_Attack_Down", "TheGod_Wolf_Attack_Left",
                                      "TheGod_Wolf_Attack_Right"};
} // namespace

TheGod::TheGod(CreatureWorld& world, sf::Vector2f position)
    : Enemy(world, "TheGod", EnemyDatabase::records().theGod, position)
{
    const TheGodRecord& r = data();
    setCollisionBox(r.colisionBox);
    setAttackBox({{0.f, 0.f}});
    setHandlers({[this](float dt) { idle(dt); }, [this](float dt) { deer(dt); }, [this](float dt) { wolf(dt); }});
    show("TheGod_Idle");
    vulnerable_ = true;
    restoreHealth_ = r.hp;
    restartStateClock();
    vanishCount_ = 0;
    leaning_ = world.karma() >= 0.f;
    world.showBossBar(r.hp);
}

const TheGodRecord& TheGod::data() const
{
    return EnemyDatabase::records().theGod;
}

unsigned TheGod::attackFor(int r, bool leaning, const TheGodRecord& d)
{
    if (leaning)
    {
        if (d.attack1.goodProb >= 1 && r <= d.attack1.goodProb)
            return DEER;
        if (d.attack2.goodProb >= 1 && r <= d.attack1.goodProb + d.attack2.goodProb)
            return WOLF;
        return 0;
    }
    if (d.attack1.badProb >= 1 && r < d.attack1.badProb)
        return DEER;
    if (d.attack2.badProb >= 1 && r < d.attack1.badProb + d.attack2.badProb)
        return WOLF;
    return 0;
}

sf::Vector2u TheGod::frameOf(const std::string& key) const
{
    if (const AnimationData* shown = animation(key))
        return shown->frameSize;
    return {kFallbackFrame, kFallbackFrame};
}

void TheGod::update(float dt)
{
    Enemy::update(dt);
    world_.updateBossBar(health);
}

void TheGod::endAttack()
{
    show("TheGod_Idle");
    setState(IDLE);
    vulnerable_ = true;
    restoreHealth_ = health;
    restartStateClock();
    vanishCount_ = 0;
}

void TheGod::idle(float)
{
    const TheGodRecord& r = data();
    switch (step_)
    {
    case 0:
    {
        if (restoreHealth_ > health && vanishCount_ < 3)
        {
            health = restoreHealth_;
            ++vanishCount_;
            restart("TheGod_Disappear");
            step_ = 1;
        }
        if (stateClock() < r.attackDelay)
            break;
        const unsigned attack = attackFor(std::rand() % 101, leaning_, r);
        if (attack == DEER)
        {
            setState(DEER);
            vulnerable_ = false;
            speed = r.attack1.moveSpeed;
        }
        else if (attack == WOLF)
        {
            setState(WOLF);
            vulnerable_ = false;
            speed = r.attack2.moveSpeed;
            biteDone_ = false;
        }
        break;
    }
    case 1:
        if (finished("TheGod_Disappear"))
        {
            if (AnimationData* gone = animation("TheGod_Disappear"))
                gone->reset();
            // The bearing is drawn in degrees and turned into radians for the cosine and sine.
            const float degrees = static_cast<float>(std::rand() % 360 - 180);
            const float a = degrees * kPi / 180.f;
            const float distance = static_cast<float>(std::rand() % 300 + 200);
            setPosition(kCentre + sf::Vector2f(std::cos(a), std::sin(a)) * distance);
            restart("TheGod_Appear");
            step_ = 2;
        }
        break;
    default:
        if (finished("TheGod_Appear"))
        {
            if (AnimationData* back = animation("TheGod_Appear"))
                back->reset();
            show("TheGod_Idle");
            step_ = 0;
        }
        break;
    }
}

void TheGod::deer(float dt)
{
    const TheGodRecord& r = data();
    switch (step_)
    {
    case 0:
        restart("TheGod_Meta_Deer");
        step_ = 1;
        break;
    case 1:
        if (finished("TheGod_Meta_Deer"))
        {
            if (AnimationData* change = animation("TheGod_Meta_Deer"))
                change->reset();
            const sf::Vector2f p = getPosition();
            const float d = std::atan2(target_.y - p.y, target_.x - p.x) * 180.f / kPi;
            if (d >= -135.f && d <= -45.f)
                deerDirection_ = "Up";
            else if (d >= 45.f && d <= 135.f)
                deerDirection_ = "Down";
            else if (d >= 135.f || d <= -135.f)
                deerDirection_ = "Left";
            else
                deerDirection_ = "Right";
            restart("TheGod_Deer_Attack_" + deerDirection_);
            chargeClock_ = 0.f;
            step_ = 2;
        }
        break;
    case 2:
    {
        const sf::Vector2f p = getPosition();
        const sf::Vector2u frame = frameOf("TheGod_Deer_Attack_" + deerDirection_);
        const float w = static_cast<float>(frame.x), h = static_cast<float>(frame.y);
        sf::Vector2f goal;
        const PointList* shape = &r.attack1RightBox;
        if (deerDirection_ == "Up")
            goal = {target_.x, p.y - 500.f}, shape = &r.attack1UpBox;
        else if (deerDirection_ == "Down")
            goal = {target_.x, p.y + 500.f}, shape = &r.attack1DownBox;
        else if (deerDirection_ == "Left")
            goal = {p.x - 500.f, target_.y}, shape = &r.attack1LeftBox;
        else
            goal = {p.x + 500.f, target_.y};
        const bool moved = moveTowards(goal, true, dt, true);
        bool over = !moved || chargeClock_ >= kChargeSeconds;
        if (moved)
        {
            if (attackHitsPlayer(*shape))
                world_.hurtPlayer(r.attack1.damage);
            const sf::Vector2f q = getPosition();
            if (deerDirection_ == "Up")
                over = over || q.y < target_.y - h;
            else if (deerDirection_ == "Down")
                over = over || q.y > target_.y + h;
            else if (deerDirection_ == "Left")
                over = over || q.x < target_.x - w;
            else
                over = over || q.x > target_.x + w;
        }
        if (over)
        {
            restart("TheGod_Meta_Deer_God");
            step_ = 3;
        }
        break;
    }
    default:
        if (finished("TheGod_Meta_Deer_God"))
        {
            if (AnimationData* back = animation("TheGod_Meta_Deer_God"))
                back->reset();
            endAttack();
        }
        break;
    }
}

sf::Vector2f TheGod::wolfSpot(int side, sf::Vector2f player, sf::Vector2u frame)
{
    const float w = static_cast<float>(frame.x), h = static_cast<float>(frame.y);
    switch (side)
    {
    case BELOW:
        return player + sf::Vector2f(0.f, h);
    case ABOVE:
        return player - sf::Vector2f(0.f, h);
    case RIGHT:
        return player + sf::Vector2f(w, 0.f);
    default:
        return player - sf::Vector2f(w, 0.f);
    }
}

sf::Vector2f TheGod::wolfPlace(int side, sf::Vector2f player, sf::Vector2u frame)
{
    const float w = static_cast<float>(frame.x / 2), h = static_cast<float>(frame.y / 2);
    switch (side)
    {
    case BELOW:
        return player + sf::Vector2f(0.f, h);
    case ABOVE:
        return player - sf::Vector2f(0.f, h);
    case RIGHT:
        return player + sf::Vector2f(w, 0.f);
    default:
        return player - sf::Vector2f(w, 0.f);
    }
}

void TheGod::placeWolf()
{
    // Each side is tried once, in random order; a player with no room on any side
    // (a corner, a narrow strip) gets the wolf on the side with the most floor, so
    // the placement can never hang the frame.
    std::array<int, 4> sides = {BELOW, ABOVE, RIGHT, LEFT};
    for (int i = 3; i > 0; --i)
        std::swap(sides[static_cast<std::size_t>(i)], sides[static_cast<std::size_t>(std::rand() % (i + 1))]);
    int chosen = -1;
    for (const int side : sides)
        if (world_.isOnFloor(wolfSpot(side, target_, frameOf(kWolfSizeKeys[side]))))
        {
            chosen = side;
            break;
        }
    if (chosen < 0)
    {
        float most = -1.f;
        for (const int side : sides)
        {
            const sf::Vector2f far = wolfSpot(side, target_, frameOf(kWolfSizeKeys[side]));
            float room = 0.f;
            for (int k = 1; k <= 16; ++k)
            {
                const float t = static_cast<float>(k) / 16.f;
                if (!world_.isOnFloor(target_ + (far - target_) * t))
                    break;
                room = t;
            }
            if (room > most)
                most = room, chosen = side;
        }
    }
    wolfSide_ = chosen;
    setPosition(wolfPlace(chosen, target_, frameOf(kWolfSizeKeys[chosen])));
    restart(kWolfKeys[chosen]);
}

const PointList& TheGod::wolfShape() const
{
    const TheGodRecord& r = data();
    switch (wolfSide_)
    {
    case BELOW:
        return r.attack2UpBox;
    case ABOVE:
        return r.attack2DownBox;
    case RIGHT:
        return r.attack2LeftBox;
    default:
        return r.attack2RightBox;
    }
}

void TheGod::biteTest()
{
    if (!biteDone_ && attackHitsPlayer(wolfShape()))
    {
        world_.hurtPlayer(data().attack2.damage);
        biteDone_ = true;
    }
}

void TheGod::wolf(float)
{
    switch (step_)
    {
    case 0:
        restart("TheGod_Meta_Wolf");
        step_ = 1;
        break;
    case 1:
        if (finished("TheGod_Meta_Wolf"))
        {
            if (AnimationData* change = animation("TheGod_Meta_Wolf"))
                change->reset();
            biteDone_ = false;
            placeWolf();
            step_ = 2;
        }
        break;
    case 2:
        biteTest();
        if (finished(kWolfKeys[wolfSide_]))
        {
            if (AnimationData* bite = animation(kWolfKeys[wolfSide_]))
                bite->reset();
            biteDone_ = false;
            placeWolf();
            step_ = 3;
        }
        break;
    case 3:
        biteTest();
        if (finished(kWolfKeys[wolfSide_]))
        {
            if (AnimationData* bite = animation(kWolfKeys[wolfSide_]))
                bite->reset();
            restart("TheGod_Meta_Wolf_God");
            step_ = 4;
        }
        break;
    case 4:
        if (finished("TheGod_Meta_Wolf_God"))
        {
            if (AnimationData* back = animation("TheGod_Meta_Wolf_God"))
                back->reset();
            show("TheGod_Idle");
            step_ = 5;
        }
        break;
    default:
        endAttack();
        break;
    }
}

void TheGod::die(float)
{
    // No soul to settle: once the fall has played it simply stays gone, and the room
    // holding a dead boss is what starts the run's countdown to victory.
    if (!deathStarted_)
    {
        deathStarted_ = true;
        world_.hideBossBar();
        restart("TheGod_Death");
        return;
    }
    if (!soulShown_ && finished("TheGod_Death"))
    {
        soulShown_ = true;
        soulAnimation_ = nullptr;
    }
}

void TheGod::draw(sf::RenderTarget& target, const Camera& camera)
{
    if (soulShown_)
        return;
    Enemy::draw(target, camera);
}
