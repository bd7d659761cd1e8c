// The icons of everything the player can carry: the eighteen materials and the gold
// coin, and the five artefact gems. Each is one object, large and plainly shaped
// so it reads at the bag's 106 pixels and at a quarter size lying in a room: a bell,
// a tooth, a feather, a vial of angel blood in pale gold and one of demon blood in
// crimson. Light comes from the upper left; everything has an ink outline.

#include "Canvas.h"
#include "Painter.h"

#include "core/ItemRegistry.h"

#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace
{
using namespace palette;
constexpr int kSize = 256;

const Rgba kBrass = Rgba::rgb(212, 160, 60);
const Rgba kBlue = Rgba::rgb(70, 120, 220);
const Rgba kLeafGreen = Rgba::rgb(84, 150, 60);
const Rgba kWood = Rgba::rgb(130, 84, 46);
const Rgba kFlesh = Rgba::rgb(150, 70, 120);

void shape(Canvas& c, const Rgba& light, const Rgba& dark, double x0, double y0, double x1, double y1, double ink = 6)
{
    c.stroke(kInk, ink);
    c.fillLinear(x0, y0, x1, y1, {{0, light}, {0.55, light.mix(dark, 0.5)}, {1, dark}});
    c.clearPath();
}

void highlight(Canvas& c, double x, double y, double rx, double ry, double alpha = 0.5)
{
    c.ellipse(x, y, rx, ry);
    c.fillRadial(x, y, 0, std::max(rx, ry), {{0, Rgba::rgb(255, 255, 255, alpha)}, {1, Rgba::rgb(255, 255, 255, 0)}});
    c.clearPath();
}

void shadow(Canvas& c, double y = 222, double rx = 80)
{
    c.ellipse(128, y, rx, rx * 0.22);
    c.fillRadial(128, y, 0, rx, {{0, Rgba::rgb(0, 0, 0, 0.45)}, {1, Rgba::rgb(0, 0, 0, 0)}});
    c.clearPath();
}

void bell(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c);
    cairo_move_to(cr, 128, 30);
    cairo_curve_to(cr, 70, 30, 78, 120, 60, 175);
    cairo_curve_to(cr, 50, 200, 30, 200, 34, 206);
    cairo_line_to(cr, 222, 206);
    cairo_curve_to(cr, 226, 200, 206, 200, 196, 175);
    cairo_curve_to(cr, 178, 120, 186, 30, 128, 30);
    cairo_close_path(cr);
    shape(c, kBrass.scaled(1.35), kBrass.scaled(0.45), 60, 30, 200, 206);
    c.ellipse(128, 214, 18, 16);
    shape(c, kBrass.scaled(1.1), kBrass.scaled(0.4), 110, 200, 146, 230);
    c.ellipse(128, 24, 14, 12);
    c.stroke(kInk, 6);
    c.stroke(kBrass.scaled(0.8), 3);
    c.clearPath();
    cairo_move_to(cr, 62, 180);
    cairo_curve_to(cr, 100, 192, 156, 192, 194, 180);
    c.stroke(kBrass.scaled(0.5), 5);
    c.clearPath();
    highlight(c, 100, 90, 14, 40);
}

void clothPiece(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c, 214, 90);
    c.polygon({{40, 70}, {110, 50}, {200, 60}, {220, 120}, {196, 196}, {120, 210}, {52, 186}, {30, 130}});
    shape(c, Rgba::rgb(170, 150, 120), Rgba::rgb(80, 62, 48), 40, 50, 220, 210);
    // Stitches and torn folds.
    for (int i = 0; i < 6; ++i)
    {
        cairo_move_to(cr, 60 + i * 24, 80 + (i % 2) * 6);
        cairo_line_to(cr, 70 + i * 24, 96 + (i % 2) * 6);
    }
    c.stroke(Rgba::rgb(60, 40, 30), 4);
    c.clearPath();
    cairo_move_to(cr, 60, 150);
    cairo_curve_to(cr, 110, 130, 150, 170, 200, 140);
    c.stroke(Rgba::rgb(90, 70, 55), 5);
    c.clearPath();
    c.ellipse(150, 120, 18, 12);
    c.fillColour(Rgba::rgb(90, 110, 40, 0.6)); // a stain
    c.clearPath();
}

void demonEye(Canvas& c)
{
    shadow(c);
    c.ellipse(128, 124, 96, 84);
    shape(c, Rgba::rgb(250, 236, 220), Rgba::rgb(170, 120, 110), 40, 40, 220, 210);
    c.ellipse(128, 124, 54, 54);
    c.fillRadial(128, 124, 4, 54, {{0, kEmber.scaled(1.3)}, {0.6, kCrimson}, {1, kBlood.scaled(0.5)}});
    c.stroke(kInk, 4);
    c.clearPath();
    c.ellipse(128, 124, 10, 40);
    c.fillColour(kInk);
    c.clearPath();
    cairo_t* cr = c.cr();
    for (int i = 0; i < 5; ++i)
    {
        const double a = -2.6 + i * 0.5;
        cairo_move_to(cr, 128 + std::cos(a) * 92, 124 + std::sin(a) * 80);
        cairo_line_to(cr, 128 + std::cos(a + 0.1) * 60, 124 + std::sin(a + 0.1) * 56);
    }
    c.stroke(Rgba::rgb(200, 40, 40, 0.7), 2.5);
    c.clearPath();
    highlight(c, 104, 96, 16, 12, 0.9);
}

void devilTail(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c);
    cairo_move_to(cr, 40, 210);
    cairo_curve_to(cr, 40, 120, 180, 170, 170, 90);
    c.stroke(kInk, 26);
    c.stroke(kCrimson.scaled(0.8), 16);
    c.clearPath();
    cairo_move_to(cr, 40, 210);
    cairo_curve_to(cr, 40, 120, 180, 170, 170, 90);
    c.stroke(Rgba::rgb(255, 120, 120, 0.35), 5);
    c.clearPath();
    // The arrow-head tip.
    c.polygon({{170, 30}, {214, 96}, {176, 84}, {150, 110}, {134, 70}});
    shape(c, kCrimson.scaled(1.3), kBlood.scaled(0.5), 134, 30, 214, 110);
}

void goldCoin(Canvas& c)
{
    shadow(c);
    c.ellipse(128, 124, 92, 92);
    shape(c, kPaleGold, kGold.scaled(0.55), 40, 32, 216, 216, 7);
    c.ellipse(128, 124, 70, 70);
    c.stroke(kGold.scaled(0.5), 5);
    c.clearPath();
    // A stamped skull-less sigil: a crown of three points.
    c.polygon({{92, 150}, {92, 100}, {110, 122}, {128, 92}, {146, 122}, {164, 100}, {164, 150}});
    shape(c, kGold.scaled(1.2), kGold.scaled(0.6), 92, 92, 164, 150, 4);
    highlight(c, 96, 84, 30, 16, 0.7);
}

void haloPiece(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c);
    cairo_new_path(cr);
    cairo_arc(cr, 128, 150, 94, M_PI * 1.05, M_PI * 1.7);
    cairo_arc_negative(cr, 128, 150, 62, M_PI * 1.62, M_PI * 1.12);
    cairo_close_path(cr);
    c.glow(kPaleGold, 18);
    shape(c, kHoly, kGold, 30, 50, 200, 150);
    // A broken edge.
    c.polygon({{178, 66}, {190, 56}, {184, 80}});
    c.fillColour(kInk);
    c.clearPath();
}

void magmaticRock(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c, 220, 90);
    c.polygon({{50, 170}, {40, 110}, {84, 56}, {150, 44}, {206, 86}, {220, 160}, {176, 206}, {90, 210}});
    shape(c, Rgba::rgb(90, 70, 66), Rgba::rgb(24, 16, 18), 40, 44, 220, 210);
    // Glowing cracks.
    cairo_move_to(cr, 70, 120);
    cairo_line_to(cr, 120, 140);
    cairo_line_to(cr, 150, 100);
    cairo_line_to(cr, 196, 130);
    cairo_move_to(cr, 120, 140);
    cairo_line_to(cr, 116, 196);
    c.glow(kEmber, 10);
    c.stroke(Rgba::rgb(255, 200, 90), 5);
    c.clearPath();
}

void stoneBrain(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c);
    c.ellipse(128, 122, 98, 76);
    shape(c, Rgba::rgb(170, 160, 156), Rgba::rgb(70, 62, 64), 30, 46, 226, 198);
    // Folds of the brain, and the split between its halves.
    for (int i = 0; i < 7; ++i)
    {
        const double x = 52 + i * 24;
        cairo_move_to(cr, x, 76 + (i % 2) * 14);
        cairo_curve_to(cr, x + 20, 96, x - 10, 130, x + 12, 160 - (i % 3) * 10);
    }
    c.stroke(Rgba::rgb(60, 52, 54), 4);
    c.clearPath();
    cairo_move_to(cr, 128, 50);
    cairo_curve_to(cr, 118, 100, 138, 150, 128, 196);
    c.stroke(kInk, 5);
    c.clearPath();
}

void tooth(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c);
    cairo_move_to(cr, 70, 60);
    cairo_curve_to(cr, 70, 20, 186, 20, 186, 60);
    cairo_curve_to(cr, 186, 110, 160, 120, 150, 214);
    cairo_curve_to(cr, 140, 224, 130, 170, 128, 140);
    cairo_curve_to(cr, 126, 170, 116, 224, 106, 214);
    cairo_curve_to(cr, 96, 120, 70, 110, 70, 60);
    cairo_close_path(cr);
    shape(c, Rgba::rgb(236, 232, 214), Rgba::rgb(120, 120, 130), 70, 20, 186, 220);
    highlight(c, 100, 56, 16, 22, 0.8);
}

void woodenHorn(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c);
    cairo_move_to(cr, 40, 200);
    cairo_curve_to(cr, 60, 120, 120, 60, 210, 40);
    cairo_curve_to(cr, 160, 90, 130, 170, 90, 220);
    cairo_close_path(cr);
    shape(c, kWood.scaled(1.5), kWood.scaled(0.5), 40, 40, 210, 220);
    for (int i = 0; i < 5; ++i)
    {
        const double t = 0.2 + i * 0.15;
        cairo_move_to(cr, 40 + 150 * t, 200 - 140 * t);
        cairo_line_to(cr, 70 + 120 * t, 220 - 130 * t);
    }
    c.stroke(kWood.scaled(0.45), 4);
    c.clearPath();
}

void blueFeather(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c);
    cairo_move_to(cr, 60, 220);
    cairo_curve_to(cr, 40, 140, 120, 40, 206, 26);
    cairo_curve_to(cr, 200, 110, 130, 200, 60, 220);
    cairo_close_path(cr);
    shape(c, kBlue.scaled(1.4), Rgba::rgb(20, 30, 90), 60, 26, 206, 220);
    // Barbs and the quill.
    for (int i = 1; i < 9; ++i)
    {
        const double t = i / 9.0;
        const double x = 60 + 140 * t, y = 220 - 190 * t;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x - 30 + 10 * t, y - 14);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 18, y + 22 - 10 * t);
    }
    c.stroke(Rgba::rgb(20, 30, 80, 0.8), 2.5);
    c.clearPath();
    cairo_move_to(cr, 50, 236);
    cairo_curve_to(cr, 90, 170, 140, 90, 204, 30);
    c.stroke(Rgba::rgb(230, 236, 255), 4);
    c.clearPath();
}

void vial(Canvas& c, const Rgba& liquid, const Rgba& deep, const Rgba& glowColour)
{
    cairo_t* cr = c.cr();
    shadow(c, 226, 70);
    // Glass: a round belly and a neck, with a cork.
    cairo_new_path(cr);
    cairo_move_to(cr, 108, 40);
    cairo_line_to(cr, 108, 100);
    cairo_arc_negative(cr, 128, 160, 64, -M_PI * 0.6, -M_PI * 0.4 + 2 * M_PI);
    cairo_line_to(cr, 148, 40);
    cairo_close_path(cr);
    c.glow(glowColour, 16);
    c.stroke(kInk, 7);
    c.fillColour(Rgba::rgb(220, 230, 240, 0.25));
    c.clearPath();
    cairo_new_path(cr);
    cairo_arc(cr, 128, 160, 56, M_PI * 0.05, M_PI * 0.95);
    cairo_close_path(cr);
    c.fillLinear(0, 140, 0, 216, {{0, liquid}, {1, deep}});
    c.clearPath();
    cairo_move_to(cr, 76, 150);
    cairo_curve_to(cr, 110, 140, 146, 162, 180, 150);
    cairo_line_to(cr, 180, 160);
    cairo_line_to(cr, 76, 160);
    cairo_close_path(cr);
    c.fillColour(liquid.scaled(1.1));
    c.clearPath();
    c.roundedRect(100, 22, 56, 28, 8);
    shape(c, kWood.scaled(1.3), kWood.scaled(0.6), 100, 22, 156, 50, 5);
    highlight(c, 100, 140, 10, 30, 0.8);
}

void mushroomShard(Canvas& c, const Rgba& cap)
{
    cairo_t* cr = c.cr();
    shadow(c);
    // A wedge cut from a spotted cap, with its pale flesh.
    cairo_move_to(cr, 128, 210);
    cairo_line_to(cr, 36, 100);
    cairo_curve_to(cr, 70, 40, 186, 40, 220, 100);
    cairo_close_path(cr);
    shape(c, cap.scaled(1.4), cap.scaled(0.45), 36, 40, 220, 210);
    cairo_move_to(cr, 128, 210);
    cairo_line_to(cr, 60, 120);
    cairo_curve_to(cr, 100, 110, 156, 110, 196, 120);
    cairo_close_path(cr);
    shape(c, Rgba::rgb(246, 236, 220), Rgba::rgb(190, 170, 150), 60, 110, 196, 210, 4);
    for (const auto& [x, y, r] :
         std::vector<std::tuple<double, double, double>>{{90, 76, 12}, {140, 64, 10}, {180, 88, 9}})
    {
        c.ellipse(x, y, r, r * 0.8);
        c.fillColour(Rgba::rgb(250, 246, 236));
        c.stroke(kInk, 2);
        c.clearPath();
    }
}

void leaf(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c);
    cairo_move_to(cr, 50, 210);
    cairo_curve_to(cr, 30, 100, 120, 30, 216, 30);
    cairo_curve_to(cr, 216, 130, 150, 220, 50, 210);
    cairo_close_path(cr);
    shape(c, kLeafGreen.scaled(1.5), kLeafGreen.scaled(0.4), 40, 30, 216, 220);
    cairo_move_to(cr, 40, 226);
    cairo_line_to(cr, 200, 46);
    for (int i = 1; i < 6; ++i)
    {
        const double t = i / 6.0;
        const double x = 50 + 150 * t, y = 212 - 166 * t;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x - 34, y - 30);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 30, y + 30);
    }
    c.stroke(kLeafGreen.scaled(0.4), 3.5);
    c.clearPath();
}

void tentacle(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c);
    cairo_move_to(cr, 60, 220);
    cairo_curve_to(cr, 20, 120, 200, 150, 170, 70);
    cairo_curve_to(cr, 160, 44, 126, 50, 130, 76);
    c.stroke(kInk, 44);
    c.stroke(kFlesh, 34);
    c.clearPath();
    // Suckers along its inner side.
    for (int i = 0; i < 6; ++i)
    {
        const double t = 0.1 + i * 0.13;
        const double x = 60 + (170 - 60) * t + std::sin(t * 6) * 10, y = 220 - 150 * t;
        c.ellipse(x, y, 8, 6);
        c.fillColour(Rgba::rgb(240, 190, 210));
        c.stroke(kInk, 2);
        c.clearPath();
    }
}

void thornsCrown(Canvas& c)
{
    cairo_t* cr = c.cr();
    shadow(c, 196, 100);
    for (int strand = 0; strand < 3; ++strand)
    {
        cairo_new_path(cr);
        for (int i = 0; i <= 48; ++i)
        {
            const double a = i / 48.0 * 2 * M_PI;
            const double wobble = std::sin(a * 5 + strand * 2) * 6;
            const double x = 128 + std::cos(a) * (94 + wobble), y = 130 + std::sin(a) * (46 + wobble * 0.5);
            i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
        }
        c.stroke(kInk, 12);
        c.stroke(Rgba::rgb(110 - strand * 15, 76, 44), 7);
        c.clearPath();
    }
    for (int i = 0; i < 16; ++i)
    {
        const double a = i / 16.0 * 2 * M_PI;
        const double x = 128 + std::cos(a) * 94, y = 130 + std::sin(a) * 46;
        c.polygon({{x - 5, y}, {x + 5, y}, {x + std::cos(a) * 24, y + std::sin(a) * 16 - 14}});
        c.fillColour(Rgba::rgb(200, 180, 140));
        c.stroke(kInk, 2);
        c.clearPath();
    }
}

// A cut gem with a tell-tale mark: white (reach), black (damage), an eye (gold on
// hit), a hand (loot on hit), a leaf (speed).
void gem(Canvas& c, const Rgba& light, const Rgba& dark, const Rgba& aura, const std::function<void(Canvas&)>& mark)
{
    cairo_t* cr = c.cr();
    shadow(c, 226, 80);
    const std::vector<std::pair<double, double>> outline = {{128, 20}, {214, 90}, {180, 220}, {76, 220}, {42, 90}};
    c.polygon(outline);
    c.glow(aura, 22);
    shape(c, light, dark, 42, 20, 214, 220, 7);
    // Facets.
    c.polygon({{128, 20}, {166, 96}, {128, 200}, {90, 96}});
    c.fillColour(Rgba::rgb(255, 255, 255, 0.12));
    c.stroke(dark.scaled(0.7).alpha(0.8), 2.5);
    c.clearPath();
    cairo_move_to(cr, 42, 90);
    cairo_line_to(cr, 90, 96);
    cairo_line_to(cr, 166, 96);
    cairo_line_to(cr, 214, 90);
    c.stroke(dark.scaled(0.7).alpha(0.8), 2.5);
    c.clearPath();
    mark(c);
    highlight(c, 100, 60, 18, 12, 0.8);
}

void eyeMark(Canvas& c)
{
    c.ellipse(128, 140, 40, 22);
    c.fillColour(kPaleGold);
    c.stroke(kInk, 4);
    c.clearPath();
    c.ellipse(128, 140, 12, 14);
    c.fillColour(kInk);
    c.clearPath();
}

void handMark(Canvas& c)
{
    cairo_t* cr = c.cr();
    c.roundedRect(104, 130, 48, 44, 14);
    c.fillColour(kBone);
    c.stroke(kInk, 3);
    c.clearPath();
    for (int i = 0; i < 4; ++i)
    {
        c.roundedRect(104 + i * 12.5, 98 + (i == 0 || i == 3 ? 10 : 0), 10, 40, 5);
        c.fillColour(kBone);
        c.stroke(kInk, 3);
        c.clearPath();
    }
    cairo_new_path(cr);
}

void leafMark(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 100, 180);
    cairo_curve_to(cr, 90, 130, 130, 100, 166, 100);
    cairo_curve_to(cr, 166, 150, 136, 184, 100, 180);
    cairo_close_path(cr);
    c.fillColour(Rgba::rgb(210, 255, 190));
    c.stroke(kInk, 3);
    c.clearPath();
}

void starMark(Canvas& c, const Rgba& colour)
{
    cairo_t* cr = c.cr();
    for (int i = 0; i < 4; ++i)
    {
        const double a = i * M_PI / 4;
        cairo_move_to(cr, 128 + std::cos(a) * 34, 140 + std::sin(a) * 34);
        cairo_line_to(cr, 128 - std::cos(a) * 34, 140 - std::sin(a) * 34);
    }
    c.stroke(colour, 5);
    c.clearPath();
}

const std::map<std::string, std::function<void(Canvas&)>>& icons()
{
    static const std::map<std::string, std::function<void(Canvas&)>> table = {
        {"bell", bell},
        {"cloth_piece", clothPiece},
        {"demon_eye", demonEye},
        {"devil_tail", devilTail},
        {"gold_coin", goldCoin},
        {"halo_piece", haloPiece},
        {"magmatic_rock", magmaticRock},
        {"stone_brain", stoneBrain},
        {"tooth", tooth},
        {"wooden_horn", woodenHorn},
        {"blue_feather", blueFeather},
        {"angel_blood_vial", [](Canvas& c) { vial(c, Rgba::rgb(255, 240, 180), Rgba::rgb(214, 170, 70), kPaleGold); }},
        {"demon_blood_vial", [](Canvas& c) { vial(c, kCrimson.scaled(1.2), kBlood.scaled(0.5), kCrimson); }},
        {"blue_mushroom_shard", [](Canvas& c) { mushroomShard(c, Rgba::rgb(60, 110, 210)); }},
        {"red_mushroom_shard", [](Canvas& c) { mushroomShard(c, Rgba::rgb(200, 40, 40)); }},
        {"leaf", leaf},
        {"tentacle", tentacle},
        {"thorns_crown", thornsCrown},
        {"white_gem",
         [](Canvas& c) { gem(c, kHoly, Rgba::rgb(150, 160, 190), kHoly, [](Canvas& k) { starMark(k, kGold); }); }},
        {"black_gem", [](Canvas& c)
         { gem(c, Rgba::rgb(90, 70, 90), kInk, kCrimson, [](Canvas& k) { starMark(k, kCrimson.scaled(1.3)); }); }},
        {"eye_gem", [](Canvas& c) { gem(c, kPaleGold, kGold.scaled(0.45), kGold, eyeMark); }},
        {"hand_gem", [](Canvas& c) { gem(c, Rgba::rgb(190, 120, 230), Rgba::rgb(60, 20, 90), kCrimson, handMark); }},
        {"leaf_gem", [](Canvas& c) { gem(c, Rgba::rgb(140, 230, 120), Rgba::rgb(20, 80, 30), kLeafGreen, leafMark); }},
    };
    return table;
}

std::string stem(const std::string& path)
{
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    return path.substr(slash + 1, dot - slash - 1);
}

class ItemPainter : public PatternPainter
{
public:
    ItemPainter() : PatternPainter({R"(Assets/Sprites/Items/[^/]+\.png)"}) {}
    std::string name() const override { return "items"; }
    int version() const override { return 1; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        const auto it = icons().find(stem(path));
        if (it == icons().end())
            throw std::runtime_error("no icon for this item");
        Canvas canvas(kSize, kSize);
        it->second(canvas);
        canvas.savePng(output);
    }
};

RegisterPainter<ItemPainter> registration;
} // namespace
