#include "creatures/EntityList.h"

#include "creatures/Entity.h"
#include "creatures/EntityRef.h"
#include "support/FakeWorld.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace
{
// An entity whose update runs a script against the list it stands in, and which
// counts its updates in a ledger that outlives it.
class Scripted : public Entity
{
public:
    Scripted(int id, std::map<int, int>& ledger) : id(id), ledger(ledger) {}
    void update(float) override
    {
        ++ledger[id];
        // A copy runs, so that the script may replace itself.
        if (auto run = script)
            run(*this);
    }
    int id;
    std::map<int, int>& ledger;
    std::function<void(Scripted&)> script;
};

struct EntityLifetime : ::testing::Test
{
    Scripted* make(int id) { return static_cast<Scripted*>(list.add(std::make_unique<Scripted>(id, ledger))); }
    std::vector<int> ids() const
    {
        std::vector<int> out;
        for (Entity* e : list.members())
            if (auto* s = dynamic_cast<Scripted*>(e))
                out.push_back(s->id);
        return out;
    }

    Entity player;
    EntityList list{&player};
    std::map<int, int> updates;
    std::map<int, int>& ledger = updates;
};

TEST_F(EntityLifetime, RemovalsAndNewcomersDuringOneUpdateTouchNothingFreed)
{
    // 1 removes 0 (before it) and 3 (after it); 2 removes itself and spawns 10;
    // 10, spawned during the pass, spawns 11 and removes 4 (updated already);
    // 5 spawns 12 and removes it at once.
    std::vector<Scripted*> s;
    for (int i = 0; i < 6; ++i)
        s.push_back(make(i));
    list.settle();
    s[1]->script = [&](Scripted& self)
    {
        list.remove(s[0]);
        list.remove(s[3]);
        list.remove(s[3]); // asked twice
        (void)self;
    };
    s[2]->script = [&](Scripted& self)
    {
        list.remove(&self);
        Scripted* child = make(10);
        child->script = [&](Scripted& c)
        {
            list.remove(s[4]);
            make(11);
            c.script = nullptr;
        };
    };
    s[5]->script = [&](Scripted& self)
    {
        Scripted* spare = make(12);
        list.remove(spare);
        self.script = nullptr;
    };

    list.update(0.016f);

    // 0 was updated before 1 removed it, and 4 before 10 did; 3 was asked to leave
    // before its turn and was not updated; newcomers of the pass were updated in it,
    // 12 excepted, which left before it joined.
    EXPECT_EQ(updates, (std::map<int, int>{{0, 1}, {1, 1}, {2, 1}, {4, 1}, {5, 1}, {10, 1}, {11, 1}}));
    EXPECT_EQ(ids(), (std::vector<int>{1, 5, 10, 11}));
    EXPECT_EQ(list.members().front(), &player);

    // The next frame updates each survivor exactly once more.
    updates.clear();
    list.update(0.016f);
    EXPECT_EQ(updates, (std::map<int, int>{{1, 1}, {5, 1}, {10, 1}, {11, 1}}));
}

TEST_F(EntityLifetime, OutsideTheUpdateChangesWaitAndWalksStayValid)
{
    Scripted* a = make(1);
    Scripted* b = make(2);
    EXPECT_EQ(ids(), std::vector<int>{}) << "newcomers join at the next update or settle";
    EXPECT_TRUE(list.holds(a));
    list.settle();
    EXPECT_EQ(ids(), (std::vector<int>{1, 2}));

    // An event handler walks the list and removes and adds as it goes.
    for (Entity* e : list.members())
        if (e == a)
        {
            list.remove(a);
            make(3);
        }
    EXPECT_FALSE(list.holds(a));
    EXPECT_TRUE(a->isLeaving());
    EXPECT_EQ(ids(), (std::vector<int>{1, 2})) << "nothing is freed or appended during a walk";

    list.update(0.f);
    EXPECT_EQ(ids(), (std::vector<int>{2, 3}));
    EXPECT_EQ(updates[1], 0) << "a leaver takes no part in the update";
    EXPECT_EQ(updates[3], 1) << "a waiting newcomer joins and is updated the same frame";

    // The player and strangers are never removed.
    Entity stranger;
    list.remove(&player);
    list.remove(&stranger);
    list.settle();
    EXPECT_EQ(list.members().size(), 3u);
    EXPECT_TRUE(list.holds(&player));
    EXPECT_FALSE(list.holds(&stranger));
    (void)b;
}

TEST_F(EntityLifetime, EndlessSpawningWaitsForTheNextFrame)
{
    std::function<void(Scripted&)> breed = [&](Scripted& self)
    {
        make(self.id + 1)->script = breed;
        self.script = nullptr;
    };
    make(0)->script = breed;
    list.settle();
    list.update(0.f);
    EXPECT_EQ(static_cast<int>(updates.size()), EntityList::kMaxWaves + 1);
    list.update(0.f);
    EXPECT_GT(static_cast<int>(updates.size()), EntityList::kMaxWaves + 1);
}

TEST(EntityLink, ForgetsItsTargetOnceTheWorldLetsItGo)
{
    FakeWorld world;
    auto owned = std::make_unique<Entity>();
    Entity* target = owned.get();
    world.addEntity(std::move(owned));
    EntityRef link(target);
    EXPECT_EQ(link.get(world), target);

    world.removeEntity(target);
    EXPECT_EQ(link.get(world), nullptr) << "asked to leave is gone already";
    world.step(1);
    EXPECT_EQ(link.get(world), nullptr);
    EXPECT_TRUE(link.empty());

    // A stale link to a freed entity never reads it, whatever stands there now.
    Entity* other = nullptr;
    {
        auto fresh = std::make_unique<Entity>();
        other = fresh.get();
        world.addEntity(std::move(fresh));
    }
    EntityRef stale(other);
    world.removeEntity(other);
    world.step(1);
    world.addEntity(std::make_unique<Entity>());
    world.step(1);
    EXPECT_EQ(stale.get(world), nullptr);
}
} // namespace
