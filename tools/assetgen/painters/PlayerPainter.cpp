// The player: a hooded reaper with a scythe. For now its running sheet, which the
// loading screen shows as its running figure.

#include "Canvas.h"
#include "Painter.h"

#include "core/LoadingScreen.h"

#include <cmath>
#include <stdexcept>

namespace
{
using namespace palette;

struct RobeColours
{
    Rgba light, dark, trim, eyes;
};

const RobeColours kNeutral{Rgba::rgb(96, 90, 96), Rgba::rgb(34, 30, 36), Rgba::rgb(150, 140, 130), Rgba::rgb(255, 90, 60)};

// A reaper running to the right inside a w × h cell, feet on the bottom edge.
// t runs through one stride cycle.
void drawRunningReaper(Canvas& c, double w, double h, double t, const RobeColours& col)
{
    cairo_t* cr = c.cr();
    const double phase = t * 2 * M_PI;
    cairo_save(cr);
    // Lean into the run.
    cairo_translate(cr, w * 0.48, h);
    cairo_rotate(cr, 0.12);
    cairo_translate(cr, -w * 0.48, -h);
    const double bob = std::abs(std::sin(phase)) * h * 0.04;
    const double cx = w * 0.48, ground = h - 4;
    const double hip = ground - h * 0.36 - bob;

    // Ground shadow.
    c.ellipse(cx, ground - 2, w * 0.28, h * 0.035);
    c.fillColour(Rgba{0, 0, 0, 0.45});
    cairo_new_path(cr);

    // Legs: the thigh swings, the knee folds on the back-swing, the foot lifts.
    auto leg = [&](double swing, const Rgba& shade) {
        const double thigh = std::sin(swing) * 0.75;              // forward positive
        const double bend = 0.25 + 0.9 * std::max(0.0, -std::cos(swing)); // folded while passing back
        const double kneeX = cx + std::sin(thigh) * h * 0.19, kneeY = hip + std::cos(thigh) * h * 0.19;
        const double shin = thigh - bend;
        const double footX = kneeX + std::sin(shin) * h * 0.19, footY = std::min(ground - 5, kneeY + std::cos(shin) * h * 0.19);
        cairo_move_to(cr, cx, hip);
        cairo_line_to(cr, kneeX, kneeY);
        cairo_line_to(cr, footX, footY);
        c.stroke(kInk, h * 0.09);
        c.stroke(shade, h * 0.055);
        cairo_new_path(cr);
        c.ellipse(footX + h * 0.03, footY, h * 0.05, h * 0.025);
        c.fillColour(kInk);
        cairo_new_path(cr);
    };
    leg(phase + M_PI, col.dark.scaled(0.8));

    // Scythe slung across the back: the snath rises behind the runner, the blade
    // arcs forward over the hood.
    const double sx0 = cx - w * 0.32, sy0 = hip + h * 0.1;
    const double bx = cx - w * 0.04, by = hip - h * 0.46 + bob * 0.5;
    cairo_move_to(cr, sx0, sy0);
    cairo_line_to(cr, bx, by);
    c.stroke(kInk, h * 0.05);
    c.stroke(Rgba::rgb(110, 76, 48), h * 0.028);
    cairo_new_path(cr);
    cairo_move_to(cr, bx - w * 0.02, by + h * 0.02);
    cairo_curve_to(cr, bx + w * 0.12, by - h * 0.1, bx + w * 0.3, by - h * 0.06, bx + w * 0.4, by + h * 0.1);
    cairo_curve_to(cr, bx + w * 0.28, by + h * 0.0, bx + w * 0.14, by - h * 0.0, bx + w * 0.01, by + h * 0.07);
    cairo_close_path(cr);
    c.stroke(kInk, 3);
    c.fillLinear(bx, by, bx + w * 0.4, by + h * 0.1, {{0, kAsh}, {0.5, kBone}, {1, kHoly}});
    cairo_new_path(cr);

    // Robe: a flared cloak whose hem flutters behind the runner.
    const double flutter = std::sin(phase * 2) * w * 0.04;
    const double shoulder = hip - h * 0.26;
    cairo_move_to(cr, cx - w * 0.1, shoulder);
    cairo_curve_to(cr, cx + w * 0.16, shoulder - h * 0.02, cx + w * 0.2, hip, cx + w * 0.14, hip + h * 0.14);
    cairo_line_to(cr, cx - w * 0.06, hip + h * 0.2);
    cairo_curve_to(cr, cx - w * 0.24 + flutter, hip + h * 0.16, cx - w * 0.34 + flutter, hip + h * 0.06,
                   cx - w * 0.3 + flutter, hip - h * 0.02);
    cairo_curve_to(cr, cx - w * 0.22, hip - h * 0.1, cx - w * 0.2, shoulder + h * 0.04, cx - w * 0.1, shoulder);
    cairo_close_path(cr);
    c.stroke(kInk, 4);
    c.fillLinear(cx - w * 0.3, 0, cx + w * 0.2, 0, {{0, col.dark}, {0.6, col.light}, {1, col.dark}});
    cairo_new_path(cr);
    // Belt of the robe.
    cairo_move_to(cr, cx - w * 0.16, hip - h * 0.02);
    cairo_line_to(cr, cx + w * 0.17, hip - h * 0.04);
    c.stroke(col.trim, 3);
    cairo_new_path(cr);

    leg(phase, col.light.scaled(0.8));

    // Arm swinging forward.
    const double armSwing = std::sin(phase) * 0.9;
    cairo_move_to(cr, cx + w * 0.02, shoulder + h * 0.03);
    cairo_line_to(cr, cx + w * 0.02 + std::sin(armSwing) * h * 0.14, shoulder + h * 0.16);
    cairo_line_to(cr, cx + w * 0.08 + std::sin(armSwing + 0.8) * h * 0.12, shoulder + h * 0.24);
    c.stroke(kInk, h * 0.075);
    c.stroke(col.light, h * 0.045);
    cairo_new_path(cr);
    c.ellipse(cx + w * 0.08 + std::sin(armSwing + 0.8) * h * 0.12, shoulder + h * 0.25, h * 0.03, h * 0.03);
    c.fillColour(kBone);
    cairo_new_path(cr);

    // Hood: pointed, leaning into the run, a black void with two ember eyes.
    const double hx = cx + w * 0.05, hy = shoulder - h * 0.08;
    cairo_move_to(cr, hx - w * 0.16, hy + h * 0.1);
    cairo_curve_to(cr, hx - w * 0.2, hy - h * 0.04, hx - w * 0.14, hy - h * 0.14, hx - w * 0.26, hy - h * 0.16);
    cairo_curve_to(cr, hx - w * 0.04, hy - h * 0.18, hx + w * 0.14, hy - h * 0.1, hx + w * 0.14, hy + h * 0.06);
    cairo_close_path(cr);
    c.stroke(kInk, 4);
    c.fillLinear(hx - w * 0.2, hy - h * 0.15, hx + w * 0.14, hy + h * 0.1, {{0, col.dark}, {0.7, col.light}, {1, col.dark}});
    cairo_new_path(cr);
    c.ellipse(hx + w * 0.05, hy - h * 0.01, w * 0.075, h * 0.06);
    c.fillColour(kInk);
    cairo_new_path(cr);
    for (double ex : {0.03, 0.085})
    {
        c.ellipse(hx + w * ex, hy - h * 0.015, w * 0.016, h * 0.012);
        c.fillColour(col.eyes);
        c.glow(col.eyes, 4, 3);
        cairo_new_path(cr);
    }
    cairo_restore(cr);
}

class PlayerPainter : public PatternPainter
{
public:
    PlayerPainter() : PatternPainter({R"(Assets/Sprites/Player/Walk_Right/spritesheet_2\.png)"}) {}
    std::string name() const override { return "player"; }
    int version() const override { return 1; }
    std::vector<std::string> inputs(const std::string&) const override
    {
        return {std::string(UMBRAVALE_SOURCE_DIR) + "/src/core/LoadingScreen.h"};
    }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        if (path != LoadingScreen::kAnimationFile)
            throw std::runtime_error("no player picture for this file");
        const int fw = LoadingScreen::kFrameWidth, fh = LoadingScreen::kFrameHeight, n = LoadingScreen::kFrameCount;
        Canvas sheet(fw * n, fh);
        paintSheet(sheet, fw, fh, n, n, [&](Canvas& c, int, double t) { drawRunningReaper(c, fw, fh, t, kNeutral); });
        sheet.savePng(output);
    }
};

RegisterPainter<PlayerPainter> registration;
} // namespace
