#pragma once

#include <cstdint>
#include <vector>

class IWorldPlaceable;

// The order in which a room draws its scene: layer ascending, then the point the
// object stands on, higher on screen first. An entity showing an animation stands
// on the lower edge of its frame (y + frame height / 2), anything else on its
// position. Every object gets one key, so the order is a strict weak ordering
// and sorting it is well defined whatever mix of objects the room holds.
class DepthOrder
{
public:
    struct Key
    {
        std::int32_t layer;
        float footY;
    };

    static Key keyOf(const IWorldPlaceable& object);
    static bool drawsBefore(const IWorldPlaceable& a, const IWorldPlaceable& b);
    // Stable, so objects with equal keys keep the room's list order.
    static void sort(std::vector<IWorldPlaceable*>& scene);
};
