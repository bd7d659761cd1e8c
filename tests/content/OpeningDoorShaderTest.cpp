// The opening-door program and the gate pictures share one convention: the
// stone frame is opaque and stays, the gate (translucent) opens. Drawn over a
// black window at a few moments after the room was cleared.
#include <SFML/Graphics.hpp>

#include <gtest/gtest.h>

namespace
{
constexpr unsigned kSize = 64;
constexpr unsigned kFrame = 10;
const sf::Color kFrameColour(90, 96, 92, 255);
const sf::Color kGateColour(30, 30, 40, 240);

class OpeningDoorShader : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(target.create(kSize, kSize));
        if (!sf::Shader::isAvailable())
            GTEST_SKIP() << "no shader support on this display";
        ASSERT_TRUE(shader.loadFromFile("Assets/Shaders/Room/OpeningDoor.frag", sf::Shader::Fragment));
        sf::Image gate;
        gate.create(kSize, kSize, kGateColour);
        for (unsigned y = 0; y < kSize; ++y)
            for (unsigned x = 0; x < kSize; ++x)
                if (x < kFrame || x >= kSize - kFrame || y < kFrame)
                    gate.setPixel(x, y, kFrameColour);
        ASSERT_TRUE(texture.loadFromImage(gate));
    }

    sf::Image drawnAt(float timer)
    {
        shader.setUniform("texture", sf::Shader::CurrentTexture);
        shader.setUniform("timer", timer);
        target.clear(sf::Color::Black);
        target.draw(sf::Sprite(texture), &shader);
        target.display();
        return target.getTexture().copyToImage();
    }
    sf::Image drawnPlainly()
    {
        target.clear(sf::Color::Black);
        target.draw(sf::Sprite(texture));
        target.display();
        return target.getTexture().copyToImage();
    }

    sf::RenderTexture target;
    sf::Shader shader;
    sf::Texture texture;
};

int difference(sf::Color a, sf::Color b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

TEST_F(OpeningDoorShader, AtTheMomentOfClearingTheGateLooksClosed)
{
    const sf::Image plain = drawnPlainly(), opening = drawnAt(0.f);
    for (sf::Vector2u p : {sf::Vector2u(32, 40), sf::Vector2u(3, 30), sf::Vector2u(20, 60)})
        EXPECT_LE(difference(plain.getPixel(p.x, p.y), opening.getPixel(p.x, p.y)), 6) << p.x << ", " << p.y;
}

TEST_F(OpeningDoorShader, OnceOpenTheGateIsLightAndTheFrameStands)
{
    const sf::Image plain = drawnPlainly();
    for (float timer : {3.f, 4.3f, 9.f})
    {
        const sf::Image open = drawnAt(timer);
        // The frame is untouched.
        EXPECT_LE(difference(open.getPixel(3, 32), plain.getPixel(3, 32)), 6) << "timer " << timer;
        EXPECT_LE(difference(open.getPixel(32, 3), plain.getPixel(32, 3)), 6) << "timer " << timer;
        // Where the dark gate was, warm light: clearly brighter, more red than blue.
        const sf::Color centre = open.getPixel(32, 40), before = plain.getPixel(32, 40);
        EXPECT_GT(centre.r + centre.g + centre.b, before.r + before.g + before.b + 120) << "timer " << timer;
        EXPECT_GT(centre.r, centre.b + 30) << "timer " << timer;
    }
}

TEST_F(OpeningDoorShader, TheGateOpensFromTheCentreOutwards)
{
    const sf::Image plain = drawnPlainly();
    const sf::Image midway = drawnAt(0.35f + 0.5f);
    const int centre = difference(midway.getPixel(32, 36), plain.getPixel(32, 36));
    const int corner = difference(midway.getPixel(kFrame + 1, kSize - 2), plain.getPixel(kFrame + 1, kSize - 2));
    EXPECT_GT(centre, corner + 60) << "the middle of the gate should have opened before its corner";
}
} // namespace
