#include "menus/PreparedSets.h"

#include "core/GameSettings.h"
#include "core/ItemRegistry.h"
#include "creatures/Trader.h"
#include "creatures/EnemyDatabase.h"
#include "menus/MenuGroups.h"
#include "run/BossLifeBar.h"
#include "run/InventoryScreen.h"
#include "run/Player.h"
#include "run/RunTextures.h"
#include "run/TutorialState.h"
#include "run/healthBar.h"
#include "run/karmaBar.h"
#include "world/PropRegistry.h"
#include "world/RoomTextures.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

namespace
{
using GroupPtr = std::unique_ptr<TextureManager::Group>;

} // namespace

// The parts other screens own are filled as their pictures arrive; until then they
// stay out of the loading screen, which would stop on a missing file.

GroupPtr PreparedSets::endScreens()
{
    auto group = std::make_unique<TextureManager::Group>();
    group->add("game_over", MenuGroups::picturePath("game_over", MenuGroups::shownLanguage()));
    group->add("soul_fire", "Assets/Sprites/GameOver/SoulFire.png");
    group->add("victory_holy", "Assets/Sprites/Victory/victory_holy.png");
    return group;
}

GroupPtr PreparedSets::floorBackgrounds()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const char* floor : {"ff", "sf", "tf", "Tu"})
        group->add(std::string("bg_") + floor, std::string("Assets/Sprites/Background_map/bg_") + floor + ".png");
    group->add("light", "Assets/Sprites/Rooms/SecondFloor/light.png");
    return group;
}

GroupPtr PreparedSets::player()
{
    // The prompts over the player's head come with him.
    auto group = Player::textureGroup();
    group->addChild(RunTextures::promptGroup());
    return group;
}

GroupPtr PreparedSets::traderInventoryItemsAndBars()
{
    // One content tree: the trader's pictures live under "Assets/Sprites/Trader/" like all others.
    auto group = Trader::textureGroup();
    for (const char* key : {InventoryScreen::kPanelKey, InventoryScreen::kArrowKey, InventoryScreen::kApplyKey})
        group->add(key, InventoryScreen::fileOf(key));
    group->addChild(ItemRegistry::iconGroup());
    group->addChild(healthBar::textureGroup());
    group->addChild(karmaBar::textureGroup());
    return group;
}

GroupPtr PreparedSets::enemies()
{
    const std::vector<std::string> names(EnemyDatabase::kKindNames.begin(), EnemyDatabase::kKindNames.end());
    auto group = EnemyDatabase::buildTextureGroup(names);
    group->add("EnemyShadow", EnemyDatabase::kShadowFile);
    return group;
}

GroupPtr PreparedSets::minimap()
{
    return RoomTextures::minimapGroup();
}

GroupPtr PreparedSets::rooms()
{
    return RoomTextures::roomGroup();
}

GroupPtr PreparedSets::tutorialRooms()
{
    return RoomTextures::tutorialRoomGroup();
}

GroupPtr PreparedSets::tutorialTexts(unsigned language)
{
    return TutorialState::pageGroup(language);
}

GroupPtr PreparedSets::bossLifeBar()
{
    return BossLifeBar::bossBarGroup();
}

GroupPtr PreparedSets::walls()
{
    auto group = WallRegistry::textureGroup();
    group->addChild(WallRegistry::wallMaskGroup());
    return group;
}

GroupPtr PreparedSets::puddles()
{
    return WaterRegistry::textureGroup();
}

GroupPtr PreparedSets::props()
{
    return PropRegistry::textureGroup();
}

GroupPtr PreparedSets::editorIcons()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const char* icon :
         {"visible", "not_visible", "delete", "add", "save", "left_arrow", "right_arrow", "top_arrow", "bottom_arrow"})
        group->add(icon, std::string("Assets/Sprites/Editor/") + icon + ".png");
    return group;
}

PreparedSets::Set PreparedSets::run()
{
    Set set;
    set.push_back({"menu buttons", MenuGroups::buttons(MenuGroups::shownLanguage()), true});
    set.push_back({"pause menu", MenuGroups::pauseMenu(MenuGroups::shownLanguage()), true});
    set.push_back({"end screens", endScreens(), true});
    set.push_back({"rooms", rooms(), true});
    set.push_back({"floor backgrounds", floorBackgrounds(), true});
    set.push_back({"player", player(), true});
    set.push_back({"trader, inventory, items and bars", traderInventoryItemsAndBars(), true});
    set.push_back({"enemies", enemies(), true});
    set.push_back({"puddles", puddles(), true});
    set.push_back({"minimap", minimap(), true});
    set.push_back({"boss life bar", bossLifeBar(), true});
    set.push_back({"walls", walls(), true});
    return set;
}

PreparedSets::Set PreparedSets::tutorial(unsigned language)
{
    Set set;
    set.push_back({"menu resources", MenuGroups::menuResources(MenuGroups::shownLanguage()), true});
    set.push_back({"pause menu", MenuGroups::pauseMenu(MenuGroups::shownLanguage()), true});
    set.push_back({"end screens", endScreens(), true});
    set.push_back({"rooms", tutorialRooms(), true});
    set.push_back({"floor backgrounds", floorBackgrounds(), true});
    set.push_back({"player", player(), true});
    set.push_back({"trader, inventory, items and bars", traderInventoryItemsAndBars(), true});
    set.push_back({"enemies", enemies(), true});
    set.push_back({"puddles", puddles(), true});
    set.push_back({"minimap", minimap(), true});
    set.push_back({"tutorial texts", tutorialTexts(language), true});
    // The satchel and the heal rune, as in a run.
    set.push_back({"run pictures", RunTextures::runGroup(), true});
    return set;
}

PreparedSets::Set PreparedSets::editor()
{
    // Every room an author may open, the tutorial's included, with its doors; the
    // backgrounds without the second floor's light; the icons, puddles and walls.
    auto backgrounds = std::make_unique<TextureManager::Group>();
    for (const char* floor : {"ff", "sf", "tf", "Tu"})
        backgrounds->add(std::string("bg_") + floor, std::string("Assets/Sprites/Background_map/bg_") + floor + ".png");
    Set set;
    set.push_back({"rooms", rooms(), true});
    set.push_back({"tutorial rooms", tutorialRooms(), true});
    set.push_back({"floor backgrounds", std::move(backgrounds), true});
    set.push_back({"editor icons", editorIcons(), true});
    set.push_back({"puddles", puddles(), true});
    set.push_back({"walls", WallRegistry::textureGroup(), true});
    return set;
}

std::unique_ptr<TextureManager::Group> PreparedSets::takeReady(Set& set)
{
    auto ready = std::make_unique<TextureManager::Group>();
    for (Part& part : set)
        if (part.contentReady && part.group)
            ready->addChild(std::move(part.group));
    return ready;
}

GroupList PreparedSets::runGroups(Set& prepared)
{
    // One group for the set and its extras: each group is one more than the loader
    // threads it is dealt to.
    auto runGroup = takeReady(prepared);
    runGroup->addChild(RunTextures::runGroup());
    runGroup->addChild(healthBar::textureGroup());
    runGroup->addChild(karmaBar::textureGroup());
    GroupList groups;
    groups.push_back(std::move(runGroup));
    groups.push_back(props());
    return groups;
}
