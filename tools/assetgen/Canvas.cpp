#include "Canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

Rgba Rgba::mix(const Rgba& o, double t) const
{
    return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t, a + (o.a - a) * t};
}

Rgba Rgba::scaled(double f) const
{
    return {std::clamp(r * f, 0.0, 1.0), std::clamp(g * f, 0.0, 1.0), std::clamp(b * f, 0.0, 1.0), a};
}

namespace
{
std::uint32_t mixBits(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

double lattice(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = mixBits(static_cast<std::uint32_t>(x) * 0x9E3779B1u ^ mixBits(static_cast<std::uint32_t>(y) + seed));
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double smooth(double t) { return t * t * (3 - 2 * t); }

// Fonts are per thread: FreeType faces must not be shared between threads.
struct FontCache
{
    FT_Library library = nullptr;
    std::map<std::string, cairo_font_face_t*> faces;

    FontCache()
    {
        if (FT_Init_FreeType(&library))
            throw std::runtime_error("FreeType failed to start");
    }
    ~FontCache()
    {
        // Faces are released with the thread; cairo keeps its own references.
        for (auto& [file, face] : faces)
            cairo_font_face_destroy(face);
    }

    cairo_font_face_t* face(const std::string& file)
    {
        auto it = faces.find(file);
        if (it != faces.end())
            return it->second;
        FT_Face ftFace;
        if (FT_New_Face(library, file.c_str(), 0, &ftFace))
            throw std::runtime_error("cannot open font " + file);
        cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
        static const cairo_user_data_key_t key{};
        cairo_font_face_set_user_data(cairoFace, &key, ftFace, [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); });
        faces[file] = cairoFace;
        return cairoFace;
    }
};

thread_local FontCache tFonts;

void addStops(cairo_pattern_t* pattern, const std::vector<GradientStop>& stops)
{
    for (const auto& s : stops)
        cairo_pattern_add_color_stop_rgba(pattern, s.offset, s.colour.r, s.colour.g, s.colour.b, s.colour.a);
}
} // namespace

double valueNoise(double x, double y, std::uint32_t seed)
{
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const double fx = smooth(x - ix);
    const double fy = smooth(y - iy);
    const double a = lattice(ix, iy, seed), b = lattice(ix + 1, iy, seed);
    const double c = lattice(ix, iy + 1, seed), d = lattice(ix + 1, iy + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double fractalNoise(double x, double y, std::uint32_t seed, int octaves)
{
    double sum = 0, amplitude = 0.5, total = 0, frequency = 1;
    for (int i = 0; i < octaves; ++i)
    {
        sum += amplitude * valueNoise(x * frequency, y * frequency, seed + i * 1013u);
        total += amplitude;
        amplitude *= 0.5;
        frequency *= 2.0;
    }
    return sum / total;
}

double Dice::uniform()
{
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<double>((state_ >> 11) & ((1ull << 53) - 1)) / double(1ull << 53);
}

double Dice::range(double low, double high) { return low + (high - low) * uniform(); }

std::uint32_t hashString(const std::string& text)
{
    std::uint32_t h = 2166136261u;
    for (unsigned char c : text)
        h = (h ^ c) * 16777619u;
    return h;
}

Canvas::Canvas(int width, int height) : width_(width), height_(height)
{
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a " + std::to_string(width) + "x" + std::to_string(height) + " surface");
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::fill(const Rgba& c)
{
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void Canvas::fillLinear(double x0, double y0, double x1, double y1, const std::vector<GradientStop>& stops)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    addStops(p, stops);
    cairo_set_source(cr_, p);
    cairo_fill_preserve(cr_);
    cairo_pattern_destroy(p);
}

void Canvas::fillRadial(double cx, double cy, double r0, double r1, const std::vector<GradientStop>& stops)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1);
    addStops(p, stops);
    cairo_set_source(cr_, p);
    cairo_fill_preserve(cr_);
    cairo_pattern_destroy(p);
}

void Canvas::fillColour(const Rgba& c)
{
    cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a);
    cairo_fill_preserve(cr_);
}

void Canvas::stroke(const Rgba& c, double width)
{
    cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a);
    cairo_set_line_width(cr_, width);
    cairo_stroke_preserve(cr_);
}

void Canvas::glow(const Rgba& c, double radius, int steps)
{
    for (int i = steps; i >= 1; --i)
    {
        const double t = double(i) / steps;
        cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a * (1.0 - t) * 0.35 + 0.02);
        cairo_set_line_width(cr_, radius * 2 * t);
        cairo_stroke_preserve(cr_);
    }
}

void Canvas::roundedRect(double x, double y, double w, double h, double r)
{
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr_, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr_, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr_, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr_);
}

void Canvas::ellipse(double cx, double cy, double rx, double ry)
{
    if (rx <= 0 || ry <= 0)
        return;
    cairo_save(cr_);
    cairo_translate(cr_, cx, cy);
    cairo_scale(cr_, rx, ry);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr_);
    cairo_restore(cr_);
}

void Canvas::polygon(const std::vector<std::pair<double, double>>& points)
{
    if (points.empty())
        return;
    cairo_move_to(cr_, points[0].first, points[0].second);
    for (std::size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr_, points[i].first, points[i].second);
    cairo_close_path(cr_);
}

double Canvas::textWidth(const std::string& text, const std::string& font, double size)
{
    cairo_save(cr_);
    cairo_set_font_face(cr_, tFonts.face(font));
    cairo_set_font_size(cr_, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text.c_str(), &extents);
    cairo_restore(cr_);
    return extents.x_advance;
}

double Canvas::textPath(const std::string& text, const std::string& font, double size, double x, double y, int align)
{
    cairo_set_font_face(cr_, tFonts.face(font));
    cairo_set_font_size(cr_, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text.c_str(), &extents);
    double left = x;
    if (align == 1)
        left = x - (extents.x_bearing + extents.width / 2);
    else if (align == 2)
        left = x - (extents.x_bearing + extents.width);
    cairo_move_to(cr_, left, y);
    cairo_text_path(cr_, text.c_str());
    return extents.x_advance;
}

void Canvas::title(const std::string& text, const std::string& font, double size, double x, double y,
                   const Rgba& top, const Rgba& bottom, const Rgba& outline, double outlineWidth, int align)
{
    cairo_new_path(cr_);
    // Drop shadow.
    cairo_save(cr_);
    cairo_translate(cr_, size * 0.03, size * 0.05);
    textPath(text, font, size, x, y, align);
    cairo_set_source_rgba(cr_, 0, 0, 0, 0.6);
    cairo_set_line_width(cr_, outlineWidth * 2.2);
    cairo_stroke_preserve(cr_);
    cairo_fill(cr_);
    cairo_restore(cr_);

    textPath(text, font, size, x, y, align);
    stroke(outline, outlineWidth * 2);
    fillLinear(0, y - size * 0.8, 0, y + size * 0.1, {{0, top}, {1, bottom}});
    cairo_new_path(cr_);
}

void Canvas::grain(double strength, double scale, std::uint32_t seed)
{
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y)
    {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x)
        {
            std::uint32_t px = row[x];
            if ((px >> 24) == 0)
                continue;
            const double n = fractalNoise(x / scale, y / scale, seed, 3);
            const double f = 1.0 - strength + strength * 2.0 * n;
            auto channel = [&](int shift) {
                const int v = static_cast<int>(((px >> shift) & 0xFF) * f);
                return static_cast<std::uint32_t>(std::clamp(v, 0, static_cast<int>(px >> 24))) << shift;
            };
            row[x] = (px & 0xFF000000u) | channel(16) | channel(8) | channel(0);
        }
    }
    cairo_surface_mark_dirty(surface_);
}

void Canvas::vignette(double strength)
{
    cairo_save(cr_);
    cairo_rectangle(cr_, 0, 0, width_, height_);
    const double r = std::hypot(width_, height_) / 2;
    cairo_pattern_t* p = cairo_pattern_create_radial(width_ / 2.0, height_ / 2.0, r * 0.45, width_ / 2.0,
                                                     height_ / 2.0, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, strength);
    cairo_set_source(cr_, p);
    cairo_set_operator(cr_, CAIRO_OPERATOR_ATOP);
    cairo_fill(cr_);
    cairo_pattern_destroy(p);
    cairo_restore(cr_);
}

void Canvas::blur(int radius)
{
    if (radius <= 0)
        return;
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::vector<unsigned char> line(std::max(width_, height_) * 4);
    std::vector<long> prefix((std::max(width_, height_) + 1) * 4, 0);
    // Three box passes per axis approximate a Gaussian.
    for (int pass = 0; pass < 3; ++pass)
    {
        for (int axis = 0; axis < 2; ++axis)
        {
            const int length = axis == 0 ? width_ : height_;
            const int lines = axis == 0 ? height_ : width_;
            for (int l = 0; l < lines; ++l)
            {
                auto at = [&](int i) -> unsigned char* {
                    return axis == 0 ? data + l * stride + i * 4 : data + i * stride + l * 4;
                };
                for (int i = 0; i < length; ++i)
                    std::copy(at(i), at(i) + 4, line.begin() + i * 4);
                for (int c = 0; c < 4; ++c)
                    for (int i = 0; i < length; ++i)
                        prefix[(i + 1) * 4 + c] = prefix[i * 4 + c] + line[i * 4 + c];
                for (int i = 0; i < length; ++i)
                {
                    const int lo = std::max(i - radius, 0);
                    const int hi = std::min(i + radius, length - 1);
                    for (int c = 0; c < 4; ++c)
                        at(i)[c] = static_cast<unsigned char>((prefix[(hi + 1) * 4 + c] - prefix[lo * 4 + c]) /
                                                              (hi - lo + 1));
                }
            }
        }
    }
    cairo_surface_mark_dirty(surface_);
}

void Canvas::paint(const Canvas& other, double x, double y, double alpha)
{
    cairo_save(cr_);
    cairo_set_source_surface(cr_, other.surface_, x, y);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
}

void Canvas::paintScaled(const Canvas& other, double x, double y, double scale, double alpha)
{
    cairo_save(cr_);
    cairo_translate(cr_, x, y);
    cairo_scale(cr_, scale, scale);
    cairo_set_source_surface(cr_, other.surface_, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_GOOD);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
}

void Canvas::savePng(const std::filesystem::path& file) const
{
    cairo_surface_flush(surface_);
    if (cairo_surface_write_to_png(surface_, file.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + file.string());
}

void paintSheet(Canvas& sheet, int frameWidth, int frameHeight, int frames, int columns,
                const std::function<void(Canvas&, int, double)>& drawFrame)
{
    if (columns <= 0)
        columns = frames;
    cairo_t* cr = sheet.cr();
    for (int i = 0; i < frames; ++i)
    {
        cairo_save(cr);
        cairo_translate(cr, (i % columns) * frameWidth, (i / columns) * frameHeight);
        cairo_rectangle(cr, 0, 0, frameWidth, frameHeight);
        cairo_clip(cr);
        cairo_new_path(cr);
        drawFrame(sheet, i, double(i) / frames);
        cairo_restore(cr);
    }
}
