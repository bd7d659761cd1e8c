#include "core/TextureManager.h"
#include "run/BossBarView.h"
#include "run/BossLifeBar.h"
#include "run/healthBar.h"
#include "run/karmaBar.h"
#include "support/TextureFixture.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace
{
const sf::Color kClear(41, 12, 14);
const sf::Color kTransparent(0, 0, 0, 0);

// Loads plain pictures under the HUD's keys, with sizes that make every number in
// the drawing distinct, and hides the boss bar around each test.
class Hud : public TextureFixture
{
protected:
    static constexpr unsigned kFillW = 400, kFillH = 40;
    static constexpr unsigned kBarW = 400, kBarH = 100;
    static constexpr unsigned kBossW = 2000, kBossH = 180;

    void SetUp() override
    {
        TextureFixture::SetUp();
        BossLifeBar::reset();
        TextureManager::loadTexture(healthBar::kFillKey, picture("fill", kFillW, kFillH, sf::Color::Red));
        TextureManager::loadTexture(healthBar::kFrameKey, picture("frame", 300, 60, kTransparent));
        TextureManager::loadTexture(healthBar::kGlowKey, picture("glow", 420, 70, kTransparent));
        TextureManager::loadTexture(karmaBar::kBarKey, picture("bar", kBarW, kBarH, sf::Color::Green));
        TextureManager::loadTexture(karmaBar::kMarkerKey, picture("marker", 20, 100, sf::Color::White));
        for (const auto& piece : BossLifeBar::kPieces)
        {
            const std::string key = piece.key;
            const sf::Color colour = key == "Boss_Bottom"    ? sf::Color(60, 60, 60)
                                     : key == "Boss_LifeBar" ? sf::Color::Yellow
                                                             : kTransparent;
            TextureManager::loadTexture(key, picture(key, kBossW, kBossH, colour));
        }
    }
    void TearDown() override
    {
        BossLifeBar::reset();
        TextureFixture::TearDown();
    }

    // A karma bar on a clock the test moves by hand.
    float now = 0.f;
    karmaBar gauge{[this] { return now; }};
};

TEST_F(Hud, HealthBarCutsItsFillToTheHealthLeft)
{
    struct Case
    {
        float health;
        int width;
    };
    // An overkill hit leaves health below zero and a heal may overshoot: the cut
    // stays within the picture, never mirrored nor stretched past its edge.
    for (const Case c : {Case{50, 200}, Case{100, 400}, Case{0, 0}, Case{-30, 0}, Case{130, 400}, Case{25, 100}})
    {
        healthBar bar(100.f);
        bar.update(c.health);
        const auto pieces = bar.pieces(false);
        EXPECT_EQ(pieces[0].getTextureRect(), sf::IntRect(0, 0, c.width, kFillH)) << "health " << c.health;
        EXPECT_GE(pieces[2].getScale().x, 0.f) << "health " << c.health;
    }

    healthBar bar(200.f);
    bar.update(100.f);
    EXPECT_EQ(bar.pieces(false)[0].getTextureRect().width, 200) << "the maximum is the bar's, not 100";
    bar.setMaximum(0.f);
    EXPECT_EQ(bar.maximum(), 200.f) << "a zero maximum would divide by zero";
}

TEST_F(Hud, HealthBarPiecesStandAtTheirCornersAndTheGlowFollowsTheFill)
{
    healthBar bar;
    bar.update(50.f);
    // After an update the pulse is exactly 1 again: pieces at half scale.
    auto pieces = bar.pieces(false);
    EXPECT_EQ(pieces[0].getPosition(), sf::Vector2f(-8.f, 5.f));
    EXPECT_EQ(pieces[1].getPosition(), sf::Vector2f(7.f, 0.f));
    EXPECT_EQ(pieces[2].getPosition(), sf::Vector2f(-13.f, -5.f));
    EXPECT_EQ(pieces[1].getScale(), sf::Vector2f(0.5f, 0.5f));
    EXPECT_FLOAT_EQ(pieces[2].getScale().x, 0.25f + 0.01f);
    // God mode keeps the glow whole whatever the health.
    EXPECT_FLOAT_EQ(bar.pieces(true)[2].getScale().x, 0.5f);
}

TEST_F(Hud, HitPulsesTheHealthBarAndItEasesBackWithinAFewUpdates)
{
    healthBar bar;
    bar.hit();
    EXPECT_FLOAT_EQ(bar.pieces(false)[1].getScale().x, 0.95f * 0.5f);
    float previous = bar.pulse();
    for (int frame = 0; frame < 8; ++frame)
    {
        bar.update(90.f);
        EXPECT_GT(bar.pulse(), previous);
        EXPECT_LE(bar.pulse(), 1.f);
        previous = bar.pulse();
    }
    EXPECT_NEAR(bar.pulse(), 1.f, 0.01f) << "eight frames, well under a fifth of a second";
}

TEST_F(Hud, KarmaIsClampedAndTheMarkerMovesOnePixelPerPoint)
{
    // Anchor: the half-scale bar flush with the bottom-right corner.
    const sf::Vector2f anchor(1920.f - kBarW * 0.25f, 1080.f - kBarH * 0.25f);
    struct Case
    {
        float delta;
        float karma;
    };
    for (const Case c : {Case{-160, -160}, Case{0, 0}, Case{160, 160}, Case{200, 160}, Case{-1000, -160}, Case{-70, -70}})
    {
        karmaBar bar([] { return 0.f; });
        bar.change(c.delta);
        EXPECT_EQ(bar.karma(), c.karma) << "change " << c.delta;
        const auto pieces = bar.pieces(255, 255);
        EXPECT_EQ(pieces[0].getPosition(), anchor);
        EXPECT_EQ(pieces[1].getPosition(), sf::Vector2f(anchor.x + c.karma, anchor.y)) << "change " << c.delta;
    }

    gauge.change(150.f);
    gauge.change(15.f);
    EXPECT_EQ(gauge.karma(), 160.f);
    gauge.change(-15.f);
    EXPECT_EQ(gauge.karma(), 145.f) << "the clamp keeps no hidden overshoot";
    gauge.change(std::nanf(""));
    EXPECT_EQ(gauge.karma(), 145.f);
}

TEST_F(Hud, GaugeFadesTwoSecondsAfterAChangeAndReturnsOnTheNext)
{
    EXPECT_EQ(gauge.fadeAlpha(), 255) << "shown at the start of a run";
    now = 1.f;
    EXPECT_EQ(gauge.fadeAlpha(), 127);
    now = 1.99f;
    EXPECT_GT(gauge.fadeAlpha(), 0);
    now = 2.f;
    EXPECT_EQ(gauge.fadeAlpha(), 0);
    now = 30.f;
    EXPECT_EQ(gauge.fadeAlpha(), 0);
    gauge.change(-10.f);
    EXPECT_EQ(gauge.fadeAlpha(), 255);
    now = 31.5f;
    EXPECT_EQ(gauge.fadeAlpha(), 63);
    // Pinned at an end, a push still shows the gauge.
    gauge.set(-160.f);
    now = 40.f;
    gauge.change(-15.f);
    EXPECT_EQ(gauge.fadeAlpha(), 255);
}

TEST_F(Hud, BossBarShowsFullThenFollowsTheBossHealth)
{
    const float travel = kBossW - 2.f * BossLifeBar::kEndWidth;
    EXPECT_FALSE(BossLifeBar::shown());
    BossLifeBar::updateBossBar(10.f);
    EXPECT_EQ(BossLifeBar::fillWidth(), 0.f) << "no boss, no bar to feed";

    BossLifeBar::show(500.f);
    EXPECT_TRUE(BossLifeBar::shown());
    EXPECT_EQ(BossLifeBar::pieces()[BossLifeBar::kLifePiece].getTextureRect().width,
              int(kBossW - BossLifeBar::kEndWidth))
        << "full before the boss's first update";

    struct Case
    {
        float health;
        int cut;
    };
    for (const Case c : {Case{500, int(kBossW - 122)}, Case{200, int(travel * 0.4f) + 122}, Case{0, 122}, Case{-40, 122},
                         Case{900, int(kBossW - 122)}})
    {
        BossLifeBar::updateBossBar(c.health);
        EXPECT_EQ(BossLifeBar::pieces()[BossLifeBar::kLifePiece].getTextureRect(), sf::IntRect(0, 0, c.cut, kBossH))
            << "health " << c.health;
    }
    for (const sf::Sprite& piece : BossLifeBar::pieces())
        EXPECT_EQ(piece.getPosition(), sf::Vector2f(460.f, 1080.f - kBossH / 1.5f));

    BossLifeBar::hide();
    EXPECT_FALSE(BossLifeBar::shown());
    BossLifeBar::show(0.f);
    EXPECT_EQ(BossLifeBar::fillWidth(), 0.f) << "a boss without health must not divide by zero";

    BossLifeBar::show(300.f);
    BossLifeBar::bossBarGroup();
    EXPECT_FALSE(BossLifeBar::shown()) << "a new run's loading hides a bar left from the last one";
}

// Draws the three HUD pieces into a window-sized render texture and reads back pixels
// on both sides of each edge the health, the karma and the boss's health set.
TEST_F(Hud, DrawsIntoTheWindowCorners)
{
    sf::RenderTexture frame;
    ASSERT_TRUE(frame.create(1920, 1080));
    auto render = [&](auto&& drawHud) {
        frame.clear(kClear);
        drawHud();
        frame.display();
        return frame.getTexture().copyToImage();
    };

    healthBar health;
    health.update(50.f);
    gauge.set(-70.f);
    BossLifeBar::show(100.f);
    BossLifeBar::updateBossBar(40.f);
    sf::Image image = render([&] {
        health.draw(frame, false);
        gauge.draw(frame);
        BossLifeBar::drawBossBar(frame);
    });
    // Half of a 400-pixel fill at half scale, from x = -8: red up to x = 92.
    EXPECT_EQ(image.getPixel(85, 15), sf::Color::Red);
    EXPECT_EQ(image.getPixel(98, 15), kClear);
    // The gauge spans x 1720..1920; the marker (10 pixels wide) centred at 1820 - 70.
    EXPECT_EQ(image.getPixel(1750, 1060), sf::Color::White);
    EXPECT_EQ(image.getPixel(1762, 1060), sf::Color::Green);
    EXPECT_EQ(image.getPixel(1915, 1035), sf::Color::Green);
    // Boss life: 122 + 40 % of the travel, halved, from x = 460; trough beyond it.
    const int lifeEnd = 460 + (int(0.4f * (kBossW - 244)) + 122) / 2;
    EXPECT_EQ(image.getPixel(lifeEnd - 4, 1000), sf::Color::Yellow);
    EXPECT_EQ(image.getPixel(lifeEnd + 4, 1000), sf::Color(60, 60, 60));
    EXPECT_EQ(image.getPixel(960, 900), kClear);

    // Two quiet seconds later the corner gauge is gone; drawFull still shows it, dimmed.
    now = 2.5f;
    BossLifeBar::hide();
    image = render([&] { gauge.draw(frame); });
    EXPECT_EQ(image.getPixel(1900, 1060), kClear);
    EXPECT_EQ(image.getPixel(1000, 1000), kClear) << "a hidden boss bar draws nothing";
    image = render([&] { gauge.drawFull(frame, false); });
    EXPECT_EQ(image.getPixel(1900, 1060), sf::Color::Green);
    image = render([&] { gauge.drawFull(frame, true); });
    const sf::Color dimmed = image.getPixel(1900, 1060);
    EXPECT_EQ(dimmed.r, 0);
    EXPECT_NEAR(dimmed.g, 255 * 105 / 255, 2);
    const sf::Color dimClear = image.getPixel(100, 500);
    EXPECT_NEAR(dimClear.r, 41 * 105 / 255, 2);
}

// The HUD with the generated pictures over the clear colour, as a run frame shows it.
// Set UMBRAVALE_SNAPSHOT_DIR to keep the picture for a look.
TEST(HudContent, MockRunFrameWithTheGeneratedPictures)
{
    TextureManager::clear();
    BossLifeBar::reset();
    healthBar::textureGroup()->load();
    karmaBar::textureGroup()->load();
    BossLifeBar::bossBarGroup()->load();

    healthBar health;
    health.update(60.f);
    float now = 0.f;
    karmaBar gauge([&] { return now; });
    gauge.change(-70.f);
    BossLifeBar::show(1000.f);
    BossLifeBar::updateBossBar(400.f);

    sf::RenderTexture frame;
    ASSERT_TRUE(frame.create(1920, 1080));
    frame.clear(kClear);
    health.draw(frame, false);
    gauge.draw(frame);
    BossLifeBar::drawBossBar(frame);
    frame.display();
    const sf::Image image = frame.getTexture().copyToImage();
    // Something of each piece reached its corner.
    EXPECT_NE(image.getPixel(150, 25), kClear);
    EXPECT_NE(image.getPixel(1730, 1030), kClear);
    EXPECT_NE(image.getPixel(960, 1005), kClear);
    const char* dir = std::getenv("UMBRAVALE_SNAPSHOT_DIR");
    if (dir)
        image.saveToFile((std::filesystem::path(dir) / "hud-run-frame.png").string());

    // Under the pause menu: the gauge long after its fade, in full, the window dimmed.
    now = 10.f;
    frame.clear(kClear);
    health.draw(frame, true);
    gauge.draw(frame);
    gauge.drawFull(frame, true);
    frame.display();
    const sf::Image paused = frame.getTexture().copyToImage();
    EXPECT_NE(paused.getPixel(1730, 1030), paused.getPixel(1900, 900)) << "the full gauge shows under the veil";
    if (dir)
        paused.saveToFile((std::filesystem::path(dir) / "hud-pause-frame.png").string());

    BossLifeBar::reset();
    TextureManager::clear();
}
// The run draws the boss bar from its pieces painted once into three pictures, halved
// with each square of four texels averaged: over a busy scene, at any health, the
// window shows what the five pieces drawn one by one with smoothing show, to a colour
// level of rounding.
TEST(HudContent, TheBossBarPaintedOnceLooksLikeItsFivePieces)
{
    TextureManager::clear();
    BossLifeBar::reset();
    BossLifeBar::bossBarGroup()->load();
    sf::Image scene;
    scene.create(1920, 1080);
    for (unsigned y = 0; y < 1080; ++y)
        for (unsigned x = 0; x < 1920; ++x)
            scene.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(x * 7), static_cast<sf::Uint8>(y * 3),
                                           static_cast<sf::Uint8>((x ^ y) & 255)));
    sf::Texture sceneTexture;
    ASSERT_TRUE(sceneTexture.loadFromImage(scene));
    sf::RenderTexture frame;
    ASSERT_TRUE(frame.create(1920, 1080));
    auto render = [&](auto&& drawBar)
    {
        frame.clear();
        frame.draw(sf::Sprite(sceneTexture));
        drawBar();
        frame.display();
        return frame.getTexture().copyToImage();
    };
    auto smoothPieces = [](bool smooth)
    {
        for (const auto& piece : BossLifeBar::kPieces)
            if (sf::Texture* texture = TextureManager::getTexture(piece.key))
                texture->setSmooth(smooth);
    };
    BossBarView view;
    BossLifeBar::show(1000.f);
    for (float health : {1000.f, 400.f, 333.3f, 1.f, 0.f})
    {
        BossLifeBar::updateBossBar(health);
        smoothPieces(true);
        const sf::Image pieces = render([&] { BossLifeBar::drawBossBar(frame); });
        smoothPieces(false);
        const sf::Image painted = render([&] { view.draw(frame); });
        int differing = 0, changed = 0;
        for (unsigned y = 900; y < 1080; ++y)
            for (unsigned x = 400; x < 1520; ++x)
            {
                const sf::Color a = pieces.getPixel(x, y), b = painted.getPixel(x, y);
                differing += std::abs(a.r - b.r) > 2 || std::abs(a.g - b.g) > 2 || std::abs(a.b - b.b) > 2;
                changed += a != scene.getPixel(x, y);
            }
        EXPECT_GT(changed, 20000) << "the bar is drawn at health " << health;
        EXPECT_EQ(differing, 0) << "health " << health;
    }
    EXPECT_FALSE(TextureManager::getTexture(BossLifeBar::kPieces[0].key)->isSmooth())
        << "painting leaves the pieces as they were";
    BossLifeBar::hide();
    const sf::Image hidden = render([&] { view.draw(frame); });
    EXPECT_EQ(hidden.getPixel(960, 1005), scene.getPixel(960, 1005)) << "a hidden bar draws nothing";
    BossLifeBar::reset();
    TextureManager::clear();
}
} // namespace
