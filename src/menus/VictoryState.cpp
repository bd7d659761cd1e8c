#include "menus/VictoryState.h"

#include "core/LoadingState.h"
#include "core/TextureManager.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

VictoryState::VictoryState(GroupList groups) : GameState(std::move(groups)) {}

void VictoryState::update(float) {}

void VictoryState::draw(sf::RenderWindow& window)
{
    sf::Sprite picture = TextureManager::getSprite("Victory", ORIGIN_TOP_LEFT);
    picture.setScale(0.5f, 0.5f);
    window.draw(picture);
}

void VictoryState::handleInput()
{
    applyInput(sf::Mouse::isButtonPressed(sf::Mouse::Left), sf::Keyboard::isKeyPressed(sf::Keyboard::Escape));
}

void VictoryState::applyInput(bool leftHeld, bool escapeHeld)
{
    if (left_)
        return;
    if (!leftHeld)
        leftReleased_ = true;
    if ((leftHeld && leftReleased_) || escapeHeld)
    {
        left_ = true;
        returnToMainMenu(MenuGroups::returnGroups(MenuGroups::mainMenu()));
    }
}

void VictoryState::handleEvent(const sf::Event&) {}
