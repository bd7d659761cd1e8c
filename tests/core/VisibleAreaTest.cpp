#include "core/ScaledPicture.h"
#include "core/VisibleArea.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace
{
// A w × h transparent picture with the given pixels painted (a soft, see-through red).
sf::Image pictureWith(unsigned w, unsigned h, const std::vector<sf::Vector2u>& painted)
{
    sf::Image image;
    image.create(w, h, sf::Color::Transparent);
    for (sf::Vector2u p : painted)
        image.setPixel(p.x, p.y, sf::Color(200, 30, 40, 3));
    return image;
}

// A picture whose every pixel differs, with a transparent margin and a soft rim.
sf::Image framedGradient(unsigned w, unsigned h, unsigned margin)
{
    sf::Image image;
    image.create(w, h, sf::Color::Transparent);
    for (unsigned y = margin; y < h - margin; ++y)
        for (unsigned x = margin; x < w - margin; ++x)
        {
            const unsigned edge = std::min(std::min(x - margin, w - margin - 1 - x), std::min(y - margin, h - margin - 1 - y));
            image.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(x * 3), static_cast<sf::Uint8>(y * 5),
                                           static_cast<sf::Uint8>((x + y) * 2),
                                           static_cast<sf::Uint8>(std::min(255u, 40 + edge * 30))));
        }
    return image;
}

sf::Image drawnOver(const sf::Sprite& sprite)
{
    sf::RenderTexture target;
    EXPECT_TRUE(target.create(640, 400));
    target.clear(sf::Color(41, 12, 14));
    target.draw(sprite);
    target.display();
    return target.getTexture().copyToImage();
}

int differingPixels(const sf::Image& a, const sf::Image& b, int tolerance)
{
    int differing = 0;
    for (unsigned y = 0; y < a.getSize().y; ++y)
        for (unsigned x = 0; x < a.getSize().x; ++x)
        {
            const sf::Color p = a.getPixel(x, y), q = b.getPixel(x, y);
            differing += std::abs(p.r - q.r) > tolerance || std::abs(p.g - q.g) > tolerance ||
                         std::abs(p.b - q.b) > tolerance;
        }
    return differing;
}
} // namespace

TEST(VisibleArea, HoldsEveryPixelThatIsNotWhollyTransparent)
{
    struct Case
    {
        const char* what;
        std::vector<sf::Vector2u> painted;
        sf::IntRect expected;
    } cases[] = {
        {"nothing painted", {}, {}},
        {"one pixel", {{7, 3}}, {7, 3, 1, 1}},
        {"the corners", {{0, 0}, {19, 9}}, {0, 0, 20, 10}},
        {"a scatter", {{4, 8}, {12, 2}, {9, 5}}, {4, 2, 9, 7}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VisibleArea::of(pictureWith(20, 10, c.painted)), c.expected) << c.what;
    EXPECT_EQ(VisibleArea::of(sf::Image()), sf::IntRect()) << "an empty picture";
}

// Cut to its visible part, a picture draws the very same pixels, wherever its origin
// and whatever its scale.
TEST(VisibleArea, ACroppedSpriteDrawsWhatTheWholeOneDraws)
{
    const sf::Image image = framedGradient(300, 200, 37);
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(image));
    texture.setSmooth(true);
    for (const auto& [origin, scale] : {std::pair{sf::Vector2f(0.f, 0.f), 1.f}, std::pair{sf::Vector2f(150.f, 100.f), 1.f},
                                        std::pair{sf::Vector2f(150.f, 100.f), 1.5f}})
    {
        sf::Sprite whole(texture);
        whole.setOrigin(origin);
        whole.setScale(scale, scale);
        whole.setPosition(320.f, 200.f);
        sf::Sprite cropped = whole;
        VisibleArea::crop(cropped, VisibleArea::of(texture));
        EXPECT_EQ(cropped.getTextureRect(), sf::IntRect(36, 36, 228, 128));
        EXPECT_EQ(differingPixels(drawnOver(whole), drawnOver(cropped), 1), 0) << "scale " << scale;
    }
}

// Painted once at its scale, a panel drawn at a whole-pixel position looks like the
// original shrunk at every frame: its soft rim blends the same way.
TEST(ScaledPicture, LooksLikeTheOriginalDrawnAtItsScale)
{
    const sf::Image image = framedGradient(600, 400, 10);
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(image));
    texture.setSmooth(true);
    ScaledPicture scaled;
    EXPECT_FALSE(scaled.prepare(nullptr, 0.5f));
    EXPECT_FALSE(scaled.prepare(&texture, 0.f));
    for (float scale : {0.5f, 0.75f})
    {
        ASSERT_TRUE(scaled.prepare(&texture, scale));
        sf::Sprite original(texture);
        original.setOrigin(300.f, 200.f);
        original.setScale(scale, scale);
        original.setPosition(320.f, 200.f);
        sf::Sprite& copy = scaled.sprite();
        copy.setPosition(320.f, 200.f);
        EXPECT_LE(differingPixels(drawnOver(original), drawnOver(copy), 2), 0) << "scale " << scale;
    }
}
