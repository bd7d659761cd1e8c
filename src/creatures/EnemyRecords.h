#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The tuning of every enemy kind as read from its data file, one record per kind.
// Distances are pixels, times seconds, speeds pixels per second; angle keys are
// held in radians (the files give degrees).

using PointList = std::vector<sf::Vector2f>;

// What every kind shares; kinds without a key keep its zero default.
struct EnemyCommonRecord
{
    std::string dataPath;
    std::string lootFileName;
    float scale = 0.f;
    std::int32_t shadowPosDeltaY = 0;
    float shadowScale = 0.f;
    float hp = 0.f;
    float soulScale = 0.f;
    std::int32_t soulPosDeltaY = 0;
    float attackDelay = 0.f;
    PointList colisionBox;
    PointList hitBox;
    PointList attackBox;
};

struct ZeynRecord : EnemyCommonRecord
{
    float defaultSpeed = 0.f;
    std::int32_t moveStopDist = 0;
    std::int32_t attackStartDist = 0;
    struct
    {
        float speed = 0.f;
        std::int32_t reach = 0;
        std::int32_t startHitDist = 0;
        float rotateSpeed = 0.f; // radians per second
        float leftStartAngle = 0.f, leftEndAngle = 0.f, rightStartAngle = 0.f, rightEndAngle = 0.f;
        std::int32_t damage = 0;
    } attack;
};

struct KahiyuRecord : EnemyCommonRecord
{
    float defaultSpeed = 0.f;
    std::int32_t moveStopDist = 0;
    std::int32_t attackReach = 0;
};

struct NazarRecord : EnemyCommonRecord
{
    float bramblesDelay = 0.f;
    std::int32_t bramblesDeltaY = 0;
    std::int32_t bramblesReach = 0;
    struct
    {
        std::string shaderPath;
        float scale = 0.f;
        float lifeTime = 0.f;
        std::int32_t posDeltaY = 0;
    } zaune;
    struct
    {
        float scale = 0.f;
        std::int32_t damage = 0;
    } brambles;
};

struct ToaTaoRecord : EnemyCommonRecord
{
    float moveJumpTime = 0.f;
    float moveJumpSpeed = 0.f;
    struct
    {
        float moveSpeed = 0.f;
        std::int32_t moveStopDist = 0;
    } idle;
    struct
    {
        std::int32_t prob = 0;
        float moveSpeed = 0.f;
        std::int32_t spearRotateSpeed = 0; // used as radians per second, as written
        std::int32_t reach = 0;
        std::int32_t reachAngle = 0; // degrees, compared with bearings in degrees
        std::int32_t deltaY = 0;
        float angleStart = 0.f, angleEnd = 0.f;
        std::int32_t damage = 0;
    } attack1;
    struct
    {
        std::int32_t prob = 0;
        float moveSpeed = 0.f;
        std::int32_t deltaX = 0;
        std::int32_t dashDist = 0;
        float dashSpeed = 0.f;
        std::int32_t reachWidth = 0;
        std::int32_t reachHeight = 0;
        std::int32_t damage = 0;
    } attack2;
};

struct ToaMangereRecord : EnemyCommonRecord
{
    std::int32_t attackBoxDeltaY = 0;
    struct
    {
        float moveSpeed = 0.f;
        std::int32_t moveStopDist = 0;
        std::int32_t startAttackDist = 0;
    } idle;
    struct
    {
        std::int32_t damage = 0;
    } attack;
    struct
    {
        float scale = 0.f;
        std::int32_t posDeltaY = 0;
    } slaam;
};

struct ToaKaipupuhiRecord : EnemyCommonRecord
{
    std::int32_t chockWaveDeltaY = 0;
    struct
    {
        float moveSpeed = 0.f;
        std::int32_t deltaY = 0;
        std::int32_t moveStopDist = 0;
    } idle;
};

struct LittleOwlRecord : EnemyCommonRecord
{
    float moveSpeed = 0.f;
    float followMaxCloseDist = 0.f;
    float followBackDist = 0.f;
    float attackDelayMin = 0.f;
    float attackDelayMax = 0.f;
    float attackMoveSpeed = 0.f;
    float startAttackDist = 0.f;
    float attackReach = 0.f;
    std::int32_t damageToBoss = 0;
    std::int32_t damage = 0;
};

struct NepturathRecord : EnemyCommonRecord
{
    float deathEmergeDelay = 0.f;
    struct
    {
        float moveSpeed = 0.f;
        std::int32_t moveCenterDist = 0;
    } idle;
    struct
    {
        std::int32_t prob = 0;
        std::int32_t startPlayerCenterDist = 0;
        float moveSpeed = 0.f;
        std::int32_t maxCenterDist = 0;
        float stunnedTime = 0.f;
        std::int32_t hitRadius = 0;
        std::int32_t damage = 0;
    } attack1;
    struct
    {
        std::int32_t prob = 0;
        float moveSpeed = 0.f;
        std::int32_t chargeBuildCenterDelataY = 0;
        std::int32_t chargeDelta = 0;
        float chargeSpeed = 0.f;
        float sardineTime = 0.f;
        float sardineSpeed = 0.f;
        std::int32_t damage = 0;
    } attack2;
    PointList stunnedHitBox;
    PointList sardineHitBox;
    PointList exitWaterBox;
    PointList chargeLeftBox;
    PointList chargeRightBox;
};

struct DarkHulantRecord : EnemyCommonRecord
{
    struct
    {
        float moveSpeed = 0.f;
        std::int32_t step1DeltaY = 0;
    } idle;
    struct
    {
        std::int32_t prob = 0;
        float moveSpeed = 0.f;
        float dashUpSpeed = 0.f;
        std::int32_t dashUpDeltaY = 0;
        float dashDownDelayMin = 0.f;
        float dashDownDelayMax = 0.f;
        float stunnedTime = 0.f;
        std::int32_t damage = 0;
    } attack1;
    struct
    {
        std::int32_t prob = 0;
        float launchFeatherDelay = 0.f;
        std::int32_t featherDeltaPosX = 0;
    } attack2;
};

struct TheGodRecord : EnemyCommonRecord
{
    struct Attack
    {
        std::int32_t goodProb = 0;
        std::int32_t badProb = 0;
        float moveSpeed = 0.f;
        std::int32_t damage = 0;
    };
    Attack attack1;
    Attack attack2;
    PointList attack1UpBox, attack1DownBox, attack1LeftBox, attack1RightBox;
    PointList attack2UpBox, attack2DownBox, attack2LeftBox, attack2RightBox;
};

struct ToaKaipupuhiProjRecord
{
    std::string texture;
    float scale = 0.f;
    float speed = 0.f;
    std::int32_t deltaY = 0;
    std::int32_t damage = 0;
};

struct DarkHulantFeatherRecord
{
    float scale = 0.f;
    float speed = 0.f;
    std::int32_t deltaY = 0;
    float lifeTime = 0.f;
    std::int32_t damage = 0;
};

// The index file's shared settings and where each kind's files live.
struct EnemySharedRecord
{
    struct KindFiles
    {
        std::string data;
        std::string textures;
    };
    std::string getDamageShaderPath;
    float invincibilityTime = 0.f;
    float getDamageEffectTime = 0.f;
    float demonicBarDelta = 0.f;
    std::int32_t maxSoulChoiceDistDraw = 0;
    std::string soulChoiceTexturePath;
    std::vector<std::string> nameList;
    std::map<std::string, KindFiles> kinds;
};

struct EnemyRecords
{
    EnemySharedRecord shared;
    KahiyuRecord kahiyu;
    ZeynRecord zeyn;
    NazarRecord nazar;
    ToaTaoRecord toaTao;
    ToaMangereRecord toaMangere;
    ToaKaipupuhiRecord toaKaipupuhi;
    NepturathRecord nepturath;
    DarkHulantRecord darkHulant;
    LittleOwlRecord littleOwl;
    TheGodRecord theGod;
    ToaKaipupuhiProjRecord toaKaipupuhiProj;
    DarkHulantFeatherRecord darkHulantFeather;
};
