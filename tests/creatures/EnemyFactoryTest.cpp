#include "creatures/EnemyFactory.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/LivingEntity.h"
#include "support/FakeWorld.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
struct FactoryTest : ::testing::Test
{
    // Another test (a run) may have registered the game's kinds before.
    void SetUp() override { EnemyFactory::reset(); }
    void TearDown() override { EnemyFactory::reset(); }
    FakeWorld world;
};

TEST_F(FactoryTest, NamesThatAreNotPlaceableKindsMakeNothing)
{
    // Even with a builder for every name, only the nine placeable kinds are made.
    for (const char* name : {"Zeyn", "LittleOwl", "zeyn", "", "Goblin"})
        EnemyFactory::registerKind(name,
                                   [](CreatureWorld&, sf::Vector2f p)
                                   {
                                       auto e = std::make_unique<LivingEntity>();
                                       e->setPosition(p);
                                       return e;
                                   });
    for (const char* name : {"LittleOwl", "zeyn", "", "Goblin"})
        EXPECT_EQ(EnemyFactory::create(name, world, {1.f, 2.f}), nullptr) << name;

    std::unique_ptr<LivingEntity> zeyn = EnemyFactory::create("Zeyn", world, {30.f, 40.f});
    ASSERT_NE(zeyn, nullptr);
    EXPECT_EQ(zeyn->getPosition(), sf::Vector2f(30.f, 40.f));
}

TEST_F(FactoryTest, KindsWithoutABuilderMakeNothingYet)
{
    for (const char* name :
         {"Kahiyu", "Zeyn", "Nazar", "ToaTao", "ToaMangere", "ToaKaipupuhi", "Nepturath", "DarkHulant", "TheGod"})
    {
        EXPECT_TRUE(EnemyFactory::isPlaceable(name)) << name;
        EXPECT_EQ(EnemyFactory::create(name, world, {0.f, 0.f}), nullptr) << name;
    }
}
} // namespace
