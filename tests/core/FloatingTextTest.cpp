#include "core/FloatingText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
FloatingText drifting()
{
    FloatingText notice;
    notice.text = "+1 soul";
    notice.position = {400.f, 300.f};
    notice.velocity = {0.f, -60.f};
    notice.duration = 2.f;
    return notice;
}

TEST(FloatingText, FadesFromOpaqueToInvisibleOverItsLifetime)
{
    FloatingText notice = drifting();
    EXPECT_EQ(notice.alpha(), 255);
    notice.advance(1.f);
    EXPECT_NEAR(notice.alpha(), 127, 1) << "half transparent at half its lifetime";
    EXPECT_EQ(notice.makeText().getFillColor().a, notice.alpha());
    EXPECT_EQ(notice.makeText().getOutlineColor().a, notice.alpha());
    notice.advance(5.f);
    EXPECT_EQ(notice.alpha(), 0) << "past its lifetime it must not wrap back to opaque";
}

TEST(FloatingText, DriftsInProportionAndStopsAtItsVelocity)
{
    FloatingText notice = drifting();
    EXPECT_TRUE(notice.advance(0.5f));
    EXPECT_FLOAT_EQ(notice.offset.y, -15.f);
    EXPECT_FLOAT_EQ(notice.makeText().getPosition().y, 285.f);
    // Frames of 0.3 s overshoot the 2 s lifetime; the drift must not.
    bool alive = true;
    int frames = 0;
    while (alive && frames < 100)
    {
        alive = notice.advance(0.3f);
        ++frames;
    }
    EXPECT_FALSE(alive);
    EXPECT_TRUE(notice.finished());
    EXPECT_EQ(notice.offset, notice.velocity);
}

TEST(FloatingText, AlignmentSetsTheHorizontalOriginAndCentresVertically)
{
    sf::Font font;
    if (!font.loadFromFile("Assets/Fonts/IRONHELM.TTF"))
        GTEST_SKIP() << "the generated fonts are missing";
    FloatingText notice = drifting();
    notice.font = font;
    notice.characterSize = 40.f;
    for (unsigned alignment : {0u, 1u, 2u, 7u})
    {
        notice.alignment = alignment;
        const sf::Text text = notice.makeText();
        const sf::FloatRect bounds = text.getLocalBounds();
        const float expectedX = alignment == 0   ? 0.f
                                : alignment == 1 ? bounds.width / 2
                                : alignment == 2 ? bounds.width
                                                 : 0.f;
        const float expectedY = alignment <= 2 ? bounds.height / 2 : 0.f;
        EXPECT_FLOAT_EQ(text.getOrigin().x, expectedX) << "alignment " << alignment;
        EXPECT_FLOAT_EQ(text.getOrigin().y, expectedY) << "alignment " << alignment;
    }
    notice.alignment = FloatingText::ALIGN_RIGHT;
    const sf::Text right = notice.makeText();
    EXPECT_NEAR(right.getGlobalBounds().left + right.getGlobalBounds().width, 400.f, 4.f)
        << "right-aligned text ends at its position";
}
} // namespace
