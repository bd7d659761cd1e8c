// Lays every enemy animation out on one picture, a row per animation, so the
// whole cast can be judged at a glance. Usage (from the source tree, after the
// content has been generated):
//   enemy_contact_sheet OUTPUT.png [KIND...] [--scale S]

#include "Canvas.h"
#include "Fonts.h"

#include "creatures/EnemyDatabase.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: enemy_contact_sheet OUTPUT.png [KIND...] [--scale S]\n";
        return 2;
    }
    const std::string output = argv[1];
    double scale = 0.5;
    std::vector<std::string> kinds;
    for (int i = 2; i < argc; ++i)
    {
        if (!std::strcmp(argv[i], "--scale") && i + 1 < argc)
            scale = std::atof(argv[++i]);
        else
            kinds.push_back(argv[i]);
    }
    if (kinds.empty())
        kinds.assign(EnemyDatabase::kKindNames.begin(), EnemyDatabase::kKindNames.end());

    struct Row
    {
        std::string label;
        cairo_surface_t* sheet;
        int frameW, frameH, count, columns;
    };
    std::vector<Row> rows;
    EnemyDatabase::loadData();
    const auto& shared = EnemyDatabase::records().shared;
    for (const auto& kind : kinds)
    {
        const std::string prefix = shared.kinds.count(kind) ? shared.kinds.at(kind).textures : "";
        for (const auto& layout : EnemyDatabase::kindSheets(kind))
        {
            const std::string file = prefix + layout.textureName + ".png";
            cairo_surface_t* surface = cairo_image_surface_create_from_png(file.c_str());
            if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
            {
                std::cerr << "missing " << file << '\n';
                cairo_surface_destroy(surface);
                continue;
            }
            const auto size =
                sf::Vector2u(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
            const auto frame = EnemyDatabase::frameSizeFor(layout, size);
            if (!frame)
            {
                std::cerr << "unusable layout " << file << '\n';
                continue;
            }
            const int columns = int(size.x / frame->x);
            rows.push_back({layout.key + " (" + std::to_string(layout.frameCount) + ")", surface, int(frame->x),
                            int(frame->y), int(layout.frameCount), columns});
        }
    }
    const double labelW = 260;
    double width = 0, height = 10;
    for (const auto& r : rows)
    {
        width = std::max(width, labelW + r.count * (r.frameW * scale + 4));
        height += r.frameH * scale + 8;
    }
    Canvas out(int(width + 10), int(height + 10));
    out.fill(palette::kClear);
    cairo_t* cr = out.cr();
    double y = 10;
    for (const auto& r : rows)
    {
        out.textPath(r.label, fonts::kPlain, 15, 8, y + r.frameH * scale / 2, 0);
        out.fillColour(palette::kBone);
        out.clearPath();
        for (int i = 0; i < r.count; ++i)
        {
            const double x = labelW + i * (r.frameW * scale + 4);
            cairo_save(cr);
            cairo_rectangle(cr, x, y, r.frameW * scale, r.frameH * scale);
            cairo_set_source_rgba(cr, 0.22, 0.16, 0.15, 1);
            cairo_fill_preserve(cr);
            cairo_clip(cr);
            cairo_translate(cr, x, y);
            cairo_scale(cr, scale, scale);
            const int col = i % r.columns, row = i / r.columns;
            cairo_set_source_surface(cr, r.sheet, -col * r.frameW, -row * r.frameH);
            cairo_paint(cr);
            cairo_restore(cr);
        }
        y += r.frameH * scale + 8;
        cairo_surface_destroy(r.sheet);
    }
    out.savePng(output);
    std::cout << "wrote " << output << " (" << rows.size() << " animations)\n";
    return 0;
}
