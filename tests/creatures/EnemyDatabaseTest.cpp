#include "creatures/BossDefaults.h"
#include "creatures/EnemyDatabase.h"
#include "core/AnimationData.h"
#include "core/TextureManager.h"
#include "support/PngHeader.h"
#include "support/TestSupport.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <json/json.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace
{
// The animations each kind's behaviour shows, and for the ones whose handlers act
// on a given frame, the least frame count that frame needs to exist.
struct Needed
{
    const char* kind;
    std::map<std::string, int> animations; // texture name -> least frame count
};

std::vector<Needed> neededAnimations()
{
    std::vector<Needed> table = {
        {"Kahiyu",
         {{"Idle_Left", 1},
          {"Idle_Right", 1},
          {"Walk_Left", 1},
          {"Walk_Right", 1},
          {"Attack_Left_P01", 1},
          {"Attack_Right_P01", 1},
          {"Attack_Left_P02", 7},
          {"Attack_Right_P02", 7},
          {"Death_Left", 1},
          {"Death_Right", 1},
          {"Soul", 1}}},
        {"Zeyn",
         {{"Idle_Left", 1},
          {"Idle_Right", 1},
          {"Attack_Left", 9},
          {"Attack_Right", 9},
          {"Death_Left", 1},
          {"Death_Right", 1},
          {"Soul", 1}}},
        {"Nazar",
         {{"Idle", 1},
          {"Attack_Start", 1},
          {"Attack_Loop", 1},
          {"Death", 1},
          {"Soul", 1},
          {"Zaune_Start", 1},
          {"Zaune_Loop", 1},
          {"Zaune_End", 1},
          {"Brambles", 8}}},
        {"ToaTao",
         {{"Idle", 1},
          {"Move", 1},
          {"Attack_Down_P01", 1},
          {"Attack_Down_P02", 6},
          {"Attack_Down_P03", 3},
          {"Soul", 1}}},
        {"ToaMangere", {{"Idle", 1}, {"Walk", 1}, {"Attack", 15}, {"Slaam", 1}, {"Death", 1}, {"Soul", 1}}},
        {"ToaKaipupuhi",
         {{"Idle_P01", 1},
          {"Idle_P02", 1},
          {"Walk", 1},
          {"Attack_P01", 1},
          {"Attack_P02", 6},
          {"ChockWave", 1},
          {"Death", 1},
          {"Soul", 1}}},
        {"TheGod",
         {{"Idle", 1},
          {"Disappear", 1},
          {"Appear", 1},
          {"Meta_Deer", 1},
          {"Deer_Attack_Up", 1},
          {"Deer_Attack_Down", 1},
          {"Deer_Attack_Left", 1},
          {"Deer_Attack_Right", 1},
          {"Meta_Deer_God", 1},
          {"Meta_Wolf", 1},
          {"Wolf_Attack_Up", 1},
          {"Wolf_Attack_Down", 1},
          {"Wolf_Attack_Left", 1},
          {"Wolf_Attack_Right", 1},
          {"Meta_Wolf_God", 1},
          {"Death", 1}}},
    };
    Needed nepturath{"Nepturath",
                     {{"Intro", 1},
                      {"Plunge_After_Stunned", 1},
                      {"Move_Underwater", 1},
                      {"Close_Surface", 1},
                      {"Exit_Water", 10},
                      {"Stunned", 1},
                      {"Charge_Build_Left", 12},
                      {"Charge_Build_Right", 12},
                      {"Charge_Left", 1},
                      {"Charge_Right", 1},
                      {"Chock_Wall_Left", 1},
                      {"Chock_Wall_Right", 1},
                      {"Sardine_Left", 1},
                      {"Sardine_Right", 1},
                      {"Death_P01", 1},
                      {"Death_P02", 1},
                      {"Death_P03", 1},
                      {"Soul", 1}}};
    for (const char* d : {"Up", "Down", "Left", "Right", "Up_Left", "Up_Right", "Down_Left", "Down_Right"})
    {
        nepturath.animations[std::string("Move_Fin_") + d] = 1;
        nepturath.animations[std::string("Plunge_") + d] = 1;
    }
    table.push_back(nepturath);
    Needed darkHulant{"DarkHulant", {}};
    Needed owl{"LittleOwl", {}};
    for (const std::string v : {"Angel_", "Demon_"})
    {
        for (int part = 1; part <= 7; ++part)
            darkHulant.animations[v + "Intro_P0" + std::to_string(part)] = 1;
        for (const char* a : {"Takes_Off", "Fly_P01", "Fly_P02", "Land_P01", "Land_P02", "Land_P03", "Idle",
                              "Dive_Load_P01", "Dive_Load_P02", "Dash_Up", "Dash_Down", "Dizzy", "Feather_Attack",
                              "Death_P01", "Death_P02", "Death_P03", "Soul"})
            darkHulant.animations[v + a] = 1;
        owl.animations[v + "Fly"] = 1;
        owl.animations[v + "Attack"] = 9;
        owl.animations[v + "Death"] = 1;
    }
    for (int part = 1; part <= 4; ++part)
        darkHulant.animations["Wind_Effect_P0" + std::to_string(part)] = 1;
    table.push_back(darkHulant);
    table.push_back(owl);
    return table;
}

class EnemyDatabaseTest : public ::testing::Test
{
public:
    void TearDown() override
    {
        EnemyDatabase::reset();
        TextureManager::clear();
    }

    // Writes a file under a fresh temporary folder and returns its path.
    std::string write(const std::string& name, const std::string& text)
    {
        const fs::path path = dir_ / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
        return path.string();
    }

    // An index file whose kinds all point at files under the temporary folder.
    std::string writeIndex(const std::string& extra = "")
    {
        std::string text = "{\"getDamageShaderPath\": \"x.frag\", \"invincibilityTime\": 0.5," + extra;
        bool first = true;
        for (const char* kind : EnemyDatabase::kKindNames)
        {
            text += std::string(first ? "" : ",") + "\"" + kind + "\": {\"data\": \"" + (dir_ / kind).string() +
                    ".json\", \"textures\": \"T/" + kind + "/\"}";
            first = false;
        }
        return write("MainData.json", text + "}");
    }

    fs::path dir_ = fs::path(::testing::TempDir()) / ("enemy_db_" + std::to_string(::getpid()));
};

TEST_F(EnemyDatabaseTest, ShippedFilesLoadCleanlyWithEveryValueSet)
{
    LogCapture log;
    EnemyDatabase::loadData();
    EXPECT_EQ(log.text(), "") << "the shipped enemy files should load without a single complaint";

    const EnemyRecords& r = EnemyDatabase::records();
    EXPECT_EQ(r.shared.getDamageShaderPath, "Assets/Shaders/Enemy/Takes_Damage.frag");
    EXPECT_EQ(r.nazar.zaune.shaderPath, "Assets/Shaders/Enemy/Zaune.frag");
    EXPECT_TRUE(fs::exists(r.shared.getDamageShaderPath));
    EXPECT_TRUE(fs::exists(r.nazar.zaune.shaderPath));
    EXPECT_GT(r.shared.invincibilityTime, 0.f);
    EXPECT_GT(r.shared.maxSoulChoiceDistDraw, 0);
    // The room editor offers the nine placeable kinds; the owls only come with their boss.
    EXPECT_EQ(r.shared.nameList.size(), 9u);
    for (const auto& name : r.shared.nameList)
        EXPECT_TRUE(EnemyDatabase::isKind(name) && name != "LittleOwl") << name;

    const std::pair<const char*, const EnemyCommonRecord*> kinds[] = {
        {"Kahiyu", &r.kahiyu},         {"Zeyn", &r.zeyn},
        {"Nazar", &r.nazar},           {"ToaTao", &r.toaTao},
        {"ToaMangere", &r.toaMangere}, {"ToaKaipupuhi", &r.toaKaipupuhi},
        {"Nepturath", &r.nepturath},   {"DarkHulant", &r.darkHulant},
        {"LittleOwl", &r.littleOwl},   {"TheGod", &r.theGod}};
    for (const auto& [name, record] : kinds)
    {
        EXPECT_GT(record->hp, 0.f) << name;
        EXPECT_GT(record->scale, 0.f) << name;
        EXPECT_FALSE(record->hitBox.empty() && std::string(name) != "Nepturath") << name << " has no hit box";
        EXPECT_EQ(record->dataPath, "Assets/Data/Enemy/" + std::string(name) + ".json");
        // Moving kinds probe their collision polygon's vertices 0..7 by heading.
        if (std::string(name) != "Nazar")
        {
            EXPECT_EQ(record->colisionBox.size(), 8u) << name;
        }
    }
    for (const auto* record :
         {static_cast<const EnemyCommonRecord*>(&r.nazar), static_cast<const EnemyCommonRecord*>(&r.toaMangere),
          static_cast<const EnemyCommonRecord*>(&r.darkHulant)})
        EXPECT_FALSE(record->attackBox.empty()) << record->dataPath;
    for (const PointList* list :
         {&r.nepturath.stunnedHitBox, &r.nepturath.sardineHitBox, &r.nepturath.exitWaterBox, &r.nepturath.chargeLeftBox,
          &r.nepturath.chargeRightBox, &r.theGod.attack1UpBox, &r.theGod.attack1DownBox, &r.theGod.attack1LeftBox,
          &r.theGod.attack1RightBox, &r.theGod.attack2UpBox, &r.theGod.attack2DownBox, &r.theGod.attack2LeftBox,
          &r.theGod.attack2RightBox})
        EXPECT_GE(list->size(), 3u);

    // Angles arrive in radians; "spearRotateSpeed" is kept as written.
    EXPECT_NEAR(r.zeyn.attack.rightEndAngle, 70.f * 3.1415927f / 180.f, 1e-5);
    EXPECT_NEAR(r.toaTao.attack1.angleEnd, -340.f * 3.1415927f / 180.f, 1e-4);
    EXPECT_EQ(r.toaTao.attack1.spearRotateSpeed, 4);
    // Zeyn's blade must be able to touch a player it starts the swing against.
    EXPECT_LE(r.zeyn.attack.startHitDist, r.zeyn.attack.reach);
    // Projectile tuning comes with the kinds that fire them.
    EXPECT_GT(r.toaKaipupuhiProj.speed, 0.f);
    EXPECT_EQ(r.toaKaipupuhiProj.texture, "Assets/Sprites/Projectile/ToaKaipupuhiProj.png");
    EXPECT_GT(r.darkHulantFeather.lifeTime, 0.f);
}

TEST_F(EnemyDatabaseTest, EveryKindListsTheAnimationsItsBehaviourShows)
{
    for (const Needed& kind : neededAnimations())
    {
        std::map<std::string, EnemyDatabase::AnimationSpec> specs;
        for (const auto& layout : EnemyDatabase::kindSheets(kind.kind))
            specs[layout.textureName] = layout;
        for (const auto& [name, leastFrames] : kind.animations)
        {
            auto it = specs.find(name);
            ASSERT_NE(it, specs.end()) << kind.kind << " lacks animation " << name;
            EXPECT_GE(it->second.frameCount, leastFrames)
                << kind.kind << "_" << name << " is too short for the frame its behaviour waits for";
            EXPECT_GT(it->second.time, 0.f) << kind.kind << "_" << name;
            // Sheets stay within the texture size every graphics card takes.
            const auto columns = (it->second.frameCount + it->second.rows - 1) / it->second.rows;
            EXPECT_LE(columns * it->second.frameWidth, 8192) << kind.kind << "_" << name;
        }
    }
}

TEST_F(EnemyDatabaseTest, EnemyGroupNamesOnlyGeneratedFiles)
{
    const std::vector<std::string> names(EnemyDatabase::kKindNames.begin(), EnemyDatabase::kKindNames.end());
    const auto group = EnemyDatabase::buildTextureGroup(names);
    ASSERT_EQ(group->children().size(), names.size());
    const auto entries = group->flatten();
    EXPECT_EQ(entries.at("Zeyn_Idle_Left"), "Assets/Sprites/Enemy/Zeyn/Idle_Left.png");
    EXPECT_EQ(entries.at("DarkHulant_Angel_Feather"), "Assets/Sprites/Enemy/DarkHulant/Angel_Feather.png");
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_GT(group->children()[i]->size(), 0u) << names[i];
    for (const auto& [key, path] : entries)
        EXPECT_TRUE(fs::exists(path)) << key << " names " << path << ", which the generator did not paint";
    for (const auto& extra : {EnemyDatabase::soulChoiceCatalogGroup(), EnemyDatabase::projectileGroup()})
        for (const auto& [key, path] : extra->flatten())
            EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_TRUE(fs::exists(EnemyDatabase::kShadowFile));
}

// Missing and malformed files: the failure line of the file that failed, then defaults.
TEST_F(EnemyDatabaseTest, BrokenFilesLogTheirFailureAndFallBackToDefaults)
{
    struct Case
    {
        const char* what;
        std::function<std::string(EnemyDatabaseTest&)> setup; // returns the index path
        std::vector<std::string> expectedLines;
        std::function<void(const EnemyRecords&)> check;
    };
    const std::string zeynOk =
        R"({"name": "Zeyn", "data": {"hp": 60, "scale": 1.5, "attack": {"reach": 90, "leftEndAngle": 180}},
            "colisionBoxPoints": [{"x": 1, "y": 2}, {"x": 3, "y": 4}]})";
    const Case cases[] = {
        {"missing index",
         [](EnemyDatabaseTest& t) { return (t.dir_ / "nowhere.json").string(); },
         {"Failed to load enemy data", "Failed to load Kahiyu data", "Failed to load TheGod data"},
         [](const EnemyRecords& r)
         {
             EXPECT_EQ(r.shared.invincibilityTime, 0.f);
             EXPECT_TRUE(r.shared.nameList.empty());
             EXPECT_EQ(r.zeyn.hp, 0.f);
         }},
        {"index that is not JSON",
         [](EnemyDatabaseTest& t) { return t.write("MainData.json", "{\"invincibilityTime\": 0.5,"); },
         {"Failed to load enemy data", "Failed to load Zeyn data"},
         [](const EnemyRecords& r) { EXPECT_EQ(r.shared.invincibilityTime, 0.f); }},
        {"index whose root is an array",
         [](EnemyDatabaseTest& t) { return t.write("MainData.json", "[1, 2]"); },
         {"Failed to load enemy data"},
         [](const EnemyRecords&) {}},
        {"kind file missing, the others load",
         [zeynOk](EnemyDatabaseTest& t)
         {
             t.write("Zeyn.json", zeynOk);
             return t.writeIndex();
         },
         {"Failed to load Kahiyu data", "Failed to load Nazar data"},
         [](const EnemyRecords& r)
         {
             EXPECT_EQ(r.shared.invincibilityTime, 0.5f);
             EXPECT_EQ(r.zeyn.hp, 60.f);
             EXPECT_EQ(r.zeyn.attack.reach, 90);
             EXPECT_NEAR(r.zeyn.attack.leftEndAngle, 3.1415927f, 1e-6);
             EXPECT_EQ(r.zeyn.colisionBox.size(), 2u);
             EXPECT_EQ(r.zeyn.hitBox.size(), 0u); // absent list: empty
             EXPECT_EQ(r.kahiyu.hp, 0.f);
         }},
        {"kind file truncated",
         [](EnemyDatabaseTest& t)
         {
             t.write("TheGod.json", R"({"name": "TheGod", "data": {"hp": 8)");
             return t.writeIndex();
         },
         {"Failed to load TheGod data"},
         // A boss falls back on tuning it can be fought with, never on 0 health.
         [](const EnemyRecords& r) { EXPECT_EQ(r.theGod.hp, BossDefaults::theGod().hp); }},
        {"values of the wrong type",
         [](EnemyDatabaseTest& t)
         {
             t.write("Zeyn.json", R"({"data": {"hp": "lots", "scale": 2, "attack": [1], "moveStopDist": 1e12},
                                     "hitBoxPoints": [{"x": 1, "y": 1}, 7, {"x": "a", "y": 2}],
                                     "colisionBoxPoints": {"x": 1}})");
             return t.writeIndex(R"("NameList": ["Zeyn", 3],)");
         },
         {"Zeyn.json: \"data.hp\"", "\"data.attack\" is not an object", "\"data.moveStopDist\"",
          "\"hitBoxPoints[1]\" is not a point", "\"hitBoxPoints[2].x\"", "\"colisionBoxPoints\" is not an array",
          "\"NameList[1]\" is not a string"},
         [](const EnemyRecords& r)
         {
             EXPECT_EQ(r.zeyn.hp, 0.f);
             EXPECT_EQ(r.zeyn.scale, 2.f); // the keys around a bad one still load
             EXPECT_EQ(r.zeyn.moveStopDist, 0);
             ASSERT_EQ(r.zeyn.hitBox.size(), 2u);
             EXPECT_EQ(r.zeyn.hitBox[1], sf::Vector2f(0.f, 2.f));
             EXPECT_TRUE(r.zeyn.colisionBox.empty());
             EXPECT_EQ(r.shared.nameList, std::vector<std::string>{"Zeyn"});
         }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir_);
        EnemyDatabase::reset();
        LogCapture log;
        EnemyDatabase::loadData(c.setup(*this));
        for (const auto& line : c.expectedLines)
            EXPECT_NE(log.text().find(line), std::string::npos) << "expected \"" << line << "\" in:\n" << log.text();
        c.check(EnemyDatabase::records());
    }
    fs::remove_all(dir_);
}

TEST_F(EnemyDatabaseTest, GroupOfAnUnreadableKindIsEmptyAndSaysSo)
{
    write("Zeyn.json", R"({"textures": ["Idle", "Walk"]})");
    const std::string index = writeIndex();
    LogCapture log;
    const auto group = EnemyDatabase::buildTextureGroup({"Zeyn", "Kahiyu"}, index);
    EXPECT_EQ(log.count("Failed to load Kahiyu data"), 1);
    ASSERT_EQ(group->children().size(), 2u);
    EXPECT_EQ(group->children()[0]->entries().at("Zeyn_Walk"), "T/Zeyn/Walk.png");
    EXPECT_EQ(group->children()[1]->size(), 0u);
    fs::remove_all(dir_);
}

TEST(EnemyFrameSize, SheetLayoutsAndTheOnesThatCannotHoldTheirFrames)
{
    struct Case
    {
        std::int64_t frames, rows;
        sf::Vector2u texture;
        std::optional<sf::Vector2u> expected;
    };
    const Case cases[] = {
        {8, 1, {800, 100}, sf::Vector2u(100, 100)}, // one row: width / frame count
        {7, 1, {800, 90}, sf::Vector2u(114, 90)},   // integer division
        {8, 2, {400, 200}, sf::Vector2u(100, 100)}, // two rows of four
        {7, 2, {400, 200}, sf::Vector2u(100, 100)}, // the last row is short
        {0, 1, {800, 100}, std::nullopt},           // no frames
        {-3, 1, {800, 100}, std::nullopt},
        {8, 0, {800, 100}, std::nullopt},   // no rows
        {4, 5, {800, 100}, std::nullopt},   // more rows than frames
        {900, 1, {800, 100}, std::nullopt}, // frames narrower than a pixel
        {2, 2, {800, 1}, std::nullopt},     // rows shorter than a pixel
        {2147483647, 1, {800, 100}, std::nullopt},
    };
    for (const Case& c : cases)
    {
        EnemyDatabase::AnimationSpec layout;
        layout.frameCount = c.frames;
        layout.rows = c.rows;
        EXPECT_EQ(EnemyDatabase::frameSizeFor(layout, c.texture), c.expected)
            << c.frames << " frames in " << c.rows << " rows of " << c.texture.x << "x" << c.texture.y;
    }
}

// Under Xvfb: textures are real.
TEST_F(EnemyDatabaseTest, AnimationsSkipBadEntriesWithALineAndKeepTheRest)
{
    sf::Image sheet;
    sheet.create(800, 100, sf::Color::Red);
    const std::string png = (fs::path(::testing::TempDir()) / "enemy_db_sheet.png").string();
    ASSERT_TRUE(sheet.saveToFile(png));
    TextureManager::loadTexture("Imp_Walk", png);
    TextureManager::loadTexture("Imp_Zero", png);
    TextureManager::loadTexture("Imp_Rows", png);
    TextureManager::loadTexture("Imp_Thin", png);
    const std::string file = write("Imp.json", R"({"name": "Imp", "animData": [
        {"textureName": "Walk", "frameCount": 8, "time": 0.1, "isLoop": true},
        {"textureName": "Zero", "frameCount": 0, "time": 0.1, "isLoop": true},
        {"textureName": "Gone", "frameCount": 4, "time": 0.1, "isLoop": false},
        {"textureName": "Thin", "frameCount": 1000, "time": 0.1},
        "junk",
        {"textureName": "Rows", "frameCount": 8, "rows": 2, "time": 0.05, "isLoop": false}]})");

    LogCapture log;
    EnemyDatabase::AnimationTable table;
    EXPECT_EQ(EnemyDatabase::loadAnimations(table, file), 2u);
    EXPECT_EQ(log.count("Skipped animation Imp_Zero of Imp: frameCount 0"), 1) << log.text();
    EXPECT_EQ(log.count("Skipped animation Imp_Gone of Imp: texture Imp_Gone is not loaded"), 1) << log.text();
    EXPECT_EQ(log.count("Skipped animation Imp_Thin of Imp"), 1) << log.text();
    EXPECT_EQ(log.count("animData[4]\" is not an object"), 1) << log.text();

    AnimationData& walk = *table.at("Imp_Walk");
    EXPECT_EQ(walk.frameSize, sf::Vector2u(100, 100));
    EXPECT_FALSE(walk.once);
    EXPECT_EQ(walk.sprite.getOrigin(), sf::Vector2f(50.f, 50.f)); // centred on the frame
    AnimationData& rows = *table.at("Imp_Rows");
    EXPECT_EQ(rows.frameSize, sf::Vector2u(200, 50));
    EXPECT_TRUE(rows.once);
    rows.currentFrame = 5;
    EXPECT_EQ(rows.frameRect(), sf::IntRect(200, 50, 200, 50));

    // Loading again replaces entries rather than adding to them.
    EXPECT_EQ(EnemyDatabase::loadAnimations(table, file), 2u);
    // An unreadable file leaves the table as it was.
    LogCapture second;
    EXPECT_EQ(EnemyDatabase::loadAnimations(table, (dir_ / "Ghost.json").string()), 2u);
    EXPECT_EQ(second.count("Failed to load Ghost data"), 1);
    fs::remove_all(dir_);
}

// Every generated sheet is cut by the game into frames of the size its data file gives.
TEST_F(EnemyDatabaseTest, GeneratedSheetsMatchTheirDataFiles)
{
    EnemyDatabase::loadData();
    const auto& shared = EnemyDatabase::records().shared;
    for (const char* kind : EnemyDatabase::kKindNames)
        for (const auto& layout : EnemyDatabase::kindSheets(kind))
        {
            const std::string file = shared.kinds.at(kind).textures + layout.textureName + ".png";
            const auto size = pngSize(file);
            ASSERT_TRUE(size) << file;
            const auto frame = EnemyDatabase::frameSizeFor(layout, *size);
            ASSERT_TRUE(frame) << file;
            EXPECT_EQ(*frame, sf::Vector2u(unsigned(layout.frameWidth), unsigned(layout.frameHeight))) << file;
        }
}

TEST_F(EnemyDatabaseTest, SoulChoiceIconsFollowTheLanguage)
{
    EnemyDatabase::loadData();
    EnemyDatabase::loadSoulChoiceIcons(2);
    EXPECT_FALSE(TextureManager::isPresent("SoulChoice_Kill"));
    EXPECT_FALSE(TextureManager::isPresent("SoulChoice_Save"));

    EnemyDatabase::loadSoulChoiceIcons(1);
    ASSERT_TRUE(TextureManager::isPresent("SoulChoice_Kill"));
    ASSERT_TRUE(TextureManager::isPresent("SoulChoice_Save"));
    const sf::Vector2u size = TextureManager::getTexture("SoulChoice_Kill")->getSize();
    const sf::Sprite& kill = EnemyDatabase::killIcon();
    const sf::Sprite& save = EnemyDatabase::saveIcon();
    // Kill hangs right of the soul (origin on its left edge), save left of it.
    EXPECT_EQ(kill.getOrigin(), sf::Vector2f(0.f, size.y / 2.f));
    EXPECT_EQ(save.getOrigin().x, float(TextureManager::getTexture("SoulChoice_Save")->getSize().x));
    EXPECT_EQ(kill.getScale(), sf::Vector2f(0.5f, 0.5f));
    EXPECT_EQ(save.getScale(), sf::Vector2f(0.5f, 0.5f));

    // The next run of the session, after a change of language: the pair is replaced
    // without a warning, and the icons show the new pair.
    LogCapture log;
    EnemyDatabase::loadSoulChoiceIcons(0);
    EnemyDatabase::loadSoulChoiceIcons(0);
    EXPECT_EQ(log.count("Warning"), 0);
    EXPECT_EQ(EnemyDatabase::killIcon().getTexture(), TextureManager::getTexture("SoulChoice_Kill"));
    EXPECT_EQ(EnemyDatabase::saveIcon().getTexture(), TextureManager::getTexture("SoulChoice_Save"));
}
} // namespace

namespace
{
// Under Xvfb: start-up loading compiles both enemy shaders and registers the shot's sheet.
TEST(EnemyDatabaseStartUp, LoadsTheShadersAndTheShotTexture)
{
    LogCapture log;
    EnemyDatabase::loadAll();
    if (sf::Shader::isAvailable())
    {
        EXPECT_NE(EnemyDatabase::damageShader(), nullptr) << log.text();
        EXPECT_NE(EnemyDatabase::fenceShader(), nullptr) << log.text();
    }
    EXPECT_TRUE(TextureManager::isPresent("ToaKaipupuhiProj"));
    EXPECT_EQ(TextureManager::getTexture("ToaKaipupuhiProj")->getSize().x % 4, 0u); // four equal frames
    EnemyDatabase::reset();
    TextureManager::clear();
}
} // namespace
