// What surrounds and lights the rooms: the four floor backgrounds, tiles that
// repeat without a seam around the room picture (forest depths, lightless rock,
// a sea of embers, the tutorial's quiet woods), the second floor's light glow
// and the rooms' soft decal mask.

#include "Canvas.h"
#include "Painter.h"
#include "PropArt.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace
{
using namespace palette;
using namespace propart;

// Value noise whose lattice wraps every `period` cells, so a tile of
// period × cellSize pixels joins its neighbours exactly.
double lattice(int x, int y, int period, std::uint32_t seed)
{
    x = ((x % period) + period) % period;
    y = ((y % period) + period) % period;
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1u ^ (static_cast<std::uint32_t>(y) * 0x85EBCA77u + seed);
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double periodicNoise(double x, double y, int period, std::uint32_t seed)
{
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double fx = smooth(x - ix), fy = smooth(y - iy);
    const double a = lattice(ix, iy, period, seed), b = lattice(ix + 1, iy, period, seed);
    const double c = lattice(ix, iy + 1, period, seed), d = lattice(ix + 1, iy + 1, period, seed);
    const double top = a + (b - a) * fx, bottom = c + (d - c) * fx;
    return top + (bottom - top) * fy;
}

// Fractal noise over a tile of tileW × tileH pixels with `cells` lattice cells
// across the width at the first octave; each octave doubles and still wraps.
double tileNoise(double x, double y, double tileW, double tileH, int cells, std::uint32_t seed, int octaves = 4)
{
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i)
    {
        const int period = cells << i;
        // Both axes wrap: use the same cell count over the height when the tile is
        // not square by stretching y onto the x period.
        sum += amplitude * periodicNoise(x / tileW * period, y / tileH * period, period, seed + i * 1013u);
        total += amplitude;
        amplitude *= 0.5;
    }
    return sum / total;
}

Rgba ramp(const Rgba& a, const Rgba& b, const Rgba& c, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t < 0.5 ? a.mix(b, t * 2) : b.mix(c, (t - 0.5) * 2);
}

std::uint32_t packed(const Rgba& colour)
{
    auto byte = [](double v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); };
    const double a = std::clamp(colour.a, 0.0, 1.0);
    return byte(a) << 24 | byte(colour.r * a) << 16 | byte(colour.g * a) << 8 | byte(colour.b * a);
}

template <typename ColourAt>
void shade(Canvas& c, ColourAt colourAt)
{
    cairo_surface_t* s = cairo_get_target(c.cr());
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < c.height(); ++y)
    {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < c.width(); ++x)
            row[x] = packed(colourAt(x + 0.5, y + 0.5));
    }
    cairo_surface_mark_dirty(s);
}

// Draws `draw` at (x, y) and at every copy shifted by one tile, so shapes that
// cross an edge come back in on the other side.
template <typename Draw>
void wrapped(Canvas& c, double x, double y, double reach, Draw draw)
{
    const double w = c.width(), h = c.height();
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j)
        {
            const double px = x + i * w, py = y + j * h;
            if (px + reach < 0 || px - reach > w || py + reach < 0 || py - reach > h)
                continue;
            draw(px, py);
        }
}

// Stretches a small tile over the canvas with the pattern repeating, so the
// smoothing across an edge takes its pixels from the opposite edge.
void upscaleTile(Canvas& target, const Canvas& small)
{
    cairo_t* cr = target.cr();
    cairo_save(cr);
    cairo_scale(cr, double(target.width()) / small.width(), double(target.height()) / small.height());
    cairo_set_source_surface(cr, cairo_get_target(small.cr()), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_REPEAT);
    cairo_paint(cr);
    cairo_restore(cr);
}

struct BackgroundLook
{
    Rgba deep, mid, light, accent;
    enum Motif
    {
        Canopy,
        Rock,
        Embers
    } motif;
};

// The same grounds as the rooms' surroundings, so a room's picture melts into them.
BackgroundLook lookOf(const std::string& floor)
{
    if (floor == "sf")
        return {Rgba::rgb(4, 4, 10), Rgba::rgb(14, 16, 30), Rgba::rgb(34, 38, 64), Rgba::rgb(110, 240, 255),
                BackgroundLook::Rock};
    if (floor == "tf")
        return {Rgba::rgb(20, 4, 2), Rgba::rgb(60, 14, 6), Rgba::rgb(150, 50, 14), Rgba::rgb(255, 150, 50),
                BackgroundLook::Embers};
    if (floor == "Tu")
        return {Rgba::rgb(8, 16, 14), Rgba::rgb(28, 48, 34), Rgba::rgb(62, 92, 58), Rgba::rgb(230, 220, 160),
                BackgroundLook::Canopy};
    return {Rgba::rgb(8, 16, 14), Rgba::rgb(20, 38, 30), Rgba::rgb(44, 70, 50), Rgba::rgb(170, 230, 210),
            BackgroundLook::Canopy};
}

void paintBackground(Canvas& c, const std::string& floor)
{
    const BackgroundLook look = lookOf(floor);
    const std::uint32_t seed = hashString("background " + floor);
    const double w = c.width(), h = c.height();
    const int cellsX = 4;
    Canvas small(c.width() / 4, c.height() / 4);
    shade(small, [&](double x, double y) {
        x *= 4;
        y *= 4;
        const double broad = tileNoise(x, y, w, h, cellsX, seed, 4);
        const double fine = tileNoise(x, y, w, h, cellsX * 6, seed + 77, 2);
        double t = broad * 0.8 + fine * 0.3 - 0.08;
        if (look.motif == BackgroundLook::Embers)
        {
            const double seam = 1.0 - std::abs(tileNoise(x, y, w, h, 6, seed + 5, 3) - 0.5) * 2.0;
            t = std::max(t * 0.55, std::pow(seam, 7.0));
        }
        return ramp(look.deep, look.mid, look.light, t);
    });
    upscaleTile(c, small);

    Dice dice(seed + 1);
    const int count = static_cast<int>(w * h / (look.motif == BackgroundLook::Rock ? 26000.0 : 22000.0));
    for (int i = 0; i < count; ++i)
    {
        const double x = dice.range(0, w), y = dice.range(0, h), r = dice.range(50, 120);
        const std::uint32_t shape = seed + 10 + i;
        wrapped(c, x, y, r * 1.5, [&](double px, double py) {
            if (look.motif == BackgroundLook::Canopy)
            {
                softShadow(c, px + r * 0.25, py + r * 0.3, r, r * 0.9, 0.5);
                blobPath(c, px, py, r, r * 0.95, shape, 0.5, 14);
                c.fillRadial(px - r * 0.35, py - r * 0.4, r * 0.1, r * 1.2,
                             {{0, look.light.scaled(1.1)}, {0.5, look.mid}, {1, look.deep}});
                c.clearPath();
            }
            else if (look.motif == BackgroundLook::Rock)
            {
                softShadow(c, px + r * 0.2, py + r * 0.3, r, r * 0.8, 0.6);
                blobPath(c, px, py, r, r * 0.8, shape, 0.45, 10);
                c.fillRadial(px - r * 0.3, py - r * 0.4, r * 0.1, r * 1.2,
                             {{0, look.light}, {0.6, look.mid}, {1, look.deep}});
                c.stroke(kInk.alpha(0.6), 3);
                c.clearPath();
            }
            else
            {
                blobPath(c, px, py, r * 0.9, r * 0.8, shape, 0.35, 7);
                c.fillRadial(px - r * 0.3, py - r * 0.4, r * 0.1, r * 1.1,
                             {{0, Rgba::rgb(70, 50, 46)}, {0.6, Rgba::rgb(34, 24, 22)}, {1, Rgba::rgb(10, 6, 6)}});
                c.clearPath();
            }
        });
    }
    // Small lights: fireflies, fungus, embers.
    for (int i = 0; i < count / 2; ++i)
    {
        const double x = dice.range(0, w), y = dice.range(0, h), r = dice.range(2, 5);
        const double a = look.motif == BackgroundLook::Canopy ? 0.5 : 0.8;
        wrapped(c, x, y, r * 5, [&](double px, double py) {
            c.ellipse(px, py, r * 4, r * 4);
            c.fillRadial(px, py, 0, r * 4, {{0, look.accent.alpha(a * 0.5)}, {1, look.accent.alpha(0)}});
            c.clearPath();
            c.ellipse(px, py, r, r);
            c.fillColour(look.accent.mix(kHoly, 0.4).alpha(a));
            c.clearPath();
        });
    }
}

class BackgroundPainter : public PatternPainter
{
public:
    BackgroundPainter()
        : PatternPainter({R"(Assets/Sprites/Background_map/bg_(ff|sf|tf|Tu)\.png)",
                          R"(Assets/Sprites/Rooms/FirstFloor/mask\.png)", R"(Assets/Sprites/Rooms/SecondFloor/light\.png)"})
    {
    }
    std::string name() const override { return "backgrounds"; }
    int version() const override { return 3; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        const std::string stem = std::filesystem::path(path).stem().string();
        if (stem == "light")
        {
            // A soft white glow: lights are this picture, tinted and scaled. A bright
            // heart and a wide, faint skirt, so a light shows its surroundings well
            // beyond the spot it stands on.
            Canvas c(768, 768);
            c.ellipse(384, 384, 384, 384);
            c.fillRadial(384, 384, 0, 384,
                         {{0, kHoly.mix(Rgba{1, 1, 1, 1}, 0.8)}, {0.3, Rgba{1, 1, 1, 0.7}},
                          {0.55, Rgba{1, 1, 1, 0.3}}, {0.8, Rgba{1, 1, 1, 0.08}}, {1, Rgba{1, 1, 1, 0}}});
            c.clearPath();
            c.savePng(output);
            return;
        }
        if (stem == "mask")
        {
            // White in the middle fading to nothing at the rim: a soft vignette.
            Canvas c(256, 256);
            cairo_rectangle(c.cr(), 0, 0, 256, 256);
            c.fillRadial(128, 128, 40, 128, {{0, Rgba{1, 1, 1, 1}}, {0.7, Rgba{1, 1, 1, 0.5}}, {1, Rgba{1, 1, 1, 0}}});
            c.clearPath();
            c.savePng(output);
            return;
        }
        const std::string floor = stem.substr(3);
        // The third floor's background is drawn once over the whole window rather
        // than tiled, so it covers the window; it still tiles, as the others do.
        Canvas c(floor == "tf" ? 1920 : 1000, floor == "tf" ? 1080 : 1000);
        paintBackground(c, floor);
        c.savePng(output);
    }
};

RegisterPainter<BackgroundPainter> registration;
} // namespace
