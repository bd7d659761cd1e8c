#include "menus/MainMenuState.h"

#include "core/Engine.h"
#include "core/LoadingState.h"
#include "core/TextureManager.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

namespace
{
struct MenuButton
{
    const char* key;
    float y;
    bool leftColumn;
};

// Play, Options, Credits, Exit, Tutorial.
const MenuButton kButtons[] = {
    {"play_button", 405.f, false},    {"options_button", 540.f, false}, {"credit_button", 945.f, true},
    {"exit_button", 810.f, false},    {"tuto_button", 675.f, false},
};
constexpr float kButtonScale = 0.35f;
} // namespace

MainMenuState::MainMenuState(GroupList groups) : GameState(std::move(groups)) {}

std::unique_ptr<TextureManager::Group> MainMenuState::mainMenuGroup()
{
    auto group = std::make_unique<TextureManager::Group>(TextureManager::Group{
        {"play_button", "Assets/Sprites/Buttons/Panels/Play.png"},
        {"credit_button", "Assets/Sprites/Buttons/Panels/credits.png"},
        {"exit_button", "Assets/Sprites/Buttons/Panels/Exit.png"},
        {"options_button", "Assets/Sprites/Buttons/Panels/Options.png"},
        {"play_button_h", "Assets/Sprites/Buttons/Panels_selected/Play.png"},
        {"credit_button_h", "Assets/Sprites/Buttons/Panels_selected/Credits.png"},
        {"exit_button_h", "Assets/Sprites/Buttons/Panels_selected/Exit.png"},
        {"options_button_h", "Assets/Sprites/Buttons/Panels_selected/Options.png"},
        {"tuto_button", "Assets/Sprites/Buttons/Tuto.png"},
        {"tuto_button_h", "Assets/Sprites/Buttons/Tuto_h.png"},
        {"menu_background", "Assets/Sprites/Buttons/background.png"},
        {"flagpole", "Assets/Sprites/Buttons/flagpole.png"},
    });
    for (int i = 0; i < 4; ++i)
        group->add("menu_background_" + std::to_string(i),
                   "Assets/Sprites/Menu/BackgroundAnimation/" + std::to_string(i) + ".png");
    return group;
}

void MainMenuState::update(const float& frameTime)
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
    for (const char* key : {"menu_background", "flagpole"})
    {
        sf::Sprite sprite = TextureManager::getSprite(key, ORIGIN_TOP_LEFT);
        sprite.setScale(0.5f, 0.5f);
        window.draw(sprite);
    }
    sf::Sprite frame = TextureManager::getSprite(kFrameKeys[animationFrame_], ORIGIN_TOP_LEFT);
    frame.setScale(0.5f, 0.5f);
    frame.setPosition(20.f, 10.f);
    window.draw(frame);

    for (const MenuButton& button : kButtons)
    {
        sf::Sprite sprite = TextureManager::getSprite(button.key, ORIGIN_TOP_LEFT);
        const float width = static_cast<float>(static_cast<int>(sprite.getLocalBounds().width * kButtonScale));
        const float x = button.leftColumn ? 100.f : static_cast<float>(static_cast<int>(1920.f - 1.5f * width));
        sprite.setScale(kButtonScale, kButtonScale);
        sprite.setPosition(x, button.y);
        window.draw(sprite);
    }
}

void MainMenuState::handleInput()
{
    if (sf::Keyboard::isKeyPressed(sf::Keyboard::Escape) && sf::Keyboard::isKeyPressed(sf::Keyboard::LAlt))
        Engine::instance()->window->close();
}

void MainMenuState::handleEvent(const sf::Event&) {}
