// The merchant and the bags: the trader's swaying sheet (a hooded pedlar with a
// lantern and a heavy pack), the two bag panels (the player's worn leather satchel
// and the trader's crimson ledger board, both with twenty cells exactly where the
// game lays the slots out), the action markers of the bag (arrows for drop and
// delete, and an upward one for equipping an artefact) and the four payment markers
// of a purchase (souls on the left, gold on the right, an impossible way crossed out).
// No words are painted: the pictures read the same in every language.

#include "Canvas.h"
#include "Painter.h"

#include "creatures/Trader.h"
#include "run/InventoryScreen.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace
{
using namespace palette;

const Rgba kLeather = Rgba::rgb(96, 58, 40);
const Rgba kLeatherDark = Rgba::rgb(36, 20, 16);
const Rgba kCloak = Rgba::rgb(70, 20, 34);
const Rgba kSoulBlue = Rgba::rgb(150, 210, 255);

std::string stem(const std::string& path)
{
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    return path.substr(slash + 1, dot - slash - 1);
}

// A cell's centre in the panel picture: the game's slot layout at its normal
// scale, divided by the panel's scale.
std::pair<double, double> cellCentre(int i)
{
    const double k = 1.0 / 0.5;
    double x = (i % 5) * InventoryScreen::kColumnStep + InventoryScreen::kFirstX;
    const double y = (i / 5) * InventoryScreen::kRowStep + InventoryScreen::kFirstY;
    if ((i / 5) % 2 == 1)
        x += InventoryScreen::kOddRowShift;
    return {x * k, y * k};
}

void panel(const std::filesystem::path& output, bool trader)
{
    const int w = static_cast<int>(InventoryScreen::kPanelWidth), h = static_cast<int>(InventoryScreen::kPanelHeight);
    Canvas c(w, h);
    cairo_t* cr = c.cr();
    const Rgba base = trader ? Rgba::rgb(110, 24, 34) : kLeather;
    const Rgba deep = trader ? Rgba::rgb(30, 6, 10) : kLeatherDark;
    const Rgba trim = trader ? kGold : Rgba::rgb(170, 130, 80);
    c.roundedRect(20, 20, w - 40, h - 40, 90);
    c.fillLinear(0, 0, w * 0.3, h, {{0, base.scaled(1.25)}, {0.5, base}, {1, deep}});
    c.grain(0.25, 6, trader ? 71 : 37);
    c.stroke(kInk, 24);
    c.clearPath();
    // Stitched border.
    c.roundedRect(70, 70, w - 140, h - 140, 60);
    const double dash[] = {28, 18};
    cairo_set_dash(cr, dash, 2, 0);
    c.stroke(trim.alpha(0.8), 7);
    cairo_set_dash(cr, nullptr, 0, 0);
    c.clearPath();
    // The header band, with a clasp (a coin and scales for the trader).
    c.roundedRect(160, 120, w - 320, 300, 50);
    c.fillLinear(0, 120, 0, 420, {{0, deep.scaled(1.6)}, {1, deep}});
    c.stroke(trim, 8);
    c.clearPath();
    const double cx = w / 2.0;
    if (trader)
    {
        cairo_move_to(cr, cx, 170);
        cairo_line_to(cr, cx, 380);
        cairo_move_to(cr, cx - 200, 220);
        cairo_line_to(cr, cx + 200, 220);
        c.stroke(kGold, 14);
        c.clearPath();
        for (double side : {-1.0, 1.0})
        {
            cairo_move_to(cr, cx + side * 200, 220);
            cairo_line_to(cr, cx + side * 250, 320);
            cairo_line_to(cr, cx + side * 150, 320);
            cairo_close_path(cr);
            c.stroke(kGold, 8);
            c.clearPath();
            c.ellipse(cx + side * 200, 330, 60, 18);
            c.fillLinear(0, 310, 0, 350, {{0, kPaleGold}, {1, kGold.scaled(0.5)}});
            c.stroke(kInk, 5);
            c.clearPath();
        }
    }
    else
    {
        c.roundedRect(cx - 120, 200, 240, 150, 40);
        c.fillLinear(0, 200, 0, 350, {{0, trim.scaled(1.3)}, {1, trim.scaled(0.5)}});
        c.stroke(kInk, 8);
        c.clearPath();
        c.ellipse(cx, 275, 34, 34);
        c.fillRadial(cx, 265, 0, 34, {{0, kPaleGold}, {1, kGold.scaled(0.5)}});
        c.stroke(kInk, 5);
        c.clearPath();
    }
    // Twenty cells where the slots are.
    for (int i = 0; i < 20; ++i)
    {
        const auto [x, y] = cellCentre(i);
        const double half = 124;
        c.roundedRect(x - half, y - half, half * 2, half * 2, 36);
        c.fillRadial(x, y, 20, half * 1.4, {{0, deep.scaled(0.6).alpha(0.95)}, {1, deep.scaled(1.3)}});
        c.stroke(kInk, 10);
        c.stroke(trim.alpha(0.55), 4);
        c.clearPath();
    }
    c.vignette(0.4);
    c.savePng(output);
}

// An arrowhead pointing along angle `a` (radians) with its tip at (x, y).
void arrowHead(Canvas& c, double x, double y, double a, double size, const Rgba& fill)
{
    const double bx = x - std::cos(a) * size, by = y - std::sin(a) * size;
    const double nx = -std::sin(a) * size * 0.7, ny = std::cos(a) * size * 0.7;
    c.polygon({{x, y}, {bx + nx, by + ny}, {bx - nx, by - ny}});
    c.fillLinear(bx, by, x, y, {{0, fill.scaled(0.6)}, {1, fill.scaled(1.3)}});
    c.stroke(kInk, 6);
    c.clearPath();
}

// The action markers around a slot: drop (left, a stack falling to the ground),
// delete (right, a cross), and for an artefact equip (up, a ring).
void actionMarker(const std::filesystem::path& output, bool artefact)
{
    const int size = 480;
    Canvas c(size, size);
    cairo_t* cr = c.cr();
    const double m = size / 2.0;
    arrowHead(c, 40, m, M_PI, 70, kGold);
    arrowHead(c, size - 40, m, 0, 70, kCrimson);
    // Drop: a little stack with a downward stroke.
    cairo_move_to(cr, 70, m + 60);
    cairo_line_to(cr, 70, m + 130);
    c.stroke(kInk, 14);
    c.stroke(kPaleGold, 7);
    c.clearPath();
    arrowHead(c, 70, m + 160, M_PI / 2, 34, kPaleGold);
    // Delete: a cross.
    cairo_move_to(cr, size - 100, m + 70);
    cairo_line_to(cr, size - 40, m + 130);
    cairo_move_to(cr, size - 40, m + 70);
    cairo_line_to(cr, size - 100, m + 130);
    c.stroke(kInk, 16);
    c.stroke(kCrimson.scaled(1.3), 8);
    c.clearPath();
    if (artefact)
    {
        arrowHead(c, m, 30, -M_PI / 2, 80, kHoly);
        c.ellipse(m + 90, 70, 30, 30);
        c.glow(kPaleGold, 14);
        c.stroke(kInk, 12);
        c.stroke(kPaleGold, 7);
        c.clearPath();
    }
    c.savePng(output);
}

void soulFlame(Canvas& c, double x, double y, double s, const Rgba& colour)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x, y - 60 * s);
    cairo_curve_to(cr, x + 50 * s, y - 10 * s, x + 40 * s, y + 40 * s, x, y + 44 * s);
    cairo_curve_to(cr, x - 40 * s, y + 40 * s, x - 50 * s, y - 10 * s, x, y - 60 * s);
    cairo_close_path(cr);
    c.glow(colour, 16 * s);
    c.fillRadial(x, y + 10 * s, 0, 60 * s, {{0, kHoly}, {0.5, colour}, {1, colour.scaled(0.4)}});
    c.stroke(kInk, 5);
    c.clearPath();
}

void coin(Canvas& c, double x, double y, double r)
{
    c.ellipse(x, y, r, r);
    c.fillRadial(x - r * 0.3, y - r * 0.3, 0, r * 1.3, {{0, kPaleGold}, {1, kGold.scaled(0.5)}});
    c.stroke(kInk, 6);
    c.clearPath();
    c.ellipse(x, y, r * 0.7, r * 0.7);
    c.stroke(kGold.scaled(0.5), 4);
    c.clearPath();
}

void crossOut(Canvas& c, double x, double y, double r)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x - r, y - r);
    cairo_line_to(cr, x + r, y + r);
    cairo_move_to(cr, x + r, y - r);
    cairo_line_to(cr, x - r, y + r);
    c.stroke(kInk, 22);
    c.stroke(kCrimson.scaled(1.2), 12);
    c.clearPath();
}

// Souls on the left (Left pays in souls), gold on the right (Right pays in gold).
void choiceMarker(const std::filesystem::path& output, bool souls, bool gold)
{
    const int w = 640, h = 260;
    Canvas c(w, h);
    c.roundedRect(6, 6, w - 12, h - 12, 60);
    c.fillLinear(0, 0, 0, h, {{0, Rgba::rgb(30, 12, 18, 0.92)}, {1, Rgba::rgb(8, 4, 6, 0.92)}});
    c.stroke(kGold.scaled(0.8), 6);
    c.clearPath();
    const double mid = h / 2.0;
    const Rgba dim = Rgba::rgb(110, 100, 100);
    arrowHead(c, 40, mid, M_PI, 50, souls ? kSoulBlue : dim);
    soulFlame(c, 170, mid, 1.2, souls ? kSoulBlue : dim);
    arrowHead(c, w - 40, mid, 0, 50, gold ? kGold : dim);
    coin(c, w - 170, mid, 62);
    if (!souls)
        crossOut(c, 170, mid, 56);
    if (!gold)
        crossOut(c, w - 170, mid, 56);
    cairo_move_to(c.cr(), w / 2.0, 40);
    cairo_line_to(c.cr(), w / 2.0, h - 40);
    c.stroke(kGold.alpha(0.5), 4);
    c.clearPath();
    c.savePng(output);
}

// One frame of the pedlar: cloak, hood with two ember eyes, a pack on the back and a
// lantern held out. `t` in [0, 1) sways the body and flickers the lantern.
void traderFrame(Canvas& c, double t)
{
    cairo_t* cr = c.cr();
    const double w = Trader::kFrameWidth, h = Trader::kFrameHeight;
    const double sway = std::sin(t * 2 * M_PI) * 14;
    const double bob = std::abs(std::cos(t * 2 * M_PI)) * 8;
    const double flicker = 0.75 + 0.25 * std::sin(t * 6 * M_PI);
    // Ground shadow.
    c.ellipse(w / 2, h - 20, 90, 18);
    c.fillRadial(w / 2, h - 20, 0, 90, {{0, Rgba::rgb(0, 0, 0, 0.55)}, {1, Rgba::rgb(0, 0, 0, 0)}});
    c.clearPath();
    cairo_save(cr);
    cairo_translate(cr, w / 2 + sway * 0.3, bob);
    // The pack behind the shoulders.
    c.roundedRect(-92 + sway * 0.2, 70, 110, 130, 30);
    c.fillLinear(-92, 70, 20, 200, {{0, kLeather.scaled(1.3)}, {1, kLeatherDark}});
    c.stroke(kInk, 6);
    c.clearPath();
    c.ellipse(-40 + sway * 0.2, 66, 40, 22); // a rolled blanket
    c.fillLinear(-80, 44, 0, 88, {{0, Rgba::rgb(150, 40, 50)}, {1, Rgba::rgb(60, 10, 20)}});
    c.stroke(kInk, 5);
    c.clearPath();
    // The cloak.
    cairo_move_to(cr, -20 + sway, 60);
    cairo_curve_to(cr, -60, 120, -80, 220, -86, h - 30);
    cairo_line_to(cr, 86, h - 30);
    cairo_curve_to(cr, 80, 220, 60, 120, 20 + sway, 60);
    cairo_close_path(cr);
    c.fillLinear(-86, 60, 86, h, {{0, kCloak.scaled(1.4)}, {0.6, kCloak}, {1, kInk}});
    c.stroke(kInk, 7);
    c.clearPath();
    // Gold trim at the hem and a belt of pouches.
    cairo_move_to(cr, -84, h - 40);
    cairo_line_to(cr, 84, h - 40);
    c.stroke(kGold, 6);
    c.clearPath();
    for (int i = 0; i < 3; ++i)
    {
        c.roundedRect(-50 + i * 36 + sway * 0.5, 170, 28, 34, 10);
        c.fillLinear(0, 170, 0, 204, {{0, kLeather.scaled(1.4)}, {1, kLeatherDark}});
        c.stroke(kInk, 4);
        c.clearPath();
    }
    // The hood, its dark opening and the eyes.
    const double hx = sway, hy = 52;
    cairo_move_to(cr, hx - 50, hy + 40);
    cairo_curve_to(cr, hx - 56, hy - 20, hx - 10, hy - 50, hx + 16, hy - 44);
    cairo_curve_to(cr, hx + 50, hy - 30, hx + 56, hy + 10, hx + 50, hy + 40);
    cairo_close_path(cr);
    c.fillLinear(hx - 50, hy - 50, hx + 50, hy + 40, {{0, kCloak.scaled(1.6)}, {1, kCloak.scaled(0.5)}});
    c.stroke(kInk, 6);
    c.clearPath();
    c.ellipse(hx + 4, hy + 8, 30, 28);
    c.fillColour(kInk);
    c.clearPath();
    for (double ex : {-10.0, 14.0})
    {
        c.ellipse(hx + ex, hy + 6, 5, 4);
        c.glow(kEmber, 6);
        c.fillColour(Rgba::rgb(255, 200, 90));
        c.clearPath();
    }
    // The arm holding out the lantern.
    const double lx = 84 + sway * 1.4, ly = 150 + bob;
    cairo_move_to(cr, 30 + sway, 100);
    cairo_curve_to(cr, 60, 110, 74, 120, lx - 6, ly - 40);
    c.stroke(kInk, 22);
    c.stroke(kCloak.scaled(1.2), 14);
    c.clearPath();
    cairo_move_to(cr, lx, ly - 44);
    cairo_line_to(cr, lx, ly - 24);
    c.stroke(kInk, 4);
    c.clearPath();
    c.ellipse(lx, ly, 40 * flicker, 40 * flicker);
    c.fillRadial(lx, ly, 0, 40 * flicker, {{0, Rgba::rgb(255, 220, 120, 0.55)}, {1, Rgba::rgb(255, 160, 60, 0)}});
    c.clearPath();
    c.roundedRect(lx - 16, ly - 24, 32, 46, 8);
    c.fillRadial(lx, ly, 2, 26, {{0, Rgba::rgb(255, 250, 210)}, {0.5, kEmber.scaled(1.2)}, {1, kBlood}});
    c.stroke(kInk, 5);
    c.clearPath();
    cairo_restore(cr);
}

class TraderPainter : public PatternPainter
{
public:
    TraderPainter() : PatternPainter({R"(Assets/Sprites/Trader/[^/]+\.png)", R"(Assets/Sprites/Inventory/[^/]+\.png)"})
    {
    }
    std::string name() const override { return "trader and bags"; }
    int version() const override { return 1; }
    std::vector<std::string> inputs(const std::string&) const override
    {
        const std::string src = std::string(UMBRAVALE_SOURCE_DIR) + "/src/";
        return {src + "run/InventoryScreen.h", src + "creatures/Trader.h"};
    }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        const std::string key = stem(path);
        if (key == Trader::kSheetKey)
        {
            Canvas sheet(Trader::kFrameWidth * Trader::kFrameCount, Trader::kFrameHeight);
            paintSheet(sheet, Trader::kFrameWidth, Trader::kFrameHeight, Trader::kFrameCount, Trader::kFrameCount,
                       [](Canvas& frame, int, double t) { traderFrame(frame, t); });
            return sheet.savePng(output);
        }
        if (key == Trader::kPanelKey)
            return panel(output, true);
        if (key == InventoryScreen::kPanelKey)
            return panel(output, false);
        if (key == InventoryScreen::kArrowKey)
            return actionMarker(output, false);
        if (key == InventoryScreen::kApplyKey)
            return actionMarker(output, true);
        if (key == Trader::kChoiceBoth)
            return choiceMarker(output, true, true);
        if (key == Trader::kChoiceGold)
            return choiceMarker(output, false, true);
        if (key == Trader::kChoiceSoul)
            return choiceMarker(output, true, false);
        if (key == Trader::kChoiceNothing)
            return choiceMarker(output, false, false);
        throw std::runtime_error("no trader or bag picture for this file");
    }
};

RegisterPainter<TraderPainter> registration;
} // namespace
