// The room editor's icons: the buttons of its settings window (show, hide,
// delete, add, save) on dark crimson plates with bold pale-gold glyphs, and the
// four door arrows, pale with a black edge so the editor can tint them. Every
// stroke is at least 6 px wide on the 64 px picture, so the glyphs stay sharp
// when the window shows them at 16 px.

#include "Canvas.h"
#include "Painter.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace
{
using namespace palette;

constexpr int kSize = 64;
constexpr double kPi = 3.14159265358979;

void plate(Canvas& c)
{
    c.roundedRect(3, 3, kSize - 6, kSize - 6, 10);
    c.fillRadial(26, 22, 2, 44, {{0, kCrimson.scaled(0.75)}, {0.6, kBlood.scaled(0.8)}, {1, kInk}});
    c.stroke(kGold.scaled(0.85), 3);
    c.clearPath();
}

// Round-capped strokes of the current path, first a dark edge then the glyph colour.
void boldStroke(Canvas& c, const Rgba& colour, double width)
{
    cairo_t* cr = c.cr();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    c.stroke(kInk, width + 4);
    c.stroke(colour, width);
    c.clearPath();
}

void eyeShape(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 9, 32);
    cairo_curve_to(cr, 20, 15, 44, 15, 55, 32);
    cairo_curve_to(cr, 44, 49, 20, 49, 9, 32);
    cairo_close_path(cr);
}

void visible(Canvas& c)
{
    plate(c);
    eyeShape(c);
    c.fillLinear(0, 18, 0, 46, {{0, kHoly}, {1, kBone.scaled(0.85)}});
    boldStroke(c, kPaleGold, 4);
    c.ellipse(32, 32, 9, 9);
    c.fillRadial(29, 29, 1, 10, {{0, kEmber}, {0.5, kCrimson}, {1, kBlood}});
    c.stroke(kInk, 2.5);
    c.clearPath();
    c.ellipse(32, 32, 3.5, 3.5);
    c.fillColour(kInk);
    c.clearPath();
}

void notVisible(Canvas& c)
{
    plate(c);
    cairo_t* cr = c.cr();
    // A shut lid with its lashes, crossed out.
    cairo_move_to(cr, 10, 30);
    cairo_curve_to(cr, 20, 44, 44, 44, 54, 30);
    boldStroke(c, kPaleGold, 5);
    for (double x : {20.0, 32.0, 44.0})
    {
        const double y = x == 32.0 ? 40.5 : 38.5;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + (x - 32) * 0.25, y + 8);
        boldStroke(c, kPaleGold, 3.5);
    }
    cairo_move_to(cr, 14, 14);
    cairo_line_to(cr, 50, 50);
    boldStroke(c, kCrimson.scaled(1.3), 6);
}

void deleteIcon(Canvas& c)
{
    plate(c);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 18, 18);
    cairo_line_to(cr, 46, 46);
    cairo_move_to(cr, 46, 18);
    cairo_line_to(cr, 18, 46);
    boldStroke(c, Rgba::rgb(255, 90, 80), 8);
}

void add(Canvas& c)
{
    plate(c);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 32, 15);
    cairo_line_to(cr, 32, 49);
    cairo_move_to(cr, 15, 32);
    cairo_line_to(cr, 49, 32);
    boldStroke(c, kPaleGold, 8);
}

void save(Canvas& c)
{
    plate(c);
    // A sealed tablet: the body, its label and the shutter.
    c.roundedRect(14, 13, 36, 38, 4);
    c.fillLinear(0, 13, 0, 51, {{0, kPaleGold}, {1, kGold.scaled(0.8)}});
    c.stroke(kInk, 3);
    c.clearPath();
    c.roundedRect(21, 13, 22, 13, 2);
    c.fillColour(kInk.mix(kStone, 0.4));
    c.clearPath();
    c.roundedRect(35, 15, 5, 9, 1);
    c.fillColour(kBone);
    c.clearPath();
    c.roundedRect(19, 33, 26, 14, 2);
    c.fillColour(kHoly);
    c.stroke(kInk, 2);
    c.clearPath();
}

// An arrow pointing right, turned by `angle`, on a clear background.
void arrow(Canvas& c, double angle)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, 32, 32);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, -24, -8);
    cairo_line_to(cr, 2, -8);
    cairo_line_to(cr, 2, -20);
    cairo_line_to(cr, 26, 0);
    cairo_line_to(cr, 2, 20);
    cairo_line_to(cr, 2, 8);
    cairo_line_to(cr, -24, 8);
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    c.fillLinear(0, 12, 0, 52, {{0, Rgba::rgb(255, 255, 255)}, {1, Rgba::rgb(215, 210, 205)}});
    c.stroke(kInk, 4);
    c.clearPath();
}

class EditorIconPainter : public PatternPainter
{
public:
    EditorIconPainter() : PatternPainter({R"(Assets/Sprites/Editor/[a-z_]+\.png)"}) {}
    std::string name() const override { return "editor icons"; }
    int version() const override { return 1; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        const std::string n = std::filesystem::path(path).stem().string();
        Canvas c(kSize, kSize);
        if (n == "visible")
            visible(c);
        else if (n == "not_visible")
            notVisible(c);
        else if (n == "delete")
            deleteIcon(c);
        else if (n == "add")
            add(c);
        else if (n == "save")
            save(c);
        else if (n == "right_arrow")
            arrow(c, 0);
        else if (n == "bottom_arrow")
            arrow(c, kPi / 2);
        else if (n == "left_arrow")
            arrow(c, kPi);
        else if (n == "top_arrow")
            arrow(c, -kPi / 2);
        else
            throw std::runtime_error("no editor icon named " + n);
        c.savePng(output);
    }
};

RegisterPainter<EditorIconPainter> registration;
} // namespace
