#include "core/TextureManager.h"

#include "support/TestSupport.h"
#include "support/TextureFixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

TEST(OriginFlags, LowestBitOfEachAxisWins)
{
    struct Case
    {
        unsigned flags;
        sf::Vector2f expected;
    } cases[] = {
        {18, {100, 50}}, {33, {0, 100}}, {17, {0, 50}},  {20, {200, 50}}, {9, {0, 0}},
        {3, {0, 0}},     {6, {100, 0}},  {48, {0, 50}},  {40, {0, 0}},    {36, {200, 100}},
    };
    for (const auto& c : cases)
    {
        const sf::Vector2f origin = originFromFlags(c.flags, {200, 100});
        EXPECT_EQ(origin, c.expected) << "flags " << c.flags;
    }
}

TEST(OriginFlags, AxisWithoutBitKeepsItsCoordinate)
{
    EXPECT_EQ(originFromFlags(ORIGIN_CENTER_X, {200, 100}, {7, 9}), sf::Vector2f(100, 9));
    EXPECT_EQ(originFromFlags(ORIGIN_BOTTOM, {200, 100}, {7, 9}), sf::Vector2f(7, 100));
    EXPECT_EQ(originFromFlags(0, {200, 100}, {7, 9}), sf::Vector2f(7, 9));
}

using TextureRegistry = TextureFixture;

TEST_F(TextureRegistry, SpriteOfUnknownKeyDrawsNothing)
{
    sf::Sprite sprite = TextureManager::getSprite("no_such_key", ORIGIN_CENTER);
    EXPECT_EQ(sprite.getTexture(), nullptr);
    EXPECT_EQ(sprite.getGlobalBounds().width, 0.f);
    EXPECT_EQ(TextureManager::getTexture("no_such_key"), nullptr);
}

TEST_F(TextureRegistry, SpriteOriginIsMeasuredOnTheTexture)
{
    TextureManager::loadTexture("wide", picture("wide", 200, 100));
    EXPECT_EQ(TextureManager::getSprite("wide", 18).getOrigin(), sf::Vector2f(100, 50));
    EXPECT_EQ(TextureManager::getSprite("wide", 33).getOrigin(), sf::Vector2f(0, 100));
    EXPECT_EQ(TextureManager::getSprite("wide", 18).getTextureRect(), sf::IntRect(0, 0, 200, 100));
}

TEST_F(TextureRegistry, LoadingAKeyTwiceWarnsOnceAndKeepsOneTexture)
{
    LogCapture log;
    const std::string first = picture("first", 8, 8);
    const std::string second = picture("second", 16, 4);
    TextureManager::loadTexture("twice", first);
    TextureManager::loadTexture("twice", second);
    EXPECT_EQ(log.count("Texture twice already loaded"), 1);
    EXPECT_EQ(TextureManager::count(), 1u);
    // The key is always reloaded from the new file.
    EXPECT_EQ(TextureManager::getTexture("twice")->getSize(), sf::Vector2u(16, 4));
}

TEST_F(TextureRegistry, MissingFileLogsAndThrowsWithThePath)
{
    LogCapture log;
    const std::string path = missing("nowhere");
    try
    {
        TextureManager::loadTexture("gone", path);
        FAIL() << "loading a missing file must throw";
    }
    catch (const std::runtime_error& error)
    {
        EXPECT_EQ(std::string(error.what()), "Failed to load texture: " + path);
    }
    EXPECT_EQ(log.count("Error: \033[0mFailed to load texture: " + path), 1);
    EXPECT_FALSE(TextureManager::isPresent("gone"));
}

TEST_F(TextureRegistry, UnloadRemovesOnlyPresentKeys)
{
    TextureManager::loadTexture("a", picture("a", 4, 4));
    TextureManager::unloadTexture("b");
    EXPECT_EQ(TextureManager::count(), 1u);
    TextureManager::unloadTexture("a");
    EXPECT_EQ(TextureManager::count(), 0u);
}

using TextureGroup = TextureFixture;

TEST_F(TextureGroup, EmptyGroupIsLoaded)
{
    TextureManager::Group group;
    EXPECT_TRUE(group.isLoaded());
    EXPECT_EQ(group.size(), 0u);
    EXPECT_EQ(group.loadedCount(), 0u);
}

TEST_F(TextureGroup, AddReplacesThePathOfAKnownKey)
{
    TextureManager::Group group;
    group.add("k", "old.png");
    group.add("k", "new.png");
    EXPECT_EQ(group.size(), 1u);
    EXPECT_EQ(group.entries().at("k"), "new.png");
}

TEST_F(TextureGroup, OperationsRecurseIntoChildren)
{
    TextureManager::Group group;
    group.add("parent", picture("parent", 4, 4));
    auto child = std::make_unique<TextureManager::Group>();
    child->add("child", picture("child", 4, 4));
    const std::string childCopy = picture("child-copy", 2, 2);
    child->add("parent", childCopy);
    group.addChild(std::move(child));

    EXPECT_EQ(group.size(), 3u);
    EXPECT_FALSE(group.isLoaded());
    group.load();
    EXPECT_TRUE(group.isLoaded());
    EXPECT_EQ(group.loadedCount(), 3u) << "a key shared by parent and child counts in each";

    const auto flat = group.flatten();
    EXPECT_EQ(flat.size(), 2u);
    EXPECT_NE(flat.at("parent"), childCopy) << "the group's own path wins over a child's";

    group.unload();
    EXPECT_EQ(TextureManager::count(), 0u);
    EXPECT_EQ(group.loadedCount(), 0u);
}

TEST_F(TextureGroup, ConcurrentLoadersWhileTheMainThreadPolls)
{
    constexpr int kThreads = 4, kPerThread = 12;
    std::vector<TextureManager::Group> groups(kThreads);
    for (int t = 0; t < kThreads; ++t)
        for (int k = 0; k < kPerThread; ++k)
        {
            const std::string key = "t" + std::to_string(t) + "_" + std::to_string(k);
            groups[t].add(key, picture(key, 32 + k, 32));
        }

    std::atomic<int> finished{0};
    std::vector<std::thread> loaders;
    for (int t = 0; t < kThreads; ++t)
        loaders.emplace_back([&, t] {
            groups[t].load();
            ++finished;
        });
    std::size_t lastSeen = 0;
    bool monotonic = true;
    while (finished < kThreads)
    {
        std::size_t seen = 0;
        for (const auto& group : groups)
            seen += group.loadedCount();
        monotonic = monotonic && seen >= lastSeen;
        lastSeen = seen;
        (void)TextureManager::getSprite("t0_0", ORIGIN_CENTER);
    }
    for (auto& loader : loaders)
        loader.join();
    EXPECT_TRUE(monotonic) << "the loaded count must only climb while loaders insert";
    EXPECT_EQ(TextureManager::count(), std::size_t(kThreads * kPerThread));
    EXPECT_EQ(TextureManager::getTexture("t3_11")->getSize(), sf::Vector2u(43, 32));
}
