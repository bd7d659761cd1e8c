#include "core/LoadingState.h"

#include "core/BackgroundFailures.h"

#include "support/RecordingState.h"
#include "support/TestSupport.h"
#include "support/TextureFixture.h"

#include <SFML/Window/Event.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace
{
std::unique_ptr<TextureManager::Group> groupOf(std::initializer_list<std::pair<const std::string, std::string>> entries)
{
    return std::make_unique<TextureManager::Group>(entries);
}

sf::Event keyPress(sf::Keyboard::Key code)
{
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = code;
    return event;
}

// Waits (bounded) for the loader threads of `screen` to return.
void waitForLoaders(const LoadingScreen& screen)
{
    for (int i = 0; i < 2000 && screen.loading(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_FALSE(screen.loading()) << "loader threads did not finish";
}
} // namespace

TEST(LoadingScreenDeal, ThirtyKeysOverEightThreads)
{
    GroupList input;
    auto first = std::make_unique<TextureManager::Group>();
    for (int i = 0; i < 18; ++i)
        first->add("key" + std::to_string(100 + i), "file.png");
    auto second = std::make_unique<TextureManager::Group>();
    for (int i = 18; i < 30; ++i)
        second->add("key" + std::to_string(100 + i), "file.png");
    input.push_back(std::move(first));
    input.push_back(std::move(second));

    GroupList dealt = LoadingScreen::dealGroups(std::move(input), 8);
    ASSERT_EQ(dealt.size(), 8u);
    const std::size_t expected[] = {4, 4, 4, 4, 4, 4, 3, 3};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(dealt[i]->size(), expected[i]) << "group " << i;
    // Dealt in turn, in key order: the k-th key goes to group k mod 8.
    EXPECT_EQ(dealt[0]->entries().begin()->first, "key100");
    EXPECT_EQ(dealt[1]->entries().begin()->first, "key101");
    EXPECT_EQ(dealt[0]->entries().rbegin()->first, "key124");
}

TEST(LoadingScreenDeal, DuplicateKeyWarnsOnceAndTheFirstPathStays)
{
    LogCapture log;
    GroupList input;
    input.push_back(groupOf({{"exit_button", "first.png"}, {"a", "a.png"}}));
    auto second = groupOf({{"b", "b.png"}});
    second->addChild(groupOf({{"exit_button", "second.png"}}));
    input.push_back(std::move(second));
    // Screens share pictures: the same key for the same file is no conflict.
    input.push_back(groupOf({{"a", "a.png"}, {"exit_button", "first.png"}}));

    GroupList dealt = LoadingScreen::dealGroups(std::move(input), 2);
    EXPECT_EQ(log.count("Key exit_button already exists in another group"), 1);
    EXPECT_EQ(log.count("Key a already exists"), 0) << "one key, one file: nothing to warn about";
    std::size_t total = 0;
    for (const auto& group : dealt)
    {
        total += group->size();
        if (group->entries().count("exit_button"))
        {
            EXPECT_EQ(group->entries().at("exit_button"), "first.png");
        }
    }
    EXPECT_EQ(total, 3u);
}

TEST(LoadingScreenDeal, FewerKeysThanThreadsLeavesEmptyGroups)
{
    GroupList input;
    input.push_back(groupOf({{"only", "only.png"}}));
    GroupList dealt = LoadingScreen::dealGroups(std::move(input), 4);
    ASSERT_EQ(dealt.size(), 4u);
    EXPECT_EQ(dealt[0]->size(), 1u);
    for (int i = 1; i < 4; ++i)
        EXPECT_TRUE(dealt[i]->isLoaded());
}

// The screens below hand over through the engine, which needs the window.
class LoadingFlow : public TextureFixture
{
protected:
    void SetUp() override
    {
        TextureFixture::SetUp();
        engine = Engine::instance();
        LoadingScreen::setThreadCountOverride(3);
    }
    void TearDown() override
    {
        LoadingScreen::setThreadCountOverride(0);
        engine->collectRetired();
        TextureFixture::TearDown();
    }
    Engine* engine = nullptr;
};

TEST_F(LoadingFlow, MoreGroupsThanThreadsStillLoadEverythingWithoutAWarning)
{
    LogCapture log;
    GroupList input;
    for (int i = 0; i < 5; ++i)
        input.push_back(groupOf({{"g" + std::to_string(i), picture("g" + std::to_string(i), 4, 4)}}));
    LoadingState<RecordingState> screen("Loading...", std::move(input));
    EXPECT_EQ(log.count("Warning"), 0) << "the groups are merged and dealt anew: " << log.text();
    waitForLoaders(screen);
    EXPECT_EQ(screen.loadedCount(), 5u);
    EXPECT_EQ(screen.totalCount(), 5u);
}

TEST_F(LoadingFlow, EmptySetHandsOverAtTheFirstUpdate)
{
    auto* predecessor = new RecordingState();
    engine->currentState = predecessor;
    pushLoading<RecordingState>("Starting game", {});
    auto* loading = dynamic_cast<LoadingScreen*>(engine->currentState);
    ASSERT_NE(loading, nullptr);
    EXPECT_EQ(loading->previousState, predecessor);
    EXPECT_EQ(loading->totalCount(), 0u);

    loading->update(0.016f);
    auto* target = dynamic_cast<RecordingState*>(engine->currentState);
    ASSERT_NE(target, nullptr);
    EXPECT_NE(target, predecessor);
    EXPECT_EQ(target->previousState, predecessor) << "the target inherits the loading screen's predecessor";

    replaceWithLoading<RecordingState>("Loading...", {});
    engine->collectRetired();
    const int before = RecordingState::alive;
    engine->currentState->update(0.016f);
    engine->collectRetired();
    EXPECT_EQ(RecordingState::alive, before + 1);
    EXPECT_EQ(engine->currentState->previousState, nullptr);
    engine->retireChain(engine->currentState);
    engine->currentState = nullptr;
}

TEST_F(LoadingFlow, HandOverWaitsForEveryTextureAndPassesTheGroups)
{
    GroupList input;
    input.push_back(groupOf({{"x1", picture("x1", 4, 4)}, {"x2", picture("x2", 4, 4)}}));
    input.push_back(groupOf({{"x3", picture("x3", 4, 4)}}));
    engine->currentState = nullptr;
    replaceWithLoading<RecordingState>("Loading...", std::move(input));
    auto* loading = dynamic_cast<LoadingScreen*>(engine->currentState);
    ASSERT_NE(loading, nullptr);
    waitForLoaders(*loading);
    loading->update(0.016f);
    auto* target = dynamic_cast<RecordingState*>(engine->currentState);
    ASSERT_NE(target, nullptr);
    engine->collectRetired();

    // The new screen owns the groups: leaving it unloads their textures.
    auto present = [] { return TextureManager::isPresent("x1") + TextureManager::isPresent("x2") + TextureManager::isPresent("x3"); };
    EXPECT_EQ(present(), 3);
    replaceWithLoading<RecordingState>("Loading...", {});
    EXPECT_EQ(present(), 0) << "the old chain is unloaded before the next screen loads";
    engine->retireChain(engine->currentState);
    engine->currentState = nullptr;
}

TEST_F(LoadingFlow, ReloadKeyUnloadsAndLoadsEveryKeyAgain)
{
    GroupList input;
    input.push_back(groupOf({{"r1", picture("r1", 64, 64)}, {"r2", picture("r2", 64, 64)}}));
    LoadingState<RecordingState> screen("Loading...", std::move(input));
    waitForLoaders(screen);
    ASSERT_EQ(screen.loadedCount(), 2u);

    // The files change on disk: only a real reload shows the new sizes.
    picture("r1", 32, 16);
    picture("r2", 16, 32);
    LogCapture log;
    screen.handleEvent(keyPress(sf::Keyboard::P));
    waitForLoaders(screen);
    EXPECT_EQ(screen.loadedCount(), 2u);
    EXPECT_EQ(TextureManager::getTexture("r1")->getSize(), sf::Vector2u(32, 16));
    EXPECT_EQ(TextureManager::getTexture("r2")->getSize(), sf::Vector2u(16, 32));
    EXPECT_EQ(log.count("already loaded"), 0) << "the reload starts from unloaded keys";
}

TEST_F(LoadingFlow, ReloadKeyIsIgnoredWhileTheFirstLoadRuns)
{
    GroupList input;
    auto big = std::make_unique<TextureManager::Group>();
    for (int i = 0; i < 24; ++i)
        big->add("big" + std::to_string(i), picture("big" + std::to_string(i), 256, 256));
    input.push_back(std::move(big));
    LogCapture log;
    LoadingState<RecordingState> screen("Loading...", std::move(input));
    for (int i = 0; i < 5; ++i)
        screen.handleEvent(keyPress(sf::Keyboard::P));
    waitForLoaders(screen);
    EXPECT_EQ(screen.loadedCount(), 24u);
    EXPECT_EQ(log.count("already loaded"), 0);
}

TEST_F(LoadingFlow, FailedLoadOnALoaderThreadReachesTheMainThread)
{
    BackgroundFailures::clear();
    GroupList input;
    input.push_back(groupOf({{"broken", missing("broken")}}));
    LoadingState<RecordingState> screen("Loading...", std::move(input));
    waitForLoaders(screen);
    EXPECT_THROW(BackgroundFailures::rethrowIfAny(), std::runtime_error);
    EXPECT_NO_THROW(BackgroundFailures::rethrowIfAny()) << "a failure is delivered once";
}
