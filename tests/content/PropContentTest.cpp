#include "world/PropRegistry.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

// Every animated prop's picture is a strip of exactly its frames, and the frames move.
TEST(GeneratedProps, AnimatedStripsHaveTheirFrameLayoutAndEveryFrameMoves)
{
    for (const auto& name : PropRegistry::propNames())
    {
        const auto strip = PropRegistry::stripOf(name);
        if (strip.frameCount <= 1)
            continue;
        sf::Image sheet;
        ASSERT_TRUE(sheet.loadFromFile(PropRegistry::textureFile(name))) << name;
        const unsigned fw = strip.frameSize.x, fh = strip.frameSize.y;
        ASSERT_EQ(sheet.getSize(), sf::Vector2u(fw * strip.frameCount, fh)) << name;
        auto differs = [&](unsigned a, unsigned b)
        {
            for (unsigned y = 0; y < fh; ++y)
                for (unsigned x = 0; x < fw; ++x)
                    if (sheet.getPixel(a * fw + x, y) != sheet.getPixel(b * fw + x, y))
                        return true;
            return false;
        };
        for (unsigned f = 0; f < strip.frameCount; ++f)
            EXPECT_TRUE(differs(f, (f + 1) % strip.frameCount)) << name << ": frame " << f << " equals the next";
    }
}

// A still prop is one picture of a sensible size, not an empty canvas.
TEST(GeneratedProps, StillPicturesAreVisibleAndOfAReasonableSize)
{
    for (const auto& name : PropRegistry::propNames())
    {
        if (PropRegistry::stripOf(name).frameCount > 1)
            continue;
        sf::Image picture;
        ASSERT_TRUE(picture.loadFromFile(PropRegistry::textureFile(name))) << name;
        const auto size = picture.getSize();
        EXPECT_GE(std::min(size.x, size.y), 40u) << name;
        EXPECT_LE(std::max(size.x, size.y), 1024u) << name;
        unsigned opaque = 0;
        for (unsigned y = 0; y < size.y; y += 2)
            for (unsigned x = 0; x < size.x; x += 2)
                opaque += picture.getPixel(x, y).a > 128;
        EXPECT_GT(opaque * 4, size.x * size.y / 20) << name << " is nearly empty";
    }
}
