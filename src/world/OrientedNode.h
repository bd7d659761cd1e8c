#pragma once

#include "core/RoomNameRegistry.h"

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <string>
#include <vector>

// One room of a floor graph: where it leads (children, in the order they were
// attached, which is also left to right on the minimap), where it is entered
// from, its room type and, once the floor has named it, its room file name.
// Owned by its Graph; the links are plain non-owning pointers.
class OrientedNode
{
public:
    std::vector<OrientedNode*> children;
    std::vector<OrientedNode*> parents;
    std::int32_t depth = 0;
    // Minimap coordinates, set by Graph::layoutGraph.
    sf::Vector2f position{0.f, 0.f};
    RoomType type = ROOM_NORMAL;
    std::string name;
};
