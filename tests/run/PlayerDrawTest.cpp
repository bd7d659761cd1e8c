#include "run/Player.h"

#include "core/RoomNameRegistry.h"
#include "support/PlayerRun.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Shader.hpp>

#include <gtest/gtest.h>

namespace
{
class PlayerDraw : public PlayerFixture
{
protected:
    // The player drawn alone through the run's camera onto a small clear canvas, centred.
    sf::Image picture()
    {
        sf::RenderTexture canvas;
        canvas.create(400, 400);
        canvas.clear(sf::Color::Transparent);
        Camera camera = run->view;
        camera.centre += sf::Vector2f(760.f, 340.f); // the player lands at (200, 200)
        player->draw(canvas, camera);
        canvas.display();
        return canvas.getTexture().copyToImage();
    }
    static bool same(const sf::Image& a, const sf::Image& b)
    {
        const std::size_t bytes = std::size_t(a.getSize().x) * a.getSize().y * 4;
        return a.getSize() == b.getSize() && std::equal(a.getPixelsPtr(), a.getPixelsPtr() + bytes, b.getPixelsPtr());
    }
    // Something opaque in the band 80 to 120 px above the player's centre (where prompts go).
    static bool promptShown(const sf::Image& image)
    {
        for (unsigned y = 80; y < 120; ++y)
            for (unsigned x = 185; x < 215; ++x)
                if (image.getPixel(x, y).a > 0)
                    return true;
        return false;
    }
};
} // namespace

TEST_F(PlayerDraw, AFreshPlayerIsNotFlashingAndAHitFlashesIt)
{
    if (!player->damageShaderLoaded())
        GTEST_SKIP() << "no shader support on this display";
    const sf::Image fresh = picture();
    frames(1, 0.f); // no time passes: the same frame, the flash long over
    const sf::Image rested = picture();
    EXPECT_TRUE(same(fresh, rested)) << "the player was tinted before anything hit it";
    player->takeDamage(1);
    frames(1, 0.f);
    EXPECT_FALSE(same(picture(), rested)) << "a hit did not show";
}

TEST_F(PlayerDraw, TheExitPromptShowsAboveThePlayerAndNotOverABody)
{
    run->room()->type = ROOM_BOSS;
    Door door;
    door.position = player->getPosition();
    run->room()->doors.push_back(door);
    EXPECT_FALSE(promptShown(picture()));
    frames(1, 0.f);
    ASSERT_TRUE(player->nearExit);
    EXPECT_TRUE(promptShown(picture()));
    player->takeDamage(100);
    frames(1, 0.f);
    EXPECT_FALSE(promptShown(picture())) << "a dead player still offers the door";
}

TEST_F(PlayerDraw, HalfwayThroughAChangeOfFormTheOldAndNewLooksMix)
{
    if (!player->formShaderLoaded())
        GTEST_SKIP() << "no shader support on this display";
    const sf::Image neutral = picture();
    player->karmaGauge.set(100.f);
    frames(1, 0.f); // no time passes: the same frame all along
    ASSERT_TRUE(player->changingForm);
    player->formChangeTimer = 2.f;
    frames(1, 0.f);
    const sf::Image halfway = picture();
    player->formChangeTimer = 4.f;
    frames(1, 0.f);
    ASSERT_FALSE(player->changingForm);
    const sf::Image angelic = picture();
    EXPECT_FALSE(same(angelic, neutral)) << "the good form looks like the neutral one";
    EXPECT_FALSE(same(halfway, neutral)) << "the change showed only the old look";
    EXPECT_FALSE(same(halfway, angelic)) << "the change jumped straight to the new look";
}
