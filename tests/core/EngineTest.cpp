#include "core/Engine.h"

#include "core/LoadingState.h"
#include "support/RecordingState.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Window/Event.hpp>

#include <gtest/gtest.h>

#include <string>

namespace
{
sf::Event eventOf(sf::Event::EventType type)
{
    sf::Event event{};
    event.type = type;
    return event;
}
} // namespace

class EngineFrames : public ::testing::Test
{
protected:
    void SetUp() override
    {
        engine = Engine::instance();
        ASSERT_TRUE(engine->window->isOpen());
        engine->retireChain(engine->currentState);
        engine->currentState = nullptr;
        engine->collectRetired();
    }
    void TearDown() override
    {
        engine->retireChain(engine->currentState);
        engine->currentState = nullptr;
        engine->collectRetired();
    }
    Engine* engine = nullptr;
};

TEST_F(EngineFrames, WindowIsTheBorderlessReferenceScreen)
{
    EXPECT_EQ(engine->window->getSize(), sf::Vector2u(1920, 1080));
    EXPECT_EQ(engine->window->getPosition(), sf::Vector2i(0, 0));
}

TEST_F(EngineFrames, EventsAfterASwitchGoToTheNewScreenInTheSameFrame)
{
    auto* first = new RecordingState();
    engine->currentState = first;
    RecordingState* second = nullptr;
    first->onEvent = [&](const sf::Event& event)
    {
        if (event.type != sf::Event::KeyPressed)
            return;
        second = new RecordingState();
        engine->currentState = second;
        engine->retire(first);
    };

    engine->dispatchEvent(eventOf(sf::Event::KeyPressed));
    ASSERT_NE(second, nullptr);
    engine->dispatchEvent(eventOf(sf::Event::MouseMoved));
    engine->dispatchEvent(eventOf(sf::Event::KeyReleased));
    // The old screen is still alive (its handler may be running) until the frame ends.
    EXPECT_EQ(first->events.size(), 1u);
    EXPECT_EQ(second->events, (std::vector<sf::Event::EventType>{sf::Event::MouseMoved, sf::Event::KeyReleased}));

    const int aliveBefore = RecordingState::alive;
    engine->runFrame();
    EXPECT_EQ(second->updates, 1);
    EXPECT_EQ(second->draws, 1);
    EXPECT_EQ(RecordingState::alive, aliveBefore - 1) << "the left screen is released after the frame";
}

TEST_F(EngineFrames, ScreenLeftThroughTheLoadingScreenIsReplacedWithinTheFrameLoop)
{
    auto* menu = new RecordingState();
    engine->currentState = menu;
    menu->onEvent = [&](const sf::Event& event)
    {
        if (event.type == sf::Event::MouseButtonPressed)
            replaceWithLoading<RecordingState>("Loading...", {});
    };
    engine->dispatchEvent(eventOf(sf::Event::MouseButtonPressed));
    engine->dispatchEvent(eventOf(sf::Event::MouseButtonReleased));
    EXPECT_EQ(menu->events.size(), 1u) << "the release after the switch went to the loading screen";
    ASSERT_NE(dynamic_cast<LoadingScreen*>(engine->currentState), nullptr);

    // The empty loading screen hands over in its first update; the target is drawn the same frame.
    engine->runFrame();
    auto* target = dynamic_cast<RecordingState*>(engine->currentState);
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->updates, 0);
    EXPECT_EQ(target->draws, 1);
    for (int i = 0; i < 3; ++i)
        engine->runFrame();
    EXPECT_EQ(target->updates, 3);
    EXPECT_EQ(target->draws, 4);
    EXPECT_GT(engine->frameTime, 0.f);
}

TEST_F(EngineFrames, ClosedEventClosesTheWindowAndStillReachesTheScreen)
{
    auto* screen = new RecordingState();
    engine->currentState = screen;
    engine->dispatchEvent(eventOf(sf::Event::Closed));
    EXPECT_FALSE(engine->window->isOpen());
    EXPECT_EQ(screen->events, (std::vector<sf::Event::EventType>{sf::Event::Closed}));
}

namespace
{
TEST(Letterbox, TheGameSpaceFitsEveryDesktopAndThePointerMapsBack)
{
    struct Case
    {
        unsigned width, height;
        sf::FloatRect expected; // where the 1920 x 1080 space lies, in window pixels
    };
    const Case cases[] = {
        {1366, 768, {0.f, 0.f, 1366.f, 768.f}},     // 16:9, smaller: scaled down, no bars
        {1920, 1080, {0.f, 0.f, 1920.f, 1080.f}},   // unchanged
        {2560, 1440, {0.f, 0.f, 2560.f, 1440.f}},   // scaled up
        {3440, 1440, {440.f, 0.f, 2560.f, 1440.f}}, // wider: bars left and right
        {1280, 1024, {0.f, 152.f, 1280.f, 720.f}},  // squarer: bars above and below
    };
    for (const Case& c : cases)
    {
        sf::RenderTexture window;
        ASSERT_TRUE(window.create(c.width, c.height)) << c.width << "x" << c.height;
        sf::View view(sf::FloatRect(0.f, 0.f, 1920.f, 1080.f));
        view.setViewport(Engine::letterbox({c.width, c.height}));
        window.setView(view);
        const std::string size = std::to_string(c.width) + "x" + std::to_string(c.height);
        const sf::Vector2i topLeft = window.mapCoordsToPixel({0.f, 0.f});
        const sf::Vector2i bottomRight = window.mapCoordsToPixel({1920.f, 1080.f});
        EXPECT_NEAR(topLeft.x, c.expected.left, 1.f) << size;
        EXPECT_NEAR(topLeft.y, c.expected.top, 1.f) << size;
        EXPECT_NEAR(bottomRight.x, c.expected.left + c.expected.width, 1.f) << size;
        EXPECT_NEAR(bottomRight.y, c.expected.top + c.expected.height, 1.f) << size;
        // A pixel of the window names the game point drawn there.
        for (sf::Vector2f p : {sf::Vector2f(0.f, 0.f), sf::Vector2f(960.f, 540.f), sf::Vector2f(1919.f, 1079.f)})
        {
            const sf::Vector2f back = window.mapPixelToCoords(window.mapCoordsToPixel(p));
            EXPECT_NEAR(back.x, p.x, 2.f) << size;
            EXPECT_NEAR(back.y, p.y, 2.f) << size;
        }
    }
    EXPECT_EQ(Engine::letterbox({0, 0}), sf::FloatRect(0.f, 0.f, 1.f, 1.f));
}
} // namespace
