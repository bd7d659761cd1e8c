// The rooms: every floor picture and every door gate, drawn from the room
// templates so that the ground a player sees is exactly the walkable outline,
// the pools, pits and lava are where the restricted zones are, and each gate
// stands in its doorway. First floor: a moonlit graveyard forest; second: dark
// damp caverns lit only by fungus (the game adds lights); third: a furnace of
// basalt and lava. Karma variants keep the layout: demonic rooms turn black and
// crimson, angelic ones white marble and pale gold.

#include "Canvas.h"
#include "Painter.h"
#include "PropArt.h"

#include "core/Polygon.h"
#include "core/RoomNameRegistry.h"
#include "world/RoomFile.h"
#include "world/RoomTextures.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <stdexcept>

namespace
{
using namespace palette;
using namespace propart;
using Points = std::vector<sf::Vector2f>;

// How far in from the picture's edges it fades into the background, and how
// far out from the floor's outline the ledge stays solid.
constexpr int kBorderFade = 140;
constexpr double kLedgeKeep = 80;

enum class Floor
{
    Forest,
    Cavern,
    Furnace,
    Tutorial
};
enum class Karma
{
    Plain,
    Bad,
    Good
};

Floor floorOf(const std::string& room)
{
    if (room.rfind("sf_", 0) == 0)
        return Floor::Cavern;
    if (room.rfind("tf_", 0) == 0)
        return Floor::Furnace;
    if (room.rfind("Tuto_", 0) == 0)
        return Floor::Tutorial;
    return Floor::Forest;
}

Karma karmaOf(const std::string& variant)
{
    if (variant == "bad")
        return Karma::Bad;
    if (variant == "good")
        return Karma::Good;
    return Karma::Plain;
}

// Every colour a room is painted with. Floors differ in material and light;
// karma recolours the same shapes.
struct Look
{
    Rgba outDeep, outMid, outLight; // the ground outside the walkable outline
    Rgba floorDark, floorMid, floorLight;
    Rgba joint;                        // between the floor's stones
    Rgba rimDark, rimMid, rimLight;    // the ledge framing the floor
    Rgba glow;                         // the accent light of the floor
    Rgba zoneDeep, zoneMid, zoneShine; // what fills a restricted zone
    Rgba ambient;                      // light laid over the whole picture
    double ambientStrength;
};

Look lookFor(Floor floor, Karma karma)
{
    Look l{};
    switch (floor)
    {
    case Floor::Forest:
    case Floor::Tutorial:
        l = {Rgba::rgb(8, 16, 14),  Rgba::rgb(20, 38, 30),    Rgba::rgb(44, 70, 50),    Rgba::rgb(46, 56, 58),
             Rgba::rgb(82, 96, 96), Rgba::rgb(128, 146, 142), Rgba::rgb(36, 56, 34),    Rgba::rgb(20, 24, 24),
             Rgba::rgb(58, 64, 62), Rgba::rgb(110, 122, 116), Rgba::rgb(170, 230, 210), Rgba::rgb(4, 10, 16),
             Rgba::rgb(18, 40, 50), Rgba::rgb(150, 200, 210), Rgba::rgb(120, 170, 200), 0.10};
        if (floor == Floor::Tutorial)
        {
            // The same woods on a gentler night: warmer stone, softer shadows.
            l.floorDark = Rgba::rgb(70, 66, 58);
            l.floorMid = Rgba::rgb(106, 100, 86);
            l.floorLight = Rgba::rgb(150, 144, 124);
            l.joint = Rgba::rgb(56, 78, 40);
            l.outMid = Rgba::rgb(28, 48, 34);
            l.outLight = Rgba::rgb(62, 92, 58);
            l.glow = Rgba::rgb(230, 220, 160);
            l.ambient = Rgba::rgb(220, 210, 170);
            l.ambientStrength = 0.08;
        }
        break;
    case Floor::Cavern:
        l = {Rgba::rgb(4, 4, 10),   Rgba::rgb(14, 16, 30),   Rgba::rgb(34, 38, 64),    Rgba::rgb(34, 38, 52),
             Rgba::rgb(58, 64, 84), Rgba::rgb(92, 100, 124), Rgba::rgb(14, 16, 26),    Rgba::rgb(10, 10, 20),
             Rgba::rgb(38, 40, 66), Rgba::rgb(84, 90, 130),  Rgba::rgb(110, 240, 255), Rgba::rgb(0, 0, 2),
             Rgba::rgb(6, 8, 20),   Rgba::rgb(80, 120, 200), Rgba::rgb(40, 60, 120),   0.12};
        break;
    case Floor::Furnace:
        l = {Rgba::rgb(20, 4, 2),     Rgba::rgb(60, 14, 6),     Rgba::rgb(150, 50, 14),  Rgba::rgb(44, 36, 34),
             Rgba::rgb(76, 64, 60),   Rgba::rgb(116, 100, 92),  Rgba::rgb(120, 36, 10),  Rgba::rgb(12, 8, 8),
             Rgba::rgb(36, 26, 24),   Rgba::rgb(90, 60, 50),    Rgba::rgb(255, 150, 50), Rgba::rgb(120, 20, 0),
             Rgba::rgb(240, 110, 20), Rgba::rgb(255, 230, 140), Rgba::rgb(255, 120, 40), 0.10};
        break;
    }
    if (karma == Karma::Bad)
    {
        l.outDeep = Rgba::rgb(6, 2, 3);
        l.outMid = Rgba::rgb(30, 6, 10);
        l.outLight = Rgba::rgb(80, 12, 20);
        l.floorDark = Rgba::rgb(30, 20, 24);
        l.floorMid = Rgba::rgb(58, 40, 46);
        l.floorLight = Rgba::rgb(94, 64, 70);
        l.joint = Rgba::rgb(120, 10, 22);
        l.rimDark = Rgba::rgb(6, 2, 4);
        l.rimMid = Rgba::rgb(28, 12, 16);
        l.rimLight = Rgba::rgb(90, 24, 30);
        l.glow = kCrimson;
        l.zoneDeep = Rgba::rgb(30, 0, 4);
        l.zoneMid = Rgba::rgb(110, 6, 18);
        l.zoneShine = Rgba::rgb(240, 90, 90);
        l.ambient = Rgba::rgb(160, 10, 20);
        l.ambientStrength = 0.12;
    }
    else if (karma == Karma::Good)
    {
        // Golden boughs and sunlit haze around a floor of white marble.
        l.outDeep = Rgba::rgb(70, 52, 26);
        l.outMid = Rgba::rgb(150, 116, 56);
        l.outLight = Rgba::rgb(236, 200, 120);
        l.floorDark = Rgba::rgb(176, 170, 156);
        l.floorMid = Rgba::rgb(218, 212, 196);
        l.floorLight = Rgba::rgb(250, 246, 234);
        l.joint = kGold;
        l.rimDark = Rgba::rgb(110, 96, 70);
        l.rimMid = Rgba::rgb(200, 186, 150);
        l.rimLight = Rgba::rgb(255, 248, 224);
        l.glow = kPaleGold;
        l.zoneDeep = Rgba::rgb(120, 150, 170);
        l.zoneMid = Rgba::rgb(200, 226, 236);
        l.zoneShine = kHoly;
        l.ambient = kHoly;
        l.ambientStrength = 0.10;
    }
    return l;
}

// ---------------------------------------------------------------------------
// Pixel access and low-resolution textures.

struct Pixels
{
    unsigned char* data;
    int stride, width, height;
};

Pixels pixelsOf(Canvas& c)
{
    cairo_surface_t* s = cairo_get_target(c.cr());
    cairo_surface_flush(s);
    return {cairo_image_surface_get_data(s), cairo_image_surface_get_stride(s), c.width(), c.height()};
}

void markDirty(Canvas& c)
{
    cairo_surface_mark_dirty(cairo_get_target(c.cr()));
}

std::uint32_t packed(const Rgba& colour)
{
    auto byte = [](double v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); };
    const double a = std::clamp(colour.a, 0.0, 1.0);
    return byte(a) << 24 | byte(colour.r * a) << 16 | byte(colour.g * a) << 8 | byte(colour.b * a);
}

// Fills the canvas pixel by pixel; the colour function gets picture coordinates
// (the canvas is `scale` times smaller than the picture).
template <typename ColourAt> void shade(Canvas& c, double scale, ColourAt colourAt)
{
    Pixels p = pixelsOf(c);
    for (int y = 0; y < p.height; ++y)
    {
        auto* row = reinterpret_cast<std::uint32_t*>(p.data + y * p.stride);
        for (int x = 0; x < p.width; ++x)
            row[x] = packed(colourAt((x + 0.5) * scale, (y + 0.5) * scale));
    }
    markDirty(c);
}

// Draws a smaller canvas stretched over this one, smoothly, edges padded.
void upscale(Canvas& target, const Canvas& small, double scale)
{
    cairo_t* cr = target.cr();
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, cairo_get_target(small.cr()), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_restore(cr);
}

Rgba ramp(const Rgba& a, const Rgba& b, const Rgba& c, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t < 0.5 ? a.mix(b, t * 2) : b.mix(c, (t - 0.5) * 2);
}

// ---------------------------------------------------------------------------
// Geometry of a template.

void outlinePath(cairo_t* cr, const Points& points)
{
    if (points.empty())
        return;
    cairo_move_to(cr, points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr, points[i].x, points[i].y);
    cairo_close_path(cr);
}

// Clips to the walkable floor (inside the outline, outside every restricted zone
// is not needed: zones are painted over the floor).
void clipInside(cairo_t* cr, const Points& outline)
{
    outlinePath(cr, outline);
    cairo_clip(cr);
}

void clipOutside(cairo_t* cr, const Points& outline, double w, double h)
{
    cairo_save(cr);
    cairo_rectangle(cr, -10, -10, w + 20, h + 20);
    outlinePath(cr, outline);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

sf::Vector2f directionVector(int direction)
{
    switch (direction)
    {
    case DOOR_LEFT:
        return {-1.f, 0.f};
    case DOOR_RIGHT:
        return {1.f, 0.f};
    case DOOR_TOP:
        return {0.f, -1.f};
    default:
        return {0.f, 1.f};
    }
}

// Where a door meets the outline and how wide its passage is.
struct Doorway
{
    sf::Vector2f edge;   // the point of the outline the door faces
    sf::Vector2f out;    // unit vector out of the room
    float width = 200.f; // the passage across
    int direction = DOOR_TOP;
};

Doorway doorwayOf(const Polygon& outline, const DoorRecord& door)
{
    Doorway d;
    d.direction = door.direction;
    d.out = directionVector(door.direction);
    sf::Vector2f p = door.position;
    if (!outline.contains(p))
    {
        d.edge = p;
        return d;
    }
    for (int step = 0; step < 400 && outline.contains(p + d.out * 2.f); ++step)
        p += d.out * 2.f;
    d.edge = p + d.out * 1.f;
    // Measure the passage a little inside the edge, across the door's axis.
    const sf::Vector2f across(-d.out.y, d.out.x);
    const sf::Vector2f probe = d.edge - d.out * 24.f;
    float a = 0.f, b = 0.f;
    while (a < 400.f && outline.contains(probe + across * (a + 2.f)))
        a += 2.f;
    while (b < 400.f && outline.contains(probe - across * (b + 2.f)))
        b += 2.f;
    d.width = std::clamp(a + b, 120.f, 320.f);
    // Centre the doorway in the passage rather than on the door's own axis.
    d.edge += across * ((a - b) / 2.f);
    return d;
}

struct Template
{
    RoomFile file;
    Polygon outline;
};

Template loadTemplate(const std::string& room)
{
    Template t{RoomFile::load(RoomFile::pathFor(room)), {}};
    t.outline = Polygon(t.file.boundaries);
    return t;
}

// ---------------------------------------------------------------------------
// The outside: woods, rock or basalt, never ground to walk on.

void paintOutside(Canvas& c, const Look& look, Floor floor, Karma karma, std::uint32_t seed)
{
    const double kScale = 4.0;
    const int w = c.width(), h = c.height();
    Canvas small(w / int(kScale) + 1, h / int(kScale) + 1);
    shade(small, kScale,
          [&](double x, double y)
          {
              const double broad = fractalNoise(x / 260.0, y / 260.0, seed, 4);
              const double fine = fractalNoise(x / 38.0, y / 38.0, seed + 17, 3);
              double t = broad * 0.75 + fine * 0.35 - 0.1;
              if (floor == Floor::Furnace && karma != Karma::Good)
              {
                  // Molten seams between the rocks glow through.
                  const double seam = 1.0 - std::abs(fractalNoise(x / 120.0, y / 120.0, seed + 5, 3) - 0.5) * 2.0;
                  t = std::max(t * 0.6, std::pow(seam, 6.0));
              }
              return ramp(look.outDeep, look.outMid, look.outLight, t);
          });
    upscale(c, small, kScale);

    // Large shapes filling the surroundings: canopies, boulders, rocks.
    cairo_t* cr = c.cr();
    Dice dice(seed + 3);
    const int count = static_cast<int>(w * h / (floor == Floor::Cavern ? 26000.0 : 22000.0));
    for (int i = 0; i < count; ++i)
    {
        const double x = dice.range(-60, w + 60), y = dice.range(-60, h + 60);
        const double r = dice.range(50, 120);
        if (floor == Floor::Forest || floor == Floor::Tutorial)
        {
            // A tree crown from above, lit by the moon from the upper left.
            softShadow(c, x + r * 0.25, y + r * 0.3, r * 1.05, r * 0.95, 0.55);
            blobPath(c, x, y, r, r * 0.95, seed + i, 0.5, 14);
            c.fillRadial(x - r * 0.35, y - r * 0.4, r * 0.1, r * 1.2,
                         {{0, look.outLight.scaled(1.15)}, {0.5, look.outMid}, {1, look.outDeep}});
            c.clearPath();
            for (int k = 0; k < 5; ++k)
            {
                const double a = dice.range(0, 2 * M_PI), d = dice.range(0.2, 0.6) * r;
                blobPath(c, x + std::cos(a) * d - r * 0.1, y + std::sin(a) * d - r * 0.1, r * 0.32, r * 0.3,
                         seed + i * 7 + k, 0.5, 9);
                c.fillColour(look.outLight.alpha(0.25));
                c.clearPath();
            }
        }
        else if (floor == Floor::Cavern)
        {
            softShadow(c, x + r * 0.2, y + r * 0.3, r, r * 0.8, 0.7);
            blobPath(c, x, y, r, r * 0.8, seed + i, 0.45, 10);
            c.fillRadial(x - r * 0.3, y - r * 0.4, r * 0.1, r * 1.2,
                         {{0, look.outLight}, {0.6, look.outMid}, {1, look.outDeep}});
            c.stroke(kInk.alpha(0.6), 3);
            c.clearPath();
            if (dice.uniform() < 0.45)
                for (int k = 0; k < 6; ++k)
                {
                    const double fx = x + dice.range(-r, r) * 0.8, fy = y + dice.range(-r, r) * 0.7;
                    const double fr = dice.range(3, 8);
                    c.ellipse(fx, fy, fr * 3, fr * 3);
                    c.fillRadial(fx, fy, 0, fr * 3, {{0, look.glow.alpha(0.35)}, {1, look.glow.alpha(0)}});
                    c.clearPath();
                    c.ellipse(fx, fy, fr, fr);
                    c.fillColour(look.glow.mix(kHoly, 0.4));
                    c.clearPath();
                }
        }
        else
        {
            // Basalt blocks floating on the melt (gilded rock in the angelic hall).
            const bool gilded = karma == Karma::Good;
            blobPath(c, x, y, r * 0.9, r * 0.8, seed + i, 0.35, 7);
            c.fillRadial(x - r * 0.3, y - r * 0.4, r * 0.1, r * 1.1,
                         {{0, gilded ? look.outLight : look.rimLight.scaled(0.9)},
                          {0.6, gilded ? look.outMid : look.rimMid},
                          {1, gilded ? look.outDeep : look.rimDark}});
            c.clearPath();
        }
    }
    (void)cr;
}

// ---------------------------------------------------------------------------
// The floor: flagstones, damp slabs or basalt columns.

// A stone's outline: a quadrilateral or (for basalt) a hexagon with its corners
// nudged, so the paving looks laid by hand.
void stonePath(cairo_t* cr, double cx, double cy, double rx, double ry, int corners, double jitter, Dice& dice)
{
    for (int i = 0; i < corners; ++i)
    {
        const double a = 2 * M_PI * (i + dice.range(-jitter, jitter)) / corners + (corners == 4 ? M_PI / 4 : M_PI / 6);
        const double k = corners == 4 ? M_SQRT2 * dice.range(0.92, 1.0) : dice.range(0.85, 1.05);
        double x = std::cos(a) * rx * k, y = std::sin(a) * ry * k;
        if (corners == 4)
            x = std::clamp(x, -rx, rx), y = std::clamp(y, -ry, ry);
        if (i == 0)
            cairo_move_to(cr, cx + x, cy + y);
        else
            cairo_line_to(cr, cx + x, cy + y);
    }
    cairo_close_path(cr);
}

struct Bounds
{
    double x0, y0, x1, y1;
};

Bounds boundsOf(const Points& points)
{
    Bounds b{1e9, 1e9, -1e9, -1e9};
    for (const auto& p : points)
        b = {std::min<double>(b.x0, p.x), std::min<double>(b.y0, p.y), std::max<double>(b.x1, p.x),
             std::max<double>(b.y1, p.y)};
    return b;
}

void paintFloor(Canvas& c, const Template& t, const Look& look, Floor floor, Karma karma, std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    const int w = c.width(), h = c.height();
    const double kScale = 4.0;
    const bool forest = floor == Floor::Forest || floor == Floor::Tutorial;
    const bool plain = karma == Karma::Plain;

    // What shows between and under the stones: earth and grass in the woods,
    // wet mud in the caves, glowing slag in the furnace.
    Rgba groundDark = look.joint.scaled(0.55), groundMid = look.joint, groundLight = look.joint.scaled(1.5);
    if (forest && plain)
        groundDark = Rgba::rgb(30, 24, 18), groundMid = Rgba::rgb(62, 52, 38), groundLight = Rgba::rgb(84, 92, 56);
    else if (karma == Karma::Bad)
        groundDark = Rgba::rgb(8, 3, 4), groundMid = Rgba::rgb(34, 8, 12), groundLight = Rgba::rgb(70, 12, 20);
    else if (floor == Floor::Cavern && plain)
        // Wet mud where the slabs are gone: darker than stone, never as dark as a pit.
        groundDark = Rgba::rgb(24, 26, 36), groundMid = Rgba::rgb(40, 44, 60), groundLight = Rgba::rgb(62, 68, 90);
    Canvas ground(w / int(kScale) + 1, h / int(kScale) + 1);
    shade(ground, kScale,
          [&](double x, double y)
          {
              const double n = fractalNoise(x / 140.0, y / 140.0, seed + 61, 4) * 0.8 +
                               fractalNoise(x / 16.0, y / 16.0, seed + 67, 2) * 0.3;
              return ramp(groundDark, groundMid, groundLight, n - 0.05);
          });
    Canvas stone(w / int(kScale) + 1, h / int(kScale) + 1);
    shade(stone, kScale,
          [&](double x, double y)
          {
              const double broad = fractalNoise(x / 300.0, y / 300.0, seed + 31, 4);
              const double fine = fractalNoise(x / 20.0, y / 20.0, seed + 37, 2);
              double v = broad * 0.8 + fine * 0.3 - 0.05;
              if (karma == Karma::Good)
              {
                  // Marble: soft veins of grey through the white.
                  const double vein =
                      std::abs(std::sin((x + y * 0.6) / 90.0 + fractalNoise(x / 160.0, y / 160.0, seed + 3, 3) * 9.0));
                  v = 0.55 + broad * 0.4 - std::pow(1.0 - vein, 10.0) * 0.5;
              }
              return ramp(look.floorDark, look.floorMid, look.floorLight, v);
          });

    cairo_save(cr);
    clipInside(cr, t.file.boundaries);
    upscale(c, ground, kScale);
    cairo_push_group(cr);
    upscale(c, stone, kScale);
    cairo_pattern_t* texture = cairo_pop_group(cr);

    const Bounds b = boundsOf(t.file.boundaries);
    Dice dice(seed + 41);
    const bool hex = floor == Floor::Furnace;
    const bool cave = floor == Floor::Cavern;
    const double cell = hex ? 72.0 : (cave ? 130.0 : 92.0);
    // Where the paving has worn away the ground shows (never in a marble hall).
    const double wornBelow = karma == Karma::Good ? -1 : forest ? 0.3 : cave ? 0.28 : -1;
    double y = b.y0 - cell * 0.5;
    int row = 0;
    while (y < b.y1 + cell)
    {
        const double rowH = hex ? cell * 0.87 : cell * dice.range(0.62, 0.95);
        double x = b.x0 - cell * (hex ? (row % 2) * 0.5 + 0.5 : dice.range(0.2, 0.9));
        while (x < b.x1 + cell)
        {
            const double sw = hex ? cell : cell * dice.range(0.6, 1.5);
            const double cx = x + sw / 2, cy = y + rowH / 2;
            x += sw;
            if (fractalNoise(cx / 260.0, cy / 260.0, seed + 99, 3) + dice.range(-0.06, 0.06) < wornBelow)
                continue;
            const double gap = hex ? 3.0 : (cave ? 5.0 : 3.5);
            if (hex)
                stonePath(cr, cx, cy, cell * 0.56 - gap, rowH * 0.66 - gap, 6, 0.06, dice);
            else if (cave)
                stonePath(cr, cx, cy, sw / 2 - gap, rowH / 2 - gap, dice.uniform() < 0.4 ? 5 : 4, 0.12, dice);
            else
                stonePath(cr, cx, cy, sw / 2 - gap, rowH / 2 - gap, 4, 0.05, dice);
            cairo_set_source(cr, texture);
            cairo_fill_preserve(cr);
            // Each stone a shade apart, lit from the upper left, its edges worn.
            const double shadeBy = dice.range(-0.14, 0.12);
            cairo_pattern_t* lit = cairo_pattern_create_linear(cx - sw / 2, cy - rowH / 2, cx + sw / 2, cy + rowH / 2);
            cairo_pattern_add_color_stop_rgba(lit, 0, 1, 1, 1, 0.10 + std::max(0.0, shadeBy));
            cairo_pattern_add_color_stop_rgba(lit, 0.5, 0, 0, 0, std::max(0.0, -shadeBy));
            cairo_pattern_add_color_stop_rgba(lit, 1, 0, 0, 0, 0.28);
            cairo_set_source(cr, lit);
            cairo_fill_preserve(cr);
            cairo_pattern_destroy(lit);
            c.stroke(kInk.alpha(0.45), 2);
            c.clearPath();
            if (!hex && dice.uniform() < 0.18)
            {
                // A crack across the stone.
                cairo_move_to(cr, cx + dice.range(-sw, sw) * 0.4, cy - rowH * 0.4);
                cairo_line_to(cr, cx + dice.range(-sw, sw) * 0.2, cy + dice.range(-0.1, 0.1) * rowH);
                cairo_line_to(cr, cx + dice.range(-sw, sw) * 0.4, cy + rowH * 0.4);
                c.stroke(kInk.alpha(0.5), 1.5);
                c.clearPath();
            }
        }
        y += rowH;
        ++row;
    }
    cairo_pattern_destroy(texture);

    // Ground detail: moss and grass in the forest, wet sheen in the caves,
    // ember-lit cracks in the furnace and the demonic halls.
    Dice detail(seed + 53);
    const double area = (b.x1 - b.x0) * (b.y1 - b.y0);
    if (forest && plain)
    {
        const int clumps = static_cast<int>(area / 9000.0);
        for (int i = 0; i < clumps; ++i)
        {
            const double x = detail.range(b.x0, b.x1), y = detail.range(b.y0, b.y1);
            const bool worn = fractalNoise(x / 260.0, y / 260.0, seed + 99, 3) < wornBelow + 0.08;
            if (worn)
            {
                // Grass blades in the bare earth.
                for (int k = 0; k < 7; ++k)
                {
                    const double bx = x + detail.range(-14, 14), by = y + detail.range(-6, 6);
                    cairo_move_to(cr, bx, by);
                    cairo_line_to(cr, bx + detail.range(-6, 6), by - detail.range(10, 20));
                }
                c.stroke(Rgba::rgb(90, 130, 70).scaled(detail.range(0.7, 1.2)).alpha(0.85), 2);
                c.clearPath();
            }
            else if (detail.uniform() < 0.25)
            {
                // Moss creeping over a stone: a few small dark tufts.
                for (int k = 0; k < 4; ++k)
                {
                    blobPath(c, x + detail.range(-14, 14), y + detail.range(-8, 8), detail.range(5, 12),
                             detail.range(4, 9), seed + 900 + i * 5 + k, 0.8, 8);
                    c.fillColour(Rgba::rgb(52, 84, 48).alpha(detail.range(0.45, 0.7)));
                    c.clearPath();
                }
            }
        }
    }
    else if (cave && plain)
    {
        for (int i = 0; i < area / 40000.0; ++i)
        {
            const double x = detail.range(b.x0, b.x1), y = detail.range(b.y0, b.y1);
            c.ellipse(x, y, detail.range(30, 80), detail.range(12, 30));
            c.fillRadial(x, y, 0, 80,
                         {{0, look.floorLight.mix(look.glow, 0.3).alpha(0.16)}, {1, look.floorLight.alpha(0)}});
            c.clearPath();
        }
    }
    else if (floor == Floor::Furnace || karma == Karma::Bad)
    {
        for (int i = 0; i < area / 120000.0; ++i)
        {
            double x = detail.range(b.x0, b.x1), y = detail.range(b.y0, b.y1);
            cairo_move_to(cr, x, y);
            for (int k = 0; k < 6; ++k)
            {
                x += detail.range(-30, 30);
                y += detail.range(-30, 30);
                cairo_line_to(cr, x, y);
            }
            c.glow(look.glow, 7, 4);
            c.stroke(look.glow.mix(kPaleGold, karma == Karma::Bad ? 0.0 : 0.4), 1.6);
            c.clearPath();
        }
    }
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------
// The ledge around the floor: it makes the outline read as the room's edge.
// Walls north of the floor show their face to the camera; the others only
// their tops.

void paintRim(Canvas& c, const Template& t, const Look& look, Floor floor, std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    const Points& outline = t.file.boundaries;
    // The floor sits lower than its surroundings: a soft shadow under the edge.
    cairo_save(cr);
    clipInside(cr, outline);
    for (int i = 0; i < 6; ++i)
    {
        outlinePath(cr, outline);
        c.stroke(kInk.alpha(0.09), 100 - i * 15);
        c.clearPath();
    }
    cairo_restore(cr);

    clipOutside(cr, outline, c.width(), c.height());
    outlinePath(cr, outline);
    c.stroke(look.rimDark.alpha(0.9), 120);
    c.clearPath();
    Dice dice(seed + 71);
    const std::size_t n = outline.size();
    const bool cave = floor == Floor::Cavern;
    const double faceHeight = cave ? 40 : 46, topDepth = cave ? 34 : 28;
    struct Edge
    {
        sf::Vector2f a, b;
        double ux, uy, nx, ny, length;
    };
    std::vector<Edge> edges;
    for (std::size_t i = 0; i < n; ++i)
    {
        const sf::Vector2f a = outline[i], b = outline[(i + 1) % n];
        const sf::Vector2f d = b - a;
        const double length = std::hypot(d.x, d.y);
        if (length < 1)
            continue;
        const double ux = d.x / length, uy = d.y / length;
        // Which side is outside: probe a point off the edge's middle.
        double nx = -uy, ny = ux;
        const sf::Vector2f mid = a + d * 0.5f;
        if (t.outline.contains(mid + sf::Vector2f(float(nx * 6), float(ny * 6))))
            nx = -nx, ny = -ny;
        edges.push_back({a, b, ux, uy, nx, ny, length});
    }
    auto block = [&](const Edge& e, double along, double length, double from, double depth, const Rgba& light,
                     const Rgba& dark, std::uint32_t shape)
    {
        const double cx = e.a.x + e.ux * along + e.nx * (from + depth / 2);
        const double cy = e.a.y + e.uy * along + e.ny * (from + depth / 2);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, std::atan2(e.uy, e.ux));
        if (cave)
            blobPath(c, 0, 0, length * 0.55, depth * 0.6, shape, 0.4, 8);
        else
            c.roundedRect(-length / 2, -depth / 2, length - 3, depth, floor == Floor::Furnace ? 3 : 6);
        cairo_restore(cr);
        c.fillRadial(cx - 8, cy - 10, 2, std::max(length, depth), {{0, light}, {1, dark}});
        c.stroke(kInk.alpha(0.85), 2.5);
        c.clearPath();
    };
    for (const Edge& e : edges)
    {
        const bool facing = e.ny < -0.5;
        double top = 0;
        if (facing)
        {
            // The wall's face, courses of stone darkening towards the floor.
            top = faceHeight;
            for (double s = -10; s < e.length + 10; s += 0)
            {
                const double bl = dice.range(44, 70);
                for (int course = 0; course < 2; ++course)
                {
                    const double along = s + bl / 2 + (course ? bl * 0.5 : 0);
                    const double shadeBy = dice.range(0.8, 1.1) * (course ? 0.75 : 1.0);
                    block(e, along, bl, course ? 0 : faceHeight / 2, faceHeight / 2, look.rimMid.scaled(shadeBy),
                          look.rimDark.scaled(shadeBy), seed + static_cast<std::uint32_t>(s * 13 + course));
                }
                s += bl;
            }
        }
        for (double s = -10; s < e.length + 10;)
        {
            const double bl = dice.range(36, 54);
            const double lit = dice.range(0.85, 1.2);
            block(e, s + bl / 2, bl, top, topDepth, look.rimLight.scaled(lit), look.rimMid.scaled(lit),
                  seed + 300 + static_cast<std::uint32_t>(s * 7));
            s += bl;
        }
    }
    // A lip of light where the ledge drops to the floor.
    outlinePath(cr, outline);
    c.stroke(look.rimLight.alpha(0.5), 4);
    c.clearPath();
    if (floor == Floor::Forest || floor == Floor::Tutorial)
    {
        // Moss and ivy spilling over the stones.
        for (const Edge& e : edges)
            for (int k = 0; k < e.length / 60; ++k)
            {
                const double f = dice.uniform() * e.length, off = dice.range(4, 60);
                blobPath(c, e.a.x + e.ux * f + e.nx * off, e.a.y + e.uy * f + e.ny * off, dice.range(10, 26),
                         dice.range(8, 18), seed + 500 + static_cast<std::uint32_t>(f + k), 0.7, 9);
                c.fillColour(look.outLight.mix(look.glow, 0.15).alpha(0.75));
                c.clearPath();
            }
    }
    else if (cave)
    {
        // Fungus clinging to the foot of the rock, the caves' only light.
        for (const Edge& e : edges)
            for (int k = 0; k < e.length / 140; ++k)
            {
                const double f = dice.uniform() * e.length, off = dice.range(4, 30);
                const double fx = e.a.x + e.ux * f + e.nx * off, fy = e.a.y + e.uy * f + e.ny * off;
                c.ellipse(fx, fy, 30, 30);
                c.fillRadial(fx, fy, 0, 30, {{0, look.glow.alpha(0.35)}, {1, look.glow.alpha(0)}});
                c.clearPath();
                for (int m = 0; m < 4; ++m)
                {
                    c.ellipse(fx + dice.range(-10, 10), fy + dice.range(-10, 10), dice.range(2.5, 5),
                              dice.range(2.5, 5));
                    c.fillColour(look.glow.mix(kHoly, 0.35));
                    c.clearPath();
                }
            }
    }
    else if (floor == Floor::Furnace)
    {
        outlinePath(cr, outline);
        c.glow(look.glow, 14, 5);
        c.clearPath();
    }
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------
// Restricted zones: water, chasms, lava, blood or light, never walkable ground.

void paintZones(Canvas& c, const Template& t, const Look& look, Floor floor, Karma karma, std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    for (std::size_t z = 0; z < t.file.restricted.size(); ++z)
    {
        const Points& zone = t.file.restricted[z];
        if (zone.size() < 3)
            continue;
        double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
        for (const auto& p : zone)
            minX = std::min<double>(minX, p.x), minY = std::min<double>(minY, p.y), maxX = std::max<double>(maxX, p.x),
            maxY = std::max<double>(maxY, p.y);
        const double cx = (minX + maxX) / 2, cy = (minY + maxY) / 2;
        const double r = std::max(maxX - minX, maxY - minY) / 2;
        // Bank: a dark band just outside the zone.
        outlinePath(cr, zone);
        c.stroke(look.rimDark.alpha(0.9), 22);
        c.stroke(look.rimMid, 10);
        cairo_save(cr);
        cairo_clip(cr);
        const bool glowing = (floor == Floor::Furnace && karma != Karma::Good) || karma == Karma::Good;
        cairo_rectangle(cr, minX - 20, minY - 20, maxX - minX + 40, maxY - minY + 40);
        c.fillRadial(cx, cy, 0, r * 1.2,
                     glowing ? std::vector<GradientStop>{{0, look.zoneShine}, {0.5, look.zoneMid}, {1, look.zoneDeep}}
                             : std::vector<GradientStop>{
                                   {0, look.zoneDeep}, {0.7, look.zoneMid.mix(look.zoneDeep, 0.4)}, {1, look.zoneMid}});
        c.clearPath();
        // The inside edge drops away: a shadow hugging the bank.
        for (int i = 0; i < 4; ++i)
        {
            outlinePath(cr, zone);
            c.stroke(kInk.alpha(floor == Floor::Cavern ? 0.3 : 0.15), 50 - i * 12);
            c.clearPath();
        }
        Dice dice(seed + 800 + static_cast<std::uint32_t>(z));
        for (int i = 0; i < 14; ++i)
        {
            const double x = dice.range(minX, maxX), y = dice.range(minY, maxY);
            if (glowing)
            {
                // Crusts drifting on the melt.
                blobPath(c, x, y, dice.range(10, 30), dice.range(8, 20), seed + 850 + i, 0.6, 8);
                c.fillColour(look.zoneDeep.scaled(0.5).alpha(karma == Karma::Good ? 0.15 : 0.7));
                c.clearPath();
            }
            else
            {
                c.ellipse(x, y, dice.range(20, 60), dice.range(3, 7));
                c.fillColour(look.zoneShine.alpha(floor == Floor::Cavern ? 0.05 : 0.16));
                c.clearPath();
            }
        }
        cairo_restore(cr);
        outlinePath(cr, zone);
        if (glowing)
            c.glow(look.zoneShine, 16, 5);
        c.stroke(kInk.alpha(0.7), 3);
        c.clearPath();
    }
}

// ---------------------------------------------------------------------------
// Doorways: the ledge opens where each door stands.

void paintDoorways(Canvas& c, const Template& t, const Look& look)
{
    cairo_t* cr = c.cr();
    for (const DoorRecord& door : t.file.doors)
    {
        const Doorway d = doorwayOf(t.outline, door);
        const sf::Vector2f across(-d.out.y, d.out.x);
        const double half = d.width / 2;
        const sf::Vector2f a = d.edge - across * float(half) - d.out * 4.f;
        const sf::Vector2f b = d.edge + across * float(half) - d.out * 4.f;
        const sf::Vector2f far = d.out * 140.f;
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        cairo_line_to(cr, b.x + far.x, b.y + far.y);
        cairo_line_to(cr, a.x + far.x, a.y + far.y);
        cairo_close_path(cr);
        c.fillLinear(d.edge.x, d.edge.y, d.edge.x + far.x, d.edge.y + far.y,
                     {{0, look.floorDark}, {0.5, look.floorDark.scaled(0.45)}, {1, kInk}});
        c.clearPath();
        // Threshold stones under the gate.
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        c.stroke(look.rimLight.alpha(0.7), 6);
        c.clearPath();
    }
}

// ---------------------------------------------------------------------------
// Karma marks and light.

sf::Vector2f centreOf(const Template& t)
{
    // The middle of the floor's bounding box, nudged inside the outline if needed.
    float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
    for (const auto& p : t.file.boundaries)
        minX = std::min(minX, p.x), minY = std::min(minY, p.y), maxX = std::max(maxX, p.x), maxY = std::max(maxY, p.y);
    sf::Vector2f c((minX + maxX) / 2, (minY + maxY) / 2);
    for (int i = 0; i < 40 && !t.outline.contains(c); ++i)
        c.y += 20.f;
    return c;
}

bool inAnyZone(const Template& t, sf::Vector2f p)
{
    for (const auto& zone : t.file.restricted)
        if (Polygon(zone).contains(p))
            return true;
    return false;
}

// The boss's arena: a wide ring of runes set into the floor, in the floor's light.
void paintArena(Canvas& c, const Template& t, const Look& look, std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    const sf::Vector2f centre = centreOf(t);
    const Bounds b = boundsOf(t.file.boundaries);
    const double r = std::min(b.x1 - b.x0, b.y1 - b.y0) * 0.3;
    cairo_save(cr);
    clipInside(cr, t.file.boundaries);
    c.ellipse(centre.x, centre.y, r * 1.3, r * 1.3);
    c.fillRadial(centre.x, centre.y, r * 0.5, r * 1.3,
                 {{0, look.glow.alpha(0.0)}, {0.75, look.glow.alpha(0.10)}, {1, look.glow.alpha(0)}});
    c.clearPath();
    for (double k : {1.0, 0.9})
    {
        c.ellipse(centre.x, centre.y, r * k, r * k);
        c.stroke(kInk.alpha(0.6), 12);
        c.glow(look.glow, 10, 4);
        c.stroke(look.rimLight.mix(look.glow, 0.4), 4);
        c.clearPath();
    }
    Dice dice(seed + 1700);
    for (int i = 0; i < 24; ++i)
    {
        // A rune between the rings: a few strokes of a made-up script.
        const double a = i * 2 * M_PI / 24, rr = r * 0.95;
        const double x = centre.x + std::cos(a) * rr, y = centre.y + std::sin(a) * rr;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a + M_PI / 2);
        for (int k = 0; k < 3; ++k)
        {
            cairo_move_to(cr, dice.range(-8, 8), dice.range(-9, 9));
            cairo_line_to(cr, dice.range(-8, 8), dice.range(-9, 9));
        }
        cairo_restore(cr);
        c.glow(look.glow, 6, 3);
        c.stroke(look.glow.mix(kHoly, 0.3), 2.5);
        c.clearPath();
    }
    cairo_restore(cr);
}

void paintKarma(Canvas& c, const Template& t, const Look& look, Karma karma, std::uint32_t seed)
{
    if (karma == Karma::Plain)
        return;
    cairo_t* cr = c.cr();
    cairo_save(cr);
    clipInside(cr, t.file.boundaries);
    Dice dice(seed + 1200);
    const int w = c.width(), h = c.height();
    if (karma == Karma::Bad)
    {
        // Blood-red veins crawling over the stone.
        for (int i = 0; i < w * h / 90000; ++i)
        {
            double x = dice.range(0, w), y = dice.range(0, h);
            cairo_move_to(cr, x, y);
            double a = dice.range(0, 2 * M_PI);
            for (int k = 0; k < 10; ++k)
            {
                a += dice.range(-0.7, 0.7);
                x += std::cos(a) * 30;
                y += std::sin(a) * 30;
                cairo_line_to(cr, x, y);
            }
            c.glow(kCrimson, 8, 4);
            c.stroke(kBlood.mix(kCrimson, 0.6), 2.5);
            c.clearPath();
        }
    }
    // A sigil worked into the middle of the floor.
    const sf::Vector2f centre = centreOf(t);
    if (!inAnyZone(t, centre))
    {
        const double r = std::min(w, h) * 0.13;
        c.ellipse(centre.x, centre.y, r * 1.6, r * 1.6);
        c.fillRadial(centre.x, centre.y, r * 0.2, r * 1.6,
                     {{0, look.glow.alpha(karma == Karma::Bad ? 0.25 : 0.35)}, {1, look.glow.alpha(0)}});
        c.clearPath();
        c.ellipse(centre.x, centre.y, r, r);
        c.ellipse(centre.x, centre.y, r * 0.86, r * 0.86);
        const Rgba line = karma == Karma::Bad ? kCrimson : kGold;
        c.glow(line, 10, 5);
        c.stroke(line, 4);
        c.clearPath();
        if (karma == Karma::Bad)
            pentagramPath(c, centre.x, centre.y, r * 0.84, M_PI);
        else
            for (int i = 0; i < 8; ++i)
            {
                const double a = i * M_PI / 4;
                cairo_move_to(cr, centre.x + std::cos(a) * r * 0.2, centre.y + std::sin(a) * r * 0.2);
                cairo_line_to(cr, centre.x + std::cos(a) * r * 0.84, centre.y + std::sin(a) * r * 0.84);
            }
        c.glow(line, 8, 4);
        c.stroke(line.mix(karma == Karma::Bad ? kInk : kHoly, 0.2), 3);
        c.clearPath();
    }
    cairo_restore(cr);
}

void paintLight(Canvas& c, const Look& look, Floor floor, std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    const int w = c.width(), h = c.height();
    // One wash of the floor's light from the upper left, darkness to the lower right.
    cairo_rectangle(cr, 0, 0, w, h);
    c.fillLinear(0, 0, w, h,
                 {{0, look.ambient.alpha(look.ambientStrength)},
                  {0.55, look.ambient.alpha(0)},
                  {1, kInk.alpha(floor == Floor::Cavern ? 0.45 : 0.25)}});
    c.clearPath();
    if (floor == Floor::Forest || floor == Floor::Tutorial)
    {
        // Moonbeams through the canopy.
        Dice dice(seed + 1500);
        for (int i = 0; i < w * h / 700000 + 1; ++i)
        {
            const double x = dice.range(w * 0.1, w * 0.9), y = dice.range(h * 0.1, h * 0.9);
            const double r = dice.range(160, 320);
            c.ellipse(x, y, r, r * 0.8);
            c.fillRadial(x, y, 0, r, {{0, look.glow.alpha(0.10)}, {1, look.glow.alpha(0)}});
            c.clearPath();
        }
    }
    if (floor == Floor::Cavern)
    {
        cairo_rectangle(cr, 0, 0, w, h);
        c.fillRadial(w / 2.0, h / 2.0, std::min(w, h) * 0.3, std::hypot(w, h) / 2,
                     {{0, kInk.alpha(0)}, {1, kInk.alpha(0.5)}});
        c.clearPath();
    }
}

// The picture's rim melts into the floor background drawn around it, so the
// room does not end in a hard rectangle; the floor and its ledge never fade.
void fadeBorder(Canvas& c, const Points& outline, int width)
{
    Canvas mask(c.width(), c.height());
    Pixels p = pixelsOf(mask);
    for (int y = 0; y < p.height; ++y)
    {
        auto* row = reinterpret_cast<std::uint32_t*>(p.data + y * p.stride);
        for (int x = 0; x < p.width; ++x)
        {
            const int d = std::min({x, p.width - 1 - x, y, p.height - 1 - y});
            double t = std::min(1.0, (d + 0.5) / width);
            t = t * t * (3 - 2 * t);
            row[x] = packed(Rgba{1, 1, 1, t});
        }
    }
    markDirty(mask);
    cairo_t* m = mask.cr();
    outlinePath(m, outline);
    cairo_set_source_rgba(m, 1, 1, 1, 1);
    cairo_fill_preserve(m);
    cairo_set_line_width(m, kLedgeKeep * 2);
    cairo_stroke(m);

    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    cairo_set_source_surface(cr, cairo_get_target(m), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------
// The gates.

// A gate as it stands in a Top doorway (opening towards y = 0), w across and h deep;
// the other directions turn it. The frame is opaque; the gate it closes (bars,
// seal and the dark behind them) is slightly translucent, which is how the
// opening-door shader tells what dissolves from what stays.
constexpr double kGateOpacity = 0.94;

void paintGate(Canvas& c, double w, double h, Floor floor, const Look& look, std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    const double pillar = w * 0.16;
    const double inner0 = pillar, inner1 = w - pillar;
    const double lintel = h * 0.16;
    const double base = h * 0.86;

    // Everything that closes the passage is drawn as one layer laid down at 94 %
    // opacity: the shader dissolves those pixels and keeps the opaque frame.
    cairo_push_group(cr);
    // The closed passage: darkness seen through the bars.
    cairo_rectangle(cr, inner0, lintel * 0.6, inner1 - inner0, h - lintel * 0.6);
    c.fillLinear(0, 0, 0, h,
                 {{0, kInk.alpha(0.95)}, {0.75, look.floorDark.scaled(0.4).alpha(0.7)}, {1, kInk.alpha(0.05)}});
    c.clearPath();
    // Bars and cross-bands.
    const Rgba metal = floor == Floor::Furnace ? Rgba::rgb(60, 40, 36) : Rgba::rgb(54, 58, 64);
    const Rgba metalLight = floor == Floor::Furnace ? Rgba::rgb(180, 90, 50) : Rgba::rgb(150, 160, 170);
    const int bars = std::max(4, static_cast<int>((inner1 - inner0) / 26));
    for (int i = 0; i < bars; ++i)
    {
        const double x = inner0 + (i + 0.5) * (inner1 - inner0) / bars;
        cairo_rectangle(cr, x - 4.5, lintel * 0.6, 9, base - lintel * 0.6);
        c.fillLinear(x - 4.5, 0, x + 4.5, 0,
                     {{0, metalLight.alpha(0.96)}, {0.4, metal.alpha(0.96)}, {1, kInk.alpha(0.96)}});
        c.clearPath();
        // Spear points where each bar ends under the lintel.
        cairo_move_to(cr, x - 6, base - 4);
        cairo_line_to(cr, x, base + 8);
        cairo_line_to(cr, x + 6, base - 4);
        cairo_close_path(cr);
        c.fillColour(metalLight.alpha(0.96));
        c.clearPath();
    }
    for (double y : {h * 0.35, h * 0.66})
    {
        cairo_rectangle(cr, inner0, y - 5, inner1 - inner0, 10);
        c.fillLinear(0, y - 5, 0, y + 5, {{0, metalLight.alpha(0.96)}, {1, metal.scaled(0.6).alpha(0.96)}});
        c.clearPath();
    }
    // The seal holding it shut, glowing in the floor's colour.
    const double sx = w / 2, sy = h * 0.5, sr = std::min(w, h) * 0.14;
    c.ellipse(sx, sy, sr * 1.8, sr * 1.8);
    c.fillRadial(sx, sy, 0, sr * 1.8, {{0, look.glow.alpha(0.6)}, {1, look.glow.alpha(0)}});
    c.clearPath();
    c.ellipse(sx, sy, sr, sr);
    c.fillRadial(sx - sr * 0.3, sy - sr * 0.3, 0, sr,
                 {{0, kHoly.alpha(0.96)}, {0.4, look.glow.alpha(0.96)}, {1, look.glow.scaled(0.4).alpha(0.96)}});
    c.stroke(kInk.alpha(0.9), 3);
    c.clearPath();
    pentagramPath(c, sx, sy, sr * 0.7, 0);
    c.stroke(kInk.alpha(0.85), 2.5);
    c.clearPath();
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, kGateOpacity);

    // The frame: two pillars and a lintel of the floor's stone, fully opaque.
    const Rgba stone = look.rimMid, stoneLight = look.rimLight, stoneDark = look.rimDark;
    for (double x0 : {0.0, inner1})
    {
        c.roundedRect(x0 + 2, 2, pillar - 4, h - 4, 6);
        c.fillLinear(x0, 0, x0 + pillar, 0, {{0, stoneLight}, {0.5, stone}, {1, stoneDark}});
        c.stroke(kInk, 4);
        c.clearPath();
        // Courses of the pillar.
        for (double y = h * 0.22; y < h - 10; y += h * 0.2)
        {
            cairo_move_to(cr, x0 + 6, y);
            cairo_line_to(cr, x0 + pillar - 6, y);
            c.stroke(stoneDark.alpha(1.0), 2);
            c.clearPath();
        }
        // A capstone.
        c.roundedRect(x0 - 2, 0, pillar + 4, h * 0.16, 5);
        c.fillLinear(0, 0, 0, h * 0.16, {{0, stoneLight.scaled(1.15)}, {1, stone}});
        c.stroke(kInk, 3);
        c.clearPath();
    }
    c.roundedRect(pillar - 6, 0, w - 2 * pillar + 12, lintel, 4);
    c.fillLinear(0, 0, 0, lintel, {{0, stoneLight.scaled(1.1)}, {1, stoneDark}});
    c.stroke(kInk, 3);
    c.clearPath();
    // A keystone with the floor's mark.
    c.roundedRect(w / 2 - lintel * 0.5, -2 + 2, lintel, lintel, 4);
    c.fillLinear(0, 0, 0, lintel, {{0, stoneLight.scaled(1.2)}, {1, stone}});
    c.stroke(kInk, 3);
    c.clearPath();
    c.ellipse(w / 2, lintel * 0.5, lintel * 0.2, lintel * 0.2);
    c.fillColour(look.glow);
    c.clearPath();
    // The floor's own touch on the stone: ivy, glowing fungus or embers.
    Dice dice(seed + 2000);
    for (double x0 : {0.0, inner1})
    {
        if (floor == Floor::Forest || floor == Floor::Tutorial)
            for (int i = 0; i < 7; ++i)
            {
                const double lx = x0 + dice.range(0.1, 0.9) * pillar, ly = dice.range(0.2, 0.95) * h;
                blobPath(c, lx, ly, dice.range(4, 8), dice.range(3, 6), seed + 2100 + i, 0.6, 7);
                c.stroke(kInk.alpha(0.6), 1.5);
                c.fillColour(Rgba::rgb(60, 104, 56).scaled(dice.range(0.8, 1.3)));
                c.clearPath();
            }
        else if (floor == Floor::Cavern)
            for (int i = 0; i < 5; ++i)
            {
                const double fx = x0 + dice.range(0.2, 0.8) * pillar, fy = dice.range(0.5, 0.95) * h;
                c.ellipse(fx, fy, 8, 8);
                c.fillRadial(fx, fy, 0, 8, {{0, look.glow.alpha(0.5)}, {1, look.glow.alpha(0)}});
                c.clearPath();
                c.ellipse(fx, fy, 2.5, 2.5);
                c.fillColour(look.glow.mix(kHoly, 0.4));
                c.clearPath();
            }
        else
        {
            double cx = x0 + pillar * 0.5, cy = h * 0.2;
            cairo_move_to(cr, cx, cy);
            while (cy < h * 0.9)
            {
                cx = std::clamp(cx + dice.range(-5, 5), x0 + 5, x0 + pillar - 5);
                cy += dice.range(6, 12);
                cairo_line_to(cr, cx, cy);
            }
            c.glow(look.glow, 5, 3);
            c.stroke(look.glow.mix(kPaleGold, 0.3), 1.5);
            c.clearPath();
        }
    }
}

// ---------------------------------------------------------------------------

struct PictureInfo
{
    std::string room;
    std::string variant;
};
struct DoorInfo
{
    std::string room;
    int direction;
};

const std::map<std::string, PictureInfo>& picturesByFile()
{
    static const std::map<std::string, PictureInfo> byFile = []
    {
        std::map<std::string, PictureInfo> m;
        for (const auto& p : RoomTextures::pictures({0, 1, 2, 96}))
            m[p.file] = {p.room, p.variant};
        return m;
    }();
    return byFile;
}

const std::map<std::string, DoorInfo>& doorsByFile()
{
    static const std::map<std::string, DoorInfo> byFile = []
    {
        std::map<std::string, DoorInfo> m;
        for (const auto& d : RoomTextures::doorPictures({0, 1, 2, 96}))
            m[d.file] = {d.room, d.direction};
        return m;
    }();
    return byFile;
}

class RoomPainter : public PatternPainter
{
public:
    RoomPainter()
        : PatternPainter(
              {R"(Assets/Sprites/Rooms/(FirstFloor|SecondFloor|ThirdFloor|Tutorial)/(ff|sf|tf|Tuto)_[A-Za-z0-9_]+\.png)"})
    {
    }
    std::string name() const override { return "rooms"; }
    int version() const override { return 1; }
    std::vector<std::string> inputs(const std::string& path) const override
    {
        auto it = picturesByFile().find(path);
        if (it == picturesByFile().end())
            return {};
        return {RoomFile::pathFor(it->second.room)};
    }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        auto it = picturesByFile().find(path);
        if (it == picturesByFile().end())
            throw std::runtime_error("no room template names this picture");
        const Template t = loadTemplate(it->second.room);
        const sf::Vector2u size = t.file.pictureSize();
        const Floor floor = floorOf(t.file.name);
        const Karma karma = karmaOf(it->second.variant);
        const Look look = lookFor(floor, karma);
        const std::uint32_t seed = seedOf(t.file.name);

        Canvas c(static_cast<int>(size.x), static_cast<int>(size.y));
        paintOutside(c, look, floor, karma, seed);
        paintFloor(c, t, look, floor, karma, seed);
        paintZones(c, t, look, floor, karma, seed);
        paintRim(c, t, look, floor, seed);
        paintDoorways(c, t, look);
        if (t.file.type == ROOM_BOSS && karma == Karma::Plain)
            paintArena(c, t, look, seed);
        paintKarma(c, t, look, karma, seed);
        paintLight(c, look, floor, seed);
        fadeBorder(c, t.file.boundaries, kBorderFade);
        c.savePng(output);
    }
};

class DoorPainter : public PatternPainter
{
public:
    DoorPainter()
        : PatternPainter(
              {R"(Assets/Sprites/Rooms/(FirstFloor|SecondFloor|ThirdFloor|Tutorial)/Doors/[A-Za-z0-9_]+_[0-3]\.png)"})
    {
    }
    std::string name() const override { return "doors"; }
    int version() const override { return 1; }
    std::vector<std::string> inputs(const std::string& path) const override
    {
        auto it = doorsByFile().find(path);
        if (it == doorsByFile().end())
            return {};
        return {RoomFile::pathFor(it->second.room)};
    }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        auto it = doorsByFile().find(path);
        if (it == doorsByFile().end())
            throw std::runtime_error("no room template has this door");
        const Template t = loadTemplate(it->second.room);
        const int direction = it->second.direction;
        // The widest doorway of that direction sets the gate's span.
        double across = 150;
        for (const DoorRecord& door : t.file.doors)
            if (door.direction == direction)
                across = std::max<double>(across, doorwayOf(t.outline, door).width + 56);
        across = std::min(across, 260.0);
        const double deep = across * 0.62;
        const Floor floor = floorOf(t.file.name);
        const Look look = lookFor(floor, Karma::Plain);

        Canvas gate(static_cast<int>(across), static_cast<int>(deep));
        paintGate(gate, across, deep, floor, look, seedOf(t.file.name));
        const bool sideways = direction == DOOR_LEFT || direction == DOOR_RIGHT;
        Canvas c(static_cast<int>(sideways ? deep : across), static_cast<int>(sideways ? across : deep));
        cairo_t* cr = c.cr();
        cairo_translate(cr, c.width() / 2.0, c.height() / 2.0);
        // The gate's top faces out of the room.
        const double angle = direction == DOOR_BOTTOM  ? M_PI
                             : direction == DOOR_LEFT  ? -M_PI / 2
                             : direction == DOOR_RIGHT ? M_PI / 2
                                                       : 0.0;
        cairo_rotate(cr, angle);
        cairo_translate(cr, -across / 2, -deep / 2);
        cairo_set_source_surface(cr, cairo_get_target(gate.cr()), 0, 0);
        cairo_paint(cr);
        cairo_identity_matrix(cr);
        c.savePng(output);
    }
};

RegisterPainter<RoomPainter> roomRegistration;
RegisterPainter<DoorPainter> doorRegistration;
} // namespace
