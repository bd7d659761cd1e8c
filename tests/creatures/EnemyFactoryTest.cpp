#include "creatures/EnemyFactory.h"
#include "creatures/LivingEntity.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
struct FactoryTest : ::testing::Test
{
    void TearDown() override
    {
        EnemyFactory::reset();
        for (Entity* e : entities)
            delete e;
    }
    std::vector<Entity*> entities;
};

TEST_F(FactoryTest, NamesThatAreNotPlaceableKindsMakeNothing)
{
    // Even with a builder for every name, only the nine placeable kinds are made.
    for (const char* name : {"Zeyn", "LittleOwl", "zeyn", "", "Goblin"})
        EnemyFactory::registerKind(name,
                                   [](sf::Vector2f p)
                                   {
                                       auto e = std::make_unique<LivingEntity>();
                                       e->setPosition(p);
                                       return e;
                                   });
    for (const char* name : {"LittleOwl", "zeyn", "", "Goblin"})
        EXPECT_EQ(EnemyFactory::create(name, {1.f, 2.f}, entities), nullptr) << name;
    EXPECT_TRUE(entities.empty());

    LivingEntity* zeyn = EnemyFactory::create("Zeyn", {30.f, 40.f}, entities);
    ASSERT_NE(zeyn, nullptr);
    ASSERT_EQ(entities.size(), 1u);
    EXPECT_EQ(entities[0], zeyn);
    EXPECT_EQ(zeyn->getPosition(), sf::Vector2f(30.f, 40.f));
}

TEST_F(FactoryTest, KindsWithoutABuilderMakeNothingYet)
{
    for (const char* name :
         {"Kahiyu", "Zeyn", "Nazar", "ToaTao", "ToaMangere", "ToaKaipupuhi", "Nepturath", "DarkHulant", "TheGod"})
    {
        EXPECT_TRUE(EnemyFactory::isPlaceable(name)) << name;
        EXPECT_EQ(EnemyFactory::create(name, {0.f, 0.f}, entities), nullptr) << name;
    }
    EXPECT_TRUE(entities.empty());
}
} // namespace
