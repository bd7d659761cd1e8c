#include "core/PictureCover.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace
{
// A picture of opaque ground with a soft rim, a few see-through pools and ragged
// bites out of its outline, drawn from the seeded rand().
sf::Image raggedPicture(unsigned w, unsigned h)
{
    sf::Image image;
    image.create(w, h, sf::Color(30, 90, 60, 255));
    const unsigned rim = 10 + static_cast<unsigned>(std::rand() % 60);
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < w; ++x)
        {
            const unsigned edge = std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y));
            if (edge < rim)
                image.setPixel(x, y, sf::Color(30, 90, 60, static_cast<sf::Uint8>(edge * 255 / rim)));
        }
    const int holes = std::rand() % 6;
    for (int i = 0; i < holes; ++i)
    {
        const int cx = std::rand() % static_cast<int>(w), cy = std::rand() % static_cast<int>(h);
        const int r = 1 + std::rand() % 90;
        const sf::Uint8 alpha = static_cast<sf::Uint8>(std::rand() % 255);
        for (int y = std::max(0, cy - r); y < std::min(static_cast<int>(h), cy + r); ++y)
            for (int x = std::max(0, cx - r); x < std::min(static_cast<int>(w), cx + r); ++x)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < r * r)
                    image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), sf::Color(0, 0, 0, alpha));
    }
    return image;
}
} // namespace

// Over many pictures: the rectangles tile the picture, each pixel once; an opaque one
// holds only opaque pixels, and each square of a soft one holds a pixel that is not.
TEST(PictureCover, TilesThePictureAndSortsEverySquareRight)
{
    for (unsigned seed = 1; seed <= 40; ++seed)
    {
        std::srand(seed);
        const unsigned w = 40 + static_cast<unsigned>(std::rand() % 700), h = 40 + static_cast<unsigned>(std::rand() % 500);
        const sf::Image image = raggedPicture(w, h);
        const PictureCover cover = PictureCover::of(image);
        std::vector<int> covered(static_cast<std::size_t>(w) * h, 0);
        auto mark = [&](const sf::IntRect& r)
        {
            ASSERT_GE(r.left, 0);
            ASSERT_GE(r.top, 0);
            ASSERT_LE(r.left + r.width, static_cast<int>(w));
            ASSERT_LE(r.top + r.height, static_cast<int>(h));
            for (int y = r.top; y < r.top + r.height; ++y)
                for (int x = r.left; x < r.left + r.width; ++x)
                    ++covered[static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x)];
        };
        for (const sf::IntRect& r : cover.opaque)
        {
            mark(r);
            for (int y = r.top; y < r.top + r.height; ++y)
                for (int x = r.left; x < r.left + r.width; ++x)
                    ASSERT_EQ(image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a, 255)
                        << "seed " << seed << " at " << x << ", " << y;
        }
        for (const sf::IntRect& r : cover.soft)
        {
            mark(r);
            for (int top = r.top; top < r.top + r.height; top += PictureCover::kCell)
                for (int left = r.left; left < r.left + r.width; left += PictureCover::kCell)
                {
                    bool seeThrough = false;
                    for (int y = top; y < std::min(top + PictureCover::kCell, r.top + r.height); ++y)
                        for (int x = left; x < std::min(left + PictureCover::kCell, r.left + r.width); ++x)
                            seeThrough |= image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a != 255;
                    EXPECT_TRUE(seeThrough) << "seed " << seed << ": an opaque square at " << left << ", " << top
                                            << " is left to blending";
                }
        }
        for (std::size_t i = 0; i < covered.size(); ++i)
            ASSERT_EQ(covered[i], 1) << "seed " << seed << " at " << i % w << ", " << i / w;
    }
}

TEST(PictureCover, PlainPictures)
{
    struct Case
    {
        const char* what;
        unsigned w, h;
        sf::Color colour;
        std::size_t opaque, soft;
    };
    for (const Case& c : {Case{"wholly opaque", 300, 200, sf::Color(10, 20, 30, 255), 1, 0},
                          Case{"wholly see-through", 300, 200, sf::Color(10, 20, 30, 254), 0, 1},
                          Case{"smaller than a square", 5, 3, sf::Color::White, 1, 0},
                          Case{"empty", 0, 0, sf::Color::White, 0, 0}})
    {
        sf::Image image;
        image.create(c.w, c.h, c.colour);
        const PictureCover cover = PictureCover::of(image);
        EXPECT_EQ(cover.opaque.size(), c.opaque) << c.what;
        EXPECT_EQ(cover.soft.size(), c.soft) << c.what;
    }
}

// A room picture, opaque within a soft rim, is one opaque rectangle: one quad to copy.
TEST(PictureCover, AnOpaqueMiddleIsOneRectangle)
{
    sf::Image image;
    image.create(2000, 1500, sf::Color(40, 40, 40, 255));
    for (unsigned y = 0; y < 1500; ++y)
        for (unsigned x = 0; x < 2000; ++x)
            if (std::min(std::min(x, 1999 - x), std::min(y, 1499 - y)) < 100)
                image.setPixel(x, y, sf::Color(40, 40, 40, 128));
    const PictureCover cover = PictureCover::of(image);
    ASSERT_EQ(cover.opaque.size(), 1u);
    EXPECT_EQ(cover.opaque[0], sf::IntRect(128, 128, 1760, 1248));
    EXPECT_LE(cover.soft.size(), 4u);
}
