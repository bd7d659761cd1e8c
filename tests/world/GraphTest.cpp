#include "support/TestSupport.h"
#include "world/Graph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

TEST(GraphGeneration, InvariantsHoldOverManySeeds)
{
    LogCapture log;
    for (unsigned seed = 1; seed <= 300; ++seed)
    {
        std::srand(seed);
        Graph g;
        g.generateGraph(16);
        SCOPED_TRACE("seed " + std::to_string(seed));

        ASSERT_GE(g.size(), 19u);
        const OrientedNode* boss = g.nodes.back().get();
        EXPECT_EQ(boss->type, ROOM_BOSS);
        ASSERT_EQ(boss->parents.size(), 1u) << "the merge stage leaves a single room before the boss";
        EXPECT_EQ(boss->parents[0]->type, ROOM_HEAL);
        EXPECT_TRUE(boss->children.empty());
        EXPECT_EQ(g.root()->depth, 0);
        EXPECT_TRUE(g.root()->parents.empty());

        int bosses = 0;
        for (std::size_t i = 0; i < g.size(); ++i)
        {
            const OrientedNode* n = g.node(i);
            const std::set<int> allowed{ROOM_NORMAL, ROOM_BOSS, ROOM_SHOP, ROOM_ELITE, ROOM_HEAL};
            EXPECT_TRUE(allowed.count(n->type)) << "node " << i << " has type " << n->type;
            bosses += n->type == ROOM_BOSS;
            if (n != boss)
            {
                EXPECT_FALSE(n->children.empty()) << "node " << i << " is a dead end";
            }
            // The first 17 nodes are the tree: at most three tree children each.
            if (i < 17)
            {
                int tree = 0;
                for (const OrientedNode* c : n->children)
                    for (std::size_t j = 1; j < 17; ++j)
                        tree += g.node(j) == c;
                EXPECT_LE(tree, 3) << "node " << i;
            }
            for (const OrientedNode* c : n->children)
                EXPECT_GT(c->depth, n->depth) << "depth grows along every link";
            if (n != g.root())
            {
                EXPECT_TRUE(Graph::isReachable(g.root(), n)) << "node " << i << " cannot be reached";
            }
            EXPECT_TRUE(n == boss || Graph::isReachable(n, boss)) << "node " << i << " does not lead to the boss";
        }
        EXPECT_EQ(bosses, 1);
    }
}

TEST(GraphGeneration, SameSeedSameFloor)
{
    LogCapture log;
    auto signature = [](unsigned seed) {
        std::srand(seed);
        Graph g;
        g.generateGraph(16);
        g.layoutGraph();
        std::string s;
        for (const auto& n : g.nodes)
            s += std::to_string(n->type) + ":" + std::to_string(n->children.size()) + "@" +
                 std::to_string(n->position.x) + "," + std::to_string(n->position.y) + " ";
        return s;
    };
    EXPECT_EQ(signature(42), signature(42));
    EXPECT_NE(signature(42), signature(43));
}

TEST(GraphGeneration, LogsTheStagesInOrder)
{
    LogCapture log;
    std::srand(7);
    Graph g;
    g.generateGraph(16);
    const std::string text = log.text();
    std::size_t at = 0;
    for (const char* line : {"Time to generate tree: ", "Leaves count: ", "Time to add intermediate nodes: ",
                             "Remaining leaves: 1", "Paths count: ", "Path: 0 > ", " > 4 > 1 > ",
                             "Time to add boss room: "})
    {
        const auto found = text.find(line, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: \"" << line << "\"\n" << text;
        at = found;
    }
}

TEST(GraphGeneration, AChainOfSeventeenMergesOnce)
{
    LogCapture log;
    std::srand(3);
    Graph g;
    g.makeChain(0, 16);
    ASSERT_EQ(g.size(), 17u);
    g.addIntermediateNodes();
    g.addBossRoom();
    ASSERT_EQ(g.size(), 19u);
    EXPECT_EQ(log.count("Leaves count: "), 1);
    EXPECT_EQ(log.count("Leaves count: 1"), 1);
    const OrientedNode* merge = g.node(17);
    EXPECT_EQ(merge->depth, 17);
    EXPECT_EQ(merge->parents.size(), 1u);
    EXPECT_EQ(g.node(18)->parents, std::vector<OrientedNode*>{g.node(17)});
    EXPECT_EQ(g.node(18)->depth, 18);
    EXPECT_EQ(merge->type, ROOM_HEAL);

    g.addSpecialRooms();
    EXPECT_EQ(log.count("Paths count: 1"), 1);
    int elites = 0;
    for (std::size_t i = 0; i < g.size(); ++i)
        if (g.node(i)->type == ROOM_ELITE)
        {
            ++elites;
            EXPECT_GE(i, 2u);
            EXPECT_LE(i, 16u) << "never the heal room and boss at the end";
        }
    EXPECT_EQ(elites, 1);
}

namespace
{
// root -> a -> ... -> heal -> boss, built by hand.
Graph handChain(int length)
{
    Graph g;
    g.makeChain(0, length - 1);
    g.nodes.back()->type = ROOM_BOSS;
    g.nodes[g.size() - 2]->type = ROOM_HEAL;
    return g;
}
} // namespace

TEST(GraphSpecialRooms, NoNormalCandidateFailsAfterAHundredDraws)
{
    LogCapture log;
    Graph g = handChain(7); // candidates are nodes 2, 3 and 4
    for (int i : {2, 3, 4})
        g.node(static_cast<std::size_t>(i))->type = ROOM_SHOP;

    const unsigned seed = 11;
    std::srand(seed);
    g.addSpecialRooms();
    const int after = std::rand();

    // The same draws by hand: 100 elite candidates, no shop draw (the path has
    // one), the heal draw and, when it is a multiple of four, 100 more.
    std::srand(seed);
    for (int i = 0; i < 100; ++i)
        std::rand();
    if (std::rand() % 4 == 0)
        for (int i = 0; i < 100; ++i)
            std::rand();
    EXPECT_EQ(after, std::rand()) << "the search must draw exactly as many numbers as described";

    EXPECT_EQ(log.count("Couldn't find a suitable elite room"), 1);
    EXPECT_EQ(log.count("Couldn't find a suitable shop room"), 0);
    for (int i : {2, 3, 4})
        EXPECT_EQ(g.node(static_cast<std::size_t>(i))->type, ROOM_SHOP);
}

TEST(GraphSpecialRooms, FourRoomPathGetsNothingAndDoesNotDivideByZero)
{
    LogCapture log;
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        std::srand(seed);
        Graph g = handChain(4);
        g.addSpecialRooms();
        EXPECT_EQ(g.node(0)->type, ROOM_NORMAL);
        EXPECT_EQ(g.node(1)->type, ROOM_NORMAL);
        EXPECT_EQ(g.node(2)->type, ROOM_HEAL);
        EXPECT_EQ(g.node(3)->type, ROOM_BOSS);
    }
    EXPECT_EQ(log.count("Couldn't find a suitable elite room"), 20);

    // The smallest floor the generator can make: a root alone, merged and bossed.
    std::srand(5);
    Graph tiny;
    tiny.generateGraph(0);
    EXPECT_EQ(tiny.size(), 3u);
    EXPECT_EQ(tiny.nodes.back()->type, ROOM_BOSS);
}

TEST(GraphSpecialRooms, AnEliteSharedByTwoPathsServesBoth)
{
    LogCapture log;
    // root -> a -> s -> {b, c} -> m(heal) -> boss: s is the only Normal candidate of both paths.
    Graph g;
    OrientedNode* root = g.createNode(0);
    OrientedNode* a = g.createNode(1);
    OrientedNode* s = g.createNode(2);
    OrientedNode* b = g.createNode(3);
    OrientedNode* c = g.createNode(3);
    OrientedNode* m = g.createNode(4);
    OrientedNode* boss = g.createNode(5);
    auto link = [](OrientedNode* p, OrientedNode* ch) {
        p->children.push_back(ch);
        ch->parents.push_back(p);
    };
    link(root, a);
    link(a, s);
    link(s, b);
    link(s, c);
    link(b, m);
    link(c, m);
    link(m, boss);
    b->type = c->type = ROOM_SHOP;
    m->type = ROOM_HEAL;
    boss->type = ROOM_BOSS;
    std::srand(1);
    g.addSpecialRooms();
    EXPECT_EQ(s->type, ROOM_ELITE);
    EXPECT_EQ(log.count("Couldn't find a suitable elite room"), 0) << "the second path already has the elite";
    EXPECT_EQ(log.count("Path: 0 > 0 > 3 > 2 > 4 > 1 > "), 1) << "the second path sees the first one's change\n"
                                                              << log.text();
}

TEST(GraphLayout, DeeperRoomsHigherAndPushedApart)
{
    LogCapture log;
    std::srand(99);
    Graph g;
    g.generateGraph(16);
    g.layoutGraph();
    EXPECT_GT(g.root()->position.y, g.nodes.back()->position.y) << "the boss lies above the first room";
    for (const auto& n : g.nodes)
        EXPECT_TRUE(std::isfinite(n->position.x) && std::isfinite(n->position.y));

    Graph empty;
    empty.layoutGraph();
    EXPECT_EQ(log.count("No nodes in the graph"), 1);
}

TEST(GraphLayout, SeparationPushesCloseRoomsAndLeavesStackedOnesInPlace)
{
    Graph g;
    OrientedNode* head = g.makeChain(0, 1);
    OrientedNode* child = head->children[0];
    head->position = {0.f, 0.f};
    child->position = {0.f, -50.f};
    std::unordered_map<OrientedNode*, bool> visited;
    Graph::ApplySeparation(head, 150.f, visited);
    EXPECT_FLOAT_EQ(head->position.y, 50.f);
    EXPECT_FLOAT_EQ(child->position.y, -100.f);

    head->position = child->position = {10.f, 10.f};
    visited.clear();
    Graph::ApplySeparation(head, 150.f, visited);
    EXPECT_EQ(head->position, sf::Vector2f(10.f, 10.f));
    EXPECT_EQ(child->position, sf::Vector2f(10.f, 10.f));
}

TEST(GraphTutorialOperations, ChainDescendantsAndReachability)
{
    Graph g;
    OrientedNode* head = g.makeChain(0, 3);
    ASSERT_EQ(g.size(), 4u);
    const auto below = Graph::collectDescendants(head);
    ASSERT_EQ(below.size(), 3u);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(below[static_cast<std::size_t>(i)], g.node(static_cast<std::size_t>(i + 1)));
        EXPECT_EQ(below[static_cast<std::size_t>(i)]->depth, i + 1);
    }
    EXPECT_TRUE(Graph::isReachable(head, g.node(3)));
    EXPECT_FALSE(Graph::isReachable(g.node(3), head)) << "links lead one way";
    EXPECT_FALSE(Graph::isReachable(g.node(3), g.node(3))) << "a room without children reaches nothing";
    EXPECT_FALSE(Graph::isReachable(head, head));
}
