#include "run/InGameState.h"

#include "core/AnimationData.h"
#include "core/Engine.h"
#include "core/FloatingText.h"
#include "core/FontManager.h"
#include "core/ItemRegistry.h"
#include "core/LoadingState.h"
#include "core/Logger.h"
#include "core/RoomNameRegistry.h"
#include "core/UiText.h"
#include "core/button.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/SoulChoice.h"
#include "creatures/Trader.h"
#include "run/BagScreens.h"
#include "run/BossLifeBar.h"
#include "run/Player.h"
#include "run/RunExits.h"
#include "run/RunTextures.h"
#include "world/DoorLight.h"
#include "world/Floor.h"
#include "world/PlayerLight.h"
#include "world/PropRegistry.h"
#include "world/Props.h"
#include "world/Room.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

#include <algorithm>
#include <iostream>
#include <stdexcept>
#include <thread>

InGameState* currentRun = nullptr;
bool& InGameState::roomCleared = LightFlags::roomCleared;
bool& InGameState::roomEntered = LightFlags::roomEntered;
bool& InGameState::clearedEdge = LightFlags::clearedEdge;

namespace
{
constexpr const char* kMinimapShaderFile = "Assets/Shaders/UI/Minimap.frag";
constexpr float kDangerHealth = 50.f;
constexpr float kSatchelFadeTime = 0.35f;
constexpr unsigned kSatchelOrigin = 17;
constexpr float kSatchelScale = 0.6f;
constexpr unsigned kHealOrigin = 18;
constexpr float kPauseButtonScale = 0.35f;
constexpr float kKarmaKeyStep = 10.f;
const sf::Vector2f kScreenCentre(960.f, 540.f);

// How dark the second floor is in each kind of room (light-layer grey). Dark enough
// that the lights are the bright places, light enough that the room's outline, its
// doors and what stands in it can still be made out across the whole screen.
sf::Uint8 layerGrey(int floorIndex, int roomType)
{
    if (floorIndex != 1)
        return 255;
    if (roomType == ROOM_BOSS)
        return 150;
    if (roomType == ROOM_ELITE)
        return 110;
    return 64;
}

std::unique_ptr<sf::RenderTexture> makeScreenTexture()
{
    auto texture = std::make_unique<sf::RenderTexture>();
    if (!texture->create(Engine::kWidth, Engine::kHeight))
    {
        Logger::Warning("Could not create an off-screen image for the run");
        return nullptr;
    }
    return texture;
}

} // namespace

InGameState::InGameState(GroupList groups) : InGameState(std::move(groups), 0) {}

InGameState::InGameState(GroupList groups, int floorIndex) : GameState(std::move(groups)), Run(floorIndex)
{
    currentRun = this;
    try
    {
        loadSettings(settings);
        LoadMenuPause(pauseButtons, paused_, &music);
        preparePauseTexts();
        openMusic();
        if (musicOpen)
            music.play();

        if (!minimapShader.loadFromFile(kMinimapShaderFile, sf::Shader::Fragment))
            throw std::runtime_error("InGameState::InGameState: Failed to load minimap shader");

        satchelSprite = TextureManager::getSprite(RunTextures::kSatchelKey, kSatchelOrigin);
        satchelSprite.setScale(kSatchelScale, kSatchelScale);
        satchelSprite.setColor(sf::Color(255, 255, 255, 0));

        if (sf::Joystick::isConnected(0) && Engine::instance()->window)
            Engine::instance()->placeMouse(kScreenCentre);

        screens_ = std::make_unique<BagScreens>(*player_);
        EnemyDatabase::loadSoulChoiceIcons(static_cast<int>(settings.language));

        healAnimation = std::make_unique<AnimationData>(
            RunTextures::kHealRuneKey, RunTextures::kHealRuneFrameWidth, RunTextures::kHealRuneFrameHeight,
            RunTextures::kHealRuneFrameCount, RunTextures::kHealRuneFrameTime, kHealOrigin);
        healAnimation->once = true;

        // The first room's lights: its exits and its glowing props; the player's
        // own light comes with the first room change.
        lights.clear();
        if (Room* first = floor_->room())
        {
            for (const Door& door : first->doors)
                if (door.target)
                    lights.push_back(std::make_unique<DoorLight>(door.position));
            appendPropLights(*first);
        }
        lightsDirty = false;
    }
    catch (...)
    {
        // The destructor will not run (the run's model is undone by its own):
        // leave no dangling current run behind. A missing soul-choice icon ends up
        // here as well as the shader.
        music.stop();
        currentRun = nullptr;
        throw;
    }
}

InGameState::~InGameState()
{
    music.stop();
    if (gameOverLoad)
        gameOverLoad->cancelled = true;
    if (gameOverGroup)
        gameOverGroup->unload();
    if (currentRun == this)
        currentRun = nullptr;
}

void InGameState::openMusic()
{
    musicOpen = music.openFromFile(RunTextures::kZoneMusic);
    if (!musicOpen)
    {
        Logger::Warning(std::string("No music: ") + RunTextures::kZoneMusic);
        return;
    }
    music.setVolume(settings.music * 100.f);
    music.setLoop(true);
}

void InGameState::LoadMenuPause(std::vector<std::unique_ptr<button>>& buttons, bool& paused, sf::Music* music)
{
    buttons.push_back(std::make_unique<button>(std::vector<std::string>{"resume_button", "resume_button_h"},
                                               sf::Vector2i(751, 250), sf::Vector2i(416, 127),
                                               [&paused] { paused = !paused; }));
    buttons.push_back(std::make_unique<button>(std::vector<std::string>{"options_button", "options_button_h"},
                                               sf::Vector2i(753, 400), sf::Vector2i(413, 125),
                                               [music]
                                               {
                                                   if (music)
                                                       music->stop();
                                                   if (RunExits* exits = RunExits::installed())
                                                       exits->openSettings();
                                               }));
    buttons.push_back(std::make_unique<button>(std::vector<std::string>{"exit_button", "exit_button_h"},
                                               sf::Vector2i(752, 550), sf::Vector2i(415, 124),
                                               [music]
                                               {
                                                   if (music)
                                                       music->stop();
                                                   if (RunExits* exits = RunExits::installed())
                                                       exits->leaveToMainMenu();
                                               }));
    for (auto& widget : buttons)
        widget->scale = kPauseButtonScale;
}

void InGameState::preparePauseTexts()
{
    const sf::Font* font = FontManager::count() ? FontManager::getFont("Ironhelm") : nullptr;
    if (!font)
        return;
    pauseTitle_.setFont(*font);
    pauseTitle_.setString(UiText::shown(UiText::PAUSE_TITLE));
    pauseTitle_.setCharacterSize(110);
    pauseTitle_.setFillColor(sf::Color(236, 214, 150));
    pauseTitle_.setOutlineColor(sf::Color(20, 6, 8));
    pauseTitle_.setOutlineThickness(5.f);
    const sf::FloatRect title = pauseTitle_.getLocalBounds();
    pauseTitle_.setOrigin(title.left + title.width / 2.f, title.top + title.height / 2.f);
    pauseTitle_.setPosition(959.f, 170.f);

    // The seed replays the run: shown where a player can copy it down.
    pauseSeed_.setFont(*font);
    pauseSeed_.setString(UiText::shown(UiText::get(UiText::RUN_SEED) + std::to_string(seed())));
    pauseSeed_.setCharacterSize(44);
    pauseSeed_.setFillColor(sf::Color(214, 200, 180));
    pauseSeed_.setOutlineColor(sf::Color(20, 6, 8));
    pauseSeed_.setOutlineThickness(3.f);
    const sf::FloatRect seedBounds = pauseSeed_.getLocalBounds();
    pauseSeed_.setOrigin(seedBounds.left + seedBounds.width / 2.f, seedBounds.top);
    pauseSeed_.setPosition(959.f, 720.f);
}

void InGameState::roomChanged()
{
    Run::roomChanged();
    lights.clear();
}

void InGameState::startTrading(Entity& trader)
{
    if (auto* merchant = dynamic_cast<Trader*>(&trader); merchant && screens_)
    {
        screens_->startTrading(*merchant, *this);
        inventoryOpen = screens_->bagOpen();
    }
}

bool InGameState::trading() const
{
    return player_ && player_->state == Player::TRADING;
}

// Frame ------------------------------------------------------------------------

void InGameState::update(float frameTime)
{
    if (ended)
        return;
    const float dt = frameTime;
    Room* live = room();

    // Five seconds after the final boss falls, whatever happens to its body (the
    // soul choice removes it), the run ends.
    if (countDownToVictory(dt))
    {
        victorySwitch();
        return;
    }

    if (live && live->isCleared())
    {
        roomCleared = true;
        clearedEdge = true;
    }

    if (lightsDirty)
        rebuildLights();

    if (paused_)
    {
        pauseSeen = true;
        return;
    }

    // Leaving the pause: if the settings screen stopped the music, play it again at
    // the volume the player may just have chosen there.
    if (pauseSeen)
    {
        pauseSeen = false;
        if (musicOpen && music.getStatus() == sf::SoundSource::Stopped)
        {
            loadSettings(settings);
            music.setVolume(settings.music * 100.f);
            music.play();
        }
    }

    step(dt);
    if (screens_)
        screens_->update(dt);

    joystickAim();

    const bool dead = player_->state == Player::DEAD;
    if (dead)
        std::cout << "Player is Dead" << std::endl;

    if (player_->health <= kDangerHealth && !gameOverPrepared)
        prepareGameOver();
    else if (gameOverGroup && dead && gameOverLoad && gameOverLoad->finished)
    {
        gameOverSwitch();
        return;
    }

    updateNotices(dt);

    for (auto& light : lights)
        light->update(dt);

    stepHealAnimation(dt);
}

void InGameState::joystickAim()
{
    if (!sf::Joystick::isConnected(0) || !Engine::instance()->window)
        return;
    const float x = sf::Joystick::getAxisPosition(0, sf::Joystick::X) / 100.f;
    const float y = sf::Joystick::getAxisPosition(0, sf::Joystick::Y) / 100.f;
    sf::Vector2i aim(-1, -1);
    if (x > 0.2f && y > 0.2f)
        aim = {1160, 740};
    else if (x > 0.2f && y < -0.2f)
        aim = {1160, 340};
    else if (x < -0.2f && y > 0.2f)
        aim = {760, 740};
    else if (x < -0.2f && y < -0.2f)
        aim = {760, 340};
    else if (x > 0.9f)
        aim = {1160, 540};
    else if (x < -0.9f)
        aim = {760, 540};
    else if (y > 0.9f)
        aim = {960, 740};
    else if (y < -0.9f)
        aim = {960, 340};
    if (aim.x >= 0)
        Engine::instance()->placeMouse(sf::Vector2f(aim));
}

void InGameState::stepHealAnimation(float dt)
{
    if (!player_->healing)
        return;
    if (healAnimation->finished())
    {
        player_->healing = false;
        player_->state = Player::IDLE;
    }
    healAnimation->step(dt);
    if (!player_->healing)
        healAnimation->reset();
}

void InGameState::updateNotices(float dt)
{
    if (floatingTexts.empty() && satchelFade > 0.f)
        satchelFade -= dt;
    if (!floatingTexts.empty() && satchelFade < kSatchelFadeTime)
        satchelFade += dt;
    const float share = std::max(satchelFade, 0.f) / kSatchelFadeTime * 255.f;
    satchelSprite.setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(std::min(share, 255.f))));

    for (auto it = floatingTexts.begin(); it != floatingTexts.end();)
    {
        if ((*it)->advance(dt))
            ++it;
        else
            it = floatingTexts.erase(it);
    }
}

void InGameState::appendPropLights(const Room& live)
{
    for (const auto& prop : live.props)
        if (auto light = SecondFloorLighting::forProp(prop->name(), prop->getPosition()))
            lights.push_back(std::move(light));
}

void InGameState::rebuildLights()
{
    // The old room's lights go with it.
    lights.clear();
    if (Room* live = room())
    {
        for (const Door& door : live->doors)
            if (door.target)
                lights.push_back(std::make_unique<DoorLight>(door.position));
        appendPropLights(*live);
        const float scale = roomCleared ? 1.2f : roomEntered ? 0.5f : 1.f;
        lights.push_back(std::make_unique<PlayerLight>(sf::Color(255, 255, 255, 150), scale));
        if (live->type != ROOM_SHOP && live->type != ROOM_HEAL && live->type != ROOM_SOUL)
            roomCleared = false;
    }
    roomEntered = true;
    clearedEdge = false;
    lightsDirty = false;
}

void InGameState::prepareGameOver()
{
    RunExits* exits = RunExits::installed();
    gameOverPrepared = true;
    if (!exits)
        return;
    gameOverGroup = exits->gameOverPictures();
    auto load = std::make_shared<BackgroundLoad>();
    gameOverLoad = load;
    // The thread works on its own copy of the names: the run may end before it does.
    std::thread(
        [entries = gameOverGroup->flatten(), load]
        {
            for (const auto& [key, path] : entries)
            {
                if (load->cancelled)
                    break;
                if (TextureManager::isPresent(key))
                    continue;
                try
                {
                    TextureManager::loadTexture(key, path);
                }
                catch (const std::exception&)
                {
                    // Already logged by the texture registry; the game-over screen then
                    // shows without this picture rather than leaving the player stuck.
                    load->failed = true;
                }
                if (load->cancelled)
                    TextureManager::unloadTexture(key);
            }
            load->finished = true;
        })
        .detach();
}

void InGameState::victorySwitch()
{
    RunExits* exits = RunExits::installed();
    if (!exits)
        return;
    ended = true;
    Logger::Info(std::string("Victory: the ") + (karma() < 0.f ? "diabolic" : "angelic") + " ending");
    music.stop();
    Engine* engine = Engine::instance();
    GameState* before = previousState;
    previousState = nullptr;
    engine->retire(this);

    GameState* victory = exits->victoryScreen(karma()).release();
    victory->previousState = before;
    engine->currentState = victory;
}

void InGameState::gameOverSwitch()
{
    ended = true;
    std::cout << "Player is Dead" << std::endl;
    music.stop();
    Engine* engine = Engine::instance();
    GameState* before = previousState;
    previousState = nullptr;
    // Releasing the run unloads its own copy of the game-over picture; put back what
    // the screen needs (loaded in the background already, so this is at most one picture).
    engine->retire(this);
    for (const auto& [key, path] : gameOverGroup->flatten())
        if (!TextureManager::isPresent(key))
        {
            try
            {
                TextureManager::loadTexture(key, path);
            }
            catch (const std::exception&)
            {
            }
        }

    GroupList groups;
    groups.push_back(std::move(gameOverGroup));
    GameState* gameOver = RunExits::installed()->gameOverScreen(std::move(groups)).release();
    gameOver->previousState = before;
    engine->currentState = gameOver;
}

// Drawing -------------------------------------------------------------------------

void InGameState::drawLightLayer(sf::RenderWindow& window)
{
    lightLayer.draw(window, layerGrey(floor_->floorIndex, roomType()), lights);
}

sf::FloatRect InGameState::minimapArea()
{
    // The parchment is drawn at half its size in the middle of the screen; the map
    // keeps off its ragged, scorched rim.
    constexpr float kRim = 70.f;
    sf::Vector2f size(1500.f, 900.f);
    if (const sf::Texture* parchment = TextureManager::getTexture("background_mm"))
        size = sf::Vector2f(parchment->getSize()) * 0.5f;
    return {kScreenCentre.x - size.x / 2.f + kRim, kScreenCentre.y - size.y / 2.f + kRim, size.x - 2.f * kRim,
            size.y - 2.f * kRim};
}

void InGameState::drawMinimap(sf::RenderWindow& window)
{
    const sf::FloatRect area = minimapArea();
    if (minimapDragging)
    {
        const sf::Vector2f mouse = Engine::instance()->mousePosition();
        floor_->dragMap(mouse - lastMousePosition, area);
        lastMousePosition = mouse;
    }
    player_->karmaGauge.drawFull(window, false);

    if (!minimapPanel)
    {
        minimapPanel = makeScreenTexture();
        minimapMap = makeScreenTexture();
        minimapComposite = makeScreenTexture();
    }
    if (!minimapPanel || !minimapMap || !minimapComposite)
        return;

    minimapPanel->clear(sf::Color::Transparent);
    sf::Sprite panel = TextureManager::getSprite("background_mm", ORIGIN_CENTER);
    panel.setScale(0.5f, 0.5f);
    panel.setPosition(kScreenCentre);
    minimapPanel->draw(panel);
    minimapPanel->display();

    minimapMap->clear(sf::Color::Transparent);
    floor_->drawMap(*minimapMap, area);
    minimapMap->display();

    minimapComposite->clear(sf::Color::Transparent);
    minimapComposite->draw(sf::Sprite(minimapPanel->getTexture()));
    minimapShader.setUniform("texture", sf::Shader::CurrentTexture);
    minimapShader.setUniform("background", minimapPanel->getTexture());
    minimapComposite->draw(sf::Sprite(minimapMap->getTexture()), &minimapShader);
    minimapComposite->display();
    window.draw(sf::Sprite(minimapComposite->getTexture()));
}

void InGameState::draw(sf::RenderWindow& window)
{
    if (ended || !floor_)
        return;
    Room* live = room();
    if (live)
        live->draw(window, camera_);
    if (floor_->floorIndex == 1)
        drawLightLayer(window);

    // The soul choice of the pending soul, once, over the whole room.
    if (live)
        SoulChoice::draw(window, camera_, *this);
    // The bag's screen, or the trade window with both bags while trading.
    if (screens_)
        screens_->draw(window);
    if (inventoryOpen)
        player_->karmaGauge.drawFull(window, false);

    drawSatchel(window);
    for (const auto& notice : floatingTexts)
        notice->draw(window);

    if (minimapOpen_)
        drawMinimap(window);

    BossLifeBar::drawBossBar(window);
    player_->karmaGauge.draw(window);
    player_->healthGauge.draw(window, player_->godMode);

    drawHealRune(window);
    if (paused_)
        drawPauseMenu(window);
}

void InGameState::drawSatchel(sf::RenderWindow& window)
{
    if (satchelFade <= 0.f)
        return;
    sf::Sprite satchel = satchelSprite;
    satchel.setPosition(10.f, 540.f);
    satchel.setRotation(0.f);
    window.draw(satchel);
}

void InGameState::drawHealRune(sf::RenderWindow& window)
{
    if (!player_->healing)
        return;
    sf::Sprite& rune = healAnimation->frameSprite();
    const sf::Vector2f above = player_->getPosition() - sf::Vector2f(0.f, 100.f);
    rune.setPosition(camera_.toScreen(above));
    rune.setScale(0.5f, 0.5f);
    rune.setRotation(0.f);
    window.draw(rune);
}

void InGameState::drawPauseMenu(sf::RenderWindow& window)
{
    player_->karmaGauge.drawFull(window, true);
    window.draw(pauseTitle_);
    for (const auto& widget : pauseButtons)
        widget->drawScaled(window, widget->currentImage(), kPauseButtonScale, kPauseButtonScale);
    window.draw(pauseSeed_);
}

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
