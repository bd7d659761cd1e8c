#include "ContentCatalog.h"

#include "core/Engine.h"
#include "core/FontManager.h"
#include "core/GameSettings.h"
#include "core/LoadingScreen.h"
#include "creatures/EnemyDatabase.h"
#include "menus/Logo.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"
#include "menus/PreparedSets.h"
#include "run/BossLifeBar.h"
#include "run/Player.h"
#include "run/RunTextures.h"
#include "run/TutorialState.h"
#include "run/healthBar.h"
#include "run/karmaBar.h"
#include "world/PropRegistry.h"
#include "world/RoomTextures.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <set>

std::vector<ContentCatalog::NamedGroup> ContentCatalog::textureGroups()
{
    std::vector<NamedGroup> groups;
    groups.push_back({"main menu", MainMenuState::mainMenuGroup()});
    groups.push_back({"menu resources (English)", MenuGroups::menuResources(GameSettings::kEnglish)});
    groups.push_back({"menu resources (French)", MenuGroups::menuResources(GameSettings::kFrench)});
    groups.push_back({"pictures with words (English)", MenuGroups::wordedPictures(GameSettings::kEnglish)});
    groups.push_back({"pictures with words (French)", MenuGroups::wordedPictures(GameSettings::kFrench)});
    groups.push_back({"settings backdrop", MenuGroups::backdrop()});
    groups.push_back({"credits", MenuGroups::credits()});
    groups.push_back({"game over", MenuGroups::gameOver()});
    groups.push_back({"victory (angelic)", MenuGroups::victory(1.f)});
    groups.push_back({"victory (diabolic)", MenuGroups::victory(-1.f)});
    // Only the parts of the menu's prepared sets whose pictures exist; the others
    // join when the screens that own them arrive.
    using MakeSet = PreparedSets::Set (*)();
    for (MakeSet makeSet : {MakeSet(&PreparedSets::run), MakeSet([] { return PreparedSets::tutorial(); }),
                            MakeSet(&PreparedSets::editor)})
    {
        PreparedSets::Set set = makeSet();
        for (PreparedSets::Part& part : set)
            if (part.contentReady)
                groups.push_back({"prepared set: " + part.name, std::move(part.group)});
    }

    // The tutorial's pages in French beside the English ones of its set.
    groups.push_back({"tutorial texts (French)", TutorialState::pageGroup(GameSettings::kFrench)});

    // The enemies' sheets as the run and the tutorial load them, with the shadow
    // the main menu adds beside them; the soul-choice icons of both languages and
    // the ToaKaipupuhi shot, which are loaded on their own.
    const std::vector<std::string> kinds(EnemyDatabase::kKindNames.begin(), EnemyDatabase::kKindNames.end());
    auto enemies = EnemyDatabase::buildTextureGroup(kinds);
    enemies->add("EnemyShadow", EnemyDatabase::kShadowFile);
    groups.push_back({"enemies", std::move(enemies)});
    groups.push_back({"enemies", EnemyDatabase::soulChoiceCatalogGroup()});
    groups.push_back({"enemies", EnemyDatabase::projectileGroup()});
    groups.push_back({"player", Player::textureGroup()});
    groups.push_back({"hud", healthBar::textureGroup()});
    groups.push_back({"hud", karmaBar::textureGroup()});
    groups.push_back({"hud", RunTextures::runGroup()});
    groups.push_back({"hud", RunTextures::promptGroup()});
    groups.push_back({"boss life bar", BossLifeBar::bossBarGroup()});

    // The rooms of every floor with their doors, the backgrounds around them and the minimap.
    groups.push_back({"rooms", RoomTextures::roomGroup()});
    groups.push_back({"rooms", RoomTextures::tutorialRoomGroup()});
    groups.push_back({"rooms", PreparedSets::floorBackgrounds()});
    groups.push_back({"minimap", RoomTextures::minimapGroup()});

    // Props, walls with their first-floor masks, and puddles.
    groups.push_back({"props", PropRegistry::textureGroup()});
    auto walls = WallRegistry::textureGroup();
    walls->addChild(WallRegistry::wallMaskGroup());
    groups.push_back({"walls", std::move(walls)});
    groups.push_back({"puddles", WaterRegistry::textureGroup()});
    return groups;
}

std::vector<std::string> ContentCatalog::looseTextures()
{
    return {Engine::kCursorFile, Engine::kIconFile, LoadingScreen::kAnimationFile, Logo::kStudioLogoFile, Logo::kGameLogoFile,
            Player::kBoundsFile, TutorialState::kParchmentFile};
}

std::vector<std::string> ContentCatalog::fonts()
{
    std::vector<std::string> files;
    for (const auto& [file, key] : FontManager::fontFiles())
        files.push_back("Assets/Fonts/" + file);
    return files;
}

std::vector<std::string> ContentCatalog::sounds()
{
    auto files = Player::soundFiles();
    files.push_back(RunTextures::kZoneMusic);
    return files;
}

std::vector<std::string> ContentCatalog::allFiles()
{
    std::set<std::string> files;
    for (const auto& named : textureGroups())
        for (const auto& [key, path] : named.group->flatten())
            files.insert(path);
    for (const auto& list : {looseTextures(), fonts(), sounds()})
        files.insert(list.begin(), list.end());
    return {files.begin(), files.end()};
}
