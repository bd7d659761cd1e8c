#pragma once

// Shared drawing for the enemy painters: the sheet layout read from the game's
// enemy data (so frame sizes cannot drift from what the game slices), shaded
// shapes, the dissolving death every kind ends with and the glowing soul.

#include "Canvas.h"
#include "Painter.h"

#include "creatures/EnemyRecords.h"

#include <functional>
#include <string>

namespace enemyart
{
// Draws frame `frame` of `count` into a w × h cell; t = frame / count.
struct Frame
{
    Canvas& c;
    double w, h;
    int index, count;
    double t;
    // Progress through the animation reaching 1 on the last frame.
    double u() const { return count > 1 ? double(index) / (count - 1) : 0.0; }
};

// Draws through a horizontal mirror of the frame when `left`: left-facing sheets
// are the right-facing ones turned around.
void mirrored(const Frame& f, bool left, const std::function<void(Canvas&)>& draw);
using FrameFn = std::function<void(const Frame&)>;

// One painter per enemy kind: claims "Assets/Sprites/Enemy/<kind>/…" and paints
// each sheet its data file lists, with the frame layout that file gives.
class KindPainter : public PatternPainter
{
public:
    KindPainter(std::string kind, int version);
    std::string name() const override { return "enemy-" + kind_; }
    int version() const override { return version_; }
    void paint(const std::string& path, const std::filesystem::path& output) const override;

protected:
    // The frame drawer for an animated sheet, or null for a texture of another shape.
    virtual FrameFn sheet(const std::string& textureName) const = 0;
    // Textures listed in "textures" but not in "animData" (single pictures).
    virtual void single(const std::string& textureName, const std::filesystem::path& output) const;

private:
    std::string kind_;
    int version_;
};

// Shapes.
void shadedEllipse(Canvas& c, double cx, double cy, double rx, double ry, const Rgba& base, double outline = 3);
void limb(Canvas& c, double x0, double y0, double x1, double y1, double width, const Rgba& colour);
void glowingEye(Canvas& c, double x, double y, double r, const Rgba& colour);
void groundShadow(Canvas& c, double cx, double cy, double rx, double alpha = 0.35);
// A burst of lines radiating from a point: impact and speed marks.
void burst(Canvas& c, double cx, double cy, double r0, double r1, int rays, const Rgba& colour, double width,
           std::uint32_t seed);
// An arc-shaped smear behind a moving blade, from angle a0 to a1 (radians) at radius r.
void swoosh(Canvas& c, double cx, double cy, double r, double a0, double a1, double thickness, const Rgba& colour);

// Death: the body (drawn by `body` with a collapse amount 0..1) sinks, then burns
// away from the edges into embers and smoke. `ember` tints the burning rim.
void dissolvingDeath(const Frame& f, const Rgba& ember, const std::function<void(Canvas&, double collapse)>& body);
// Soul: a glowing flame-wisp with two eyes, tinted by the kind.
void soulWisp(const Frame& f, const Rgba& core, const Rgba& halo);
// Fades the whole cell drawn by `body` to `alpha` (appear and vanish effects).
void withAlpha(Canvas& c, double w, double h, double alpha, const std::function<void(Canvas&)>& body);

// The game's enemy tuning, read once (thread-safe) for painters that draw to its numbers.
const EnemyRecords& records();

double ease(double x); // smoothstep on [0, 1]
double clamp01(double x);
} // namespace enemyart
