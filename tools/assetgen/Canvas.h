#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A colour with components in [0, 1].
struct Rgba
{
    double r = 0, g = 0, b = 0, a = 1;

    static Rgba rgb(int r, int g, int b, double a = 1.0) { return {r / 255.0, g / 255.0, b / 255.0, a}; }
    Rgba alpha(double newAlpha) const { return {r, g, b, newAlpha}; }
    Rgba mix(const Rgba& other, double t) const;
    Rgba scaled(double factor) const; // darker below 1, brighter above
};

struct GradientStop
{
    double offset;
    Rgba colour;
};

// The game's palette: the clear colour sets the tone; angelic things are pale gold
// and white, demonic ones crimson and black.
namespace palette
{
const Rgba kClear = Rgba::rgb(41, 12, 14);
const Rgba kInk = Rgba::rgb(10, 4, 6);
const Rgba kBlood = Rgba::rgb(92, 10, 18);
const Rgba kCrimson = Rgba::rgb(170, 20, 34);
const Rgba kEmber = Rgba::rgb(240, 96, 40);
const Rgba kAsh = Rgba::rgb(88, 78, 80);
const Rgba kStone = Rgba::rgb(62, 50, 52);
const Rgba kBone = Rgba::rgb(226, 214, 190);
const Rgba kGold = Rgba::rgb(214, 168, 74);
const Rgba kPaleGold = Rgba::rgb(246, 226, 160);
const Rgba kHoly = Rgba::rgb(255, 250, 232);
} // namespace palette

// Deterministic value noise in [0, 1] (fractal when octaves > 1).
double valueNoise(double x, double y, std::uint32_t seed);
double fractalNoise(double x, double y, std::uint32_t seed, int octaves = 4);
// A deterministic stream of numbers for painters (never rand(): content must not vary).
class Dice
{
public:
    explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
    double uniform();                          // [0, 1)
    double range(double low, double high);     // [low, high)
private:
    std::uint64_t state_;
};
std::uint32_t hashString(const std::string& text);

// A picture being painted: a Cairo ARGB surface with the drawing helpers every
// painter shares (gradients, outlines, glows, grain, text, sheets of frames).
class Canvas
{
public:
    // Bump when a change here alters what painters produce: every file is painted again.
    static constexpr int kToolkitVersion = 1;

    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void fill(const Rgba& colour);
    // Fills the current path (kept) with a gradient.
    void fillLinear(double x0, double y0, double x1, double y1, const std::vector<GradientStop>& stops);
    void fillRadial(double cx, double cy, double r0, double r1, const std::vector<GradientStop>& stops);
    void fillColour(const Rgba& colour);
    void stroke(const Rgba& colour, double width);
    // A soft halo along the current path: widening, fading strokes. Keeps the path.
    void glow(const Rgba& colour, double radius, int steps = 8);
    void clearPath() { cairo_new_path(cr_); }

    // Path helpers.
    void roundedRect(double x, double y, double w, double h, double radius);
    void ellipse(double cx, double cy, double rx, double ry);
    void polygon(const std::vector<std::pair<double, double>>& points);

    // Text as a path (so it can take gradients and outlines). `font` is a font file.
    // align: 0 left, 1 centred, 2 right at x; y is the baseline. Returns the advance width.
    double textPath(const std::string& text, const std::string& font, double size, double x, double y, int align = 1);
    double textWidth(const std::string& text, const std::string& font, double size);
    // Text filled with a vertical gradient, outlined, with a drop shadow.
    void title(const std::string& text, const std::string& font, double size, double x, double y, const Rgba& top,
               const Rgba& bottom, const Rgba& outline, double outlineWidth, int align = 1);

    // Multiplies colour by grain (strength 0..1) wherever something is painted.
    void grain(double strength, double scale, std::uint32_t seed);
    // Darkens the corners.
    void vignette(double strength);
    void blur(int radius);
    // Draws another canvas onto this one.
    void paint(const Canvas& other, double x, double y, double alpha = 1.0);
    void paintScaled(const Canvas& other, double x, double y, double scale, double alpha = 1.0);

    void savePng(const std::filesystem::path& file) const;

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Sheets: `frames` cells of w × h painted side by side (or in rows of `columns`).
// The callback draws frame i with the origin moved to the cell's top-left corner
// and a clip on the cell; t = i / frames runs through one cycle.
void paintSheet(Canvas& sheet, int frameWidth, int frameHeight, int frames, int columns,
                const std::function<void(Canvas&, int frame, double t)>& drawFrame);
