// The heads-up display: the health bar (crimson fill, iron frame with a skull, a
// glow), the karma gauge (demonic crimson on the left, angelic gold on the right,
// a soul-flame marker), the boss life bar's five stacked pieces and the satchel.
// The pieces are drawn to the window positions the game gives them, so fill and
// frame meet where the game draws them.

#include "Canvas.h"
#include "Fonts.h"
#include "Painter.h"

#include "run/BossLifeBar.h"
#include "run/RunTextures.h"
#include "run/healthBar.h"
#include "run/karmaBar.h"

#include <cmath>
#include <stdexcept>

namespace
{
using namespace palette;

const Rgba kIron = Rgba::rgb(54, 46, 50);
const Rgba kIronDark = Rgba::rgb(20, 14, 16);
const Rgba kBloodBright = Rgba::rgb(236, 48, 52);

// Health bar layout in the frame picture's pixels. The fill and the glow are drawn
// at other window offsets; these convert between the three pictures.
constexpr double kPieceScale = healthBar::kScale;
constexpr double kFillDx = (healthBar::kFillPosition.x - healthBar::kFramePosition.x) / kPieceScale; // -30
constexpr double kFillDy = (healthBar::kFillPosition.y - healthBar::kFramePosition.y) / kPieceScale; // +10
constexpr double kGlowDx = (healthBar::kGlowPosition.x - healthBar::kFramePosition.x) / kPieceScale; // -40
constexpr double kGlowDy = (healthBar::kGlowPosition.y - healthBar::kFramePosition.y) / kPieceScale; // -10
constexpr int kFrameW = 1040, kFrameH = 160;
constexpr double kWinX0 = 26, kWinX1 = 890, kWinY0 = 46, kWinY1 = 114; // the frame's window
constexpr double kSkullX = 962, kSkullY = 80;
constexpr double kCapRight = kWinX0 + 14;

// Rivets, filigree and a worn metal sheen along a rail.
void ironRail(Canvas& c, double x0, double y0, double x1, double y1, const Rgba& accent)
{
    cairo_t* cr = c.cr();
    c.roundedRect(x0, y0, x1 - x0, y1 - y0, (y1 - y0) / 2);
    c.stroke(kInk, 5);
    c.fillLinear(0, y0, 0, y1, {{0, kIron.scaled(1.6)}, {0.45, kIron}, {1, kIronDark}});
    cairo_new_path(cr);
    cairo_move_to(cr, x0 + 10, y0 + (y1 - y0) * 0.3);
    cairo_line_to(cr, x1 - 10, y0 + (y1 - y0) * 0.3);
    c.stroke(Rgba::rgb(255, 255, 255, 0.12), 2);
    cairo_new_path(cr);
    for (double x = x0 + 40; x < x1 - 20; x += 90)
    {
        c.ellipse(x, (y0 + y1) / 2, 4, 4);
        c.fillRadial(x - 1, (y0 + y1) / 2 - 1, 0, 5, {{0, accent.scaled(1.4)}, {1, accent.scaled(0.5)}});
        cairo_new_path(cr);
    }
}

void paintHealthFill(const std::filesystem::path& output)
{
    const int w = int(kWinX1 - kFillDx) + 4, h = 150;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    const double y0 = kWinY0 - kFillDy - 6, y1 = kWinY1 - kFillDy + 6;
    // The fill starts under the frame's left cap: the game draws it further left than
    // the frame, and nothing may show beside the cap.
    const double x0 = kCapRight - 8 - kFillDx;
    canvas.roundedRect(x0, y0, w - x0, y1 - y0, 12);
    canvas.fillLinear(
        0, y0, 0, y1,
        {{0, Rgba::rgb(255, 120, 110)}, {0.18, kBloodBright}, {0.55, kCrimson}, {1, Rgba::rgb(70, 4, 12)}});
    cairo_new_path(cr);
    // Veins and bubbles in the blood, kept inside it: the picture's left part shows
    // beside the frame's cap, where stray bubbles would float in the air.
    for (int x = int(x0) + 8; x < w - 4; x += 3)
    {
        const double n = fractalNoise(x * 0.02, 0.5, 19, 3);
        const double y = y0 + (y1 - y0) * (0.35 + 0.4 * n);
        canvas.ellipse(x, y, 2.5, 1.2);
        canvas.fillColour(Rgba::rgb(120, 0, 10, 0.25));
        cairo_new_path(cr);
    }
    Dice dice(5);
    for (int k = 0; k < 60; ++k)
    {
        const double x = dice.range(x0 + 14, w - 10), y = dice.range(y0 + 10, y1 - 10), r = dice.range(2, 6);
        canvas.ellipse(x, y, r, r);
        canvas.stroke(Rgba::rgb(255, 140, 130, 0.45), 1.5);
        cairo_new_path(cr);
    }
    canvas.savePng(output);
}

void paintHealthFrame(const std::filesystem::path& output)
{
    Canvas canvas(kFrameW, kFrameH);
    cairo_t* cr = canvas.cr();
    // Inner shadow of the window, over the fill.
    for (int i = 0; i < 8; ++i)
    {
        canvas.roundedRect(kWinX0 + i, kWinY0 + i, kWinX1 - kWinX0 - 2 * i, kWinY1 - kWinY0 - 2 * i, 12);
        canvas.stroke(Rgba{0, 0, 0, 0.12}, 2);
        cairo_new_path(cr);
    }
    // Rails above and below the window, the left cap and the right end that holds the skull.
    ironRail(canvas, kWinX0 - 10, kWinY0 - 26, kWinX1 + 20, kWinY0 + 2, kGold);
    ironRail(canvas, kWinX0 - 10, kWinY1 - 2, kWinX1 + 20, kWinY1 + 26, kGold);
    canvas.polygon({{2, kWinY0 - 14},
                    {kWinX0 + 4, kWinY0 - 30},
                    {kCapRight, kSkullY},
                    {kWinX0 + 4, kWinY1 + 30},
                    {2, kWinY1 + 14}});
    canvas.stroke(kInk, 4);
    canvas.fillLinear(0, 0, kCapRight, 0, {{0, kIronDark}, {1, kIron.scaled(1.4)}});
    cairo_new_path(cr);
    // Thorns along the top rail.
    for (double x = kWinX0 + 60; x < kWinX1 - 20; x += 110)
    {
        canvas.polygon({{x - 10, kWinY0 - 24}, {x + 4, kWinY0 - 44}, {x + 10, kWinY0 - 24}});
        canvas.stroke(kInk, 3);
        canvas.fillLinear(x, kWinY0 - 44, x, kWinY0 - 24, {{0, kBone}, {1, kIron}});
        cairo_new_path(cr);
    }
    // Skull medallion.
    canvas.ellipse(kSkullX, kSkullY, 72, 72);
    canvas.stroke(kInk, 6);
    canvas.fillRadial(kSkullX - 20, kSkullY - 20, 4, 80, {{0, kIron.scaled(1.7)}, {0.7, kIron}, {1, kIronDark}});
    cairo_new_path(cr);
    canvas.ellipse(kSkullX, kSkullY, 64, 64);
    canvas.stroke(kGold, 4);
    cairo_new_path(cr);
    // The skull.
    cairo_move_to(cr, kSkullX - 38, kSkullY + 4);
    cairo_curve_to(cr, kSkullX - 44, kSkullY - 50, kSkullX + 44, kSkullY - 50, kSkullX + 38, kSkullY + 4);
    cairo_curve_to(cr, kSkullX + 36, kSkullY + 20, kSkullX + 24, kSkullY + 22, kSkullX + 22, kSkullY + 36);
    cairo_line_to(cr, kSkullX - 22, kSkullY + 36);
    cairo_curve_to(cr, kSkullX - 24, kSkullY + 22, kSkullX - 36, kSkullY + 20, kSkullX - 38, kSkullY + 4);
    cairo_close_path(cr);
    canvas.stroke(kInk, 5);
    canvas.fillRadial(kSkullX - 12, kSkullY - 20, 4, 60, {{0, kHoly}, {0.6, kBone}, {1, kBone.scaled(0.6)}});
    cairo_new_path(cr);
    for (int s : {-1, 1})
    {
        canvas.ellipse(kSkullX + s * 16, kSkullY - 2, 11, 13);
        canvas.fillColour(kInk);
        canvas.glow(kBloodBright, 6, 3);
        cairo_new_path(cr);
        canvas.ellipse(kSkullX + s * 16, kSkullY, 4, 4);
        canvas.fillColour(kBloodBright);
        cairo_new_path(cr);
    }
    canvas.polygon({{kSkullX, kSkullY + 8}, {kSkullX - 6, kSkullY + 20}, {kSkullX + 6, kSkullY + 20}});
    canvas.fillColour(kInk);
    cairo_new_path(cr);
    for (int t = -2; t <= 2; ++t)
    {
        cairo_move_to(cr, kSkullX + t * 8, kSkullY + 26);
        cairo_line_to(cr, kSkullX + t * 8, kSkullY + 36);
        canvas.stroke(kInk, 2.5);
        cairo_new_path(cr);
    }
    canvas.savePng(output);
}

void paintHealthGlow(const std::filesystem::path& output)
{
    const int w = int(kWinX1 - kGlowDx) + 10, h = 180;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    const double x0 = kWinX0 - kGlowDx, x1 = kWinX1 - kGlowDx;
    const double yTop = kWinY0 - kGlowDy + 8, yMid = (kWinY0 + kWinY1) / 2 - kGlowDy;
    // A warm haze around the blood and a sheen along its top. Neither starts left of
    // the frame's window: the game draws this picture further left than the frame.
    canvas.roundedRect(x0 + (kCapRight - kWinX0), yMid - 56, x1 - x0 - (kCapRight - kWinX0) + 20, 112, 40);
    canvas.fillLinear(
        0, yMid - 56, 0, yMid + 56,
        {{0, Rgba::rgb(255, 60, 60, 0)}, {0.5, Rgba::rgb(255, 60, 50, 0.16)}, {1, Rgba::rgb(255, 60, 60, 0)}});
    cairo_new_path(cr);
    canvas.roundedRect(x0 + (kCapRight - kWinX0) + 4, yTop, x1 - x0 - (kCapRight - kWinX0) - 12, 10, 5);
    canvas.fillLinear(0, yTop, 0, yTop + 10, {{0, Rgba::rgb(255, 230, 220, 0.65)}, {1, Rgba::rgb(255, 180, 170, 0.0)}});
    cairo_new_path(cr);
    canvas.blur(3);
    canvas.savePng(output);
}

// The karma bar: a horizontal gauge, demonic on the left, angelic on the right, with
// marks at the karma where the player's form turns.
void paintKarmaBar(const std::filesystem::path& output)
{
    // The game sets the picture's half-scale box flush with the window's bottom-right
    // corner; the margins keep the crests off the window's edges.
    const int marginX = 48, marginY = 24;
    const int w = 760 + 2 * marginX, h = 200 + 2 * marginY;
    const double cx = w / 2.0, cy = h / 2.0;
    const double span = karmaBar::kLimit / karmaBar::kScale; // marker travel each way, in picture pixels
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    const double x0 = cx - span - 16, x1 = cx + span + 16, y0 = cy - 22, y1 = cy + 22;
    // Track.
    canvas.roundedRect(x0, y0, x1 - x0, y1 - y0, 22);
    canvas.stroke(kInk, 8);
    canvas.fillLinear(x0, 0, x1, 0,
                      {{0, Rgba::rgb(40, 0, 4)},
                       {0.2, kCrimson},
                       {0.46, Rgba::rgb(70, 20, 24)},
                       {0.54, Rgba::rgb(120, 96, 60)},
                       {0.8, kGold},
                       {1, kHoly}});
    cairo_new_path(cr);
    canvas.roundedRect(x0 + 6, y0 + 4, x1 - x0 - 12, 10, 5);
    canvas.fillColour(Rgba::rgb(255, 255, 255, 0.18));
    cairo_new_path(cr);
    // Flames licking along the demonic half, light rays on the angelic half.
    for (int k = 0; k < 9; ++k)
    {
        const double x = x0 + 30 + k * (span - 40) / 8;
        const double t = fractalNoise(k * 0.7, 0.3, 11, 2);
        cairo_move_to(cr, x - 12, y0 + 2);
        cairo_curve_to(cr, x - 10, y0 - 14 - 18 * t, x + 4, y0 - 10, x + 2, y0 - 26 - 22 * t);
        cairo_curve_to(cr, x + 12, y0 - 8, x + 12, y0 - 4, x + 12, y0 + 2);
        cairo_close_path(cr);
        canvas.fillLinear(x, y0 - 40, x, y0, {{0, kEmber}, {1, kCrimson}});
        cairo_new_path(cr);
    }
    for (int k = 0; k < 9; ++k)
    {
        const double x = cx + 40 + k * (span - 40) / 8;
        cairo_move_to(cr, x - 5, y0 + 2);
        cairo_line_to(cr, x, y0 - 20 - 14 * (k % 2));
        cairo_line_to(cr, x + 5, y0 + 2);
        cairo_close_path(cr);
        canvas.fillLinear(x, y0 - 34, x, y0, {{0, kHoly.alpha(0.2)}, {1, kPaleGold}});
        cairo_new_path(cr);
    }
    // Rim over the track, with the centre notch and the marks where the form turns.
    canvas.roundedRect(x0, y0, x1 - x0, y1 - y0, 22);
    canvas.stroke(kIronDark, 6);
    canvas.stroke(kGold.scaled(0.8), 2);
    cairo_new_path(cr);
    const double turn = 40 / karmaBar::kScale;
    for (double x : {cx - turn, cx + turn})
    {
        cairo_move_to(cr, x, y0 + 4);
        cairo_line_to(cr, x, y1 - 4);
        canvas.stroke(kInk.alpha(0.8), 4);
        canvas.stroke(kBone.alpha(0.6), 1.5);
        cairo_new_path(cr);
    }
    canvas.polygon({{cx - 10, y0 - 12}, {cx + 10, y0 - 12}, {cx, y0 + 6}});
    canvas.stroke(kInk, 3);
    canvas.fillColour(kBone);
    cairo_new_path(cr);
    // Left end: a horned demon skull. Right end: a haloed winged crest.
    const double lx = x0 - 4, rx = x1 + 4;
    for (int s : {-1, 1})
    {
        cairo_move_to(cr, lx + s * 14, cy - 22);
        cairo_curve_to(cr, lx + s * 40, cy - 40, lx + s * 36, cy - 70, lx + s * 16, cy - 84);
        cairo_curve_to(cr, lx + s * 24, cy - 60, lx + s * 18, cy - 44, lx + s * 2, cy - 30);
        cairo_close_path(cr);
        canvas.stroke(kInk, 4);
        canvas.fillLinear(lx, cy - 84, lx, cy - 22, {{0, kEmber}, {0.4, kCrimson}, {1, kIronDark}});
        cairo_new_path(cr);
    }
    canvas.ellipse(lx, cy, 34, 38);
    canvas.stroke(kInk, 5);
    canvas.fillRadial(lx - 8, cy - 10, 2, 44, {{0, Rgba::rgb(120, 30, 36)}, {1, Rgba::rgb(26, 4, 8)}});
    cairo_new_path(cr);
    for (int s : {-1, 1})
    {
        canvas.ellipse(lx + s * 12, cy - 4, 8, 6);
        canvas.glow(kEmber, 8, 4);
        canvas.fillColour(Rgba::rgb(255, 80, 40));
        cairo_new_path(cr);
    }
    for (int s : {-1, 1})
    {
        for (int f = 0; f < 4; ++f)
        {
            // Feathers fanning out past the disc, so the crest reads as winged.
            const double a = -0.35 - f * 0.3;
            const double len = 66 - f * 8;
            const double fx = rx + s * (std::cos(a) * len + 12), fy = cy + std::sin(a) * len;
            cairo_move_to(cr, rx + s * 8, cy - 6);
            cairo_curve_to(cr, rx + s * 24, cy - 24, fx - s * 4, fy + 12, fx, fy);
            cairo_curve_to(cr, fx - s * 6, fy + 10, rx + s * 10, cy - 8, rx + s * 6, cy);
            cairo_close_path(cr);
            canvas.stroke(Rgba::rgb(140, 110, 60), 2);
            canvas.fillLinear(rx, cy, fx, fy, {{0, kPaleGold}, {1, kHoly}});
            cairo_new_path(cr);
        }
    }
    canvas.ellipse(rx, cy, 32, 36);
    canvas.stroke(Rgba::rgb(120, 84, 30), 5);
    canvas.fillRadial(rx - 8, cy - 10, 2, 40, {{0, kHoly}, {0.6, kPaleGold}, {1, kGold}});
    cairo_new_path(cr);
    canvas.ellipse(rx, cy - 52, 24, 7);
    canvas.glow(kPaleGold, 8, 4);
    canvas.stroke(kGold, 4);
    cairo_new_path(cr);
    // A sunburst on the angelic crest.
    for (int k = 0; k < 8; ++k)
    {
        const double a = k * M_PI / 4;
        cairo_move_to(cr, rx + std::cos(a) * 8, cy + std::sin(a) * 8);
        cairo_line_to(cr, rx + std::cos(a) * 22, cy + std::sin(a) * 22);
        canvas.stroke(kGold.scaled(0.8), 3);
        cairo_new_path(cr);
    }
    canvas.savePng(output);
}

// The karma marker: a pale soul flame on a spike, readable over both halves.
void paintKarmaMarker(const std::filesystem::path& output)
{
    const int w = 80, h = 150;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    const double cx = w / 2.0, cy = h / 2.0;
    cairo_move_to(cr, cx, 6);
    cairo_curve_to(cr, cx + 10, 34, cx + 30, 52, cx + 28, 78);
    cairo_curve_to(cr, cx + 26, 104, cx + 10, 118, cx, 144);
    cairo_curve_to(cr, cx - 10, 118, cx - 26, 104, cx - 28, 78);
    cairo_curve_to(cr, cx - 30, 52, cx - 10, 34, cx, 6);
    cairo_close_path(cr);
    canvas.glow(Rgba::rgb(255, 255, 255, 0.7), 8, 4);
    canvas.stroke(kInk, 6);
    canvas.fillRadial(cx, cy + 6, 2, 60, {{0, kHoly}, {0.45, Rgba::rgb(210, 220, 240)}, {1, Rgba::rgb(90, 90, 120)}});
    cairo_new_path(cr);
    canvas.ellipse(cx, cy + 8, 10, 16);
    canvas.fillColour(Rgba::rgb(255, 255, 255, 0.9));
    cairo_new_path(cr);
    canvas.savePng(output);
}

// Boss life bar: five pictures of one size stacked by the game.
constexpr int kBossW = 2000, kBossH = 180;
constexpr double kBossEnd = BossLifeBar::kEndWidth;
constexpr double kBossY0 = 74, kBossY1 = 136;

void bossPiece(const std::string& key, const std::filesystem::path& output)
{
    Canvas canvas(kBossW, kBossH);
    cairo_t* cr = canvas.cr();
    const double x0 = kBossEnd, x1 = kBossW - kBossEnd;
    if (key == "Boss_Bottom")
    {
        canvas.roundedRect(x0 - 20, kBossY0 - 4, x1 - x0 + 40, kBossY1 - kBossY0 + 8, 20);
        canvas.fillLinear(0, kBossY0, 0, kBossY1, {{0, Rgba::rgb(30, 8, 12)}, {1, Rgba::rgb(8, 2, 4)}});
        cairo_new_path(cr);
        for (double x = x0; x < x1; x += 14)
        {
            const double n = fractalNoise(x * 0.01, 1.0, 3, 3);
            cairo_move_to(cr, x, kBossY0 + 4);
            cairo_line_to(cr, x + 6, kBossY1 - 4);
            canvas.stroke(Rgba::rgb(60, 20, 26, 0.25 + 0.3 * n), 2);
            cairo_new_path(cr);
        }
    }
    else if (key == "Boss_Light")
    {
        canvas.roundedRect(x0 - 60, kBossY0 - 40, x1 - x0 + 120, kBossY1 - kBossY0 + 80, 60);
        canvas.fillLinear(
            0, kBossY0 - 40, 0, kBossY1 + 40,
            {{0, Rgba::rgb(255, 40, 30, 0)}, {0.5, Rgba::rgb(255, 50, 30, 0.35)}, {1, Rgba::rgb(255, 40, 30, 0)}});
        cairo_new_path(cr);
        canvas.blur(8);
    }
    else if (key == "Boss_LifeBar")
    {
        // Life reaches into both ends (under the frame's caps); the game never shows the right one.
        canvas.roundedRect(40, kBossY0 + 2, kBossW - 80, kBossY1 - kBossY0 - 4, 14);
        canvas.fillLinear(
            0, kBossY0, 0, kBossY1,
            {{0, Rgba::rgb(255, 140, 90)}, {0.2, Rgba::rgb(240, 60, 40)}, {0.6, kCrimson}, {1, Rgba::rgb(60, 0, 8)}});
        cairo_new_path(cr);
        for (double x = 40; x < kBossW - 40; x += 4)
        {
            const double n = fractalNoise(x * 0.008, 2.0, 9, 4);
            canvas.ellipse(x, kBossY0 + 10 + n * 40, 3, 1.5);
            canvas.fillColour(Rgba::rgb(255, 200, 120, 0.12 + 0.2 * n));
            cairo_new_path(cr);
        }
    }
    else if (key == "Boss_Top")
    {
        ironRail(canvas, x0 - 30, kBossY0 - 26, x1 + 30, kBossY0 + 2, kCrimson);
        ironRail(canvas, x0 - 30, kBossY1 - 2, x1 + 30, kBossY1 + 26, kCrimson);
        // End caps covering the life's fixed ends, each with a curved horn.
        for (int s : {-1, 1})
        {
            const double ex = s < 0 ? x0 : x1;
            canvas.roundedRect(ex - 80, kBossY0 - 30, 160, kBossY1 - kBossY0 + 60, 30);
            canvas.stroke(kInk, 6);
            canvas.fillLinear(ex - 80, 0, ex + 80, 0, {{0, kIronDark}, {0.5, kIron.scaled(1.5)}, {1, kIronDark}});
            cairo_new_path(cr);
            cairo_move_to(cr, ex - s * 20, kBossY0 - 20);
            cairo_curve_to(cr, ex + s * 60, kBossY0 - 40, ex + s * 90, kBossY0 - 10, ex + s * 110, kBossY0 - 64);
            cairo_curve_to(cr, ex + s * 100, kBossY0, ex + s * 60, kBossY0 + 10, ex - s * 10, kBossY0);
            cairo_close_path(cr);
            canvas.stroke(kInk, 5);
            canvas.fillLinear(ex, kBossY0, ex + s * 110, kBossY0 - 64,
                              {{0, kIronDark}, {0.6, kBone.scaled(0.7)}, {1, kBone}});
            cairo_new_path(cr);
            canvas.ellipse(ex, (kBossY0 + kBossY1) / 2, 22, 22);
            canvas.glow(kBloodBright, 10, 4);
            canvas.fillRadial(ex - 5, (kBossY0 + kBossY1) / 2 - 6, 2, 24,
                              {{0, Rgba::rgb(255, 160, 140)}, {0.5, kCrimson}, {1, kBlood}});
            cairo_new_path(cr);
        }
        // Crest above the middle: a horned skull.
        const double cx = kBossW / 2.0, cy = kBossY0 - 34;
        canvas.polygon({{cx - 90, kBossY0 - 10}, {cx - 40, cy - 20}, {cx + 40, cy - 20}, {cx + 90, kBossY0 - 10}});
        canvas.stroke(kInk, 5);
        canvas.fillLinear(0, cy - 20, 0, kBossY0, {{0, kIron.scaled(1.4)}, {1, kIronDark}});
        cairo_new_path(cr);
        canvas.ellipse(cx, cy, 26, 24);
        canvas.stroke(kInk, 4);
        canvas.fillRadial(cx - 6, cy - 8, 2, 30, {{0, kHoly}, {1, kBone.scaled(0.7)}});
        cairo_new_path(cr);
        for (int s : {-1, 1})
        {
            canvas.ellipse(cx + s * 9, cy, 6, 7);
            canvas.fillColour(kInk);
            canvas.glow(kBloodBright, 5, 3);
            cairo_new_path(cr);
        }
    }
    else if (key == "Boss_Outline")
    {
        canvas.roundedRect(x0 - 4, kBossY0 - 1, x1 - x0 + 8, kBossY1 - kBossY0 + 2, 14);
        canvas.stroke(Rgba::rgb(255, 210, 150, 0.55), 3);
        cairo_new_path(cr);
        canvas.roundedRect(x0 - 34, kBossY0 - 28, x1 - x0 + 68, kBossY1 - kBossY0 + 56, 24);
        canvas.stroke(kInk, 4);
        canvas.stroke(Rgba::rgb(200, 150, 90, 0.5), 1.5);
        cairo_new_path(cr);
    }
    else
        throw std::runtime_error("no boss life bar piece " + key);
    canvas.savePng(output);
}

// The satchel shown while pick-up notices fly: a leather pouch with a gold clasp.
// A key prompt: a bone key cap lit from above, its letter in a plain black face, so
// the E and F over the player's head read at a glance on every floor.
void paintKeyCap(const std::string& letter, const std::filesystem::path& output)
{
    const int s = 96;
    Canvas canvas(s, s);
    cairo_t* cr = canvas.cr();
    // A soft dark halo keeps the cap apart from light floors.
    canvas.roundedRect(8, 10, 80, 80, 16);
    canvas.glow(Rgba{0, 0, 0, 0.9}, 6, 5);
    cairo_new_path(cr);
    // The cap's skirt (its sides), darker, then its face.
    canvas.roundedRect(8, 8, 80, 80, 16);
    canvas.fillLinear(0, 8, 0, 88, {{0, Rgba::rgb(150, 136, 116)}, {1, Rgba::rgb(84, 72, 62)}});
    canvas.stroke(kInk, 4);
    cairo_new_path(cr);
    canvas.roundedRect(16, 12, 64, 62, 11);
    canvas.fillLinear(0, 12, 0, 74, {{0, Rgba::rgb(250, 244, 228)}, {1, kBone}});
    cairo_new_path(cr);
    canvas.roundedRect(16, 12, 64, 62, 11);
    canvas.stroke(Rgba::rgb(120, 104, 86), 2);
    cairo_new_path(cr);
    canvas.textPath(letter, fonts::kPlainBlack, 48, 48, 61, 1);
    canvas.fillColour(kInk);
    cairo_new_path(cr);
    canvas.savePng(output);
}

void paintSatchel(const std::filesystem::path& output)
{
    const int s = 220;
    Canvas canvas(s, s);
    cairo_t* cr = canvas.cr();
    const Rgba leather = Rgba::rgb(120, 70, 40);
    canvas.ellipse(110, 196, 80, 14);
    canvas.fillColour(Rgba{0, 0, 0, 0.4});
    cairo_new_path(cr);
    // Strap.
    cairo_move_to(cr, 40, 90);
    cairo_curve_to(cr, 40, 10, 180, 10, 180, 90);
    canvas.stroke(kInk, 16);
    canvas.stroke(leather.scaled(0.7), 10);
    cairo_new_path(cr);
    // Body.
    cairo_move_to(cr, 36, 80);
    cairo_curve_to(cr, 20, 140, 40, 196, 110, 196);
    cairo_curve_to(cr, 180, 196, 200, 140, 184, 80);
    cairo_close_path(cr);
    canvas.stroke(kInk, 6);
    canvas.fillRadial(90, 120, 10, 120, {{0, leather.scaled(1.4)}, {0.7, leather}, {1, leather.scaled(0.45)}});
    cairo_new_path(cr);
    canvas.grain(0.15, 3, 77);
    // Flap with stitching and the clasp.
    cairo_move_to(cr, 32, 78);
    cairo_curve_to(cr, 60, 66, 160, 66, 188, 78);
    cairo_curve_to(cr, 180, 120, 140, 140, 110, 142);
    cairo_curve_to(cr, 80, 140, 40, 120, 32, 78);
    cairo_close_path(cr);
    canvas.stroke(kInk, 6);
    canvas.fillLinear(0, 66, 0, 142, {{0, leather.scaled(1.3)}, {1, leather.scaled(0.7)}});
    cairo_new_path(cr);
    cairo_move_to(cr, 44, 84);
    cairo_curve_to(cr, 52, 114, 84, 130, 110, 132);
    cairo_curve_to(cr, 136, 130, 168, 114, 176, 84);
    const double dash[] = {6, 5};
    cairo_set_dash(cr, dash, 2, 0);
    canvas.stroke(Rgba::rgb(230, 200, 150, 0.8), 2.5);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_new_path(cr);
    canvas.ellipse(110, 136, 16, 16);
    canvas.glow(kPaleGold, 6, 3);
    canvas.stroke(kInk, 4);
    canvas.fillRadial(105, 131, 1, 18, {{0, kHoly}, {0.5, kPaleGold}, {1, kGold.scaled(0.7)}});
    cairo_new_path(cr);
    // A coin and a glint peeking out.
    canvas.ellipse(150, 70, 14, 8);
    canvas.stroke(kInk, 3);
    canvas.fillColour(kGold);
    cairo_new_path(cr);
    canvas.savePng(output);
}

class HudPainter : public PatternPainter
{
public:
    HudPainter()
        : PatternPainter({R"(Assets/Sprites/HUD/[^/]+\.png)", R"(Assets/Sprites/Enemy/Boss/LifeBar/[^/]+\.png)"})
    {
    }
    std::string name() const override { return "hud"; }
    int version() const override { return 1; }
    std::vector<std::string> inputs(const std::string&) const override
    {
        const std::string src = std::string(UMBRAVALE_SOURCE_DIR) + "/src/run/";
        return {src + "healthBar.h", src + "karmaBar.h", src + "BossLifeBar.h", src + "RunTextures.h"};
    }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        if (path == healthBar::kFillFile)
            return paintHealthFill(output);
        if (path == healthBar::kFrameFile)
            return paintHealthFrame(output);
        if (path == healthBar::kGlowFile)
            return paintHealthGlow(output);
        if (path == karmaBar::kBarFile)
            return paintKarmaBar(output);
        if (path == karmaBar::kMarkerFile)
            return paintKarmaMarker(output);
        if (path == RunTextures::kSatchelFile)
            return paintSatchel(output);
        if (path == RunTextures::kKeyCapEFile)
            return paintKeyCap("E", output);
        if (path == RunTextures::kKeyCapFFile)
            return paintKeyCap("F", output);
        for (const auto& piece : BossLifeBar::kPieces)
            if (path == piece.file)
                return bossPiece(piece.key, output);
        throw std::runtime_error("no HUD picture for this file");
    }
};

RegisterPainter<HudPainter> registration;
} // namespace
