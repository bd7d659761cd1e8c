#pragma once

// Drawing helpers shared by the prop, wall and puddle painters: the three floor
// moods, soft ground shadows, irregular outlines and shaded volumes seen from above.

#include "Canvas.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace propart
{
// One floor's colours: the forest graveyard of the first floor, the lightless
// caverns of the second (lit later by the room's lights), the furnace of the third.
struct Mood
{
    Rgba deep, dark, mid, light, accent, glow;
};
const Mood& forest();
const Mood& cavern();
const Mood& inferno();

// The number at the end of a name ("brambles_12" -> 12, "Fruit_bad3" -> 3), 0 if none.
int trailingNumber(const std::string& name);
std::uint32_t seedOf(const std::string& name);

// A soft dark ellipse on the ground.
void softShadow(Canvas& c, double cx, double cy, double rx, double ry, double alpha = 0.5);
// An irregular closed outline around (cx, cy); `rough` in [0, 1].
void blobPath(Canvas& c, double cx, double cy, double rx, double ry, std::uint32_t seed, double rough, int points = 16,
              double phase = 0.0);
// Fills the current path as a lit volume (light from the upper left), outlines it in ink.
void volume(Canvas& c, double cx, double cy, double r, const Rgba& light, const Rgba& dark, double outline = 2.5);
// A tapering curved stroke (a root, a vine, a branch) from (x0, y0) to (x1, y1).
void taperedCurve(Canvas& c, double x0, double y0, double cx1, double cy1, double cx2, double cy2, double x1, double y1,
                  double w0, double w1, const Rgba& fill, const Rgba& edge);
// Thorns along a cubic curve.
void thorns(Canvas& c, double x0, double y0, double cx1, double cy1, double cx2, double cy2, double x1, double y1,
            int count, double size, const Rgba& colour, std::uint32_t seed);
// "Assets/Sprites/Props/grave_01.png" -> "grave_01".
std::string stemOf(const std::string& path);
// Throws unless a prop that stands in the way is painted at the size the game
// blocks its foot for (PropRegistry::standingSize).
void checkStanding(const std::string& name, int w, int h);
using FrameDraw = std::function<void(Canvas&, double w, double h, double t)>;
// Paints the prop's strip when the registry animates it (frames at the registry's
// frame size), else one still picture of w × h.
void paintProp(const std::string& name, int w, int h, const std::filesystem::path& output, const FrameDraw& draw);
// A five-pointed star inscribed in a circle, as a path.
void pentagramPath(Canvas& c, double cx, double cy, double r, double rotation);
} // namespace propart
