#include "world/Graph.h"

#include "core/Logger.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <unordered_set>

namespace
{
using Path = std::vector<OrientedNode*>;

std::vector<OrientedNode*> leavesOf(const std::vector<std::unique_ptr<OrientedNode>>& nodes)
{
    std::vector<OrientedNode*> leaves;
    for (const auto& n : nodes)
        if (n->children.empty())
            leaves.push_back(n.get());
    return leaves;
}

void link(OrientedNode* parent, OrientedNode* child)
{
    parent->children.push_back(child);
    child->parents.push_back(parent);
}

void collectPaths(OrientedNode* node, const OrientedNode* boss, Path& current, std::vector<Path>& paths)
{
    current.push_back(node);
    if (node == boss)
        paths.push_back(current);
    else
        for (OrientedNode* child : node->children)
            collectPaths(child, boss, current, paths);
    current.pop_back();
}

bool pathHas(const Path& path, RoomType type)
{
    return std::any_of(path.begin(), path.end(), [type](const OrientedNode* n) { return n->type == type; });
}

// Draws candidates among the path's inner rooms (never the first two nor the
// heal room and boss at its end) until one is Normal; the hundredth draw is
// taken but never used. A path too short to have inner rooms gets nothing.
bool assignOnPath(const Path& path, RoomType type)
{
    const int candidates = static_cast<int>(path.size()) - 4;
    if (candidates <= 0)
        return false;
    for (int draw = 1; draw <= 100; ++draw)
    {
        OrientedNode* c = path[static_cast<std::size_t>(std::rand() % candidates + 2)];
        if (c->type == ROOM_NORMAL && draw < 100)
        {
            c->type = type;
            return true;
        }
    }
    return false;
}
} // namespace

OrientedNode* Graph::createNode(int depth)
{
    nodes.push_back(std::make_unique<OrientedNode>());
    nodes.back()->depth = depth;
    return nodes.back().get();
}

std::string Graph::elapsed() const
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_);
    return std::to_string(ms.count()) + "ms";
}

void Graph::generateGraph(int treeNodes)
{
    growTree(treeNodes);
    addIntermediateNodes();
    addBossRoom();
    addSpecialRooms();
}

void Graph::growTree(int treeNodes)
{
    started_ = std::chrono::steady_clock::now();
    // Tree: each new room hangs under a random room that has fewer than three.
    createNode(0);
    for (int added = 0; added < treeNodes;)
    {
        OrientedNode* p = nodes[static_cast<std::size_t>(std::rand()) % nodes.size()].get();
        if (p->children.size() >= 3)
            continue;
        link(p, createNode(p->depth + 1));
        ++added;
    }
    Logger::Info("Time to generate tree: " + elapsed());
}

void Graph::addIntermediateNodes()
{
    // Merge the loose ends, one to three at a time, until a single room remains.
    std::vector<OrientedNode*> leaves = leavesOf(nodes);
    do
    {
        Logger::Info("Leaves count: " + std::to_string(leaves.size()));
        std::size_t next = 0;
        while (next < leaves.size())
        {
            OrientedNode* m = createNode(-1);
            const std::size_t k = std::min(leaves.size() - next, static_cast<std::size_t>(std::rand() % 3 + 1));
            for (std::size_t i = 0; i < k; ++i)
                link(leaves[next + i], m);
            next += k;
            for (const OrientedNode* parent : m->parents)
                m->depth = std::max(m->depth, parent->depth + 1);
        }
        leaves = leavesOf(nodes);
    } while (leaves.size() > 1);
    Logger::Info("Time to add intermediate nodes: " + elapsed());
}

void Graph::addBossRoom()
{
    // Boss after everything, entered through a heal room.
    int deepest = 0;
    for (const auto& n : nodes)
        deepest = std::max(deepest, n->depth);
    auto boss = std::make_unique<OrientedNode>();
    boss->type = ROOM_BOSS;
    boss->depth = deepest + 1;
    const std::vector<OrientedNode*> leaves = leavesOf(nodes);
    Logger::Info("Remaining leaves: " + std::to_string(leaves.size()));
    for (OrientedNode* leaf : leaves)
        link(leaf, boss.get());
    OrientedNode* bossNode = boss.get();
    nodes.push_back(std::move(boss));
    for (OrientedNode* parent : bossNode->parents)
        parent->type = ROOM_HEAL;
}

void Graph::addSpecialRooms()
{
    if (nodes.empty())
        return;
    OrientedNode* bossNode = nodes.back().get();

    std::vector<Path> paths;
    Path current;
    collectPaths(root(), bossNode, current, paths);
    Logger::Info("Paths count: " + std::to_string(paths.size()));

    for (const Path& path : paths)
    {
        std::string line = "Path: ";
        for (const OrientedNode* n : path)
            line += std::to_string(static_cast<int>(n->type)) + " > ";
        Logger::Info(line);

        if (!pathHas(path, ROOM_ELITE) && !assignOnPath(path, ROOM_ELITE))
            Logger::Warning("Couldn't find a suitable elite room");
        // A shop and an extra heal room are chances, not promises: a path too short
        // for them is a floor like any other, not a fault worth a warning.
        if (!pathHas(path, ROOM_SHOP) && std::rand() % 2 == 0 && !assignOnPath(path, ROOM_SHOP))
            Logger::Info("Couldn't find a suitable shop room");
        if (std::rand() % 4 == 0 && !assignOnPath(path, ROOM_HEAL))
            Logger::Info("Couldn't find a suitable heal room");
    }
    Logger::Info("Time to add boss room: " + elapsed());
}

void Graph::layoutGraph()
{
    if (nodes.empty())
    {
        Logger::Error("No nodes in the graph");
        return;
    }

    // Depth along the first path the search takes to each room.
    std::unordered_map<const OrientedNode*, int> depthOf;
    std::function<void(const OrientedNode*, int)> measure = [&](const OrientedNode* n, int d) {
        if (!n || depthOf.count(n))
            return;
        depthOf[n] = d;
        for (const OrientedNode* c : n->children)
            measure(c, d + 1);
    };
    measure(root(), 0);

    // Left to right in visiting order; a room with several parents is placed
    // once per path and keeps its last place.
    float counter = 0.f;
    std::function<void(OrientedNode*)> place = [&](OrientedNode* n) {
        if (!n)
            return;
        const int y = std::rand() % 40 - 125 * depthOf[n] - 20;
        n->position = {counter, static_cast<float>(y)};
        counter += 20.f;
        for (OrientedNode* c : n->children)
            place(c);
    };
    place(root());

    std::unordered_map<OrientedNode*, bool> visited;
    ApplySeparation(root(), 150.f, visited);
    visited.clear();
    ApplySeparation(root(), 150.f, visited);
}

void Graph::ApplySeparation(OrientedNode* node, float distance, std::unordered_map<OrientedNode*, bool>& visited)
{
    if (!node || visited[node])
        return;
    visited[node] = true;
    for (OrientedNode* c : node->children)
    {
        if (!c || c == node)
            continue;
        const sf::Vector2f delta = node->position - c->position;
        const float d = std::sqrt(delta.x * delta.x + delta.y * delta.y);
        // Rooms on the very same spot have no direction to part along; they stay.
        if (d < distance && d > 0.f)
        {
            const float s = (distance - d) / 2.f;
            const sf::Vector2f push(delta.x / d * s, delta.y / d * s);
            node->position += push;
            c->position -= push;
        }
    }
    for (OrientedNode* c : node->children)
        if (c != node)
            ApplySeparation(c, distance, visited);
}

OrientedNode* Graph::makeChain(int depth, int remaining)
{
    OrientedNode* head = createNode(depth);
    if (remaining >= 1)
        link(head, makeChain(depth + 1, remaining - 1));
    return head;
}

std::vector<OrientedNode*> Graph::collectDescendants(const OrientedNode* node)
{
    std::vector<OrientedNode*> out;
    if (!node)
        return out;
    for (OrientedNode* c : node->children)
    {
        if (!c)
            continue;
        out.push_back(c);
        const auto below = collectDescendants(c);
        out.insert(out.end(), below.begin(), below.end());
    }
    return out;
}

bool Graph::isReachable(const OrientedNode* node, const OrientedNode* target)
{
    if (!node)
        return false;
    std::unordered_set<const OrientedNode*> seen;
    std::vector<const OrientedNode*> stack(node->children.begin(), node->children.end());
    while (!stack.empty())
    {
        const OrientedNode* n = stack.back();
        stack.pop_back();
        if (!n || !seen.insert(n).second)
            continue;
        if (n == target)
            return true;
        stack.insert(stack.end(), n->children.begin(), n->children.end());
    }
    return false;
}
