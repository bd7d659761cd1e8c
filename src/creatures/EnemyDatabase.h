#pragma once

#include "core/TextureManager.h"
#include "creatures/EnemyRecords.h"

#include <SFML/Graphics/Sprite.hpp>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class AnimationData;
namespace Json
{
class Value;
}
namespace sf
{
class Shader;
}

// The process-wide tuning of every enemy kind, read once at start-up from the
// index file and the kinds' data files, plus what is built from those files: the
// enemies' texture group, their animation tables, the soul-choice icons and the
// shaders drawn over enemies. Tests fill it from their own files or records.
class EnemyDatabase
{
public:
    static constexpr const char* kIndexFile = "Assets/Data/Enemy/MainData.json";
    static constexpr const char* kShadowFile = "Assets/Sprites/Enemy/Shadow.png";
    static constexpr const char* kToaKaipupuhiProjFile = "Assets/Data/Projectile/ToaKaipupuhiProj.json";
    static constexpr const char* kDarkHulantFeatherFile = "Assets/Data/Projectile/DarkHulantFeather.json";
    // Every kind, in the order the game lists them.
    static constexpr std::array<const char*, 10> kKindNames = {"Kahiyu",     "Zeyn",         "Nazar",     "ToaTao",
                                                               "ToaMangere", "ToaKaipupuhi", "Nepturath", "DarkHulant",
                                                               "LittleOwl",  "TheGod"};

    using AnimationTable = std::map<std::string, std::unique_ptr<AnimationData>>;

    // One "animData" entry as written, before any texture is looked at.
    struct AnimationSpec
    {
        std::string key; // kind name + "_" + textureName: texture and animation key
        std::string textureName;
        std::int64_t frameCount = 0;
        float time = 0.f;
        bool isLoop = false;
        std::int64_t rows = 1;
        // The frame size the sheet is painted with (content authoring; the game measures the texture).
        std::int64_t frameWidth = 0;
        std::int64_t frameHeight = 0;
    };

    // Start-up: the data, then the damage and fence shaders and the ToaKaipupuhi shot's texture.
    static void loadAll();
    // The data alone, touching no texture or shader.
    static void loadData(const std::string& indexFile = kIndexFile);
    // What loadData() stores: the index, every kind's file and the projectiles' files
    // read into records; a missing or broken file is reported and reads as defaults.
    static EnemyRecords readRecords(const std::string& indexFile = kIndexFile);
    static const EnemyRecords& records();
    static void setRecords(EnemyRecords records);
    static void reset();

    // One child group per name, keyed name + "_" + texture, from each kind's "textures" list.
    static std::unique_ptr<TextureManager::Group> buildTextureGroup(const std::vector<std::string>& names,
                                                                    const std::string& indexFile = kIndexFile);
    // The four soul-choice icon files (both languages), for the content catalog.
    static std::unique_ptr<TextureManager::Group> soulChoiceCatalogGroup(const std::string& indexFile = kIndexFile);
    // Textures loaded outside groups: the ToaKaipupuhi shot's sheet, Kahiyu's rock and its burst.
    static std::unique_ptr<TextureManager::Group> projectileGroup();

    // Registers "SoulChoice_Kill" and "SoulChoice_Save" for language 0 (English) or 1 (French).
    static void loadSoulChoiceIcons(int language);
    static const sf::Sprite& killIcon();
    static const sf::Sprite& saveIcon();
    // Null until loaded (or where shaders are unavailable).
    static sf::Shader* damageShader();
    static sf::Shader* fenceShader();

    // Fills `table` from the file's "animData"; returns how many animations it holds afterwards.
    static std::size_t loadAnimations(AnimationTable& table, const std::string& dataPath);
    // The "animData" of a parsed data file; `file` names it in warnings.
    static std::vector<AnimationSpec> animationSpecs(const Json::Value& document, const std::string& file);
    // Frame size of a sheet of `textureSize` holding the layout's frames, or nothing when it cannot hold them.
    static std::optional<sf::Vector2u> frameSizeFor(const AnimationSpec& layout, sf::Vector2u textureSize);
    // The sheets a kind's data file lists, for the content generator.
    static std::vector<AnimationSpec> kindSheets(const std::string& kind, const std::string& indexFile = kIndexFile);

    static PointList readPoints(const Json::Value& object, const std::string& key);
    // Fills records from an already parsed index document (the fuzz target's entry too).
    static void loadIndex(EnemyRecords& records, const Json::Value& index, const std::string& file);
    static void loadKind(EnemyRecords& records, const std::string& kind, const Json::Value& document,
                         const std::string& file);

    // The projectile files' readers over parsed documents (defaults where they do not fit).
    static void loadToaKaipupuhiProj(ToaKaipupuhiProjRecord& record, const Json::Value& document,
                                     const std::string& file);
    static void loadDarkHulantFeather(DarkHulantFeatherRecord& record, const Json::Value& document,
                                      const std::string& file);
    // The ToaKaipupuhi shot's file read and parsed; an error is logged when it cannot be.
    static void readToaKaipupuhiProjFile(ToaKaipupuhiProjRecord& record, const std::string& file);

    static bool isKind(const std::string& name);
};
