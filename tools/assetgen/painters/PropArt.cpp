#include "PropArt.h"

#include "world/PropRegistry.h"

#include <cctype>
#include <cmath>
#include <stdexcept>
#include <string>

namespace propart
{
const Mood& forest()
{
    static const Mood m{Rgba::rgb(14, 20, 14),    Rgba::rgb(34, 48, 30),  Rgba::rgb(70, 96, 52),
                        Rgba::rgb(150, 176, 104), Rgba::rgb(170, 20, 34), Rgba::rgb(190, 236, 150)};
    return m;
}

const Mood& cavern()
{
    static const Mood m{Rgba::rgb(10, 10, 24),    Rgba::rgb(28, 30, 58),   Rgba::rgb(58, 62, 110),
                        Rgba::rgb(120, 130, 190), Rgba::rgb(150, 70, 200), Rgba::rgb(110, 240, 255)};
    return m;
}

const Mood& inferno()
{
    static const Mood m{Rgba::rgb(16, 6, 6),    Rgba::rgb(44, 16, 14),  Rgba::rgb(96, 30, 22),
                        Rgba::rgb(170, 80, 50), Rgba::rgb(200, 24, 30), Rgba::rgb(255, 170, 60)};
    return m;
}

int trailingNumber(const std::string& name)
{
    std::size_t end = name.size();
    std::size_t start = end;
    while (start > 0 && std::isdigit(static_cast<unsigned char>(name[start - 1])))
        --start;
    return start == end ? 0 : std::stoi(name.substr(start));
}

std::uint32_t seedOf(const std::string& name)
{
    return hashString(name);
}

void softShadow(Canvas& c, double cx, double cy, double rx, double ry, double alpha)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.6, 0, 0, 0, alpha * 0.6);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void blobPath(Canvas& c, double cx, double cy, double rx, double ry, std::uint32_t seed, double rough, int points,
              double phase)
{
    cairo_t* cr = c.cr();
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < points; ++i)
    {
        const double a = 2 * M_PI * i / points;
        const double n = valueNoise(std::cos(a) * 1.7 + phase, std::sin(a) * 1.7 + phase * 0.7, seed);
        const double k = 1.0 - rough * 0.5 + rough * n;
        pts.push_back({cx + std::cos(a) * rx * k, cy + std::sin(a) * ry * k});
    }
    // A closed Catmull-Rom curve through the points.
    const int n = static_cast<int>(pts.size());
    cairo_move_to(cr, pts[0].first, pts[0].second);
    for (int i = 0; i < n; ++i)
    {
        const auto& p0 = pts[(i - 1 + n) % n];
        const auto& p1 = pts[i];
        const auto& p2 = pts[(i + 1) % n];
        const auto& p3 = pts[(i + 2) % n];
        cairo_curve_to(cr, p1.first + (p2.first - p0.first) / 6, p1.second + (p2.second - p0.second) / 6,
                       p2.first - (p3.first - p1.first) / 6, p2.second - (p3.second - p1.second) / 6, p2.first,
                       p2.second);
    }
    cairo_close_path(cr);
}

void volume(Canvas& c, double cx, double cy, double r, const Rgba& light, const Rgba& dark, double outline)
{
    if (outline > 0)
        c.stroke(palette::kInk, outline * 2);
    c.fillRadial(cx - r * 0.35, cy - r * 0.4, r * 0.05, r * 1.3, {{0, light}, {0.55, light.mix(dark, 0.5)}, {1, dark}});
    c.clearPath();
}

void taperedCurve(Canvas& c, double x0, double y0, double cx1, double cy1, double cx2, double cy2, double x1, double y1,
                  double w0, double w1, const Rgba& fill, const Rgba& edge)
{
    cairo_t* cr = c.cr();
    const int steps = 24;
    std::vector<std::pair<double, double>> left, right;
    for (int i = 0; i <= steps; ++i)
    {
        const double t = double(i) / steps, u = 1 - t;
        const double x = u * u * u * x0 + 3 * u * u * t * cx1 + 3 * u * t * t * cx2 + t * t * t * x1;
        const double y = u * u * u * y0 + 3 * u * u * t * cy1 + 3 * u * t * t * cy2 + t * t * t * y1;
        const double dx = 3 * u * u * (cx1 - x0) + 6 * u * t * (cx2 - cx1) + 3 * t * t * (x1 - cx2);
        const double dy = 3 * u * u * (cy1 - y0) + 6 * u * t * (cy2 - cy1) + 3 * t * t * (y1 - cy2);
        const double len = std::max(1e-6, std::hypot(dx, dy));
        const double w = (w0 + (w1 - w0) * t) / 2;
        left.push_back({x - dy / len * w, y + dx / len * w});
        right.push_back({x + dy / len * w, y - dx / len * w});
    }
    cairo_move_to(cr, left[0].first, left[0].second);
    for (const auto& p : left)
        cairo_line_to(cr, p.first, p.second);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        cairo_line_to(cr, it->first, it->second);
    cairo_close_path(cr);
    c.stroke(palette::kInk, 3);
    c.fillLinear(left[steps / 2].first, left[steps / 2].second, right[steps / 2].first, right[steps / 2].second,
                 {{0, fill.scaled(1.25)}, {0.5, fill}, {1, edge}});
    c.clearPath();
}

void thorns(Canvas& c, double x0, double y0, double cx1, double cy1, double cx2, double cy2, double x1, double y1,
            int count, double size, const Rgba& colour, std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    Dice dice(seed);
    for (int i = 1; i <= count; ++i)
    {
        const double t = (i - 0.5 + dice.range(-0.3, 0.3)) / count, u = 1 - t;
        const double x = u * u * u * x0 + 3 * u * u * t * cx1 + 3 * u * t * t * cx2 + t * t * t * x1;
        const double y = u * u * u * y0 + 3 * u * u * t * cy1 + 3 * u * t * t * cy2 + t * t * t * y1;
        const double dx = 3 * u * u * (cx1 - x0) + 6 * u * t * (cx2 - cx1) + 3 * t * t * (x1 - cx2);
        const double dy = 3 * u * u * (cy1 - y0) + 6 * u * t * (cy2 - cy1) + 3 * t * t * (y1 - cy2);
        const double len = std::max(1e-6, std::hypot(dx, dy));
        const double side = (i % 2) ? 1 : -1;
        const double nx = -dy / len * side, ny = dx / len * side;
        const double tx = dx / len, ty = dy / len;
        const double s = size * dice.range(0.7, 1.2);
        cairo_move_to(cr, x - tx * s * 0.35, y - ty * s * 0.35);
        cairo_line_to(cr, x + nx * s + tx * s * 0.4, y + ny * s + ty * s * 0.4);
        cairo_line_to(cr, x + tx * s * 0.35, y + ty * s * 0.35);
        cairo_close_path(cr);
        c.fillColour(colour);
        c.clearPath();
    }
}

void pentagramPath(Canvas& c, double cx, double cy, double r, double rotation)
{
    cairo_t* cr = c.cr();
    for (int i = 0; i <= 5; ++i)
    {
        const double a = rotation - M_PI / 2 + i * 4 * M_PI / 5;
        if (i == 0)
            cairo_move_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        else
            cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
    }
    cairo_close_path(cr);
}
std::string stemOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return path.substr(slash + 1, path.size() - slash - 5);
}

void checkStanding(const std::string& name, int w, int h)
{
    const sf::Vector2u standing = PropRegistry::standingSize(name);
    if (standing != sf::Vector2u(0, 0) && standing != sf::Vector2u(static_cast<unsigned>(w), static_cast<unsigned>(h)))
        throw std::runtime_error(name + " is painted at " + std::to_string(w) + " x " + std::to_string(h) +
                                 " but the game blocks its foot for " + std::to_string(standing.x) + " x " +
                                 std::to_string(standing.y));
}

void paintProp(const std::string& name, int w, int h, const std::filesystem::path& output, const FrameDraw& draw)
{
    const auto strip = PropRegistry::stripOf(name);
    if (strip.frameCount > 1)
    {
        const int fw = static_cast<int>(strip.frameSize.x), fh = static_cast<int>(strip.frameSize.y);
        checkStanding(name, fw, fh);
        const int frames = static_cast<int>(strip.frameCount);
        Canvas sheet(fw * frames, fh);
        paintSheet(sheet, fw, fh, frames, frames, [&](Canvas& c, int, double t) { draw(c, fw, fh, t); });
        sheet.savePng(output);
        return;
    }
    checkStanding(name, w, h);
    Canvas c(w, h);
    draw(c, w, h, 0.0);
    c.savePng(output);
}
} // namespace propart
