#include "menus/MainMenuState.h"

#include "core/Engine.h"
#include "core/GameSettings.h"
#include "core/ItemRegistry.h"
#include "core/LoadingState.h"
#include "core/TextureManager.h"
#include "menus/CreditsState.h"
#include "menus/MenuGroups.h"
#include "menus/SettingState.h"
#include "run/InGameState.h"
#include "run/TutorialState.h"
#include "world/PropRegistry.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <iostream>

namespace
{
MainMenuState::ScreenOpener gEditorOpener = nullptr;
constexpr float kButtonScale = button::kStandardScale;

void drawBackdropSprite(sf::RenderWindow& window, const char* key, float x, float y)
{
    sf::Sprite sprite = TextureManager::getSprite(key, ORIGIN_TOP_LEFT);
    sprite.setScale(0.5f, 0.5f);
    sprite.setPosition(x, y);
    window.draw(sprite);
}
} // namespace

MainMenuState::MainMenuState(GroupList groups) : GameState(std::move(groups))
{
    struct Layout
    {
        const char* normal;
        const char* hover;
        int y;
        bool leftColumn;
        void (MainMenuState::*action)();
    };
    // Play, Options, Credits, Exit, Tutorial: the order clicks are tested in.
    const Layout layout[] = {
        {"play_button", "play_button_h", 405, false, &MainMenuState::play},
        {"options_button", "options_button_h", 540, false, &MainMenuState::options},
        {"credit_button", "credit_button_h", 945, true, &MainMenuState::credits},
        {"exit_button", "exit_button_h", 810, false, nullptr},
        {"tuto_button", "tuto_button_h", 675, false, &MainMenuState::tutorial},
    };
    for (const Layout& entry : layout)
    {
        const sf::Vector2i size = button::scaledTextureSize(entry.normal, kButtonScale);
        const int x = entry.leftColumn ? 100 : static_cast<int>(1920.f - 1.5f * static_cast<float>(size.x));
        auto widget = std::make_unique<button>(std::vector<std::string>{entry.normal, entry.hover},
                                               sf::Vector2i(x, entry.y), size);
        if (entry.action)
            widget->callback = [this, action = entry.action] { (this->*action)(); };
        else
            widget->callback = [] { Engine::instance()->window->close(); };
        buttons_.push_back(std::move(widget));
    }

    for (const char* line : {"Loading map textures", "Loading player", "Loading trader", "Loading enemy textures",
                             "Loading inventory", "Loading items"})
        std::cout << line << std::endl;
    runSet_ = PreparedSets::run();
    GameSettings settings;
    loadSettings(settings);
    tutorialSet_ = PreparedSets::tutorial(settings.language);
}

std::unique_ptr<TextureManager::Group> MainMenuState::mainMenuGroup()
{
    return MenuGroups::mainMenu();
}

void MainMenuState::update(float frameTime)
{
    animationTimer_ += frameTime;
    if (animationTimer_ >= kFrameDelay)
    {
        animationTimer_ -= kFrameDelay;
        animationFrame_ = (animationFrame_ + 1) % 4;
    }
}

void MainMenuState::draw(sf::RenderWindow& window)
{
    drawBackdropSprite(window, "menu_background", 0.f, 0.f);
    drawBackdropSprite(window, "flagpole", 0.f, 0.f);
    drawBackdropSprite(window, kFrameKeys[animationFrame_], 20.f, 10.f);
    for (const auto& widget : buttons_)
    {
        if (widget->scale == 1.f)
            widget->draw(window, widget->currentImage(), false);
        else
            widget->drawScaled(window, widget->currentImage(), widget->scale, widget->scale);
    }
}

void MainMenuState::handleInput()
{
    if (sf::Keyboard::isKeyPressed(sf::Keyboard::Escape) && sf::Keyboard::isKeyPressed(sf::Keyboard::LAlt))
        Engine::instance()->window->close();
}

void MainMenuState::handleEvent(const sf::Event& event)
{
    if (left_)
        return;
    if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left)
        clickAt(button::mousePosition());
    else if (event.type == sf::Event::MouseMoved)
        hoverAt({event.mouseMove.x, event.mouseMove.y});
    else if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::F4 &&
             sf::Keyboard::isKeyPressed(sf::Keyboard::LControl))
        openEditor();
}

bool MainMenuState::clickAt(sf::Vector2i mouse)
{
    for (const auto& widget : buttons_)
        if (widget->checkClick(mouse))
            return true;
    return false;
}

void MainMenuState::hoverAt(sf::Vector2i mouse)
{
    for (const auto& widget : buttons_)
        widget->updateHover(mouse);
}

// Every action below switches screens last: the switch retires this menu, and the
// handler returns straight after it.

void MainMenuState::fillRunRegistries()
{
    // The run's data registries (no textures) are filled before the loading starts.
    ItemRegistry::registerItems();
    PropRegistry::clear();
    PropRegistry::registerProps();
    WaterRegistry::clear();
    WaterRegistry::registerPuddles();
    WallRegistry::clear();
    WallRegistry::registerWalls();
}

void MainMenuState::play()
{
    left_ = true;
    fillRunRegistries();
    // What the menu prepared for the run and the run's own pictures beside it.
    GroupList groups = PreparedSets::runGroups(runSet_);
    replaceWithLoading<InGameState>("Loading...", std::move(groups));
}

void MainMenuState::tutorial()
{
    left_ = true;
    fillRunRegistries();
    GroupList groups;
    groups.push_back(PreparedSets::takeReady(tutorialSet_));
    groups.push_back(PreparedSets::props());
    groups.push_back(MenuGroups::background());
    replaceWithLoading<TutorialState>("Loading...", std::move(groups));
}

void MainMenuState::options()
{
    left_ = true;
    GroupList groups;
    groups.push_back(MenuGroups::backdrop());
    groups.push_back(MenuGroups::menuResources(MenuGroups::shownLanguage()));
    replaceWithLoading<SettingState>("Loading...", std::move(groups));
}

void MainMenuState::credits()
{
    left_ = true;
    GroupList groups;
    groups.push_back(MenuGroups::credits());
    replaceWithLoading<CreditsState>("Loading...", std::move(groups));
}

void MainMenuState::setEditorOpener(ScreenOpener opener)
{
    gEditorOpener = opener;
}

void MainMenuState::openEditor()
{
    left_ = true;
    if (gEditorOpener)
    {
        gEditorOpener();
        return;
    }
    // No editor in this build: the menu stays.
    left_ = false;
}

void returnToMainMenu(GroupList groups)
{
    replaceWithLoading<MainMenuState>("Loading...", std::move(groups));
}
