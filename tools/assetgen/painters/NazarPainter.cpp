// Nazar: a rooted stump of black bark around one great blue eye, its thorned
// branches raised to call the fence of thorns around it and the brambles that
// burst under the player. Bark, sickly green and the eye's blue.

#include "EnemyArt.h"

#include <cmath>

namespace
{
using namespace palette;
using namespace enemyart;

const Rgba kBark = Rgba::rgb(64, 46, 40);
const Rgba kMoss = Rgba::rgb(110, 150, 60);
const Rgba kVenom = Rgba::rgb(150, 255, 90);
const Rgba kIris = Rgba::rgb(40, 110, 230);

struct Pose
{
    double sway = 0;   // branch sway, radians
    double raise = 0;  // 0 branches low, 1 raised to cast
    double look = 0;   // eye offset, -1..1
    double glow = 0;   // casting glow
    double squash = 0; // death
};

void thornBranch(Canvas& c, double x, double y, double angle, double length, double width)
{
    cairo_t* cr = c.cr();
    const double ex = x + std::cos(angle) * length, ey = y + std::sin(angle) * length;
    const double mx = x + std::cos(angle - 0.25) * length * 0.55, my = y + std::sin(angle - 0.25) * length * 0.55;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, mx, my, mx, my, ex, ey);
    c.stroke(kInk, width + 4);
    c.stroke(kBark.scaled(1.2), width);
    c.clearPath();
    for (int i = 1; i <= 3; ++i)
    {
        const double k = i / 4.0;
        const double px = x + (ex - x) * k, py = y + (ey - y) * k;
        const double side = i % 2 ? 1 : -1;
        const double na = angle + side * 1.2;
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, px + std::cos(na) * width * 1.6, py + std::sin(na) * width * 1.6);
        c.stroke(kBone.scaled(0.8), 2);
        c.clearPath();
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void drawNazar(Canvas& c, double w, double h, const Pose& p)
{
    cairo_t* cr = c.cr();
    const double cx = w / 2, ground = h * 0.88;
    cairo_save(cr);
    cairo_translate(cr, cx, ground);
    cairo_scale(cr, 1 + p.squash * 0.2, 1 - p.squash * 0.6);
    cairo_translate(cr, -cx, -ground);
    // Roots clawing into the ground.
    for (int i = -2; i <= 2; ++i)
    {
        cairo_move_to(cr, cx + i * w * 0.05, ground - h * 0.08);
        cairo_curve_to(cr, cx + i * w * 0.1, ground - h * 0.02, cx + i * w * 0.16, ground, cx + i * w * 0.2,
                       ground + 2);
        c.stroke(kInk, 9);
        c.stroke(kBark, 5);
        c.clearPath();
    }
    // Branches behind the trunk.
    const double top = ground - h * 0.62;
    for (int side : {-1, 1})
    {
        const double low = side > 0 ? -0.35 : M_PI + 0.35, high = side > 0 ? -1.1 : M_PI + 1.1;
        const double a = low + (high - low) * p.raise + std::sin(p.sway + side) * 0.12;
        thornBranch(c, cx + side * w * 0.1, top + h * 0.12, a, w * 0.3, 7);
    }
    // Trunk: a swollen, twisted stump.
    cairo_move_to(cr, cx - w * 0.15, ground - h * 0.05);
    cairo_curve_to(cr, cx - w * 0.2, ground - h * 0.3, cx - w * 0.2, top + h * 0.05, cx - w * 0.06, top);
    cairo_curve_to(cr, cx - w * 0.02, top - h * 0.06, cx + w * 0.04, top - h * 0.02, cx + w * 0.07, top + h * 0.01);
    cairo_curve_to(cr, cx + w * 0.2, top + h * 0.05, cx + w * 0.21, ground - h * 0.3, cx + w * 0.15, ground - h * 0.05);
    cairo_close_path(cr);
    c.stroke(kInk, 5);
    c.fillLinear(cx - w * 0.2, 0, cx + w * 0.2, 0,
                 {{0, kBark.scaled(0.5)}, {0.45, kBark.scaled(1.3)}, {1, kBark.scaled(0.45)}});
    c.clearPath();
    // Bark furrows and moss.
    for (int i = 0; i < 4; ++i)
    {
        cairo_move_to(cr, cx - w * 0.12 + i * w * 0.07, ground - h * 0.08);
        cairo_curve_to(cr, cx - w * 0.1 + i * w * 0.06, ground - h * 0.3, cx - w * 0.14 + i * w * 0.08, top + h * 0.2,
                       cx - w * 0.08 + i * w * 0.05, top + h * 0.06);
        c.stroke(kInk.alpha(0.6), 2);
        c.clearPath();
    }
    c.ellipse(cx - w * 0.1, ground - h * 0.12, w * 0.07, h * 0.03);
    c.fillColour(kMoss.alpha(0.8));
    c.clearPath();
    // The eye: white, a blue iris ringed like a charm, a black pupil that glances about.
    const double ex = cx, ey = top + h * 0.22;
    c.ellipse(ex, ey, w * 0.11, h * 0.085);
    c.stroke(kInk, 5);
    c.fillRadial(ex, ey, 0, w * 0.11, {{0, kHoly}, {0.8, kBone}, {1, kBone.scaled(0.6)}});
    c.clearPath();
    const double ix = ex + p.look * w * 0.04;
    c.ellipse(ix, ey, w * 0.06, w * 0.06);
    if (p.glow > 0)
        c.glow(kIris.mix(kHoly, 0.3).alpha(p.glow), 10 * p.glow, 5);
    c.fillRadial(ix, ey, 0, w * 0.06, {{0, kIris.scaled(0.6)}, {0.6, kIris}, {0.8, kHoly}, {1, kIris.scaled(0.7)}});
    c.clearPath();
    c.ellipse(ix, ey, w * 0.025, w * 0.025);
    c.fillColour(kInk);
    c.clearPath();
    c.ellipse(ix - w * 0.015, ey - w * 0.015, w * 0.008, w * 0.008);
    c.fillColour(kHoly);
    c.clearPath();
    // Venom veins light up while casting.
    if (p.glow > 0)
        for (int side : {-1, 1})
        {
            cairo_move_to(cr, ex + side * w * 0.1, ey + h * 0.04);
            cairo_curve_to(cr, ex + side * w * 0.14, ey + h * 0.15, ex + side * w * 0.08, ground - h * 0.2,
                           ex + side * w * 0.12, ground - h * 0.06);
            c.glow(kVenom.alpha(p.glow), 5, 4);
            c.stroke(kVenom.mix(kHoly, 0.4).alpha(p.glow), 2);
            c.clearPath();
        }
    cairo_restore(cr);
}

// A thorn spike rising from the ground at (x, y) to height hgt.
void spike(Canvas& c, double x, double y, double hgt, double width, double lean)
{
    if (hgt <= 1)
        return;
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x - width / 2, y);
    cairo_curve_to(cr, x - width * 0.3, y - hgt * 0.5, x + lean * 0.6, y - hgt * 0.8, x + lean, y - hgt);
    cairo_curve_to(cr, x + lean * 0.5, y - hgt * 0.6, x + width * 0.3, y - hgt * 0.4, x + width / 2, y);
    cairo_close_path(cr);
    c.stroke(kInk, 3);
    c.fillLinear(x - width / 2, y, x + width / 2, y - hgt,
                 {{0, kBark.scaled(0.5)}, {0.45, kBark.scaled(1.3)}, {0.75, kMoss.scaled(0.8)}, {1, kBone}});
    c.clearPath();
    // Side thorns.
    for (int k = 1; k <= 2; ++k)
    {
        const double ty = y - hgt * (0.3 + 0.25 * k), tx = x + lean * (0.3 + 0.25 * k) * 0.8;
        const double side = k % 2 ? 1 : -1;
        c.polygon({{tx, ty - 3}, {tx + side * width * 0.55, ty - width * 0.35}, {tx, ty + 3}});
        c.fillColour(kBone.scaled(0.85));
        c.clearPath();
    }
}

// The fence: thorny vines in a ring, seen from above, around the caster.
void drawFence(const Frame& f, double growth, double writhe, double wither)
{
    Canvas& c = f.c;
    const double cx = f.w / 2, cy = f.h / 2, rx = f.w * 0.42, ry = f.h * 0.36;
    // A venom glow on the ground inside the ring.
    c.ellipse(cx, cy, rx, ry);
    c.fillRadial(cx, cy, 0, rx,
                 {{0, kVenom.alpha(0)}, {0.75, kVenom.alpha(0.12 * growth * (1 - wither))}, {1, kVenom.alpha(0)}});
    c.clearPath();
    const int n = 22;
    // Back half first, then the front half, so spikes overlap in depth.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < n; ++i)
        {
            const double a = (i + 0.5) / n * 2 * M_PI;
            const double s = std::sin(a);
            if ((pass == 0) != (s < 0))
                continue;
            const double delay = std::fmod(i * 0.37, 1.0) * 0.5;
            const double g = clamp01((growth - delay) / 0.5);
            const double hgt = f.h * 0.3 * g * (1 - wither) * (0.75 + 0.25 * std::sin(i * 2.3 + writhe));
            const double lean = std::sin(writhe + i) * 6 - std::cos(a) * 6;
            spike(c, cx + std::cos(a) * rx, cy + s * ry + f.h * 0.1, hgt, 24, lean);
        }
    // The vine that binds them.
    cairo_t* cr = c.cr();
    c.ellipse(cx, cy + f.h * 0.1, rx, ry);
    c.stroke(kInk.alpha(growth * (1 - wither)), 7);
    c.stroke(kBark.scaled(1.1).alpha(growth * (1 - wither)), 4);
    c.clearPath();
    (void)cr;
}

void drawBrambles(const Frame& f)
{
    Canvas& c = f.c;
    const int i = f.index;
    const double cx = f.w / 2, cy = f.h / 2 + 20; // the hurting shape is centred 20 px below
    // Frames 0-1: the ground cracks and glows — get out. 2-7: the thorns stand. 8+: they sink.
    const double warn = i <= 1 ? (i + 1) / 2.0 : (i <= 7 ? 1.0 : std::max(0.0, 1 - (i - 7) / 3.0));
    c.ellipse(cx, cy, 58, 34);
    c.fillRadial(cx, cy, 0, 58,
                 {{0, kVenom.alpha(0.6 * warn)}, {0.7, kVenom.alpha(0.25 * warn)}, {1, kVenom.alpha(0)}});
    c.stroke(kVenom.alpha(0.7 * warn), 2.5);
    c.clearPath();
    cairo_t* cr = c.cr();
    Dice dice(99);
    for (int k = 0; k < 7; ++k)
    {
        const double a = dice.uniform() * 2 * M_PI, r = 10 + dice.uniform() * 40;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r * 0.6);
        c.stroke(kInk.alpha(0.8 * warn), 3);
        c.stroke(kVenom.alpha(0.7 * warn), 1.2);
        c.clearPath();
    }
    double rise = 0;
    if (i >= 2 && i <= 7)
        rise = i == 2 ? 0.7 : (i == 3 ? 1.0 : 1.0 - (i - 3) * 0.05);
    else if (i > 7)
        rise = std::max(0.0, 0.7 - (i - 8) * 0.25);
    if (rise <= 0)
        return;
    Dice place(7);
    struct S
    {
        double x, y, hgt, lean;
    };
    std::vector<S> spikes;
    for (int k = 0; k < 14; ++k)
    {
        const double a = place.uniform() * 2 * M_PI, r = std::sqrt(place.uniform());
        spikes.push_back({cx + std::cos(a) * r * 48, cy + std::sin(a) * r * 26, (40 + place.uniform() * 45) * rise,
                          (place.uniform() - 0.5) * 24});
    }
    std::sort(spikes.begin(), spikes.end(), [](const S& a, const S& b) { return a.y < b.y; });
    for (const S& s : spikes)
        spike(c, s.x, s.y, s.hgt, 20, s.lean);
    if (i == 2)
        burst(c, cx, cy - 20, 30, 60, 10, kVenom.alpha(0.8), 3, 5);
}

class NazarPainter : public KindPainter
{
public:
    NazarPainter() : KindPainter("Nazar", 2) {}

protected:
    FrameFn sheet(const std::string& name) const override
    {
        if (name == "Idle")
            return [](const Frame& f)
            {
                Pose p;
                p.sway = f.t * 2 * M_PI;
                p.look = std::sin(f.t * 2 * M_PI);
                groundShadow(f.c, f.w / 2, f.h * 0.88, f.w * 0.3);
                drawNazar(f.c, f.w, f.h, p);
            };
        if (name == "Attack_Start")
            return [](const Frame& f)
            {
                Pose p;
                p.raise = ease(f.u());
                p.glow = f.u();
                groundShadow(f.c, f.w / 2, f.h * 0.88, f.w * 0.3);
                drawNazar(f.c, f.w, f.h, p);
            };
        if (name == "Attack_Loop")
            return [](const Frame& f)
            {
                Pose p;
                p.raise = 1;
                p.sway = f.t * 4 * M_PI;
                p.glow = 0.7 + 0.3 * std::sin(f.t * 2 * M_PI);
                groundShadow(f.c, f.w / 2, f.h * 0.88, f.w * 0.3);
                f.c.ellipse(f.w / 2, f.h * 0.88, f.w * 0.4, f.h * 0.08);
                f.c.fillRadial(f.w / 2, f.h * 0.88, 0, f.w * 0.4,
                               {{0, kVenom.alpha(0.3 * p.glow)}, {1, kVenom.alpha(0)}});
                f.c.clearPath();
                drawNazar(f.c, f.w, f.h, p);
            };
        if (name == "Death")
            return [](const Frame& f)
            {
                dissolvingDeath(f, kVenom,
                                [&](Canvas& c, double collapse)
                                {
                                    Pose p;
                                    p.squash = collapse;
                                    p.raise = collapse * 0.3;
                                    drawNazar(c, f.w, f.h, p);
                                });
            };
        if (name == "Soul")
            return [](const Frame& f) { soulWisp(f, kIris, kIris.mix(kHoly, 0.3)); };
        if (name == "Zaune_Start")
            return [](const Frame& f) { drawFence(f, ease(f.u()), f.t * 3, 0); };
        if (name == "Zaune_Loop")
            return [](const Frame& f) { drawFence(f, 1, f.t * 2 * M_PI, 0); };
        if (name == "Zaune_End")
            return [](const Frame& f) { drawFence(f, 1, f.t * 3, ease(f.u())); };
        if (name == "Brambles")
            return drawBrambles;
        return nullptr;
    }
};

RegisterPainter<NazarPainter> registration;
} // namespace
