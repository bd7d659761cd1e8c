#include "menus/CreditsState.h"

#include "core/LoadingState.h"
#include "core/TextureManager.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

CreditsState::CreditsState(GroupList groups)
    : GameState(std::move(groups)), exit_({"exit_button", "exit_button_h"}, {1620, 972},
                                          button::scaledTextureSize("exit_button", 0.2f), [this] { leave(); })
{
}

void CreditsState::update(float) {}

void CreditsState::draw(sf::RenderWindow& window)
{
    sf::Sprite picture = TextureManager::getSprite("credit_background", ORIGIN_TOP_LEFT);
    picture.setScale(0.5f, 0.5f);
    window.draw(picture);
    exit_.drawScaled(window, exit_.currentImage(), 0.2f, 0.2f);
}

void CreditsState::handleInput()
{
    if (sf::Keyboard::isKeyPressed(sf::Keyboard::Escape))
        leave();
}

void CreditsState::handleEvent(const sf::Event& event)
{
    if (left_)
        return;
    if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left)
        exit_.checkClick({event.mouseButton.x, event.mouseButton.y});
    else if (event.type == sf::Event::MouseMoved)
        exit_.updateHover({event.mouseMove.x, event.mouseMove.y});
}

void CreditsState::leave()
{
    if (left_)
        return;
    left_ = true;
    returnToMainMenu(MenuGroups::returnGroups(MenuGroups::background()));
}
