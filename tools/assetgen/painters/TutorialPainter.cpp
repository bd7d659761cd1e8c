// The tutorial's parchment and its nine pages, in English and in French: a scroll
// of aged paper in the middle of the screen, and on each page a title, a few short
// lines and small drawings of the keys the next goal asks for. Both are drawn over
// the frozen room at the window's size, so they are window-sized and transparent
// outside the scroll.

#include "Canvas.h"
#include "Fonts.h"
#include "Painter.h"

#include "run/TutorialState.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
using namespace palette;

constexpr int kW = 1920, kH = 1080;
// The paper's area on the screen (the page's text keeps inside it).
constexpr double kPaperX0 = 380, kPaperX1 = 1540, kPaperY0 = 170, kPaperY1 = 910;
const Rgba kPaper = Rgba::rgb(226, 202, 156);
const Rgba kPaperDark = Rgba::rgb(168, 132, 84);
const Rgba kInkBrown = Rgba::rgb(46, 22, 16);
const Rgba kRubric = Rgba::rgb(128, 14, 22);

// One key drawing: a key cap with its label, a mouse with one button lit, or an
// arrow cluster.
enum class Cap
{
    Key,
    WideKey,
    MouseLeft,
    Arrows,
    Pentagram,
    SoulSides,
};

struct Drawing
{
    Cap cap;
    std::string label;
};

struct Page
{
    std::string title;
    std::vector<std::string> lines;
    std::vector<Drawing> drawings;
    std::string footer;
};

const std::vector<Page>& pages(bool french)
{
    static const std::vector<Page> english = {
        {"The hunt begins",
         {"Walk with Z Q S D (or W A S D).", "An enemy lurks in this room:", "walk up to it."},
         {{Cap::Key, "Z"}, {Cap::Key, "Q"}, {Cap::Key, "S"}, {Cap::Key, "D"}},
         "E : read on"},
        {"Fight",
         {"Left click: your scythe swings toward the cursor.", "Space: dodge toward the cursor.",
          "Strike an enemy down."},
         {{Cap::MouseLeft, ""}, {Cap::WideKey, "SPACE"}},
         "E : read on"},
        {"The soul",
         {"A fallen enemy leaves its soul behind.", "Walk up to it and press E, then point:",
          "right to kill it, left to spare it."},
         {{Cap::Key, "E"}, {Cap::SoulSides, ""}},
         "E : read on"},
        {"Loot and the bag",
         {"F: pick up what the dead leave.", "Tab: open the bag; the arrows choose,", "Enter uses the item.",
          "Then E at the open door: the next room."},
         {{Cap::Key, "F"}, {Cap::WideKey, "TAB"}, {Cap::Arrows, ""}, {Cap::WideKey, "ENTER"}},
         "E : read on"},
        {"The pentagram",
         {"Stand on the pentagram and press E:", "a soul burns away and your wounds close.",
          "Then on through the door."},
         {{Cap::Pentagram, ""}, {Cap::Key, "E"}},
         "E : read on"},
        {"The elite room",
         {"Stronger foes guard this room.", "Dodge their blows and strike one down."},
         {{Cap::MouseLeft, ""}, {Cap::WideKey, "SPACE"}},
         "E : read on"},
        {"Onward",
         {"Settle the souls, gather the loot,", "then take the door:", "a trader waits beyond it."},
         {{Cap::Key, "E"}, {Cap::Key, "F"}},
         "E : read on"},
        {"The trader",
         {"Press E beside the trader to trade.", "The arrows choose, Enter buys or sells,", "for gold and souls."},
         {{Cap::Key, "E"}, {Cap::Arrows, ""}, {Cap::WideKey, "ENTER"}},
         "E : read on"},
        {"The last door",
         {"You are ready for the descent.", "Press E to leave the tutorial."},
         {{Cap::Key, "E"}},
         "E : back to the menu"},
    };
    static const std::vector<Page> french_ = {
        {"La chasse commence",
         {"Marchez avec Z Q S D (ou W A S D).", "Un ennemi r\xc3\xb4" "de dans cette salle :",
          "approchez-vous de lui."},
         {{Cap::Key, "Z"}, {Cap::Key, "Q"}, {Cap::Key, "S"}, {Cap::Key, "D"}},
         "E : continuer"},
        {"Combat",
         {"Clic gauche : la faux frappe vers le curseur.", "Espace : esquive vers le curseur.",
          "Abattez un ennemi."},
         {{Cap::MouseLeft, ""}, {Cap::WideKey, "ESPACE"}},
         "E : continuer"},
        {"L'\xc3\xa2me",
         {"Un ennemi vaincu laisse son \xc3\xa2me.", "Approchez-vous, appuyez sur E, puis visez :",
          "\xc3\xa0 droite pour la tuer, \xc3\xa0 gauche pour l'\xc3\xa9pargner."},
         {{Cap::Key, "E"}, {Cap::SoulSides, ""}},
         "E : continuer"},
        {"Le butin et le sac",
         {"F : ramassez ce que laissent les morts.", "Tab : ouvrez le sac ; les fl\xc3\xa8" "ches choisissent,",
          "Entr\xc3\xa9" "e utilise l'objet.", "Puis E \xc3\xa0 la porte ouverte : la salle suivante."},
         {{Cap::Key, "F"}, {Cap::WideKey, "TAB"}, {Cap::Arrows, ""}, {Cap::WideKey, "ENTR\xc3\x89" "E"}},
         "E : continuer"},
        {"Le pentagramme",
         {"Placez-vous sur le pentagramme, appuyez sur E :", "une \xc3\xa2me br\xc3\xbble et vos plaies se ferment.",
          "Puis passez la porte."},
         {{Cap::Pentagram, ""}, {Cap::Key, "E"}},
         "E : continuer"},
        {"La salle d'\xc3\xa9lite",
         {"Des ennemis plus forts gardent cette salle.", "Esquivez leurs coups et abattez-en un."},
         {{Cap::MouseLeft, ""}, {Cap::WideKey, "ESPACE"}},
         "E : continuer"},
        {"En avant",
         {"R\xc3\xa9glez le sort des \xc3\xa2mes, ramassez le butin,", "puis passez la porte :",
          "un marchand attend au-del\xc3\xa0."},
         {{Cap::Key, "E"}, {Cap::Key, "F"}},
         "E : continuer"},
        {"Le marchand",
         {"Appuyez sur E pr\xc3\xa8s du marchand pour \xc3\xa9" "changer.",
          "Les fl\xc3\xa8" "ches choisissent, Entr\xc3\xa9" "e ach\xc3\xa8te ou vend,", "contre de l'or et des \xc3\xa2mes."},
         {{Cap::Key, "E"}, {Cap::Arrows, ""}, {Cap::WideKey, "ENTR\xc3\x89" "E"}},
         "E : continuer"},
        {"La derni\xc3\xa8re porte",
         {"Vous voil\xc3\xa0 pr\xc3\xaat pour la descente.", "Appuyez sur E pour quitter le tutoriel."},
         {{Cap::Key, "E"}},
         "E : retour au menu"},
    };
    return french ? french_ : english;
}

void paintParchment(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double x0 = kPaperX0, x1 = kPaperX1, y0 = kPaperY0, y1 = kPaperY1;
    // A soft shadow under the scroll.
    c.roundedRect(x0 + 14, y0 + 24, x1 - x0, y1 - y0, 30);
    c.fillColour(Rgba::rgb(0, 0, 0, 0.45));
    cairo_new_path(cr);
    c.blur(14);

    // The sheet, its edges wavering as old paper does.
    std::vector<std::pair<double, double>> edge;
    for (double x = x0; x <= x1; x += 20)
        edge.push_back({x, y0 + 8 * fractalNoise(x * 0.01, 0.3, 41, 3)});
    for (double y = y0; y <= y1; y += 20)
        edge.push_back({x1 - 8 * fractalNoise(0.7, y * 0.01, 42, 3), y});
    for (double x = x1; x >= x0; x -= 20)
        edge.push_back({x, y1 - 8 * fractalNoise(x * 0.01, 1.9, 43, 3)});
    for (double y = y1; y >= y0; y -= 20)
        edge.push_back({x0 + 8 * fractalNoise(2.3, y * 0.01, 44, 3), y});
    c.polygon(edge);
    c.fillRadial((x0 + x1) / 2, (y0 + y1) / 2, 80, (x1 - x0) * 0.62,
                 {{0, kPaper.scaled(1.06)}, {0.7, kPaper}, {1, kPaperDark}});
    cairo_new_path(cr);

    // Stains and foxing.
    Dice dice(7);
    for (int i = 0; i < 26; ++i)
    {
        const double x = dice.range(x0 + 40, x1 - 40), y = dice.range(y0 + 40, y1 - 40), r = dice.range(12, 60);
        c.ellipse(x, y, r, r * dice.range(0.6, 1.0));
        c.fillRadial(x, y, 0, r, {{0, kPaperDark.alpha(0.22)}, {1, kPaperDark.alpha(0)}});
        cairo_new_path(cr);
    }
    c.polygon(edge);
    c.grain(0.22, 3.0, 9);
    cairo_new_path(cr);
    // A scorched rim.
    c.polygon(edge);
    c.stroke(Rgba::rgb(92, 52, 26, 0.9), 10);
    c.polygon(edge);
    c.stroke(kInk.alpha(0.8), 3);
    cairo_new_path(cr);

    // Wooden rods at the top and bottom, with bone knobs.
    for (double y : {y0 - 6, y1 + 6})
    {
        c.roundedRect(x0 - 40, y - 18, x1 - x0 + 80, 36, 18);
        c.fillLinear(0, y - 18, 0, y + 18,
                     {{0, Rgba::rgb(120, 70, 40)}, {0.45, Rgba::rgb(70, 36, 20)}, {1, Rgba::rgb(28, 12, 8)}});
        c.stroke(kInk, 4);
        cairo_new_path(cr);
        for (double x : {x0 - 52, x1 + 52})
        {
            c.ellipse(x, y, 26, 30);
            c.fillRadial(x - 6, y - 8, 2, 30, {{0, kBone}, {1, Rgba::rgb(120, 100, 80)}});
            c.stroke(kInk, 4);
            cairo_new_path(cr);
        }
    }
    // A crimson rule framing the writing.
    c.roundedRect(x0 + 36, y0 + 44, x1 - x0 - 72, y1 - y0 - 88, 14);
    c.stroke(kRubric.alpha(0.55), 4);
    cairo_new_path(cr);
}

// A key cap of width w centred at (cx, cy), its label in a plain, legible face.
void keyCap(Canvas& c, double cx, double cy, double w, const std::string& label)
{
    cairo_t* cr = c.cr();
    const double h = 84;
    c.roundedRect(cx - w / 2 + 4, cy - h / 2 + 8, w, h, 14);
    c.fillColour(Rgba::rgb(0, 0, 0, 0.35));
    cairo_new_path(cr);
    c.roundedRect(cx - w / 2, cy - h / 2, w, h, 14);
    c.fillLinear(0, cy - h / 2, 0, cy + h / 2, {{0, Rgba::rgb(84, 70, 70)}, {1, Rgba::rgb(26, 18, 20)}});
    c.stroke(kInk, 4);
    cairo_new_path(cr);
    c.roundedRect(cx - w / 2 + 9, cy - h / 2 + 7, w - 18, h - 22, 10);
    c.fillLinear(0, cy - h / 2, 0, cy + h / 2 - 14, {{0, Rgba::rgb(120, 104, 100)}, {1, Rgba::rgb(58, 46, 48)}});
    cairo_new_path(cr);
    const double size = label.size() > 2 ? 30 : 44;
    c.textPath(label, fonts::kPlain, size, cx, cy + size * 0.3 - 6, 1);
    c.fillColour(kBone);
    cairo_new_path(cr);
}

void mouse(Canvas& c, double cx, double cy)
{
    cairo_t* cr = c.cr();
    const double w = 70, h = 104;
    c.roundedRect(cx - w / 2, cy - h / 2, w, h, 34);
    c.fillLinear(0, cy - h / 2, 0, cy + h / 2, {{0, Rgba::rgb(96, 84, 84)}, {1, Rgba::rgb(30, 22, 24)}});
    c.stroke(kInk, 4);
    cairo_new_path(cr);
    // The left button, lit.
    cairo_move_to(cr, cx - 2, cy - h / 2 + 4);
    cairo_line_to(cr, cx - 2, cy - 8);
    cairo_line_to(cr, cx - w / 2 + 4, cy - 8);
    cairo_arc(cr, cx - w / 2 + 34, cy - h / 2 + 34, 30, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
    c.glow(kEmber.alpha(0.7), 10, 6);
    c.fillLinear(0, cy - h / 2, 0, cy, {{0, kEmber}, {1, kCrimson}});
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - h / 2);
    cairo_line_to(cr, cx, cy - 8);
    c.stroke(kInk, 3);
    cairo_new_path(cr);
}

void arrows(Canvas& c, double cx, double cy)
{
    cairo_t* cr = c.cr();
    const double s = 58;
    const double at[4][2] = {{0, -s * 0.55}, {-s, s * 0.55}, {0, s * 0.55}, {s, s * 0.55}};
    const double angle[4] = {-M_PI / 2, M_PI, M_PI / 2, 0};
    for (int i = 0; i < 4; ++i)
    {
        const double x = cx + at[i][0], y = cy + at[i][1];
        c.roundedRect(x - s / 2 + 2, y - s / 2 + 2, s - 4, s - 4, 9);
        c.fillLinear(0, y - s / 2, 0, y + s / 2, {{0, Rgba::rgb(100, 86, 84)}, {1, Rgba::rgb(30, 22, 24)}});
        c.stroke(kInk, 3);
        cairo_new_path(cr);
        const double a = angle[i], r = 14;
        c.polygon({{x + r * std::cos(a), y + r * std::sin(a)},
                   {x + r * std::cos(a + 2.4), y + r * std::sin(a + 2.4)},
                   {x + r * std::cos(a - 2.4), y + r * std::sin(a - 2.4)}});
        c.fillColour(kBone);
        cairo_new_path(cr);
    }
}

void pentagram(Canvas& c, double cx, double cy)
{
    cairo_t* cr = c.cr();
    const double r = 50;
    c.ellipse(cx, cy, r, r);
    c.glow(kCrimson.alpha(0.6), 12, 6);
    c.stroke(kRubric, 5);
    cairo_new_path(cr);
    std::vector<std::pair<double, double>> star;
    for (int k = 0; k < 5; ++k)
    {
        const double a = -M_PI / 2 + k * 4 * M_PI / 5;
        star.push_back({cx + r * 0.92 * std::cos(a), cy + r * 0.92 * std::sin(a)});
    }
    c.polygon(star);
    c.stroke(kRubric, 4);
    cairo_new_path(cr);
}

// The soul between its two fates: crimson to the right (kill), gold to the left (spare).
void soulSides(Canvas& c, double cx, double cy)
{
    cairo_t* cr = c.cr();
    c.ellipse(cx, cy, 22, 32);
    c.glow(kPaleGold.alpha(0.6), 14, 6);
    c.fillRadial(cx, cy - 6, 2, 34, {{0, kHoly}, {1, Rgba::rgb(150, 180, 220)}});
    cairo_new_path(cr);
    auto arrow = [&](double dir, const Rgba& colour)
    {
        const double x0 = cx + dir * 44, x1 = cx + dir * 120;
        cairo_move_to(cr, x0, cy);
        cairo_line_to(cr, x1 - dir * 22, cy);
        c.stroke(colour, 10);
        cairo_new_path(cr);
        c.polygon({{x1, cy}, {x1 - dir * 30, cy - 20}, {x1 - dir * 30, cy + 20}});
        c.fillColour(colour);
        c.stroke(kInk, 2);
        cairo_new_path(cr);
    };
    arrow(1, kCrimson);
    arrow(-1, kGold);
}

double drawingWidth(const Drawing& d)
{
    switch (d.cap)
    {
    case Cap::Key:
        return 84;
    case Cap::WideKey:
        return 70 + 22.0 * static_cast<double>(d.label.size());
    case Cap::MouseLeft:
        return 80;
    case Cap::Arrows:
        return 180;
    case Cap::Pentagram:
        return 110;
    case Cap::SoulSides:
        return 250;
    }
    return 84;
}

void paintPage(Canvas& c, const Page& page)
{
    cairo_t* cr = c.cr();
    const double cx = (kPaperX0 + kPaperX1) / 2;
    c.title(page.title, fonts::kTitle, 92, cx, kPaperY0 + 150, kCrimson, kBlood, kInk, 3);

    // A small flourish under the title.
    cairo_move_to(cr, cx - 220, kPaperY0 + 180);
    cairo_curve_to(cr, cx - 80, kPaperY0 + 200, cx + 80, kPaperY0 + 160, cx + 220, kPaperY0 + 180);
    c.stroke(kRubric.alpha(0.8), 3);
    cairo_new_path(cr);

    // The lines in an ink brush hand, which keeps the scroll's mood but reads at a glance,
    // key names included (a blackletter E reads like a pound sign); a line too long
    // for the paper is set smaller.
    double y = kPaperY0 + 260;
    for (const std::string& line : page.lines)
    {
        double size = 48;
        while (c.textPath(line, fonts::kBrush, size, cx, y, 1) > kPaperX1 - kPaperX0 - 120 && size > 30)
        {
            cairo_new_path(cr);
            size -= 2;
        }
        c.fillColour(kInkBrown);
        cairo_new_path(cr);
        y += 64;
    }

    // The key drawings in one row under the text.
    const double gap = 40;
    double total = -gap;
    for (const Drawing& d : page.drawings)
        total += drawingWidth(d) + gap;
    double x = cx - total / 2;
    const double rowY = std::max(y + 50, kPaperY1 - 230);
    for (const Drawing& d : page.drawings)
    {
        const double w = drawingWidth(d), mid = x + w / 2;
        switch (d.cap)
        {
        case Cap::Key:
        case Cap::WideKey:
            keyCap(c, mid, rowY, w, d.label);
            break;
        case Cap::MouseLeft:
            mouse(c, mid, rowY);
            break;
        case Cap::Arrows:
            arrows(c, mid, rowY);
            break;
        case Cap::Pentagram:
            pentagram(c, mid, rowY);
            break;
        case Cap::SoulSides:
            soulSides(c, mid, rowY);
            break;
        }
        x += w + gap;
    }

    c.textPath(page.footer, fonts::kBrush, 38, kPaperX1 - 70, kPaperY1 - 66, 2);
    c.fillColour(kRubric);
    cairo_new_path(cr);
}

class TutorialPainter : public PatternPainter
{
public:
    TutorialPainter() : PatternPainter({R"(Assets/Sprites/Tuto/.*)"}) {}
    std::string name() const override { return "tutorial"; }
    int version() const override { return 2; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        Canvas canvas(kW, kH);
        if (path == TutorialState::kParchmentFile)
        {
            paintParchment(canvas);
            canvas.savePng(output);
            return;
        }
        for (unsigned language : {0u, 1u})
            for (int k = 1; k <= 9; ++k)
                if (path == TutorialState::pageFile(k, language))
                {
                    paintPage(canvas, pages(language == 1)[static_cast<std::size_t>(k - 1)]);
                    canvas.savePng(output);
                    return;
                }
        throw std::runtime_error("no tutorial picture for this file");
    }
};

RegisterPainter<TutorialPainter> registration;
} // namespace
