#include "menus/GameOverState.h"

#include "core/LoadingState.h"
#include "core/TextureManager.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

GameOverState::GameOverState(GroupList groups)
    : GameState(std::move(groups)), picture_({"game_over"}, {960, 270}, {1920, 1200}, [] {})
{
}

int GameOverState::flameFrame(float seconds)
{
    const int frame = static_cast<int>(seconds * kFlameRate);
    return frame >= 0 && frame < kFlameFrames ? frame : -1;
}

void GameOverState::update(float) {}

void GameOverState::draw(sf::RenderWindow& window)
{
    picture_.draw(window, "game_over", true);
    const int frame = flameFrame(flameClock_.getElapsedTime().asSeconds());
    if (frame < 0)
        return;
    sf::Sprite flame = TextureManager::getSprite("fire_" + std::to_string(frame), ORIGIN_CENTER_X | ORIGIN_BOTTOM);
    flame.setScale(0.35f, 0.35f);
    flame.setPosition(960.f, 1080.f);
    window.draw(flame);
}

void GameOverState::handleInput()
{
    applyButtons(sf::Mouse::isButtonPressed(sf::Mouse::Left), sf::Mouse::isButtonPressed(sf::Mouse::Right));
}

void GameOverState::applyButtons(bool leftHeld, bool rightHeld)
{
    if (left_)
        return;
    if (!leftHeld)
        leftReleased_ = true;
    if (leftHeld && leftReleased_)
    {
        left_ = true;
        returnToMainMenu(MenuGroups::returnGroups(MenuGroups::mainMenu()));
        return;
    }
    if (rightHeld)
        flameClock_.restart();
}

void GameOverState::handleEvent(const sf::Event& event)
{
    if (!left_ && event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left)
        picture_.checkClick({event.mouseButton.x, event.mouseButton.y});
}
