#include "creatures/EnemyDatabase.h"

#include "core/AnimationData.h"
#include "core/Logger.h"
#include "creatures/KahiyuProj.h"
#include "creatures/TuningFields.h"

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

void EnemyDatabase::loadData(const std::string& indexFile)
{
    state().records = readRecords(indexFile);
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
    if (!TuningFields::readObjectFile(indexFile, index))
        Logger::Error("Failed to load enemy data");
    const TuningFields root(index, indexFile);
    for (const std::string& name : names)
    {
        auto child = std::make_unique<TextureManager::Group>();
        const TuningFields entry = root.child(name.c_str());
        const std::string dataPath = entry.getString("data");
        const std::string prefix = entry.getString("textures");
        Json::Value document(Json::objectValue);
        if (!TuningFields::readObjectFile(dataPath, document))
            Logger::Error("Failed to load " + name + " data");
        for (const std::string& texture : TuningFields(document, dataPath).strings("textures"))
            child->add(name + "_" + texture, prefix + texture + ".png");
        group->addChild(std::move(child));
    }
    return group;
}

std::unique_ptr<TextureManager::Group> EnemyDatabase::soulChoiceCatalogGroup(const std::string& indexFile)
{
    Json::Value index(Json::objectValue);
    if (!TuningFields::readObjectFile(indexFile, index))
        Logger::Error("Failed to load enemy data");
    const std::string prefix = TuningFields(index, indexFile).getString("soulChoiceTexturePath");
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
    // Every run loads the pair, in the language chosen now: a later run of the same
    // session replaces the last one's pair rather than loading it a second time.
    for (const char* key : {"SoulChoice_Kill", "SoulChoice_Save"})
        TextureManager::unloadTexture(key);
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
    const TuningFields root(document, file);
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
        const TuningFields entry(list[i], file, root.element("animData", i));
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
    if (!TuningFields::readObjectFile(dataPath, document))
    {
        Logger::Error("Failed to load " + stemOf(dataPath) + " data");
        return table.size();
    }
    std::string kind = TuningFields(document, dataPath).getString("name");
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
    TuningFields::readObjectFile(indexFile, index);
    const std::string dataPath = TuningFields(index, indexFile).child(kind.c_str()).getString("data");
    Json::Value document(Json::objectValue);
    if (!TuningFields::readObjectFile(dataPath, document))
        return {};
    return animationSpecs(document, dataPath);
}

PointList EnemyDatabase::readPoints(const Json::Value& object, const std::string& key)
{
    return TuningFields(object, "").points(key.c_str());
}

bool EnemyDatabase::isKind(const std::string& name)
{
    return std::find(kKindNames.begin(), kKindNames.end(), name) != kKindNames.end();
}
