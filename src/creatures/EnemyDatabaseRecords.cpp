// Reading the enemies' tuning: the index file, each kind's data file and the
// projectiles' files, into the records the kinds are built from.

#include "creatures/EnemyDatabase.h"

#include "core/Logger.h"
#include "creatures/BossDefaults.h"
#include "creatures/TuningFields.h"

#include <json/json.h>

#include <string>

namespace
{
void readCommon(EnemyCommonRecord& record, const TuningFields& data)
{
    record.lootFileName = data.getString("lootFileName");
    record.scale = data.getFloat("scale");
    record.shadowPosDeltaY = data.getInt("shadowPosDeltaY");
    record.shadowScale = data.getFloat("shadowScale");
    record.hp = data.getFloat("hp");
    record.attackDelay = data.getFloat("attackDelay");
    record.soulScale = data.getFloat("soulScale");
    record.soulPosDeltaY = data.getInt("soulPosDeltaY");
}

void readBoxes(EnemyCommonRecord& record, const TuningFields& root)
{
    record.colisionBox = root.points("colisionBoxPoints");
    record.hitBox = root.points("hitBoxPoints");
    record.attackBox = root.points("attackBoxPoints");
}

void loadZeyn(ZeynRecord& r, const TuningFields& data)
{
    readCommon(r, data);
    r.defaultSpeed = data.getFloat("defaultSpeed");
    r.moveStopDist = data.getInt("moveStopDist");
    r.attackStartDist = data.getInt("attackStartDist");
    const TuningFields attack = data.child("attack");
    r.attack.speed = attack.getFloat("speed");
    r.attack.reach = attack.getInt("reach");
    r.attack.startHitDist = attack.getInt("startHitDist");
    r.attack.rotateSpeed = attack.getDegrees("rotateSpeed");
    r.attack.leftStartAngle = attack.getDegrees("leftStartAngle");
    r.attack.leftEndAngle = attack.getDegrees("leftEndAngle");
    r.attack.rightStartAngle = attack.getDegrees("rightStartAngle");
    r.attack.rightEndAngle = attack.getDegrees("rightEndAngle");
    r.attack.damage = attack.getInt("damage");
}

void loadKahiyu(KahiyuRecord& r, const TuningFields& data)
{
    readCommon(r, data);
    r.defaultSpeed = data.getFloat("defaultSpeed");
    r.moveStopDist = data.getInt("moveStopDist");
    r.attackReach = data.getInt("attackReach");
}

void loadNazar(NazarRecord& r, const TuningFields& data)
{
    readCommon(r, data);
    r.bramblesDelay = data.getFloat("bramblesDelay");
    r.bramblesDeltaY = data.getInt("bramblesDeltaY");
    r.bramblesReach = data.getInt("bramblesReach");
    const TuningFields zaune = data.child("zaune");
    r.zaune.shaderPath = zaune.getString("shaderPath");
    r.zaune.scale = zaune.getFloat("scale");
    r.zaune.lifeTime = zaune.getFloat("lifeTime");
    r.zaune.posDeltaY = zaune.getInt("posDeltaY");
    const TuningFields brambles = data.child("brambles");
    r.brambles.scale = brambles.getFloat("scale");
    r.brambles.damage = brambles.getInt("damage");
}

void loadToaTao(ToaTaoRecord& r, const TuningFields& data)
{
    readCommon(r, data);
    r.moveJumpTime = data.getFloat("moveJumpTime");
    r.moveJumpSpeed = data.getFloat("moveJumpSpeed");
    const TuningFields idle = data.child("idle");
    r.idle.moveSpeed = idle.getFloat("moveSpeed");
    r.idle.moveStopDist = idle.getInt("moveStopDist");
    const TuningFields a1 = data.child("attack1");
    r.attack1.prob = a1.getInt("prob");
    r.attack1.moveSpeed = a1.getFloat("moveSpeed");
    r.attack1.spearRotateSpeed = a1.getInt("spearRotateSpeed");
    r.attack1.reach = a1.getInt("reach");
    r.attack1.reachAngle = a1.getInt("reachAngle");
    r.attack1.deltaY = a1.getInt("deltaY");
    r.attack1.angleStart = a1.getDegrees("angleStart");
    r.attack1.angleEnd = a1.getDegrees("angleEnd");
    r.attack1.damage = a1.getInt("damage");
    const TuningFields a2 = data.child("attack2");
    r.attack2.prob = a2.getInt("prob");
    r.attack2.moveSpeed = a2.getFloat("moveSpeed");
    r.attack2.deltaX = a2.getInt("deltaX");
    r.attack2.dashDist = a2.getInt("dashDist");
    r.attack2.dashSpeed = a2.getFloat("dashSpeed");
    r.attack2.reachWidth = a2.getInt("reachWidth");
    r.attack2.reachHeight = a2.getInt("reachHeight");
    r.attack2.damage = a2.getInt("damage");
}

void loadToaMangere(ToaMangereRecord& r, const TuningFields& data)
{
    readCommon(r, data);
    r.attackBoxDeltaY = data.getInt("attackBoxDeltaY");
    const TuningFields idle = data.child("idle");
    r.idle.moveSpeed = idle.getFloat("moveSpeed");
    r.idle.moveStopDist = idle.getInt("moveStopDist");
    r.idle.startAttackDist = idle.getInt("startAttackDist");
    r.attack.damage = data.child("attack").getInt("damage");
    const TuningFields slaam = data.child("slaam");
    r.slaam.scale = slaam.getFloat("scale");
    r.slaam.posDeltaY = slaam.getInt("posDeltaY");
}

void loadToaKaipupuhi(ToaKaipupuhiRecord& r, const TuningFields& data)
{
    readCommon(r, data);
    r.chockWaveDeltaY = data.getInt("chockWaveDeltaY");
    const TuningFields idle = data.child("idle");
    r.idle.moveSpeed = idle.getFloat("moveSpeed");
    r.idle.deltaY = idle.getInt("deltaY");
    r.idle.moveStopDist = idle.getInt("moveStopDist");
}

// The bosses and the owls read every key with a fallback of their own: a fight must
// stay winnable and losable whatever is wrong with the file.
void loadLittleOwl(LittleOwlRecord& r, const TuningFields& data)
{
    const LittleOwlRecord d = BossDefaults::littleOwl();
    r.scale = data.getFloat("scale", d.scale);
    r.hp = data.getFloat("hp", d.hp);
    r.moveSpeed = data.getFloat("moveSpeed", d.moveSpeed);
    r.followMaxCloseDist = data.getFloat("followMaxCloseDist", d.followMaxCloseDist);
    r.followBackDist = data.getFloat("followBackDist", d.followBackDist);
    r.attackDelayMin = data.getFloat("attackDelayMin", d.attackDelayMin);
    r.attackDelayMax = data.getFloat("attackDelayMax", d.attackDelayMax);
    r.attackMoveSpeed = data.getFloat("attackMoveSpeed", d.attackMoveSpeed);
    r.startAttackDist = data.getFloat("startAttackDist", d.startAttackDist);
    r.attackReach = data.getFloat("attackReach", d.attackReach);
    r.damageToBoss = data.getInt("damageToBoss", d.damageToBoss);
    r.damage = data.getInt("damage", d.damage);
}

void loadNepturath(NepturathRecord& r, const TuningFields& data, const TuningFields& root)
{
    const NepturathRecord d = BossDefaults::nepturath();
    r.lootFileName = data.getString("lootFileName", d.lootFileName);
    r.scale = data.getFloat("scale", d.scale);
    r.hp = data.getFloat("hp", d.hp);
    r.attackDelay = data.getFloat("attackDelay", d.attackDelay);
    r.deathEmergeDelay = data.getFloat("deathEmergeDelay", d.deathEmergeDelay);
    r.soulScale = data.getFloat("soulScale", d.soulScale);
    r.soulPosDeltaY = data.getInt("soulPosDeltaY", d.soulPosDeltaY);
    const TuningFields idle = data.child("idle");
    r.idle.moveSpeed = idle.getFloat("moveSpeed", d.idle.moveSpeed);
    r.idle.moveCenterDist = idle.getInt("moveCenterDist", d.idle.moveCenterDist);
    const TuningFields a1 = data.child("attack1");
    r.attack1.prob = a1.getInt("prob", d.attack1.prob);
    r.attack1.startPlayerCenterDist = a1.getInt("startPlayerCenterDist", d.attack1.startPlayerCenterDist);
    r.attack1.moveSpeed = a1.getFloat("moveSpeed", d.attack1.moveSpeed);
    r.attack1.maxCenterDist = a1.getInt("maxCenterDist", d.attack1.maxCenterDist);
    r.attack1.stunnedTime = a1.getFloat("stunnedTime", d.attack1.stunnedTime);
    r.attack1.hitRadius = a1.getInt("hitRadius", d.attack1.hitRadius);
    r.attack1.damage = a1.getInt("damage", d.attack1.damage);
    const TuningFields a2 = data.child("attack2");
    r.attack2.prob = a2.getInt("prob", d.attack2.prob);
    r.attack2.moveSpeed = a2.getFloat("moveSpeed", d.attack2.moveSpeed);
    r.attack2.chargeBuildCenterDelataY = a2.getInt("chargeBuildCenterDelataY", d.attack2.chargeBuildCenterDelataY);
    r.attack2.chargeDelta = a2.getInt("chargeDelta", d.attack2.chargeDelta);
    r.attack2.chargeSpeed = a2.getFloat("chargeSpeed", d.attack2.chargeSpeed);
    r.attack2.sardineTime = a2.getFloat("sardineTime", d.attack2.sardineTime);
    r.attack2.sardineSpeed = a2.getFloat("sardineSpeed", d.attack2.sardineSpeed);
    r.attack2.damage = a2.getInt("damage", d.attack2.damage);
    r.stunnedHitBox = root.points("stunnedHitBoxPoints");
    r.sardineHitBox = root.points("sardineHitBoxPoints");
    r.exitWaterBox = root.points("exitWaterBoxPoints");
    r.chargeLeftBox = root.points("chargeLeftBoxPoints");
    r.chargeRightBox = root.points("chargeRightBoxPoints");
}

void loadDarkHulant(DarkHulantRecord& r, const TuningFields& data)
{
    const DarkHulantRecord d = BossDefaults::darkHulant();
    r.lootFileName = data.getString("lootFileName", d.lootFileName);
    r.scale = data.getFloat("scale", d.scale);
    r.hp = data.getFloat("hp", d.hp);
    r.attackDelay = data.getFloat("attackDelay", d.attackDelay);
    r.soulScale = d.soulScale;
    r.soulPosDeltaY = data.getInt("soulPosDeltaY", d.soulPosDeltaY);
    const TuningFields idle = data.child("idle");
    r.idle.moveSpeed = idle.getFloat("moveSpeed", d.idle.moveSpeed);
    r.idle.step1DeltaY = idle.getInt("step1DeltaY", d.idle.step1DeltaY);
    const TuningFields a1 = data.child("attack1");
    r.attack1.prob = a1.getInt("prob", d.attack1.prob);
    r.attack1.moveSpeed = a1.getFloat("moveSpeed", d.attack1.moveSpeed);
    r.attack1.dashUpSpeed = a1.getFloat("dashUpSpeed", d.attack1.dashUpSpeed);
    r.attack1.dashUpDeltaY = a1.getInt("dashUpDeltaY", d.attack1.dashUpDeltaY);
    r.attack1.dashDownDelayMin = a1.getFloat("dashDownDelayMin", d.attack1.dashDownDelayMin);
    r.attack1.dashDownDelayMax = a1.getFloat("dashDownDelayMax", d.attack1.dashDownDelayMax);
    r.attack1.stunnedTime = a1.getFloat("stunnedTime", d.attack1.stunnedTime);
    r.attack1.damage = a1.getInt("damage", d.attack1.damage);
    const TuningFields a2 = data.child("attack2");
    r.attack2.prob = a2.getInt("prob", d.attack2.prob);
    r.attack2.launchFeatherDelay = a2.getFloat("launchFeatherDelay", d.attack2.launchFeatherDelay);
    r.attack2.featherDeltaPosX = a2.getInt("featherDeltaPosX", d.attack2.featherDeltaPosX);
}

void loadTheGod(TheGodRecord& r, const TuningFields& data, const TuningFields& root)
{
    const TheGodRecord d = BossDefaults::theGod();
    r.scale = data.getFloat("scale", d.scale);
    r.hp = data.getFloat("hp", d.hp);
    r.attackDelay = data.getFloat("attackDelay", d.attackDelay);
    for (auto [key, attack, fallback] :
         {std::tuple{"attack1", &r.attack1, d.attack1}, std::tuple{"attack2", &r.attack2, d.attack2}})
    {
        const TuningFields a = data.child(key);
        attack->goodProb = a.getInt("goodProb", fallback.goodProb);
        attack->badProb = a.getInt("badProb", fallback.badProb);
        attack->moveSpeed = a.getFloat("moveSpeed", fallback.moveSpeed);
        attack->damage = a.getInt("damage", fallback.damage);
    }
    r.attack1UpBox = root.points("attack1UpBoxPoints");
    r.attack1DownBox = root.points("attack1DownBoxPoints");
    r.attack1LeftBox = root.points("attack1LeftBoxPoints");
    r.attack1RightBox = root.points("attack1RightBoxPoints");
    r.attack2UpBox = root.points("attack2UpBoxPoints");
    r.attack2DownBox = root.points("attack2DownBoxPoints");
    r.attack2LeftBox = root.points("attack2LeftBoxPoints");
    r.attack2RightBox = root.points("attack2RightBoxPoints");
}

void readDarkHulantFeatherFile(DarkHulantFeatherRecord& r, const std::string& file)
{
    Json::Value document(Json::objectValue);
    if (!TuningFields::readObjectFile(file, document))
        Logger::Error("Failed to load DarkHulantFeather data");
    EnemyDatabase::loadDarkHulantFeather(r, document, file);
}
} // namespace

void EnemyDatabase::loadToaKaipupuhiProj(ToaKaipupuhiProjRecord& r, const Json::Value& document,
                                         const std::string& file)
{
    const TuningFields root(document, file);
    r.texture = root.getString("texture");
    const TuningFields data = root.child("data");
    r.scale = data.getFloat("scale");
    r.speed = data.getFloat("speed");
    r.deltaY = data.getInt("deltaY");
    r.damage = data.getInt("damage");
}

void EnemyDatabase::loadDarkHulantFeather(DarkHulantFeatherRecord& r, const Json::Value& document,
                                          const std::string& file)
{
    const TuningFields data = TuningFields(document, file).child("data");
    r.scale = data.getFloat("scale");
    r.speed = data.getFloat("speed");
    r.deltaY = data.getInt("deltaY");
    r.lifeTime = data.getFloat("lifeTime");
    r.damage = data.getInt("damage");
}

void EnemyDatabase::readToaKaipupuhiProjFile(ToaKaipupuhiProjRecord& r, const std::string& file)
{
    Json::Value document(Json::objectValue);
    if (!TuningFields::readObjectFile(file, document))
        Logger::Error("Failed to load ToaKaipupuhiProj data");
    loadToaKaipupuhiProj(r, document, file);
}

void EnemyDatabase::loadIndex(EnemyRecords& records, const Json::Value& index, const std::string& file)
{
    const TuningFields root(index, file);
    EnemySharedRecord& shared = records.shared;
    shared.getDamageShaderPath = root.getString("getDamageShaderPath");
    shared.invincibilityTime = root.getFloat("invincibilityTime");
    shared.getDamageEffectTime = root.getFloat("getDamageEffectTime");
    shared.demonicBarDelta = root.getFloat("demonicBarDelta");
    shared.maxSoulChoiceDistDraw = root.getInt("maxSoulChoiceDistDraw");
    shared.soulChoiceTexturePath = root.getString("soulChoiceTexturePath");
    shared.nameList = root.strings("NameList");
    shared.kinds.clear();
    for (const char* name : kKindNames)
    {
        const TuningFields entry = root.child(name);
        shared.kinds[name] = {entry.getString("data"), entry.getString("textures")};
    }
}

void EnemyDatabase::loadKind(EnemyRecords& records, const std::string& kind, const Json::Value& document,
                             const std::string& file)
{
    const TuningFields root(document, file);
    const TuningFields data = root.child("data");
    EnemyCommonRecord* common = nullptr;
    if (kind == "Kahiyu")
        loadKahiyu(records.kahiyu, data), common = &records.kahiyu;
    else if (kind == "Zeyn")
        loadZeyn(records.zeyn, data), common = &records.zeyn;
    else if (kind == "Nazar")
        loadNazar(records.nazar, data), common = &records.nazar;
    else if (kind == "ToaTao")
        loadToaTao(records.toaTao, data), common = &records.toaTao;
    else if (kind == "ToaMangere")
        loadToaMangere(records.toaMangere, data), common = &records.toaMangere;
    else if (kind == "ToaKaipupuhi")
        loadToaKaipupuhi(records.toaKaipupuhi, data), common = &records.toaKaipupuhi;
    else if (kind == "Nepturath")
        loadNepturath(records.nepturath, data, root), common = &records.nepturath;
    else if (kind == "DarkHulant")
        loadDarkHulant(records.darkHulant, data), common = &records.darkHulant;
    else if (kind == "LittleOwl")
        loadLittleOwl(records.littleOwl, data), common = &records.littleOwl;
    else if (kind == "TheGod")
        loadTheGod(records.theGod, data, root), common = &records.theGod;
    if (!common)
        return;
    common->dataPath = file;
    readBoxes(*common, root);
    if (kind == "Nepturath")
        BossDefaults::repair(records.nepturath, file);
    else if (kind == "DarkHulant")
        BossDefaults::repair(records.darkHulant, file);
    else if (kind == "LittleOwl")
        BossDefaults::repair(records.littleOwl, file);
    else if (kind == "TheGod")
        BossDefaults::repair(records.theGod, file);
}

EnemyRecords EnemyDatabase::readRecords(const std::string& indexFile)
{
    EnemyRecords records;
    Json::Value index(Json::objectValue);
    if (!TuningFields::readObjectFile(indexFile, index))
        Logger::Error("Failed to load enemy data");
    loadIndex(records, index, indexFile);
    for (const char* kind : kKindNames)
    {
        const std::string& path = records.shared.kinds[kind].data;
        Json::Value document(Json::objectValue);
        if (!TuningFields::readObjectFile(path, document))
            Logger::Error(std::string("Failed to load ") + kind + " data");
        loadKind(records, kind, document, path);
        // The kinds that fire a projectile read its tuning with their own.
        if (std::string(kind) == "ToaKaipupuhi")
            readToaKaipupuhiProjFile(records.toaKaipupuhiProj, kToaKaipupuhiProjFile);
        else if (std::string(kind) == "DarkHulant")
            readDarkHulantFeatherFile(records.darkHulantFeather, kDarkHulantFeatherFile);
    }
    return records;
}
