#include "creatures/EnemyDatabase.h"

#include "core/AnimationData.h"
#include "core/JsonReader.h"
#include "core/Logger.h"
#include "creatures/BossDefaults.h"
#include "creatures/KahiyuProj.h"

#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <json/json.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <tuple>

namespace
{
constexpr float kDegreesToRadians = 3.1415927f / 180.f;

struct DatabaseState
{
    EnemyRecords records;
    std::unique_ptr<sf::Shader> damageShader;
    std::unique_ptr<sf::Shader> fenceShader;
    sf::Sprite killIcon;
    sf::Sprite saveIcon;
};

DatabaseState& state()
{
    static DatabaseState instance;
    return instance;
}

// The enemy loaders' view of a JSON object, over the shared JsonReader: a missing
// key gives the default silently; a key of the wrong type gives the default and a
// warning naming the file and the key, so a slip in a tuning file never stops the
// game (the index and kind files fall back to defaults, they do not abort).
class Fields
{
public:
    Fields(const Json::Value& value, const std::string& file, const std::string& path = "")
        : reader_(objectOrNull(value, file, path), file, path)
    {
    }

    float getFloat(const char* key, float fallback = 0.f) const { return read(key, fallback); }
    std::int32_t getInt(const char* key, std::int32_t fallback = 0) const { return read<int>(key, fallback); }
    std::string getString(const char* key, const std::string& fallback = "") const { return read(key, fallback); }
    bool getBool(const char* key, bool fallback = false) const { return read(key, fallback); }
    float getDegrees(const char* key) const { return getFloat(key) * kDegreesToRadians; }

    // The object under `key`; an absent or mistyped one reads as empty.
    Fields child(const char* key) const
    {
        return Fields(member(key, "an object"), reader_.file(), reader_.keyPath(key));
    }

    // The array under `key`; an absent or mistyped one reads as empty.
    const Json::Value& array(const char* key) const
    {
        static const Json::Value empty(Json::arrayValue);
        const Json::Value& v = member(key, "an array");
        return v.isArray() ? v : empty;
    }

    std::vector<std::string> strings(const char* key) const
    {
        std::vector<std::string> result;
        const Json::Value& list = array(key);
        for (Json::ArrayIndex i = 0; i < list.size(); ++i)
        {
            if (list[i].isString())
                result.push_back(list[i].asString());
            else
                warn(element(key, i), "is not a string; skipped");
        }
        return result;
    }

    PointList points(const char* key) const
    {
        PointList result;
        const Json::Value& list = array(key);
        for (Json::ArrayIndex i = 0; i < list.size(); ++i)
        {
            if (!list[i].isObject())
            {
                warn(element(key, i), "is not a point; skipped");
                continue;
            }
            const Fields point(list[i], reader_.file(), element(key, i));
            result.emplace_back(point.getFloat("x"), point.getFloat("y"));
        }
        return result;
    }

    std::string element(const char* key, Json::ArrayIndex i) const
    {
        return reader_.keyPath(key) + "[" + std::to_string(i) + "]";
    }
    const std::string& file() const { return reader_.file(); }
    void warn(const std::string& keyPath, const std::string& problem) const
    {
        Logger::Warning(reader_.file() + ": \"" + keyPath + "\" " + problem);
    }

private:
    static const Json::Value& nullValue()
    {
        static const Json::Value null;
        return null;
    }

    static const Json::Value& objectOrNull(const Json::Value& value, const std::string& file, const std::string& path)
    {
        if (value.isObject() || value.isNull())
            return value;
        Logger::Warning(file + ": \"" + (path.empty() ? "(root)" : path) + "\" is not an object; using defaults");
        return nullValue();
    }

    // The member when it has the wanted shape; null (read as absent) after a warning otherwise.
    const Json::Value& member(const char* key, const char* expected) const
    {
        const Json::Value& object = reader_.value();
        if (!object.isObject())
            return nullValue();
        const Json::Value* v = object.find(key, key + std::char_traits<char>::length(key));
        if (!v || v->isNull())
            return nullValue();
        const bool fits = std::string(expected) == "an array" ? v->isArray() : v->isObject();
        if (!fits)
        {
            Logger::Warning(reader_.file() + ": \"" + reader_.keyPath(key) + "\" is not " + expected +
                            "; using the default");
            return nullValue();
        }
        return *v;
    }

    template <typename T> T read(const char* key, const T& fallback) const
    {
        try
        {
            T out;
            reader_.get(key, out, fallback);
            return out;
        }
        catch (const JsonTypeError& error)
        {
            Logger::Warning(std::string(error.what()) + "; using the default");
            return fallback;
        }
    }

    JsonReader reader_;
};

// Reads and parses a JSON file whose root is an object.
bool parseFile(const std::string& path, Json::Value& out)
{
    Json::Value root;
    if (path.empty() || !JsonReader::parseFile(path, root) || !root.isObject())
        return false;
    out = std::move(root);
    return true;
}

void readCommon(EnemyCommonRecord& record, const Fields& data)
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

void readBoxes(EnemyCommonRecord& record, const Fields& root)
{
    record.colisionBox = root.points("colisionBoxPoints");
    record.hitBox = root.points("hitBoxPoints");
    record.attackBox = root.points("attackBoxPoints");
}

void loadZeyn(ZeynRecord& r, const Fields& data)
{
    readCommon(r, data);
    r.defaultSpeed = data.getFloat("defaultSpeed");
    r.moveStopDist = data.getInt("moveStopDist");
    r.attackStartDist = data.getInt("attackStartDist");
    const Fields attack = data.child("attack");
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

void loadKahiyu(KahiyuRecord& r, const Fields& data)
{
    readCommon(r, data);
    r.defaultSpeed = data.getFloat("defaultSpeed");
    r.moveStopDist = data.getInt("moveStopDist");
    r.attackReach = data.getInt("attackReach");
}

void loadNazar(NazarRecord& r, const Fields& data)
{
    readCommon(r, data);
    r.bramblesDelay = data.getFloat("bramblesDelay");
    r.bramblesDeltaY = data.getInt("bramblesDeltaY");
    r.bramblesReach = data.getInt("bramblesReach");
    const Fields zaune = data.child("zaune");
    r.zaune.shaderPath = zaune.getString("shaderPath");
    r.zaune.scale = zaune.getFloat("scale");
    r.zaune.lifeTime = zaune.getFloat("lifeTime");
    r.zaune.posDeltaY = zaune.getInt("posDeltaY");
    const Fields brambles = data.child("brambles");
    r.brambles.scale = brambles.getFloat("scale");
    r.brambles.damage = brambles.getInt("damage");
}

void loadToaTao(ToaTaoRecord& r, const Fields& data)
{
    readCommon(r, data);
    r.moveJumpTime = data.getFloat("moveJumpTime");
    r.moveJumpSpeed = data.getFloat("moveJumpSpeed");
    const Fields idle = data.child("idle");
    r.idle.moveSpeed = idle.getFloat("moveSpeed");
    r.idle.moveStopDist = idle.getInt("moveStopDist");
    const Fields a1 = data.child("attack1");
    r.attack1.prob = a1.getInt("prob");
    r.attack1.moveSpeed = a1.getFloat("moveSpeed");
    r.attack1.spearRotateSpeed = a1.getInt("spearRotateSpeed");
    r.attack1.reach = a1.getInt("reach");
    r.attack1.reachAngle = a1.getInt("reachAngle");
    r.attack1.deltaY = a1.getInt("deltaY");
    r.attack1.angleStart = a1.getDegrees("angleStart");
    r.attack1.angleEnd = a1.getDegrees("angleEnd");
    r.attack1.damage = a1.getInt("damage");
    const Fields a2 = data.child("attack2");
    r.attack2.prob = a2.getInt("prob");
    r.attack2.moveSpeed = a2.getFloat("moveSpeed");
    r.attack2.deltaX = a2.getInt("deltaX");
    r.attack2.dashDist = a2.getInt("dashDist");
    r.attack2.dashSpeed = a2.getFloat("dashSpeed");
    r.attack2.reachWidth = a2.getInt("reachWidth");
    r.attack2.reachHeight = a2.getInt("reachHeight");
    r.attack2.damage = a2.getInt("damage");
}

void loadToaMangere(ToaMangereRecord& r, const Fields& data)
{
    readCommon(r, data);
    r.attackBoxDeltaY = data.getInt("attackBoxDeltaY");
    const Fields idle = data.child("idle");
    r.idle.moveSpeed = idle.getFloat("moveSpeed");
    r.idle.moveStopDist = idle.getInt("moveStopDist");
    r.idle.startAttackDist = idle.getInt("startAttackDist");
    r.attack.damage = data.child("attack").getInt("damage");
    const Fields slaam = data.child("slaam");
    r.slaam.scale = slaam.getFloat("scale");
    r.slaam.posDeltaY = slaam.getInt("posDeltaY");
}

void loadToaKaipupuhi(ToaKaipupuhiRecord& r, const Fields& data)
{
    readCommon(r, data);
    r.chockWaveDeltaY = data.getInt("chockWaveDeltaY");
    const Fields idle = data.child("idle");
    r.idle.moveSpeed = idle.getFloat("moveSpeed");
    r.idle.deltaY = idle.getInt("deltaY");
    r.idle.moveStopDist = idle.getInt("moveStopDist");
}

// The bosses and the owls read every key with a fallback of their own: a fight must
// stay winnable and losable whatever is wrong with the file.
void loadLittleOwl(LittleOwlRecord& r, const Fields& data)
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

void loadNepturath(NepturathRecord& r, const Fields& data, const Fields& root)
{
    const NepturathRecord d = BossDefaults::nepturath();
    r.lootFileName = data.getString("lootFileName", d.lootFileName);
    r.scale = data.getFloat("scale", d.scale);
    r.hp = data.getFloat("hp", d.hp);
    r.attackDelay = data.getFloat("attackDelay", d.attackDelay);
    r.deathEmergeDelay = data.getFloat("deathEmergeDelay", d.deathEmergeDelay);
    r.soulScale = data.getFloat("soulScale", d.soulScale);
    r.soulPosDeltaY = data.getInt("soulPosDeltaY", d.soulPosDeltaY);
    const Fields idle = data.child("idle");
    r.idle.moveSpeed = idle.getFloat("moveSpeed", d.idle.moveSpeed);
    r.idle.moveCenterDist = idle.getInt("moveCenterDist", d.idle.moveCenterDist);
    const Fields a1 = data.child("attack1");
    r.attack1.prob = a1.getInt("prob", d.attack1.prob);
    r.attack1.startPlayerCenterDist = a1.getInt("startPlayerCenterDist", d.attack1.startPlayerCenterDist);
    r.attack1.moveSpeed = a1.getFloat("moveSpeed", d.attack1.moveSpeed);
    r.attack1.maxCenterDist = a1.getInt("maxCenterDist", d.attack1.maxCenterDist);
    r.attack1.stunnedTime = a1.getFloat("stunnedTime", d.attack1.stunnedTime);
    r.attack1.hitRadius = a1.getInt("hitRadius", d.attack1.hitRadius);
    r.attack1.damage = a1.getInt("damage", d.attack1.damage);
    const Fields a2 = data.child("attack2");
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

void loadDarkHulant(DarkHulantRecord& r, const Fields& data)
{
    const DarkHulantRecord d = BossDefaults::darkHulant();
    r.lootFileName = data.getString("lootFileName", d.lootFileName);
    r.scale = data.getFloat("scale", d.scale);
    r.hp = data.getFloat("hp", d.hp);
    r.attackDelay = data.getFloat("attackDelay", d.attackDelay);
    r.soulScale = d.soulScale;
    r.soulPosDeltaY = data.getInt("soulPosDeltaY", d.soulPosDeltaY);
    const Fields idle = data.child("idle");
    r.idle.moveSpeed = idle.getFloat("moveSpeed", d.idle.moveSpeed);
    r.idle.step1DeltaY = idle.getInt("step1DeltaY", d.idle.step1DeltaY);
    const Fields a1 = data.child("attack1");
    r.attack1.prob = a1.getInt("prob", d.attack1.prob);
    r.attack1.moveSpeed = a1.getFloat("moveSpeed", d.attack1.moveSpeed);
    r.attack1.dashUpSpeed = a1.getFloat("dashUpSpeed", d.attack1.dashUpSpeed);
    r.attack1.dashUpDeltaY = a1.getInt("dashUpDeltaY", d.attack1.dashUpDeltaY);
    r.attack1.dashDownDelayMin = a1.getFloat("dashDownDelayMin", d.attack1.dashDownDelayMin);
    r.attack1.dashDownDelayMax = a1.getFloat("dashDownDelayMax", d.attack1.dashDownDelayMax);
    r.attack1.stunnedTime = a1.getFloat("stunnedTime", d.attack1.stunnedTime);
    r.attack1.damage = a1.getInt("damage", d.attack1.damage);
    const Fields a2 = data.child("attack2");
    r.attack2.prob = a2.getInt("prob", d.attack2.prob);
    r.attack2.launchFeatherDelay = a2.getFloat("launchFeatherDelay", d.attack2.launchFeatherDelay);
    r.attack2.featherDeltaPosX = a2.getInt("featherDeltaPosX", d.attack2.featherDeltaPosX);
}

void loadTheGod(TheGodRecord& r, const Fields& data, const Fields& root)
{
    const TheGodRecord d = BossDefaults::theGod();
    r.scale = data.getFloat("scale", d.scale);
    r.hp = data.getFloat("hp", d.hp);
    r.attackDelay = data.getFloat("attackDelay", d.attackDelay);
    for (auto [key, attack, fallback] :
         {std::tuple{"attack1", &r.attack1, d.attack1}, std::tuple{"attack2", &r.attack2, d.attack2}})
    {
        const Fields a = data.child(key);
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

void readToaKaipupuhiProjFile(ToaKaipupuhiProjRecord& r, const std::string& file)
{
    Json::Value document(Json::objectValue);
    if (!parseFile(file, document))
        Logger::Error("Failed to load ToaKaipupuhiProj data");
    EnemyDatabase::loadToaKaipupuhiProj(r, document, file);
}

void readDarkHulantFeatherFile(DarkHulantFeatherRecord& r, const std::string& file)
{
    Json::Value document(Json::objectValue);
    if (!parseFile(file, document))
        Logger::Error("Failed to load DarkHulantFeather data");
    EnemyDatabase::loadDarkHulantFeather(r, document, file);
}
} // namespace

void EnemyDatabase::loadToaKaipupuhiProj(ToaKaipupuhiProjRecord& r, const Json::Value& document,
                                         const std::string& file)
{
    const Fields root(document, file);
    r.texture = root.getString("texture");
    const Fields data = root.child("data");
    r.scale = data.getFloat("scale");
    r.speed = data.getFloat("speed");
    r.deltaY = data.getInt("deltaY");
    r.damage = data.getInt("damage");
}

void EnemyDatabase::loadDarkHulantFeather(DarkHulantFeatherRecord& r, const Json::Value& document,
                                          const std::string& file)
{
    const Fields data = Fields(document, file).child("data");
    r.scale = data.getFloat("scale");
    r.speed = data.getFloat("speed");
    r.deltaY = data.getInt("deltaY");
    r.lifeTime = data.getFloat("lifeTime");
    r.damage = data.getInt("damage");
}

namespace
{
std::unique_ptr<sf::Shader> loadShader(const std::string& path, const char* what)
{
    if (!sf::Shader::isAvailable())
    {
        Logger::Warning(std::string("Shaders are unavailable; ") + what + " is drawn plainly");
        return nullptr;
    }
    auto shader = std::make_unique<sf::Shader>();
    if (path.empty() || !shader->loadFromFile(path, sf::Shader::Fragment))
    {
        Logger::Warning(std::string("Failed to load ") + what + " shader " + path);
        return nullptr;
    }
    return shader;
}

std::string stemOf(const std::string& path)
{
    return std::filesystem::path(path).stem().string();
}
} // namespace

void EnemyDatabase::loadIndex(EnemyRecords& records, const Json::Value& index, const std::string& file)
{
    const Fields root(index, file);
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
        const Fields entry = root.child(name);
        shared.kinds[name] = {entry.getString("data"), entry.getString("textures")};
    }
}

void EnemyDatabase::loadKind(EnemyRecords& records, const std::string& kind, const Json::Value& document,
                             const std::string& file)
{
    const Fields root(document, file);
    const Fields data = root.child("data");
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

void EnemyDatabase::loadData(const std::string& indexFile)
{
    EnemyRecords records;
    Json::Value index(Json::objectValue);
    if (!parseFile(indexFile, index))
        Logger::Error("Failed to load enemy data");
    loadIndex(records, index, indexFile);
    for (const char* kind : kKindNames)
    {
        const std::string& path = records.shared.kinds[kind].data;
        Json::Value document(Json::objectValue);
        if (!parseFile(path, document))
            Logger::Error(std::string("Failed to load ") + kind + " data");
        loadKind(records, kind, document, path);
        // The kinds that fire a projectile read its tuning with their own.
        if (std::string(kind) == "ToaKaipupuhi")
            readToaKaipupuhiProjFile(records.toaKaipupuhiProj, kToaKaipupuhiProjFile);
        else if (std::string(kind) == "DarkHulant")
            readDarkHulantFeatherFile(records.darkHulantFeather, kDarkHulantFeatherFile);
    }
    state().records = std::move(records);
}

void EnemyDatabase::loadAll()
{
    loadData();
    DatabaseState& s = state();
    s.damageShader = loadShader(s.records.shared.getDamageShaderPath, "damage flash");
    s.fenceShader = loadShader(s.records.nazar.zaune.shaderPath, "Nazar fence");
    if (!s.records.toaKaipupuhiProj.texture.empty())
        TextureManager::loadTexture("ToaKaipupuhiProj", s.records.toaKaipupuhiProj.texture);
    KahiyuProj::loadParameters();
    TextureManager::loadTexture("Kahiyu_Rock", KahiyuProj::kRockFile);
    TextureManager::loadTexture("Kahiyu_Rock_VFX", KahiyuProj::kBurstFile);
}

const EnemyRecords& EnemyDatabase::records()
{
    return state().records;
}

void EnemyDatabase::setRecords(EnemyRecords records)
{
    state().records = std::move(records);
}

void EnemyDatabase::reset()
{
    state() = DatabaseState{};
}

std::unique_ptr<TextureManager::Group> EnemyDatabase::buildTextureGroup(const std::vector<std::string>& names,
                                                                        const std::string& indexFile)
{
    auto group = std::make_unique<TextureManager::Group>();
    Json::Value index(Json::objectValue);
    if (!parseFile(indexFile, index))
        Logger::Error("Failed to load enemy data");
    const Fields root(index, indexFile);
    for (const std::string& name : names)
    {
        auto child = std::make_unique<TextureManager::Group>();
        const Fields entry = root.child(name.c_str());
        const std::string dataPath = entry.getString("data");
        const std::string prefix = entry.getString("textures");
        Json::Value document(Json::objectValue);
        if (!parseFile(dataPath, document))
            Logger::Error("Failed to load " + name + " data");
        for (const std::string& texture : Fields(document, dataPath).strings("textures"))
            child->add(name + "_" + texture, prefix + texture + ".png");
        group->addChild(std::move(child));
    }
    return group;
}

std::unique_ptr<TextureManager::Group> EnemyDatabase::soulChoiceCatalogGroup(const std::string& indexFile)
{
    Json::Value index(Json::objectValue);
    if (!parseFile(indexFile, index))
        Logger::Error("Failed to load enemy data");
    const std::string prefix = Fields(index, indexFile).getString("soulChoiceTexturePath");
    // The game registers one language's pair under "SoulChoice_Kill"/"SoulChoice_Save";
    // the catalog names both languages' files.
    auto group = std::make_unique<TextureManager::Group>();
    for (const char* language : {"En", "Fr"})
    {
        group->add(std::string("SoulChoice_Kill_") + language, prefix + language + "/kill.png");
        group->add(std::string("SoulChoice_Save_") + language, prefix + language + "/save.png");
    }
    return group;
}

std::unique_ptr<TextureManager::Group> EnemyDatabase::projectileGroup()
{
    ToaKaipupuhiProjRecord shot;
    readToaKaipupuhiProjFile(shot, kToaKaipupuhiProjFile);
    auto group = std::make_unique<TextureManager::Group>();
    if (!shot.texture.empty())
        group->add("ToaKaipupuhiProj", shot.texture);
    group->add("Kahiyu_Rock", KahiyuProj::kRockFile);
    group->add("Kahiyu_Rock_VFX", KahiyuProj::kBurstFile);
    return group;
}

void EnemyDatabase::loadSoulChoiceIcons(int language)
{
    const char* folder = language == 0 ? "En/" : language == 1 ? "Fr/" : nullptr;
    if (!folder)
        return;
    DatabaseState& s = state();
    const std::string prefix = s.records.shared.soulChoiceTexturePath + folder;
    TextureManager::loadTexture("SoulChoice_Kill", prefix + "kill.png");
    TextureManager::loadTexture("SoulChoice_Save", prefix + "save.png");
    s.killIcon = TextureManager::getSprite("SoulChoice_Kill", ORIGIN_LEFT | ORIGIN_CENTER_Y);
    s.killIcon.setScale(0.5f, 0.5f);
    s.saveIcon = TextureManager::getSprite("SoulChoice_Save", ORIGIN_RIGHT | ORIGIN_CENTER_Y);
    s.saveIcon.setScale(0.5f, 0.5f);
}

const sf::Sprite& EnemyDatabase::killIcon()
{
    return state().killIcon;
}
const sf::Sprite& EnemyDatabase::saveIcon()
{
    return state().saveIcon;
}
sf::Shader* EnemyDatabase::damageShader()
{
    return state().damageShader.get();
}
sf::Shader* EnemyDatabase::fenceShader()
{
    return state().fenceShader.get();
}

std::vector<EnemyDatabase::AnimationSpec> EnemyDatabase::animationSpecs(const Json::Value& document,
                                                                        const std::string& file)
{
    const Fields root(document, file);
    const std::string name = root.getString("name");
    const Json::Value& list = root.array("animData");
    std::vector<AnimationSpec> specs;
    for (Json::ArrayIndex i = 0; i < list.size(); ++i)
    {
        if (!list[i].isObject())
        {
            root.warn(root.element("animData", i), "is not an object; skipped");
            continue;
        }
        const Fields entry(list[i], file, root.element("animData", i));
        AnimationSpec layout;
        layout.textureName = entry.getString("textureName");
        layout.key = name + "_" + layout.textureName;
        layout.frameCount = entry.getInt("frameCount");
        layout.time = entry.getFloat("time");
        layout.isLoop = entry.getBool("isLoop");
        layout.rows = entry.getInt("rows", 1);
        layout.frameWidth = entry.getInt("frameWidth");
        layout.frameHeight = entry.getInt("frameHeight");
        specs.push_back(std::move(layout));
    }
    return specs;
}

std::optional<sf::Vector2u> EnemyDatabase::frameSizeFor(const AnimationSpec& layout, sf::Vector2u textureSize)
{
    if (layout.frameCount < 1 || layout.rows < 1 || layout.rows > layout.frameCount)
        return std::nullopt;
    const std::int64_t columns = (layout.frameCount + layout.rows - 1) / layout.rows;
    const std::int64_t width = static_cast<std::int64_t>(textureSize.x) / columns;
    const std::int64_t height = static_cast<std::int64_t>(textureSize.y) / layout.rows;
    if (width == 0 || height == 0)
        return std::nullopt;
    return sf::Vector2u(static_cast<unsigned>(width), static_cast<unsigned>(height));
}

std::size_t EnemyDatabase::loadAnimations(AnimationTable& table, const std::string& dataPath)
{
    Json::Value document(Json::objectValue);
    if (!parseFile(dataPath, document))
    {
        Logger::Error("Failed to load " + stemOf(dataPath) + " data");
        return table.size();
    }
    std::string kind = Fields(document, dataPath).getString("name");
    if (kind.empty())
        kind = stemOf(dataPath);
    for (const AnimationSpec& layout : animationSpecs(document, dataPath))
    {
        const std::string skipped = "Skipped animation " + layout.key + " of " + kind + ": ";
        if (layout.frameCount < 1)
        {
            Logger::Error(skipped + "frameCount " + std::to_string(layout.frameCount) + " is below 1");
            continue;
        }
        const sf::Texture* texture = TextureManager::getTexture(layout.key);
        if (!texture)
        {
            Logger::Error(skipped + "texture " + layout.key + " is not loaded");
            continue;
        }
        const auto frame = frameSizeFor(layout, texture->getSize());
        if (!frame)
        {
            Logger::Error(skipped + "a " + std::to_string(texture->getSize().x) + "x" +
                          std::to_string(texture->getSize().y) + " sheet cannot hold " +
                          std::to_string(layout.frameCount) + " frames in " + std::to_string(layout.rows) + " rows");
            continue;
        }
        auto animation = std::make_unique<AnimationData>(
            layout.key, frame->x, frame->y, static_cast<std::uint32_t>(layout.frameCount), layout.time, ORIGIN_CENTER);
        animation->once = !layout.isLoop;
        table[layout.key] = std::move(animation);
    }
    return table.size();
}

std::vector<EnemyDatabase::AnimationSpec> EnemyDatabase::kindSheets(const std::string& kind,
                                                                    const std::string& indexFile)
{
    Json::Value index(Json::objectValue);
    parseFile(indexFile, index);
    const std::string dataPath = Fields(index, indexFile).child(kind.c_str()).getString("data");
    Json::Value document(Json::objectValue);
    if (!parseFile(dataPath, document))
        return {};
    return animationSpecs(document, dataPath);
}

PointList EnemyDatabase::readPoints(const Json::Value& object, const std::string& key)
{
    return Fields(object, "").points(key.c_str());
}

bool EnemyDatabase::isKind(const std::string& name)
{
    return std::find(kKindNames.begin(), kKindNames.end(), name) != kKindNames.end();
}
