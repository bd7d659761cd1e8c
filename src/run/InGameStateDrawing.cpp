// Drawing the run: the room, the second floor's light layer, the soul choice, the
// bag's screens, the notices, the minimap, the HUD and the pause menu.

#include "run/InGameState.h"

#include "core/FloatingText.h"
#include "core/LoadingState.h"
#include "core/Logger.h"
#include "core/button.h"
#include "creatures/SoulChoice.h"
#include "run/BagScreens.h"
#include "run/Player.h"
#include "world/Floor.h"
#include "world/Room.h"

namespace
{
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

    bossBar_.draw(window);
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
