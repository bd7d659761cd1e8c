#include "run/InGameState.h"

#include "core/FloatingText.h"
#include "core/FontManager.h"
#include "core/LoadingState.h"
#include "core/Logger.h"
#include "core/UiText.h"
#include "core/button.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/Trader.h"
#include "run/BagScreens.h"
#include "run/Player.h"
#include "run/RunExits.h"
#include "run/RunTextures.h"
#include "world/DoorLight.h"
#include "world/Floor.h"
#include "world/PlayerLight.h"
#include "world/Props.h"
#include "world/Room.h"

#include <iostream>
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
