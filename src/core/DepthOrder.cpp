#include "core/DepthOrder.h"

#include "core/IWorldPlaceable.h"

#include <algorithm>
#include <cmath>

DepthOrder::Key DepthOrder::keyOf(const IWorldPlaceable& object)
{
    float foot = object.footY();
    // A NaN position would break the ordering; such an object sorts as standing at 0.
    if (std::isnan(foot))
        foot = 0.f;
    return {object.getLayer(), foot};
}

bool DepthOrder::drawsBefore(const IWorldPlaceable& a, const IWorldPlaceable& b)
{
    const Key ka = keyOf(a);
    const Key kb = keyOf(b);
    if (ka.layer != kb.layer)
        return ka.layer < kb.layer;
    return ka.footY < kb.footY;
}

void DepthOrder::sort(std::vector<IWorldPlaceable*>& scene)
{
    std::stable_sort(scene.begin(), scene.end(),
                     [](const IWorldPlaceable* a, const IWorldPlaceable* b) { return drawsBefore(*a, *b); });
}
