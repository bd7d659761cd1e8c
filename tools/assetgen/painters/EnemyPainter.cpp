// The enemies' shared pictures: the soft shadow under every regular enemy, the
// soul-choice icons (kill on the right, save on the left, in English and French)
// and the ToaKaipupuhi shot. The kinds' own sheets have a painter each.

#include "Canvas.h"
#include "EnemyArt.h"
#include "Fonts.h"
#include "Painter.h"

#include "creatures/EnemyDatabase.h"

#include <cmath>
#include <stdexcept>

namespace
{
using namespace palette;
using namespace enemyart;

void paintShadow(Canvas& c)
{
    const double w = c.width(), h = c.height();
    c.ellipse(w / 2, h / 2, w / 2 - 2, h / 2 - 2);
    c.fillRadial(w / 2, h / 2, 0, w / 2, {{0, Rgba{0, 0, 0, 0.62}}, {0.6, Rgba{0, 0, 0, 0.4}}, {1, Rgba{0, 0, 0, 0}}});
    c.clearPath();
}

// A plaque with a symbol and a word; `kill` decides side, colours and symbol.
void paintSoulChoice(Canvas& c, bool kill, const std::string& word)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    const Rgba main = kill ? kCrimson : kPaleGold;
    const Rgba deep = kill ? kBlood : kGold.scaled(0.6);
    // The plaque points away from the soul: right for kill, left for save.
    const double dir = kill ? 1 : -1;
    const double tipX = kill ? w - 6 : 6, baseX = kill ? 10 : w - 10;
    cairo_move_to(cr, baseX, 14);
    cairo_line_to(cr, tipX - dir * 40, 14);
    cairo_line_to(cr, tipX, h / 2);
    cairo_line_to(cr, tipX - dir * 40, h - 14);
    cairo_line_to(cr, baseX, h - 14);
    cairo_close_path(cr);
    c.glow(main, 10, 6);
    c.stroke(kInk, 8);
    c.fillLinear(0, 14, 0, h - 14, {{0, deep.scaled(1.2)}, {0.5, kInk.mix(deep, 0.5)}, {1, kInk}});
    c.stroke(main, 3);
    c.clearPath();

    // Symbol: a scythe blade for kill, a rising feathered wing for save.
    const double sx = kill ? 58 : w - 58, sy = h / 2;
    if (kill)
    {
        cairo_move_to(cr, sx - 30, sy + 30);
        cairo_line_to(cr, sx + 14, sy - 34);
        c.stroke(kInk, 9);
        c.stroke(Rgba::rgb(120, 80, 50), 5);
        c.clearPath();
        cairo_move_to(cr, sx + 14, sy - 34);
        cairo_curve_to(cr, sx - 10, sy - 44, sx - 34, sy - 30, sx - 40, sy - 8);
        cairo_curve_to(cr, sx - 22, sy - 24, sx - 4, sy - 28, sx + 10, sy - 24);
        cairo_close_path(cr);
        c.stroke(kInk, 4);
        c.fillLinear(sx - 40, sy - 40, sx + 14, sy - 10, {{0, kHoly}, {0.6, kBone}, {1, kCrimson}});
        c.clearPath();
    }
    else
    {
        for (int i = 0; i < 5; ++i)
        {
            const double a = -M_PI / 2 + (i - 2) * 0.32;
            const double len = 40 - std::abs(i - 2) * 6;
            cairo_save(cr);
            cairo_translate(cr, sx, sy + 26);
            cairo_rotate(cr, a + M_PI / 2);
            c.ellipse(0, -len / 2 - 4, 8, len / 2);
            c.stroke(kInk, 3);
            c.fillLinear(0, -len, 0, 0, {{0, kHoly}, {1, kPaleGold.scaled(0.85)}});
            c.clearPath();
            cairo_restore(cr);
        }
        c.ellipse(sx, sy + 26, 7, 7);
        c.glow(kHoly, 8, 4);
        c.fillColour(kHoly);
        c.clearPath();
    }

    const double textX = kill ? 104 : w - 104;
    c.title(word, fonts::kTitle, 50, textX, h / 2 + 17, kill ? kBone : kHoly, kill ? kEmber : kGold, kInk, 5,
            kill ? 0 : 2);
}

// The ToaKaipupuhi shot: a spinning bolt of violet fire pointing right, its head at the right edge.
void paintToaShot(Canvas& sheet)
{
    const int fw = 64, fh = 32, n = 4;
    paintSheet(sheet, fw, fh, n, n,
               [&](Canvas& c, int i, double)
               {
                   cairo_t* cr = c.cr();
                   const Rgba violet = Rgba::rgb(170, 90, 255);
                   for (int k = 0; k < 3; ++k)
                   {
                       const double wob = std::sin((i + k) * 1.7) * 3;
                       cairo_move_to(cr, 4 + k * 6, fh / 2 + wob);
                       cairo_curve_to(cr, 20, fh / 2 - 9 + wob, 44, fh / 2 - 7, fw - 4, fh / 2);
                       cairo_curve_to(cr, 44, fh / 2 + 7, 20, fh / 2 + 9 - wob, 4 + k * 6, fh / 2 + wob);
                       c.fillColour(violet.alpha(0.25 + 0.15 * k));
                       c.clearPath();
                   }
                   c.ellipse(fw - 14, fh / 2, 10, 7);
                   c.glow(violet, 8, 5);
                   c.fillRadial(fw - 12, fh / 2, 0, 10, {{0, kHoly}, {0.5, violet.scaled(1.4)}, {1, violet}});
                   c.clearPath();
               });
}

// Kahiyu's thrown rock: a craggy boulder with a glowing ember crack.
void paintRock(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    const Rgba stone = Rgba::rgb(112, 100, 96);
    const double cx = w / 2, cy = h / 2, r = w * 0.4;
    for (int i = 0; i < 9; ++i)
    {
        const double a = i * 2 * M_PI / 9;
        const double rr = r * (0.82 + 0.18 * std::sin(i * 2.3));
        if (i == 0)
            cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
        else
            cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
    c.stroke(kInk, 5);
    c.fillRadial(cx - r * 0.35, cy - r * 0.35, 0, r * 1.4,
                 {{0, stone.scaled(1.6)}, {0.6, stone}, {1, stone.scaled(0.4)}});
    c.clearPath();
    cairo_move_to(cr, cx - r * 0.5, cy - r * 0.1);
    cairo_line_to(cr, cx - r * 0.05, cy + r * 0.15);
    cairo_line_to(cr, cx + r * 0.45, cy - r * 0.35);
    c.glow(kEmber, 6, 4);
    c.stroke(kEmber.mix(kHoly, 0.3), 3);
    c.clearPath();
}

// The rock bursting where it lands: a dust ring widening and fading, shards flying
// out and an ember flash at the heart, eight frames.
void paintRockBurst(Canvas& sheet)
{
    const int fw = 128, fh = 128, n = 8;
    paintSheet(sheet, fw, fh, n, n,
               [&](Canvas& c, int i, double)
               {
                   cairo_t* cr = c.cr();
                   const double u = (i + 1) / static_cast<double>(n);
                   const double cx = fw / 2.0, cy = fh / 2.0;
                   const Rgba dust = Rgba::rgb(150, 128, 112);
                   c.ellipse(cx, cy + 10, 14 + 46 * u, (14 + 46 * u) * 0.55);
                   c.fillRadial(cx, cy + 10, 0, 14 + 46 * u,
                                {{0, dust.alpha(0.0)}, {0.7, dust.alpha(0.55 * (1 - u))}, {1, dust.alpha(0)}});
                   c.clearPath();
                   if (u < 0.6)
                   {
                       c.ellipse(cx, cy, 26 * (1 - u), 22 * (1 - u));
                       c.glow(kEmber, 12, 6);
                       c.fillRadial(cx, cy, 0, 26, {{0, kHoly}, {0.5, kEmber}, {1, kEmber.alpha(0)}});
                       c.clearPath();
                   }
                   for (int k = 0; k < 7; ++k)
                   {
                       const double a = k * 2 * M_PI / 7 + 0.4;
                       const double d = 10 + 48 * u;
                       const double x = cx + d * std::cos(a), y = cy + d * std::sin(a) * 0.7 - 20 * u * (1 - u);
                       const double s = 7 * (1 - u * 0.6);
                       cairo_move_to(cr, x - s, y);
                       cairo_line_to(cr, x, y - s);
                       cairo_line_to(cr, x + s, y + s * 0.4);
                       cairo_close_path(cr);
                       c.stroke(kInk, 2);
                       c.fillColour(Rgba::rgb(112, 100, 96).scaled(1.2 - 0.4 * u));
                       c.clearPath();
                   }
               });
}

class EnemySharedPainter : public PatternPainter
{
public:
    EnemySharedPainter()
        : PatternPainter({R"(Assets/Sprites/Enemy/Shadow\.png)",
                          R"(Assets/Sprites/SoulChoice/(En|Fr)/(kill|save)\.png)",
                          R"(Assets/Sprites/Projectile/ToaKaipupuhiProj\.png)",
                          R"(Assets/Sprites/Projectile/Kahiyu_Rock(_VFX)?\.png)"})
    {
    }
    std::string name() const override { return "enemy-shared"; }
    int version() const override { return 3; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        if (path == EnemyDatabase::kShadowFile)
        {
            Canvas c(128, 48);
            paintShadow(c);
            c.savePng(output);
            return;
        }
        if (path.find("Kahiyu_Rock_VFX") != std::string::npos)
        {
            Canvas c(128 * 8, 128);
            paintRockBurst(c);
            c.savePng(output);
            return;
        }
        if (path.find("Kahiyu_Rock") != std::string::npos)
        {
            Canvas c(96, 96);
            paintRock(c);
            c.savePng(output);
            return;
        }
        if (path.find("ToaKaipupuhiProj") != std::string::npos)
        {
            Canvas c(64 * 4, 32);
            paintToaShot(c);
            c.savePng(output);
            return;
        }
        const bool french = path.find("/Fr/") != std::string::npos;
        const bool kill = path.find("kill") != std::string::npos;
        const std::string word = kill ? (french ? "Tuer" : "Kill") : (french ? "Sauver" : "Save");
        Canvas c(300, 120);
        paintSoulChoice(c, kill, word);
        c.savePng(output);
    }
};

RegisterPainter<EnemySharedPainter> registration;
} // namespace
