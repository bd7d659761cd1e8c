#include "menus/Logo.h"

#include "core/FontManager.h"
#include "core/GameSettings.h"
#include "core/LoadingState.h"
#include "core/TextureManager.h"
#include "core/UiText.h"
#include "creatures/EnemyDatabase.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Sleep.hpp>
#include <SFML/Window/Event.hpp>

#include <algorithm>

namespace
{
void prepareLogo(sf::Sprite& sprite, sf::Texture& texture, const char* file, float scale)
{
    // A missing logo stays invisible; the splash still takes its time.
    if (texture.loadFromFile(file))
    {
        sprite.setTexture(texture, true);
        sprite.setOrigin(sf::Vector2f(texture.getSize()) / 2.f);
        // The logos are drawn far below their size: filter them so they stay clean.
        texture.setSmooth(true);
        texture.generateMipmap();
    }
    sprite.setScale(scale, scale);
    sprite.setPosition(960.f, 540.f);
    sprite.setColor(sf::Color(255, 255, 255, 0));
}

void setAlpha(sf::Sprite& sprite, float value)
{
    const auto alpha = static_cast<sf::Uint8>(std::clamp(static_cast<int>(value), 0, 255));
    sprite.setColor(sf::Color(255, 255, 255, alpha));
}
} // namespace

Logo::Logo()
{
    prepareLogo(studioLogo_, studioTexture_, kStudioLogoFile, 0.09f);
    prepareLogo(gameLogo_, gameTexture_, kGameLogoFile, 0.6f);
}

void Logo::update(float frameTime)
{
    const float d = kFadeDuration;
    switch (phase_)
    {
    case 0:
        setAlpha(studioLogo_, firstTimer_ / d * 255.f);
        if (firstTimer_ >= d)
        {
            sf::sleep(sf::milliseconds(1000));
            phase_ = 1;
            firstTimer_ = 0.f;
        }
        firstTimer_ += frameTime;
        break;
    case 1:
        setAlpha(studioLogo_, 255.f - firstTimer_ / d * 255.f);
        if (firstTimer_ >= d)
        {
            phase_ = 2;
            firstTimer_ = 0.f;
        }
        firstTimer_ += frameTime;
        break;
    case 2:
        setAlpha(gameLogo_, secondTimer_ / d * 255.f);
        if (secondTimer_ >= d)
        {
            sf::sleep(sf::milliseconds(1000));
            secondTimer_ = 0.f;
            phase_ = 3;
        }
        secondTimer_ += frameTime;
        break;
    case 3:
        setAlpha(gameLogo_, 255.f - secondTimer_ / d * 255.f);
        if (secondTimer_ >= d && !started_)
        {
            started_ = true;
            startGame();
            return;
        }
        secondTimer_ += frameTime;
        break;
    default:
        break;
    }
}

void Logo::draw(sf::RenderWindow& window)
{
    window.draw(phase_ < 2 ? studioLogo_ : gameLogo_);
}

void Logo::handleInput() {}

void Logo::handleEvent(const sf::Event& event)
{
    bool skip = false;
    if (event.type == sf::Event::KeyPressed)
    {
        const auto code = event.key.code;
        skip = code == sf::Keyboard::E || code == sf::Keyboard::Escape || code == sf::Keyboard::Space;
    }
    skip = skip || event.type == sf::Event::MouseButtonPressed || event.type == sf::Event::JoystickButtonPressed;
    // Once the game has started the splash is only the loading screen's predecessor;
    // a second start would stack another loading screen.
    if (skip && !started_)
    {
        started_ = true;
        startGame();
    }
}

void Logo::startGame()
{
    // Every screen from here on speaks the saved language.
    GameSettings settings;
    loadSettings(settings);
    UiText::setLanguage(settings.language);
    FontManager::loadAll();
    TextureManager::loadTexture(LoadingScreen::kAnimationKey, LoadingScreen::kAnimationFile);
    GroupList groups;
    groups.push_back(MainMenuState::mainMenuGroup());
    groups.push_back(MenuGroups::menuResources(MenuGroups::shownLanguage()));
    EnemyDatabase::loadAll();
    pushLoading<MainMenuState>("Starting game", std::move(groups));
}
