#include "core/button.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
struct HitCase
{
    sf::Vector2i mouse;
    bool hits;
};

class ButtonHit : public ::testing::TestWithParam<HitCase>
{
};

TEST_P(ButtonHit, LeftAndTopEdgesInsideRightAndBottomOutside)
{
    int clicks = 0;
    button widget({"play_button", "play_button_h"}, {100, 200}, {50, 20}, [&clicks] { ++clicks; });
    const HitCase& c = GetParam();
    EXPECT_EQ(widget.checkClick(c.mouse), c.hits) << "mouse at " << c.mouse.x << ", " << c.mouse.y;
    EXPECT_EQ(clicks, c.hits ? 1 : 0);
    widget.updateHover(c.mouse);
    EXPECT_EQ(widget.hovered, c.hits ? 1u : 0u);
    EXPECT_EQ(widget.currentImage(), c.hits ? "play_button_h" : "play_button");
}

INSTANTIATE_TEST_SUITE_P(Edges, ButtonHit,
                         ::testing::Values(HitCase{{100, 200}, true},  // top-left corner
                                           HitCase{{149, 219}, true},  // last pixel inside
                                           HitCase{{150, 210}, false}, // right edge
                                           HitCase{{120, 220}, false}, // bottom edge
                                           HitCase{{99, 210}, false},  // just left
                                           HitCase{{120, 199}, false}, // just above
                                           HitCase{{125, 210}, true}));

TEST(Button, HitAreaLargerThanPictureReactsInTheInvisiblePart)
{
    // The settings tabs are hit over their texture at half scale, drawn at 0.35.
    int clicks = 0;
    button tab({"key_simple", "key_hovered"}, {490, 220}, {340, 100}, [&clicks] { ++clicks; });
    const int drawnRight = 490 + static_cast<int>(680 * button::kStandardScale);
    EXPECT_TRUE(tab.checkClick({drawnRight + 50, 300}));
    EXPECT_EQ(clicks, 1);
}

TEST(Button, EmptyActionUnderTheMouseIsAnError)
{
    button picture({"game_over"}, {0, 0}, {10, 10});
    EXPECT_THROW(picture.checkClick({5, 5}), std::bad_function_call);
    EXPECT_NO_THROW(picture.checkClick({50, 50}));
}

TEST(Button, SingleImageButtonShowsItWhenHovered)
{
    button socket({"template"}, {0, 0}, {35, 35}, [] {});
    socket.updateHover({1, 1});
    EXPECT_EQ(socket.currentImage(), "template");
}
} // namespace
