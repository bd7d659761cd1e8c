#include "core/Engine.h"

#include "core/LoadingState.h"
#include "support/RecordingState.h"

#include <SFML/Window/Event.hpp>

#include <gtest/gtest.h>

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
    first->onEvent = [&](const sf::Event& event) {
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
    menu->onEvent = [&](const sf::Event& event) {
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
