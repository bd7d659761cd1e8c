#pragma once

#include "world/OrientedNode.h"

#include <chrono>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// The rooms of one floor: a directed acyclic graph that starts at one root,
// fans out into a random tree, merges back to a single room before the boss and
// ends in the boss room, with special rooms (elite, shop, heal) on the paths
// between. It owns its nodes; nodes[0] is the first room of the floor.
// All randomness is rand(), drawn in a fixed order, so a seed gives one floor.
class Graph
{
public:
    Graph() = default;
    Graph(const Graph&) = delete;
    Graph& operator=(const Graph&) = delete;
    Graph(Graph&&) = default;
    Graph& operator=(Graph&&) = default;

    // Builds a normal floor into an empty graph: the root plus `treeNodes` tree
    // rooms, the merge rooms, the boss last with a heal room before it.
    void generateGraph(int treeNodes);

    // The stages of generateGraph, in order; tests run them on hand-made graphs.
    // Each logs its timing line against the clock started by the first stage.
    void growTree(int treeNodes);
    void addIntermediateNodes();
    void addBossRoom();
    // Elite, shop and extra heal rooms along every path from the root to the boss (the last node).
    void addSpecialRooms();
    // Minimap positions: deeper rooms higher, then pushed apart.
    void layoutGraph();
    // Pushes every parent and child closer than `distance` apart, once per node.
    static void ApplySeparation(OrientedNode* node, float distance, std::unordered_map<OrientedNode*, bool>& visited);

    // Creates a node owned by this graph (appended to nodes) with the given depth.
    OrientedNode* createNode(int depth);
    // A chain of remaining + 1 nodes with depths depth, depth + 1, ...; returns its head.
    OrientedNode* makeChain(int depth, int remaining);
    // Every descendant in depth-first pre-order (each child, then its descendants).
    static std::vector<OrientedNode*> collectDescendants(const OrientedNode* node);
    // Whether target is a child of node or reachable from one of its children.
    static bool isReachable(const OrientedNode* node, const OrientedNode* target);

    std::size_t size() const { return nodes.size(); }
    OrientedNode* node(std::size_t i) const { return nodes[i].get(); }
    OrientedNode* root() const { return nodes.empty() ? nullptr : nodes.front().get(); }

    std::vector<std::unique_ptr<OrientedNode>> nodes;

private:
    std::string elapsed() const;

    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
};
