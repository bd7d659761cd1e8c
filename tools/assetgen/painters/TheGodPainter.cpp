// TheGod: a tall, hovering figure in a robe of black and gold behind a mask split
// between the two, crowned with antlers and haloed. It becomes a great stag of
// light that charges, or a wolf of smoke and embers that bites, and returns.

#include "EnemyArt.h"

#include <cmath>

namespace
{
using namespace palette;
using namespace enemyart;

const Rgba kShade = Rgba::rgb(24, 14, 20);
const Rgba kStag = Rgba::rgb(255, 236, 170);
const Rgba kWolf = Rgba::rgb(40, 26, 30);

void flash(Canvas& c, double cx, double cy, double r, double k, const Rgba& colour)
{
    if (k <= 0)
        return;
    c.ellipse(cx, cy, r, r);
    c.fillRadial(cx, cy, 0, r, {{0, kHoly.alpha(0.9 * k)}, {0.35, colour.alpha(0.6 * k)}, {1, colour.alpha(0)}});
    c.clearPath();
}

void antlers(Canvas& c, double x, double y, double size, const Rgba& colour)
{
    cairo_t* cr = c.cr();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int side : {-1, 1})
    {
        cairo_move_to(cr, x + side * size * 0.15, y);
        cairo_curve_to(cr, x + side * size * 0.5, y - size * 0.3, x + side * size * 0.6, y - size * 0.7,
                       x + side * size * 0.45, y - size);
        for (double k : {0.35, 0.6, 0.85})
        {
            const double bx = x + side * size * (0.3 + 0.25 * k), by = y - size * k;
            cairo_move_to(cr, bx, by);
            cairo_line_to(cr, bx + side * size * 0.25, by - size * 0.18);
        }
        c.stroke(kInk, size * 0.11 + 3);
        c.stroke(colour, size * 0.11);
        c.clearPath();
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

struct GodPose
{
    double bob = 0, arms = 0.3, glow = 0.5, crack = 0;
};

void drawGod(Canvas& c, double cx, double cy, const GodPose& p)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 0.82, 0.82);
    cairo_translate(cr, -cx, -cy);
    const double y = cy + p.bob;
    // Halo ring.
    c.ellipse(cx, y - 62, 40, 40);
    c.glow(kPaleGold.alpha(p.glow), 10, 6);
    c.stroke(kGold, 3);
    c.clearPath();
    // Robe: black outside, a gold seam down the middle, the hem dissolving into wisps.
    cairo_move_to(cr, cx - 20, y - 48);
    cairo_curve_to(cr, cx - 44, y - 10, cx - 52, y + 40, cx - 46, y + 78);
    for (int i = 0; i < 6; ++i)
    {
        const double x = cx - 46 + (i + 0.5) * 92 / 6.0;
        cairo_line_to(cr, x, y + 90 + std::sin(i * 1.7 + p.bob) * 6);
        cairo_line_to(cr, cx - 46 + (i + 1) * 92 / 6.0, y + 78);
    }
    cairo_curve_to(cr, cx + 52, y + 40, cx + 44, y - 10, cx + 20, y - 48);
    cairo_close_path(cr);
    c.stroke(kInk, 5);
    c.fillLinear(cx - 50, 0, cx + 50, 0,
                 {{0, kShade}, {0.42, kShade.scaled(2.2)}, {0.5, kGold}, {0.58, kShade.scaled(2.2)}, {1, kShade}});
    c.clearPath();
    // Arms: sleeves opening outward, hands of light.
    for (int side : {-1, 1})
    {
        const double hx = cx + side * (40 + 24 * p.arms), hy = y - 10 - 40 * p.arms;
        cairo_move_to(cr, cx + side * 22, y - 38);
        cairo_curve_to(cr, cx + side * 40, y - 30, hx - side * 8, hy + 10, hx, hy);
        c.stroke(kInk, 16);
        c.stroke(kShade.scaled(2), 12);
        c.clearPath();
        c.ellipse(hx, hy, 7, 7);
        c.glow(kPaleGold, 8, 4);
        c.fillColour(kHoly);
        c.clearPath();
    }
    // Mask: gold on one half, black on the other, eyes of white fire.
    const double my = y - 62;
    c.ellipse(cx, my, 20, 25);
    c.stroke(kInk, 4);
    c.fillLinear(cx - 20, 0, cx + 20, 0, {{0, kGold.scaled(1.2)}, {0.5, kGold}, {0.5, kInk}, {1, kShade.scaled(1.5)}});
    c.clearPath();
    glowingEye(c, cx - 8, my - 4, 3, kHoly);
    glowingEye(c, cx + 8, my - 4, 3, kCrimson);
    antlers(c, cx, my - 20, 40, kPaleGold);
    // Cracks of light when it is dying.
    if (p.crack > 0)
    {
        Dice dice(5);
        for (int i = 0; i < 7; ++i)
        {
            const double a = dice.uniform() * 2 * M_PI;
            const double len = (20 + dice.uniform() * 60) * p.crack;
            cairo_move_to(cr, cx, y - 10);
            cairo_line_to(cr, cx + std::cos(a) * len * 0.5 + 6, y - 10 + std::sin(a) * len * 0.5);
            cairo_line_to(cr, cx + std::cos(a) * len, y - 10 + std::sin(a) * len);
            c.glow(kPaleGold, 6, 3);
            c.stroke(kHoly, 2.5);
            c.clearPath();
        }
    }
    cairo_restore(cr);
}

// A stag of light. view: 0 side (facing right), 1 toward the viewer, 2 away.
void drawStag(Canvas& c, double cx, double cy, int view, double phase)
{
    cairo_t* cr = c.cr();
    const Rgba body = kStag;
    auto leg = [&](double x, double y, double swing)
    {
        limb(c, x, y, x + swing * 14, y + 30, 7, body.scaled(0.85));
        limb(c, x + swing * 14, y + 30, x + swing * 8, y + 56, 5, body.scaled(0.7));
    };
    c.ellipse(cx, cy + 20, 80, 70);
    c.fillRadial(cx, cy + 20, 0, 80, {{0, kPaleGold.alpha(0.35)}, {1, kPaleGold.alpha(0)}});
    c.clearPath();
    if (view == 0)
    {
        for (int k = 0; k < 4; ++k)
            leg(cx - 34 + (k / 2) * 62 + (k % 2) * 6, cy + 6, std::sin(phase + k * 1.6));
        c.ellipse(cx, cy, 48, 24);
        c.stroke(kInk, 4);
        c.fillLinear(cx, cy - 24, cx, cy + 24, {{0, kHoly}, {1, body.scaled(0.8)}});
        c.clearPath();
        // Neck and head thrust forward, antlers swept back.
        cairo_move_to(cr, cx + 30, cy - 10);
        cairo_line_to(cr, cx + 56, cy - 38);
        c.stroke(kInk, 20);
        c.stroke(body, 15);
        c.clearPath();
        c.ellipse(cx + 66, cy - 38, 16, 9);
        c.stroke(kInk, 3);
        c.fillColour(body);
        c.clearPath();
        glowingEye(c, cx + 64, cy - 42, 2.5, kGold);
        cairo_save(cr);
        cairo_translate(cr, cx + 56, cy - 46);
        cairo_rotate(cr, -0.6);
        antlers(c, 0, 0, 40, kHoly);
        cairo_restore(cr);
    }
    else
    {
        // Front or back: chest (or rump) wide, legs pumping under it.
        for (int side : {-1, 1})
        {
            leg(cx + side * 18, cy + 10, std::sin(phase + (side > 0 ? 0 : M_PI)) * 0.4);
            leg(cx + side * 30, cy + 4, std::sin(phase + (side > 0 ? M_PI : 0)) * 0.3);
        }
        c.ellipse(cx, cy, 38, 30);
        c.stroke(kInk, 4);
        c.fillRadial(cx, cy - 10, 0, 40, {{0, kHoly}, {1, body.scaled(0.8)}});
        c.clearPath();
        if (view == 1)
        {
            c.ellipse(cx, cy - 34, 14, 18);
            c.stroke(kInk, 3);
            c.fillColour(body);
            c.clearPath();
            glowingEye(c, cx - 6, cy - 38, 2.5, kGold);
            glowingEye(c, cx + 6, cy - 38, 2.5, kGold);
            antlers(c, cx, cy - 48, 44, kHoly);
        }
        else
        {
            c.ellipse(cx, cy - 8, 8, 6);
            c.fillColour(kHoly);
            c.clearPath();
            antlers(c, cx, cy - 36, 44, kHoly);
        }
    }
}

// A wolf of smoke and embers. view: 0 side facing right, 1 toward the viewer, 2 away.
void drawWolf(Canvas& c, double fw, double fh, double cx, double cy, int view, double lunge, double jaw, double alpha)
{
    withAlpha(
        c, fw, fh, alpha,
        [&](Canvas& w)
        {
            cairo_t* cr = w.cr();
            cairo_save(cr);
            // A wolf as big as the god that became it.
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, 1.45, 1.45);
            cairo_translate(cr, -cx, -cy);
            w.ellipse(cx, cy + 10, 80, 60);
            w.fillRadial(cx, cy + 10, 0, 80, {{0, kCrimson.alpha(0.3)}, {1, kCrimson.alpha(0)}});
            w.clearPath();
            if (view == 0)
            {
                const double x = cx + lunge * 30;
                for (int k = 0; k < 4; ++k)
                    limb(w, x - 30 + (k / 2) * 48 + (k % 2) * 6, cy + 8,
                         x - 34 + (k / 2) * 52 + lunge * 10 * (k / 2 ? 1 : -1), cy + 44, 7, kWolf.scaled(1.4));
                w.ellipse(x, cy, 44, 20);
                w.stroke(kInk, 4);
                w.fillLinear(x, cy - 20, x, cy + 20, {{0, kWolf.scaled(2)}, {1, kWolf}});
                w.clearPath();
                // Head with opening jaws.
                const double hx = x + 46, hy = cy - 12;
                w.polygon({{hx - 14, hy - 10}, {hx + 30, hy - 4 - jaw * 6}, {hx + 28, hy + 2}, {hx - 10, hy + 6}});
                w.polygon({{hx - 10, hy + 6},
                           {hx + 26, hy + 4 + jaw * 10},
                           {hx + 22, hy + 12 + jaw * 10},
                           {hx - 8, hy + 14}});
                w.stroke(kInk, 3);
                w.fillColour(kWolf.scaled(1.8));
                w.clearPath();
                if (jaw > 0.2)
                {
                    w.polygon({{hx, hy + 4}, {hx + 26, hy + 1}, {hx + 24, hy + 4 + jaw * 10}});
                    w.fillColour(kEmber);
                    w.clearPath();
                }
                w.polygon({{hx - 10, hy - 8}, {hx - 4, hy - 26}, {hx + 4, hy - 8}});
                w.stroke(kInk, 2);
                w.fillColour(kWolf.scaled(1.6));
                w.clearPath();
                glowingEye(w, hx + 6, hy - 6, 2.5, kEmber);
            }
            else
            {
                const double y = cy + (view == 1 ? lunge * 20 : -lunge * 20);
                w.ellipse(cx, y + 16, 34, 30);
                w.stroke(kInk, 4);
                w.fillRadial(cx, y + 6, 0, 40, {{0, kWolf.scaled(2)}, {1, kWolf}});
                w.clearPath();
                for (int side : {-1, 1})
                {
                    w.polygon({{cx + side * 8.0, y - 20}, {cx + side * 22.0, y - 44}, {cx + side * 26.0, y - 14}});
                    w.stroke(kInk, 2.5);
                    w.fillColour(kWolf.scaled(1.6));
                    w.clearPath();
                }
                w.ellipse(cx, y - 14, 24, 20);
                w.stroke(kInk, 3.5);
                w.fillColour(kWolf.scaled(1.7));
                w.clearPath();
                if (view == 1)
                {
                    w.polygon(
                        {{cx - 14, y - 4}, {cx + 14, y - 4}, {cx + 10, y + 6 + jaw * 16}, {cx - 10, y + 6 + jaw * 16}});
                    w.stroke(kInk, 3);
                    w.fillColour(jaw > 0.2 ? kBlood : kWolf.scaled(1.5));
                    w.clearPath();
                    for (int i = -2; i <= 2; ++i)
                    {
                        w.polygon({{cx + i * 5.0 - 2, y - 4}, {cx + i * 5.0, y + 3}, {cx + i * 5.0 + 2, y - 4}});
                        w.fillColour(kBone);
                        w.clearPath();
                    }
                    glowingEye(w, cx - 9, y - 18, 3, kEmber);
                    glowingEye(w, cx + 9, y - 18, 3, kEmber);
                }
            }
            cairo_restore(cr);
        });
}

int viewOf(const std::string& direction, bool& mirror)
{
    mirror = direction == "Left";
    if (direction == "Left" || direction == "Right")
        return 0;
    return direction == "Down" ? 1 : 2;
}

class TheGodPainter : public KindPainter
{
public:
    TheGodPainter() : KindPainter("TheGod", 3) {}

protected:
    FrameFn sheet(const std::string& name) const override
    {
        auto god = [](const Frame& f, double alpha, GodPose p = {})
        { withAlpha(f.c, f.w, f.h, alpha, [&](Canvas& c) { drawGod(c, f.w / 2, f.h / 2 + 8, p); }); };
        auto shadow = [](const Frame& f, double k = 1) { groundShadow(f.c, f.w / 2, f.h / 2 + 86, 50 * k, 0.3 * k); };
        if (name == "Idle")
            return [god, shadow](const Frame& f)
            {
                GodPose p;
                p.bob = std::sin(f.t * 2 * M_PI) * 5;
                p.arms = 0.3 + std::sin(f.t * 2 * M_PI) * 0.1;
                p.glow = 0.6 + 0.4 * std::sin(f.t * 2 * M_PI);
                shadow(f);
                god(f, 1, p);
            };
        if (name == "Disappear" || name == "Appear")
        {
            const bool appear = name == "Appear";
            return [appear, god, shadow](const Frame& f)
            {
                const double k = appear ? f.u() : 1 - f.u();
                shadow(f, k);
                GodPose p;
                p.arms = 0.3 + (1 - k) * 0.6;
                god(f, k, p);
                flash(f.c, f.w / 2, f.h / 2 - 20, 90, std::sin(k * M_PI), kPaleGold);
                Dice dice(4);
                for (int i = 0; i < 20; ++i)
                {
                    const double x = f.w / 2 + (dice.uniform() - 0.5) * 110;
                    const double y = f.h / 2 + 60 - (1 - k) * (60 + dice.uniform() * 80) - dice.uniform() * 80;
                    f.c.ellipse(x, y, 2, 2);
                    f.c.fillColour(kPaleGold.alpha(1 - k));
                    f.c.clearPath();
                }
            };
        }
        // Shape changes: the old form fades into a flash and the new one steps out of it.
        if (name == "Meta_Deer" || name == "Meta_Deer_God" || name == "Meta_Wolf" || name == "Meta_Wolf_God")
        {
            const bool deer = name.find("Deer") != std::string::npos;
            const bool back = name.find("_God") != std::string::npos;
            return [=](const Frame& f)
            {
                const double u = f.u();
                const double godAlpha = back ? ease((u - 0.4) / 0.6) : 1 - ease(u / 0.6);
                const double beastAlpha = back ? 1 - ease(u / 0.6) : ease((u - 0.4) / 0.6);
                shadow(f);
                GodPose p;
                p.arms = 0.3 + 0.7 * (1 - godAlpha);
                p.glow = 1;
                god(f, godAlpha, p);
                if (deer)
                    withAlpha(f.c, f.w, f.h, beastAlpha, [&](Canvas& c) { drawStag(c, f.w / 2, f.h / 2 + 10, 1, 0); });
                else
                    drawWolf(f.c, f.w, f.h, f.w / 2, f.h / 2 + 20, 1, 0, 0, beastAlpha);
                flash(f.c, f.w / 2, f.h / 2, 100, std::sin(u * M_PI), deer ? kPaleGold : kCrimson);
            };
        }
        if (name.rfind("Deer_Attack_", 0) == 0)
        {
            bool mirror = false;
            const int view = viewOf(name.substr(12), mirror);
            return [view, mirror](const Frame& f)
            {
                cairo_t* cr = f.c.cr();
                cairo_save(cr);
                if (mirror)
                {
                    cairo_translate(cr, f.w, 0);
                    cairo_scale(cr, -1, 1);
                }
                const double dir = view == 0 ? -1 : (view == 1 ? -1 : 1);
                // Trails of light behind the charge.
                for (int k = 0; k < 6; ++k)
                {
                    const double off = 20 + k * 14 + std::fmod(f.t * 60, 14);
                    if (view == 0)
                    {
                        cairo_move_to(cr, f.w / 2 - 40 - off, f.h / 2 - 20 + k * 10);
                        cairo_line_to(cr, f.w / 2 - 90 - off, f.h / 2 - 20 + k * 10);
                    }
                    else
                    {
                        cairo_move_to(cr, f.w / 2 - 40 + k * 16, f.h / 2 + dir * (50 + off * 0.5));
                        cairo_line_to(cr, f.w / 2 - 40 + k * 16, f.h / 2 + dir * (90 + off * 0.5));
                    }
                    f.c.stroke(kPaleGold.alpha(0.45), 3);
                    f.c.clearPath();
                }
                groundShadow(f.c, f.w / 2, f.h / 2 + 66, 50, 0.3);
                drawStag(f.c, f.w / 2, f.h / 2 + 10, view, f.t * 2 * M_PI);
                cairo_restore(cr);
            };
        }
        if (name.rfind("Wolf_Attack_", 0) == 0)
        {
            bool mirror = false;
            const int view = viewOf(name.substr(12), mirror);
            // 0-3 it rises from smoke and crouches (the warning), 4-6 the bite, 7-9 it sinks back.
            return [view, mirror](const Frame& f)
            {
                cairo_t* cr = f.c.cr();
                cairo_save(cr);
                if (mirror)
                {
                    cairo_translate(cr, f.w, 0);
                    cairo_scale(cr, -1, 1);
                }
                const int i = f.index;
                const double alpha = i < 3 ? (i + 1) / 3.0 : (i > 7 ? 1 - (i - 7) / 3.0 : 1.0);
                const double lunge = i < 4 ? -0.3 * i / 3.0 : (i <= 6 ? 1.0 : 1.0 - (i - 6) / 3.0);
                const double jaw = i <= 3 ? 0.3 : (i <= 5 ? 1.0 : 0.2);
                groundShadow(f.c, f.w / 2, f.h / 2 + 60, 50, 0.35 * alpha);
                drawWolf(f.c, f.w, f.h, f.w / 2 - (view == 0 ? 20 : 0), f.h / 2 + 10, view, lunge, jaw, alpha);
                if (i == 5)
                    burst(f.c, f.w / 2 + (view == 0 ? 70 : 0), f.h / 2 + (view == 1 ? 50 : (view == 2 ? -50 : -10)), 10,
                          40, 8, kEmber, 3, 6);
                cairo_restore(cr);
            };
        }
        if (name == "Death")
            return [](const Frame& f)
            {
                const double u = f.u();
                if (u < 0.45)
                {
                    GodPose p;
                    p.crack = u / 0.45;
                    p.arms = 0.3 + u;
                    p.glow = 1;
                    groundShadow(f.c, f.w / 2, f.h / 2 + 86, 50, 0.3);
                    drawGod(f.c, f.w / 2, f.h / 2 + 8, p);
                    flash(f.c, f.w / 2, f.h / 2 - 10, 60 + 80 * u, u, kPaleGold);
                    return;
                }
                dissolvingDeath(f, kPaleGold,
                                [&](Canvas& c, double)
                                {
                                    GodPose p;
                                    p.crack = 1;
                                    p.arms = 0.8;
                                    drawGod(c, f.w / 2, f.h / 2 + 8, p);
                                });
                flash(f.c, f.w / 2, f.h / 2 - 10, 140, 1 - u, kPaleGold);
            };
        return nullptr;
    }
};

RegisterPainter<TheGodPainter> registration;
} // namespace
