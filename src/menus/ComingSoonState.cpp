#include "menus/ComingSoonState.h"

#include "core/FontManager.h"
#include "core/GameSettings.h"
#include "core/LoadingState.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <cmath>

namespace
{
const char* title(ComingSoonState::Mode mode, bool french)
{
    switch (mode)
    {
    case ComingSoonState::MODE_TUTORIAL:
        return french ? "Le tutoriel arrive bientôt" : "The tutorial is coming soon";
    case ComingSoonState::MODE_EDITOR:
        return french ? "L'éditeur de salles arrive bientôt" : "The room editor is coming soon";
    }
    return "";
}

sf::Text centredText(const std::string& utf8, const sf::Font& font, unsigned size, float y)
{
    sf::Text text(sf::String::fromUtf8(utf8.begin(), utf8.end()), font, size);
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f);
    text.setPosition(960.f, y);
    return text;
}
} // namespace

ComingSoonState::ComingSoonState(GroupList groups, Mode mode) : GameState(std::move(groups)), mode_(mode)
{
    GameSettings settings;
    loadSettings(settings);
    language_ = settings.language;
}

void ComingSoonState::update(float frameTime)
{
    time_ += frameTime;
}

void ComingSoonState::draw(sf::RenderWindow& window)
{
    sf::Sprite background = TextureManager::getSprite("menu_background", ORIGIN_TOP_LEFT);
    background.setScale(0.5f, 0.5f);
    window.draw(background);
    sf::RectangleShape veil({1920.f, 1080.f});
    veil.setFillColor(sf::Color(10, 3, 5, 170));
    window.draw(veil);

    sf::Sprite flame = TextureManager::getSprite("soul_fire", ORIGIN_CENTER);
    flame.setScale(0.5f, 0.5f);
    flame.setPosition(960.f, 330.f + 8.f * std::sin(time_ * 2.f));
    window.draw(flame);

    const sf::Font* titleFont = FontManager::count() ? FontManager::getFont("Ironhelm") : nullptr;
    if (!titleFont)
        return;
    const bool french = language_ == GameSettings::kFrench;
    sf::Text heading = centredText(title(mode_, french), *titleFont, 84, 620.f);
    heading.setFillColor(sf::Color(246, 226, 160));
    heading.setOutlineColor(sf::Color(10, 4, 6));
    heading.setOutlineThickness(4.f);
    window.draw(heading);
    sf::Text hint = centredText(french ? "Échap ou clic : retour au menu" : "Escape or click: back to the menu",
                                *titleFont, 40, 740.f);
    hint.setFillColor(sf::Color(226, 214, 190, static_cast<sf::Uint8>(160 + 90 * std::sin(time_ * 3.f))));
    window.draw(hint);
}

void ComingSoonState::handleInput()
{
    if (sf::Keyboard::isKeyPressed(sf::Keyboard::Escape))
        leave();
}

void ComingSoonState::handleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::MouseButtonPressed ||
        (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape))
        leave();
}

void ComingSoonState::leave()
{
    if (leaving_)
        return;
    leaving_ = true;
    returnToMainMenu(MenuGroups::returnGroups(MenuGroups::mainMenu()));
}
