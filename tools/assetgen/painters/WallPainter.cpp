// Free-standing wall pieces laid over the room pictures: mossy masonry on the
// first floor, cave rock on the second (with its karma pairs: black stone veined
// in crimson for the demonic side, pale marble trimmed in gold for the angelic),
// obsidian split by embers on the third. Also the first floor's wall masks.

#include "Canvas.h"
#include "Painter.h"
#include "PropArt.h"

#include "world/RoomFile.h"
#include "world/Wall.h"
#include "world/WallRegistry.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace
{
using namespace palette;
using namespace propart;

constexpr unsigned kMaskDivisor = 4;

// The registered wall a picture file belongs to ("Assets/Sprites/Walls/ff_norm4_1.png"
// -> "ff_norm4_wall_1"; both sides of a karma wall give the wall's own name).
std::string wallOf(const std::string& path)
{
    for (const std::string& name : WallRegistry::singleWallNames())
        if (WallRegistry::textureFile(name) == path)
            return name;
    for (const std::string& name : WallRegistry::karmaWallNames())
        for (const char* side : {"_e", "_g"})
            if (WallRegistry::textureFile(name + side) == path)
                return name;
    throw std::runtime_error("no registered wall is painted as " + path);
}

// "ff_norm4_wall_1" -> "ff_norm4": every wall is painted for one room.
std::string roomOf(const std::string& wall)
{
    return wall.substr(0, wall.find("_wall"));
}

struct WallStyle
{
    Rgba top, face, faceDark, mortar, accent;
    bool glowingCracks;
    bool moss;
    bool gilded;
};

WallStyle styleFor(const std::string& stem)
{
    const bool evil = stem.size() > 2 && stem.compare(stem.size() - 2, 2, "_e") == 0;
    const bool good = stem.size() > 2 && stem.compare(stem.size() - 2, 2, "_g") == 0;
    if (evil)
        return {Rgba::rgb(60, 22, 26), Rgba::rgb(34, 14, 18), Rgba::rgb(8, 4, 6), kInk, kCrimson, true, false, false};
    if (good)
        return {Rgba::rgb(250, 244, 226),
                Rgba::rgb(214, 204, 184),
                Rgba::rgb(140, 128, 110),
                Rgba::rgb(170, 150, 110),
                kGold,
                false,
                false,
                true};
    if (stem.rfind("ff_", 0) == 0)
        return {Rgba::rgb(120, 120, 110),
                Rgba::rgb(84, 82, 78),
                Rgba::rgb(36, 36, 36),
                Rgba::rgb(24, 24, 22),
                forest().mid,
                false,
                true,
                false};
    if (stem.rfind("sf_", 0) == 0)
        return {Rgba::rgb(92, 96, 130),
                Rgba::rgb(56, 58, 90),
                Rgba::rgb(18, 18, 34),
                Rgba::rgb(10, 10, 20),
                cavern().glow,
                false,
                false,
                false};
    return {Rgba::rgb(60, 46, 50), Rgba::rgb(36, 24, 28), Rgba::rgb(10, 6, 8), kInk, kEmber, true, false, false};
}

// A wall segment from above and a little in front: a capped top and a face of
// courses of stone, w × h, its shape seeded by the wall's name (both karma sides share it).
void wall(Canvas& c, double w, double h, const WallStyle& s, std::uint32_t shapeSeed)
{
    cairo_t* cr = c.cr();
    Dice dice(shapeSeed);
    const double topH = h * 0.38, faceBottom = h * 0.9;
    softShadow(c, w / 2 + 10, faceBottom, w * 0.52, h * 0.1, 0.6);
    // Ragged skyline of the top.
    std::vector<std::pair<double, double>> skyline;
    const int teeth = 8;
    for (int i = 0; i <= teeth; ++i)
        skyline.push_back({w * 0.03 + i * w * 0.94 / teeth, h * 0.06 + dice.range(0, h * 0.06)});
    // Face.
    cairo_move_to(cr, w * 0.03, topH);
    cairo_line_to(cr, w * 0.97, topH);
    cairo_line_to(cr, w * 0.97, faceBottom);
    cairo_line_to(cr, w * 0.03, faceBottom);
    cairo_close_path(cr);
    c.stroke(kInk, 6);
    c.fillLinear(0, topH, 0, faceBottom, {{0, s.face}, {1, s.faceDark}});
    c.clearPath();
    cairo_save(cr);
    cairo_rectangle(cr, w * 0.03, topH, w * 0.94, faceBottom - topH);
    cairo_clip(cr);
    const int courses = 4;
    for (int row = 0; row < courses; ++row)
    {
        const double y0 = topH + row * (faceBottom - topH) / courses, y1 = y0 + (faceBottom - topH) / courses;
        double x = w * 0.03 - (row % 2) * w * 0.05;
        while (x < w)
        {
            const double bw = w * dice.range(0.08, 0.14);
            c.roundedRect(x + 2, y0 + 2, bw - 4, y1 - y0 - 4, 4);
            c.fillLinear(0, y0, 0, y1, {{0, s.face.scaled(dice.range(1.0, 1.25))}, {1, s.faceDark.mix(s.face, 0.4)}});
            c.clearPath();
            x += bw;
        }
    }
    cairo_restore(cr);
    // Top cap.
    cairo_move_to(cr, skyline[0].first, skyline[0].second);
    for (const auto& p : skyline)
        cairo_line_to(cr, p.first, p.second);
    cairo_line_to(cr, w * 0.97, topH);
    cairo_line_to(cr, w * 0.03, topH);
    cairo_close_path(cr);
    c.stroke(kInk, 6);
    c.fillLinear(0, 0, 0, topH, {{0, s.top.scaled(1.15)}, {1, s.top.scaled(0.75)}});
    c.clearPath();
    if (s.gilded)
    {
        cairo_move_to(cr, w * 0.03, topH);
        cairo_line_to(cr, w * 0.97, topH);
        c.glow(kPaleGold, 10, 5);
        c.stroke(s.accent, 5);
        c.clearPath();
        for (int i = 1; i < 4; ++i)
        {
            const double x = w * i / 4, y = (topH + faceBottom) / 2;
            c.ellipse(x, y, h * 0.06, h * 0.06);
            c.glow(kHoly, 8, 4);
            c.stroke(s.accent, 3);
            c.clearPath();
            cairo_move_to(cr, x, y - h * 0.045);
            cairo_line_to(cr, x, y + h * 0.045);
            cairo_move_to(cr, x - h * 0.03, y - h * 0.015);
            cairo_line_to(cr, x + h * 0.03, y - h * 0.015);
            c.stroke(s.accent, 2);
            c.clearPath();
        }
    }
    if (s.glowingCracks)
    {
        Dice cracks(shapeSeed + 5);
        for (int i = 0; i < 4; ++i)
        {
            double x = w * cracks.range(0.1, 0.9), y = topH + 4;
            cairo_move_to(cr, x, y);
            while (y < faceBottom - 6)
            {
                x += cracks.range(-12, 12);
                y += cracks.range(8, 20);
                cairo_line_to(cr, x, std::min(y, faceBottom - 6));
            }
            c.glow(s.accent, 6, 4);
            c.stroke(s.accent.mix(kPaleGold, 0.3), 2);
            c.clearPath();
        }
        // Spikes on the demonic and infernal tops.
        for (int i = 0; i < teeth; ++i)
        {
            const double x = (skyline[i].first + skyline[i + 1].first) / 2,
                         y = (skyline[i].second + skyline[i + 1].second) / 2;
            cairo_move_to(cr, x - w * 0.02, y + 4);
            cairo_line_to(cr, x, y - h * 0.08);
            cairo_line_to(cr, x + w * 0.02, y + 4);
            cairo_close_path(cr);
            c.stroke(kInk, 2);
            c.fillLinear(0, y - h * 0.08, 0, y, {{0, s.accent}, {1, s.top}});
            c.clearPath();
        }
    }
    if (s.moss)
        for (int i = 0; i < 10; ++i)
        {
            blobPath(c, w * dice.range(0.05, 0.95), dice.range(h * 0.06, topH), w * dice.range(0.03, 0.07), h * 0.05,
                     shapeSeed + 40 + i, 0.6, 9);
            c.fillColour(s.accent.scaled(dice.range(0.7, 1.2)).alpha(0.9));
            c.clearPath();
        }
    c.grain(0.16, 2.5, shapeSeed);
}

class WallPainter : public PatternPainter
{
public:
    WallPainter()
        : PatternPainter({R"(Assets/Sprites/Walls/[a-z]+_[a-z0-9]+(_[0-9])?(_[eg])?\.png)",
                          R"(Assets/Sprites/Masks/Wall/ff_[a-z0-9]+\.png)"})
    {
    }
    std::string name() const override { return "walls"; }
    int version() const override { return 3; }
    std::vector<std::string> inputs(const std::string& path) const override
    {
        const std::string stem = std::filesystem::path(path).stem().string();
        const std::string room = path.find("/Masks/") == std::string::npos ? roomOf(wallOf(path)) : stem;
        return {std::string(UMBRAVALE_SOURCE_DIR) + "/" + RoomFile::pathFor(room)};
    }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        std::string stem = std::filesystem::path(path).stem().string();
        if (path.find("/Masks/") != std::string::npos)
        {
            // The mask marks the wall pixels of the room picture: everything outside
            // the walkable outline. A quarter of the picture's size is plenty, since
            // it is sampled by texture coordinates.
            const RoomFile room =
                RoomFile::load(std::string(UMBRAVALE_SOURCE_DIR) + "/" + RoomFile::pathFor(stem));
            const sf::Vector2u size = room.pictureSize();
            Canvas mask(static_cast<int>(size.x / kMaskDivisor), static_cast<int>(size.y / kMaskDivisor));
            mask.fill(Rgba{1, 1, 1, 1});
            cairo_t* cr = mask.cr();
            cairo_scale(cr, 1.0 / kMaskDivisor, 1.0 / kMaskDivisor);
            std::vector<std::pair<double, double>> outline;
            for (const sf::Vector2f& p : room.boundaries)
                outline.push_back({p.x, p.y});
            mask.polygon(outline);
            cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
            cairo_fill(cr);
            cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
            cairo_identity_matrix(cr);
            mask.savePng(output);
            return;
        }
        std::string shape = stem;
        if (shape.size() > 2 &&
            (shape.compare(shape.size() - 2, 2, "_e") == 0 || shape.compare(shape.size() - 2, 2, "_g") == 0))
            shape.resize(shape.size() - 2);
        const std::uint32_t seed = seedOf(shape);
        const std::string wallName = wallOf(path);
        // The wall is painted to the size its room gives it: its outline spans the
        // picture's width and runs from its top down to the back of its foot.
        const RoomFile room = RoomFile::load(std::string(UMBRAVALE_SOURCE_DIR) + "/" + RoomFile::pathFor(roomOf(wallName)));
        auto placed = std::find_if(room.walls.begin(), room.walls.end(),
                                   [&](const WallRecord& wall) { return wall.texture == wallName; });
        if (placed == room.walls.end() || placed->boundaries.size() < 3)
            throw std::runtime_error("no outline for wall " + wallName + " in its room");
        float x0 = placed->boundaries[0].x, x1 = x0, y0 = placed->boundaries[0].y, y1 = y0;
        for (const sf::Vector2f& p : placed->boundaries)
        {
            x0 = std::min(x0, p.x);
            x1 = std::max(x1, p.x);
            y0 = std::min(y0, p.y);
            y1 = std::max(y1, p.y);
        }
        const int w = static_cast<int>(std::lround(x1 - x0));
        const int h = static_cast<int>(std::lround((y1 - y0) / (0.5f + Wall::kBackLine)));
        Canvas c(w, h);
        wall(c, w, h, styleFor(stem), seed);
        c.savePng(output);
    }
};

RegisterPainter<WallPainter> registration;
} // namespace
