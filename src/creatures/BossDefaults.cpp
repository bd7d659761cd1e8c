#include "creatures/BossDefaults.h"

#include "core/Logger.h"

#include <cmath>

namespace
{
// A box of half width `w` from `top` to `bottom`, local to the creature.
PointList box(float w, float top, float bottom)
{
    return {{-w, top}, {w, top}, {w, bottom}, {-w, bottom}};
}

// An eight-vertex oval about (0, cy), clockwise on screen from the upper left: the
// layout the movement's wall probe expects.
PointList octagon(float rx, float ry, float cy)
{
    const float d = 0.7071f;
    return {{-rx * d, cy - ry * d}, {0.f, cy - ry}, {rx * d, cy - ry * d},  {rx, cy},
            {rx * d, cy + ry * d},  {0.f, cy + ry}, {-rx * d, cy + ry * d}, {-rx, cy}};
}

bool usable(float value)
{
    return std::isfinite(value) && value > 0.f;
}

void fix(float& value, float fallback, const std::string& file, const char* key)
{
    if (usable(value))
        return;
    Logger::Warning(file + ": \"" + key + "\" must be above 0; using " + std::to_string(fallback));
    value = fallback;
}

void fix(PointList& points, const PointList& fallback, std::size_t least, const std::string& file, const char* key)
{
    if (points.size() >= least)
        return;
    Logger::Warning(file + ": \"" + key + "\" needs " + std::to_string(least) + " points; using the default shape");
    points = fallback;
}
} // namespace

namespace BossDefaults
{
NepturathRecord nepturath()
{
    NepturathRecord r;
    r.lootFileName = "nepturath";
    r.scale = 1.6f;
    r.hp = 500.f;
    r.attackDelay = 3.f;
    r.deathEmergeDelay = 1.f;
    r.soulScale = 1.3f;
    r.soulPosDeltaY = -30;
    r.idle = {220.f, 520};
    r.attack1.prob = 50;
    r.attack1.startPlayerCenterDist = 700;
    r.attack1.moveSpeed = 260.f;
    r.attack1.maxCenterDist = 800;
    r.attack1.stunnedTime = 3.f;
    r.attack1.hitRadius = 150;
    r.attack1.damage = 15;
    r.attack2.prob = 50;
    r.attack2.moveSpeed = 260.f;
    r.attack2.chargeBuildCenterDelataY = 250;
    r.attack2.chargeDelta = 300;
    r.attack2.chargeSpeed = 700.f;
    r.attack2.sardineTime = 3.5f;
    r.attack2.sardineSpeed = 90.f;
    r.attack2.damage = 16;
    r.colisionBox = octagon(70.f, 34.f, 40.f);
    r.stunnedHitBox = box(120.f, -90.f, 110.f);
    r.sardineHitBox = box(110.f, -70.f, 80.f);
    r.exitWaterBox = octagon(150.f, 90.f, 20.f);
    r.chargeLeftBox = {{-170.f, -80.f}, {20.f, -80.f}, {20.f, 90.f}, {-170.f, 90.f}};
    r.chargeRightBox = {{-20.f, -80.f}, {170.f, -80.f}, {170.f, 90.f}, {-20.f, 90.f}};
    return r;
}

DarkHulantRecord darkHulant()
{
    DarkHulantRecord r;
    r.lootFileName = "darkhulant";
    r.scale = 1.5f;
    r.hp = 500.f;
    r.attackDelay = 2.5f;
    r.soulScale = 1.f;
    r.soulPosDeltaY = -40;
    r.idle = {420.f, 300};
    r.attack1.prob = 55;
    r.attack1.moveSpeed = 300.f;
    r.attack1.dashUpSpeed = 900.f;
    r.attack1.dashUpDeltaY = 600;
    r.attack1.dashDownDelayMin = 0.8f;
    r.attack1.dashDownDelayMax = 1.8f;
    r.attack1.stunnedTime = 3.f;
    r.attack1.damage = 20;
    r.attack2.prob = 45;
    r.attack2.launchFeatherDelay = 1.4f;
    r.attack2.featherDeltaPosX = 30;
    r.colisionBox = octagon(60.f, 26.f, 60.f);
    r.hitBox = box(72.f, -100.f, 90.f);
    r.attackBox = octagon(130.f, 70.f, 0.f);
    return r;
}

LittleOwlRecord littleOwl()
{
    LittleOwlRecord r;
    r.scale = 1.f;
    r.hp = 12.f;
    r.moveSpeed = 160.f;
    r.followMaxCloseDist = 320.f;
    r.followBackDist = 180.f;
    r.attackDelayMin = 1.5f;
    r.attackDelayMax = 3.5f;
    r.attackMoveSpeed = 260.f;
    r.startAttackDist = 40.f;
    r.attackReach = 120.f;
    r.damageToBoss = 60;
    r.damage = 6;
    r.colisionBox = octagon(22.f, 10.f, 30.f);
    r.hitBox = box(34.f, -34.f, 36.f);
    return r;
}

TheGodRecord theGod()
{
    TheGodRecord r;
    r.scale = 1.3f;
    r.hp = 320.f;
    r.attackDelay = 5.f;
    r.attack1 = {40, 60, 700.f, 18};
    r.attack2 = {60, 40, 300.f, 14};
    r.colisionBox = octagon(50.f, 22.f, 100.f);
    r.hitBox = box(70.f, -120.f, 100.f);
    r.attack1UpBox = box(70.f, -150.f, 40.f);
    r.attack1DownBox = box(70.f, -40.f, 150.f);
    r.attack1LeftBox = {{-150.f, -60.f}, {40.f, -60.f}, {40.f, 110.f}, {-150.f, 110.f}};
    r.attack1RightBox = {{-40.f, -60.f}, {150.f, -60.f}, {150.f, 110.f}, {-40.f, 110.f}};
    r.attack2UpBox = octagon(70.f, 60.f, -80.f);
    r.attack2DownBox = octagon(70.f, 60.f, 90.f);
    r.attack2LeftBox = {{-170.f, -40.f}, {-30.f, -40.f}, {-30.f, 80.f}, {-170.f, 80.f}};
    r.attack2RightBox = {{30.f, -40.f}, {170.f, -40.f}, {170.f, 80.f}, {30.f, 80.f}};
    return r;
}

void repair(NepturathRecord& r, const std::string& file)
{
    const NepturathRecord d = nepturath();
    fix(r.hp, d.hp, file, "data.hp");
    fix(r.idle.moveSpeed, d.idle.moveSpeed, file, "data.idle.moveSpeed");
    fix(r.attack1.moveSpeed, d.attack1.moveSpeed, file, "data.attack1.moveSpeed");
    fix(r.attack2.moveSpeed, d.attack2.moveSpeed, file, "data.attack2.moveSpeed");
    fix(r.attack2.chargeSpeed, d.attack2.chargeSpeed, file, "data.attack2.chargeSpeed");
    fix(r.attack2.sardineSpeed, d.attack2.sardineSpeed, file, "data.attack2.sardineSpeed");
    fix(r.attack1.stunnedTime, d.attack1.stunnedTime, file, "data.attack1.stunnedTime");
    fix(r.attack2.sardineTime, d.attack2.sardineTime, file, "data.attack2.sardineTime");
    fix(r.colisionBox, d.colisionBox, 8, file, "colisionBoxPoints");
    fix(r.stunnedHitBox, d.stunnedHitBox, 3, file, "stunnedHitBoxPoints");
    fix(r.sardineHitBox, d.sardineHitBox, 3, file, "sardineHitBoxPoints");
    fix(r.exitWaterBox, d.exitWaterBox, 3, file, "exitWaterBoxPoints");
    fix(r.chargeLeftBox, d.chargeLeftBox, 3, file, "chargeLeftBoxPoints");
    fix(r.chargeRightBox, d.chargeRightBox, 3, file, "chargeRightBoxPoints");
    // Without an attack it can draw, it would circle for ever and never be exposed.
    if (r.attack1.prob < 1 && r.attack2.prob < 1)
    {
        Logger::Warning(file + ": neither attack of Nepturath can be drawn; using the default chances");
        r.attack1.prob = d.attack1.prob;
        r.attack2.prob = d.attack2.prob;
    }
}

void repair(DarkHulantRecord& r, const std::string& file)
{
    const DarkHulantRecord d = darkHulant();
    fix(r.hp, d.hp, file, "data.hp");
    fix(r.idle.moveSpeed, d.idle.moveSpeed, file, "data.idle.moveSpeed");
    fix(r.attack1.moveSpeed, d.attack1.moveSpeed, file, "data.attack1.moveSpeed");
    fix(r.attack1.dashUpSpeed, d.attack1.dashUpSpeed, file, "data.attack1.dashUpSpeed");
    fix(r.attack1.stunnedTime, d.attack1.stunnedTime, file, "data.attack1.stunnedTime");
    fix(r.colisionBox, d.colisionBox, 8, file, "colisionBoxPoints");
    fix(r.hitBox, d.hitBox, 3, file, "hitBoxPoints");
    fix(r.attackBox, d.attackBox, 3, file, "attackBoxPoints");
    if (r.attack1.prob < 1 && r.attack2.prob < 1)
    {
        Logger::Warning(file + ": neither attack of DarkHulant can be drawn; using the default chances");
        r.attack1.prob = d.attack1.prob;
        r.attack2.prob = d.attack2.prob;
    }
}

void repair(LittleOwlRecord& r, const std::string& file)
{
    const LittleOwlRecord d = littleOwl();
    fix(r.hp, d.hp, file, "data.hp");
    fix(r.moveSpeed, d.moveSpeed, file, "data.moveSpeed");
    fix(r.attackMoveSpeed, d.attackMoveSpeed, file, "data.attackMoveSpeed");
    fix(r.colisionBox, d.colisionBox, 8, file, "colisionBoxPoints");
    fix(r.hitBox, d.hitBox, 3, file, "hitBoxPoints");
}

void repair(TheGodRecord& r, const std::string& file)
{
    const TheGodRecord d = theGod();
    fix(r.hp, d.hp, file, "data.hp");
    fix(r.attack1.moveSpeed, d.attack1.moveSpeed, file, "data.attack1.moveSpeed");
    fix(r.attack2.moveSpeed, d.attack2.moveSpeed, file, "data.attack2.moveSpeed");
    fix(r.colisionBox, d.colisionBox, 8, file, "colisionBoxPoints");
    fix(r.hitBox, d.hitBox, 3, file, "hitBoxPoints");
    fix(r.attack1UpBox, d.attack1UpBox, 3, file, "attack1UpBoxPoints");
    fix(r.attack1DownBox, d.attack1DownBox, 3, file, "attack1DownBoxPoints");
    fix(r.attack1LeftBox, d.attack1LeftBox, 3, file, "attack1LeftBoxPoints");
    fix(r.attack1RightBox, d.attack1RightBox, 3, file, "attack1RightBoxPoints");
    fix(r.attack2UpBox, d.attack2UpBox, 3, file, "attack2UpBoxPoints");
    fix(r.attack2DownBox, d.attack2DownBox, 3, file, "attack2DownBoxPoints");
    fix(r.attack2LeftBox, d.attack2LeftBox, 3, file, "attack2LeftBoxPoints");
    fix(r.attack2RightBox, d.attack2RightBox, 3, file, "attack2RightBoxPoints");
}
} // namespace BossDefaults
