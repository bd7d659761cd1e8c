// The run's keys, pointer, pad and window events: the pause, the bag, the minimap,
// the zoom and the debug keys, and what goes on to the player.

#include "run/InGameState.h"

#include "core/LoadingState.h"
#include "core/button.h"
#include "run/BagScreens.h"
#include "run/Player.h"
#include "world/Floor.h"

namespace
{
constexpr float kKarmaKeyStep = 10.f;
} // namespace

// Input -----------------------------------------------------------------------------

void InGameState::handleInput()
{
    if (ended || trading() || inventoryOpen)
        return;
    applyZoomInput(sf::Keyboard::isKeyPressed(sf::Keyboard::Up), sf::Keyboard::isKeyPressed(sf::Keyboard::Down),
                   Engine::instance()->frameTime);
}

void InGameState::handleEvent(const sf::Event& event)
{
    if (ended)
        return;

    if (event.type == sf::Event::LostFocus)
    {
        // Keys released while another window has the focus never reach us; and
        // nothing plays on while the player looks elsewhere: the run pauses.
        player_->releaseKeys();
        minimapDragging = false;
        minimapOpen_ = false;
        paused_ = true;
        pauseSeen = true;
        return;
    }

    if (event.type == sf::Event::KeyPressed)
    {
        switch (event.key.code)
        {
        case sf::Keyboard::M:
            if (!paused_)
            {
                minimapOpen_ = !minimapOpen_;
                minimapDragging = false;
                floor_->recentreMap();
            }
            break;
        case sf::Keyboard::Numpad7:
            player_->karmaGauge.change(-kKarmaKeyStep);
            break;
        case sf::Keyboard::Numpad9:
            player_->karmaGauge.change(kKarmaKeyStep);
            break;
        case sf::Keyboard::Numpad8:
            player_->health = 100.f;
            break;
        case sf::Keyboard::Escape:
            if (paused_)
                paused_ = false;
            else if (minimapOpen_)
            {
                minimapOpen_ = false;
                minimapDragging = false;
            }
            else if (!inventoryOpen)
                paused_ = true;
            break;
        default:
            break;
        }
        // The options button may be clicked before the run updates again.
        if (paused_)
            pauseSeen = true;
    }

    // The trade window while trading, the bag's screen otherwise.
    if (screens_)
    {
        screens_->handleEvent(event, *this);
        inventoryOpen = screens_->bagOpen();
    }

    if (!paused_)
    {
        player_->handleEvent(event);
        // The player's door may have ended the run (the last floor's boss room).
        if (ended)
            return;
    }

    if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left)
    {
        const sf::Vector2i mouse(event.mouseButton.x, event.mouseButton.y);
        if (paused_)
        {
            for (const auto& widget : pauseButtons)
                if (widget->contains(mouse))
                {
                    // The options and exit buttons leave this screen: touch nothing after.
                    widget->callback();
                    return;
                }
        }
        if (minimapOpen_)
        {
            minimapDragging = true;
            lastMousePosition = sf::Vector2f(mouse);
        }
    }
    else if (event.type == sf::Event::MouseButtonReleased && event.mouseButton.button == sf::Mouse::Left)
    {
        if (minimapOpen_)
            minimapDragging = false;
    }
    else if (event.type == sf::Event::MouseMoved && paused_)
    {
        const sf::Vector2i mouse(event.mouseMove.x, event.mouseMove.y);
        for (const auto& widget : pauseButtons)
            widget->updateHover(mouse);
    }
}
