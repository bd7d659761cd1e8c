#include "run/TutorialState.h"

#include "core/Engine.h"
#include "core/FloatingText.h"
#include "core/FontManager.h"
#include "core/Logger.h"
#include "core/RoomNameRegistry.h"
#include "core/VisibleArea.h"
#include "core/button.h"
#include "creatures/Enemy.h"
#include "creatures/ItemEntity.h"
#include "creatures/SoulChoice.h"
#include "run/BagScreens.h"
#include "run/Player.h"
#include "run/PlayerInput.h"
#include "run/RunExits.h"
#include "world/Floor.h"
#include "world/Room.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdlib>
#include <limits>

namespace
{
constexpr const char* kHelpFont = "Ironhelm";
constexpr unsigned kHelpSize = 30;
const sf::Color kParchmentColour(255, 255, 255, 200);

float squaredDistance(sf::Vector2f a, sf::Vector2f b)
{
    const sf::Vector2f d = a - b;
    return d.x * d.x + d.y * d.y;
}
} // namespace

std::string TutorialState::pageKey(int page)
{
    return "tuto_text" + std::to_string(page);
}

std::string TutorialState::pageFile(int page, unsigned language)
{
    const std::string name = "Text_Tuto" + std::to_string(page) + ".png";
    return language == GameSettings::kFrench ? "Assets/Sprites/Tuto/French/" + name : "Assets/Sprites/Tuto/" + name;
}

std::unique_ptr<TextureManager::Group> TutorialState::pageGroup(unsigned language)
{
    auto group = std::make_unique<TextureManager::Group>();
    for (int page = 1; page <= TutorialSteps::kPageCount; ++page)
        group->add(pageKey(page), pageFile(page, language));
    return group;
}

TutorialState::TutorialState(GroupList groups) : InGameState(std::move(groups), TUTORIAL_FLOOR)
{
    // The tutorial is silent.
    music.stop();

    // The parchment and the pages cover the whole screen but draw in its middle: they
    // are drawn without their transparent margins.
    sf::Image parchment;
    if (parchment.loadFromFile(kParchmentFile) && parchmentTexture_.loadFromImage(parchment))
    {
        parchment_.setTexture(parchmentTexture_, true);
        VisibleArea::crop(parchment_, VisibleArea::of(parchment));
        parchment_.setColor(kParchmentColour);
        parchment_.setPosition(0.f, 0.f);
    }
    else
        Logger::Warning(std::string("No parchment: ") + kParchmentFile);

    if (sf::Font* font = FontManager::count() ? FontManager::getFont(kHelpFont) : nullptr)
        help_.setFont(*font);
    help_.setCharacterSize(kHelpSize);
    help_.setFillColor(sf::Color::White);
    help_.setOutlineColor(sf::Color::Black);
    help_.setOutlineThickness(2.f);
    help_.setPosition(10.f, 100.f);
    showStep();
    assistAllowed_ = std::getenv(kAssistVariable) != nullptr;
}

void TutorialState::showStep()
{
    if (stepShown_ != steps_.step())
    {
        stepShown_ = steps_.step();
        if (steps_.reading())
            Logger::Info("Tutorial page " + std::to_string(steps_.page()));
    }
    if (pageShown_ != steps_.page())
    {
        pageShown_ = steps_.page();
        const std::string key = pageKey(pageShown_);
        if (TextureManager::isPresent(key))
        {
            page_ = TextureManager::getSprite(key, ORIGIN_TOP_LEFT);
            auto area = pageAreas_.find(key);
            if (area == pageAreas_.end() && page_.getTexture())
                area = pageAreas_.emplace(key, VisibleArea::of(*page_.getTexture())).first;
            if (area != pageAreas_.end())
                VisibleArea::crop(page_, area->second);
        }
        else
            page_ = sf::Sprite();
        page_.setPosition(0.f, 0.f);
    }
    if (helpShown_ != steps_.help())
    {
        helpShown_ = steps_.help();
        help_.setString(sf::String::fromUtf8(steps_.helpText(settings.language).begin(),
                                             steps_.helpText(settings.language).end()));
    }
}

TutorialSteps::Goals TutorialState::readGoals() const
{
    TutorialSteps::Goals goals;
    goals.playerY = player_->getPosition().y;
    Room* live = room();
    if (!live)
        return goals;
    goals.roomType = live->type;
    for (Entity* entity : live->entities.members())
    {
        if (entity->isLeaving())
            continue;
        if (const auto* enemy = dynamic_cast<const Enemy*>(entity))
        {
            goals.enemyPresent = true;
            if (enemy->health <= 0.f)
                goals.enemyDown = true;
            if (squaredDistance(enemy->getPosition(), player_->getPosition()) <= TutorialSteps::kReachSquared)
                goals.enemyWithinReach = true;
        }
        else if (dynamic_cast<const ItemEntity*>(entity))
            goals.itemLying = true;
    }
    return goals;
}

void TutorialState::reviveIfFallen()
{
    if (player_->state != Player::DEAD)
        return;
    sf::Vector2f entrance = player_->getPosition();
    if (Room* live = room())
        for (const Door& door : live->doors)
            if (door.direction == DOOR_BOTTOM)
                entrance = door.position;
    Logger::Info("The player rises again at the room's entrance");
    player_->revive(entrance);
    camera_.centre = entrance;
}

void TutorialState::assist()
{
    Room* live = room();
    if (!live || !steps_.playing())
        return;
    const sf::Vector2f at = player_->getPosition();
    Enemy* nearestLiving = nullptr;
    Enemy* nearestBody = nullptr;
    float living = std::numeric_limits<float>::max(), body = living;
    for (Entity* entity : live->entities.members())
        if (auto* enemy = dynamic_cast<Enemy*>(entity); enemy && !enemy->isLeaving())
        {
            const float d = squaredDistance(enemy->getPosition(), at);
            if (enemy->health > 0.f && d < living)
                living = d, nearestLiving = enemy;
            else if (enemy->health <= 0.f && d < body)
                body = d, nearestBody = enemy;
        }
    // The bodies matter only while their souls are the lesson.
    if (steps_.step() != 6)
        nearestBody = nullptr;
    if (Enemy* target = nearestLiving ? nearestLiving : nearestBody)
    {
        player_->setPosition(target->getPosition() + sf::Vector2f(0.f, 90.f));
        if (target == nearestLiving)
            target->health = 0.f;
    }
    else
        for (const Door& door : live->doors)
            if (door.direction == DOOR_TOP)
                player_->setPosition(door.position + sf::Vector2f(0.f, 60.f));
    camera_.centre = player_->getPosition();
}

// Frame ------------------------------------------------------------------------

void TutorialState::update(float frameTime)
{
    if (ended || paused_ || steps_.reading() || steps_.step() > TutorialSteps::kLastStep)
        return;
    const float dt = frameTime;
    step(dt);
    if (screens_)
        screens_->update(dt);
    reviveIfFallen();
    if (steps_.testGoal(readGoals()))
    {
        // A page comes up: the keys held for walking must not walk on after it.
        player_->releaseKeys();
        showStep();
    }
    // Notices fade and go as in a run; the heal rune ends the healing it shows.
    updateNotices(dt);
    stepHealAnimation(dt);
    joystickAim();
}

void TutorialState::draw(sf::RenderWindow& window)
{
    if (ended || !floor_)
        return;
    Room* live = room();
    if (live)
    {
        live->draw(window, camera_);
        SoulChoice::draw(window, camera_, *this);
    }
    if (screens_)
        screens_->draw(window);
    drawSatchel(window);
    for (const auto& notice : floatingTexts)
        notice->draw(window);
    if (minimapOpen_)
        drawMinimap(window);

    if (steps_.reading())
    {
        if (parchment_.getTexture())
            window.draw(parchment_);
        if (page_.getTexture())
            window.draw(page_);
    }
    else
        window.draw(help_);

    player_->karmaGauge.draw(window);
    player_->healthGauge.draw(window, player_->godMode);
    drawHealRune(window);
    if (paused_)
        drawPauseMenu(window);
}

// Input -----------------------------------------------------------------------------

void TutorialState::handleInput()
{
    if (!ended && steps_.playing())
        InGameState::handleInput();
}

void TutorialState::handleEvent(const sf::Event& event)
{
    if (ended)
        return;

    if (event.type == sf::Event::LostFocus)
    {
        player_->releaseKeys();
        minimapDragging = false;
    }

    if (steps_.playing())
    {
        if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::M && !paused_)
        {
            minimapOpen_ = !minimapOpen_;
            minimapDragging = false;
            floor_->recentreMap();
        }
        if (screens_)
        {
            screens_->handleEvent(event, *this);
            inventoryOpen = screens_->bagOpen();
        }
        // The debugging jumps to the boss and to the shop would leave the tutorial's
        // rooms out of order and its goals out of reach.
        const bool jump = event.type == sf::Event::KeyPressed && event.key.control &&
                          (event.key.code == sf::Keyboard::B || event.key.code == sf::Keyboard::T);
        if (!paused_ && !jump)
            player_->handleEvent(event);
        if (ended)
            return;
        if (assistAllowed_ && !paused_ && event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::F9)
            assist();
    }

    // The page keys; a paused tutorial turns no page behind the pause menu.
    if (event.type == sf::Event::KeyPressed && !paused_)
    {
        if (event.key.code == sf::Keyboard::E && steps_.reading())
        {
            if (steps_.readOn())
            {
                // The last page read: back to the menu. This screen goes at the end of
                // the frame; nothing of it runs after the switch.
                ended = true;
                if (RunExits* exits = RunExits::installed())
                    exits->leaveTutorial();
                return;
            }
            showStep();
        }
        else if (event.key.code == sf::Keyboard::T && steps_.goBack())
        {
            player_->releaseKeys();
            showStep();
        }
    }

    const PlayerInput& keys = PlayerInput::current();
    if (steps_.chordPressed(keys.keyHeld(sf::Keyboard::Escape), keys.keyHeld(sf::Keyboard::F1)))
        paused_ = !paused_;

    if (!paused_)
        return;
    if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left)
    {
        const sf::Vector2i mouse(event.mouseButton.x, event.mouseButton.y);
        for (const auto& widget : pauseButtons)
            if (widget->contains(mouse))
            {
                // The options and exit buttons leave this screen: touch nothing after.
                widget->callback();
                return;
            }
    }
    else if (event.type == sf::Event::MouseMoved)
    {
        const sf::Vector2i mouse(event.mouseMove.x, event.mouseMove.y);
        for (const auto& widget : pauseButtons)
            widget->updateHover(mouse);
    }
}
