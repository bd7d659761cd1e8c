#include "EnemyArt.h"

#include "creatures/EnemyDatabase.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace enemyart
{
using namespace palette;

const EnemyRecords& records()
{
    static const EnemyRecords loaded = []
    {
        EnemyDatabase::loadData();
        return EnemyDatabase::records();
    }();
    return loaded;
}

void mirrored(const Frame& f, bool left, const std::function<void(Canvas&)>& draw)
{
    cairo_t* cr = f.c.cr();
    cairo_save(cr);
    if (left)
    {
        cairo_translate(cr, f.w, 0);
        cairo_scale(cr, -1, 1);
    }
    draw(f.c);
    cairo_restore(cr);
}

double clamp01(double x)
{
    return std::clamp(x, 0.0, 1.0);
}
double ease(double x)
{
    x = clamp01(x);
    return x * x * (3 - 2 * x);
}

KindPainter::KindPainter(std::string kind, int version)
    : PatternPainter({"Assets/Sprites/Enemy/" + kind + "/[^/]+\\.png"}), kind_(std::move(kind)), version_(version)
{
}

void KindPainter::paint(const std::string& path, const std::filesystem::path& output) const
{
    const std::string textureName = std::filesystem::path(path).stem().string();
    for (const auto& layout : EnemyDatabase::kindSheets(kind_))
    {
        if (layout.textureName != textureName)
            continue;
        if (layout.frameCount < 1 || layout.rows < 1 || layout.frameWidth < 1 || layout.frameHeight < 1)
            throw std::runtime_error("the data file gives no usable frame layout for " + textureName);
        const int count = int(layout.frameCount), rows = int(layout.rows);
        const int columns = (count + rows - 1) / rows;
        const int w = int(layout.frameWidth), h = int(layout.frameHeight);
        const FrameFn draw = sheet(textureName);
        if (!draw)
            throw std::runtime_error("no drawing for sheet " + textureName);
        Canvas canvas(columns * w, rows * h);
        paintSheet(canvas, w, h, count, columns,
                   [&](Canvas& c, int i, double t) {
                       draw(Frame{c, double(w), double(h), i, count, t});
                   });
        canvas.savePng(output);
        return;
    }
    single(textureName, output);
}

void KindPainter::single(const std::string& textureName, const std::filesystem::path&) const
{
    throw std::runtime_error("no picture for " + kind_ + " texture " + textureName);
}

void shadedEllipse(Canvas& c, double cx, double cy, double rx, double ry, const Rgba& base, double outline)
{
    c.ellipse(cx, cy, rx, ry);
    if (outline > 0)
        c.stroke(kInk, outline);
    c.fillRadial(cx - rx * 0.35, cy - ry * 0.4, 0, std::max(rx, ry) * 1.3,
                 {{0, base.scaled(1.45)}, {0.55, base}, {1, base.scaled(0.45)}});
    c.clearPath();
}

void limb(Canvas& c, double x0, double y0, double x1, double y1, double width, const Rgba& colour)
{
    cairo_t* cr = c.cr();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    c.stroke(kInk, width + 4);
    c.stroke(colour, width);
    c.clearPath();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void glowingEye(Canvas& c, double x, double y, double r, const Rgba& colour)
{
    c.ellipse(x, y, r, r);
    c.glow(colour, r * 2.5, 5);
    c.fillRadial(x, y, 0, r, {{0, kHoly}, {0.5, colour.scaled(1.3)}, {1, colour}});
    c.clearPath();
}

void groundShadow(Canvas& c, double cx, double cy, double rx, double alpha)
{
    c.ellipse(cx, cy, rx, rx * 0.28);
    c.fillRadial(cx, cy, 0, rx, {{0, Rgba{0, 0, 0, alpha}}, {1, Rgba{0, 0, 0, 0}}});
    c.clearPath();
}

void burst(Canvas& c, double cx, double cy, double r0, double r1, int rays, const Rgba& colour, double width,
           std::uint32_t seed)
{
    Dice dice(seed);
    cairo_t* cr = c.cr();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < rays; ++i)
    {
        const double a = (i + dice.uniform() * 0.6) / rays * 2 * M_PI;
        const double k = 0.7 + dice.uniform() * 0.3;
        cairo_move_to(cr, cx + std::cos(a) * r0, cy + std::sin(a) * r0 * 0.8);
        cairo_line_to(cr, cx + std::cos(a) * r1 * k, cy + std::sin(a) * r1 * k * 0.8);
        c.stroke(colour, width);
        c.clearPath();
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void swoosh(Canvas& c, double cx, double cy, double r, double a0, double a1, double thickness, const Rgba& colour)
{
    cairo_t* cr = c.cr();
    const int steps = 18;
    for (int i = 0; i < steps; ++i)
    {
        const double s0 = double(i) / steps, s1 = double(i + 1) / steps;
        const double b0 = a0 + (a1 - a0) * s0, b1 = a0 + (a1 - a0) * s1;
        cairo_new_path(cr);
        if (a1 >= a0)
            cairo_arc(cr, cx, cy, r, b0, b1);
        else
            cairo_arc_negative(cr, cx, cy, r, b0, b1);
        c.stroke(colour.alpha(colour.a * s1), thickness * (0.3 + 0.7 * s1));
    }
    c.clearPath();
}

namespace
{
// Burns away the picture on `layer` where noise lies under `level`, with a glowing rim.
void burnAway(Canvas& layer, double level, const Rgba& ember, std::uint32_t seed)
{
    cairo_surface_t* surface = cairo_get_target(layer.cr());
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const int w = layer.width(), h = layer.height();
    for (int y = 0; y < h; ++y)
    {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x)
        {
            std::uint32_t p = row[x];
            const unsigned a = p >> 24;
            if (!a)
                continue;
            // Burn from the top down as well as by noise, so the body sinks into ash.
            const double n = fractalNoise(x * 0.045, y * 0.045, seed, 3) * 0.75 + (double(y) / h) * 0.35;
            if (n < level)
            {
                row[x] = 0;
                continue;
            }
            const double rim = (n - level) / 0.06;
            if (rim < 1.0)
            {
                const double k = 1.0 - rim;
                auto mixChannel = [&](int shift, double target)
                {
                    const double v = ((p >> shift) & 0xff) / 255.0;
                    const double mixed = v * (1 - k) + target * (a / 255.0) * k;
                    return std::uint32_t(std::clamp(mixed, 0.0, 1.0) * 255.0) << shift;
                };
                p = (p & 0xff000000u) | mixChannel(16, ember.r) | mixChannel(8, ember.g) | mixChannel(0, ember.b);
                row[x] = p;
            }
        }
    }
    cairo_surface_mark_dirty(surface);
}
} // namespace

void dissolvingDeath(const Frame& f, const Rgba& ember, const std::function<void(Canvas&, double)>& body)
{
    const double u = f.u();
    const double collapse = ease(u / 0.45);
    Canvas layer{int(f.w), int(f.h)};
    body(layer, collapse);
    const double level = u < 0.35 ? -1.0 : (u - 0.35) / 0.65 * 1.15;
    if (level > 0)
        burnAway(layer, level, ember, 77);
    groundShadow(f.c, f.w / 2, f.h * 0.86, f.w * 0.3 * (1 - 0.6 * clamp01(level)), 0.35);
    f.c.paint(layer, 0, 0);
    // Embers and smoke drift up from the burning body.
    if (level > 0)
    {
        Dice dice(1234);
        for (int i = 0; i < 26; ++i)
        {
            const double x0 = f.w * (0.3 + dice.uniform() * 0.4);
            const double speed = 0.3 + dice.uniform() * 0.7;
            const double phase = dice.uniform() * 0.3;
            const double life = clamp01((u - 0.35 - phase) / 0.5);
            if (life <= 0 || life >= 1)
                continue;
            const double y = f.h * 0.8 - life * speed * f.h * 0.7;
            const double x = x0 + std::sin(life * 6 + i) * f.w * 0.04;
            f.c.ellipse(x, y, 2.2 * (1 - life) + 0.8, 2.2 * (1 - life) + 0.8);
            f.c.glow(ember, 4, 3);
            f.c.fillColour(ember.mix(kHoly, 0.4).alpha(1 - life));
            f.c.clearPath();
        }
        for (int i = 0; i < 5; ++i)
        {
            const double life = clamp01((u - 0.4 - i * 0.08) / 0.5);
            if (life <= 0 || life >= 1)
                continue;
            const double x = f.w * (0.38 + 0.06 * i), y = f.h * (0.75 - life * 0.45);
            f.c.ellipse(x, y, f.w * (0.05 + life * 0.08), f.w * (0.04 + life * 0.06));
            f.c.fillRadial(x, y, 0, f.w * 0.12, {{0, kAsh.alpha(0.35 * (1 - life))}, {1, kAsh.alpha(0)}});
            f.c.clearPath();
        }
    }
}

void soulWisp(const Frame& f, const Rgba& core, const Rgba& halo)
{
    Canvas& c = f.c;
    cairo_t* cr = c.cr();
    const double phase = f.t * 2 * M_PI;
    const double cx = f.w / 2, cy = f.h * 0.56 + std::sin(phase) * f.h * 0.03;
    const double r = f.w * 0.22;
    // Outer halo.
    c.ellipse(cx, cy, f.w * 0.46, f.h * 0.46);
    c.fillRadial(cx, cy, 0, f.w * 0.46, {{0, halo.alpha(0.55)}, {0.5, halo.alpha(0.18)}, {1, halo.alpha(0)}});
    c.clearPath();
    // Flame body: a teardrop whose tip sways.
    const double sway = std::sin(phase * 2) * r * 0.35;
    cairo_move_to(cr, cx + sway, cy - r * 2.0);
    cairo_curve_to(cr, cx + r * 0.5, cy - r * 1.2, cx + r * 1.15, cy - r * 0.4, cx + r, cy + r * 0.3);
    cairo_curve_to(cr, cx + r * 0.9, cy + r * 1.1, cx - r * 0.9, cy + r * 1.1, cx - r, cy + r * 0.3);
    cairo_curve_to(cr, cx - r * 1.15, cy - r * 0.4, cx - r * 0.5, cy - r * 1.2, cx + sway, cy - r * 2.0);
    cairo_close_path(cr);
    c.glow(halo, r * 0.6, 6);
    c.fillRadial(cx, cy + r * 0.2, 0, r * 2.2, {{0, kHoly}, {0.35, core.mix(kHoly, 0.4)}, {1, core.alpha(0.6)}});
    c.clearPath();
    // Eyes: two dark hollows that make the wisp read as the creature's spirit.
    for (int side : {-1, 1})
    {
        c.ellipse(cx + side * r * 0.38, cy + r * 0.05, r * 0.14, r * 0.22);
        c.fillColour(core.scaled(0.25).alpha(0.85));
        c.clearPath();
    }
}

void withAlpha(Canvas& c, double w, double h, double alpha, const std::function<void(Canvas&)>& body)
{
    Canvas layer{int(w), int(h)};
    body(layer);
    c.paint(layer, 0, 0, clamp01(alpha));
}
} // namespace enemyart
