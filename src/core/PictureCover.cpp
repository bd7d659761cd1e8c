#include "core/PictureCover.h"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cstddef>

namespace
{
// Joins each run of a row of squares to the rectangle just above it when both span
// the same columns, so a picture opaque but for its rim ends as a handful of
// rectangles rather than one per row.
void addRun(std::vector<sf::IntRect>& into, std::vector<std::size_t>& open, std::vector<std::size_t>& nowOpen,
            const sf::IntRect& run)
{
    for (std::size_t index : open)
    {
        sf::IntRect& above = into[index];
        if (above.left == run.left && above.width == run.width && above.top + above.height == run.top)
        {
            above.height += run.height;
            nowOpen.push_back(index);
            return;
        }
    }
    nowOpen.push_back(into.size());
    into.push_back(run);
}
} // namespace

PictureCover PictureCover::of(const sf::Image& image)
{
    PictureCover cover;
    const int w = static_cast<int>(image.getSize().x), h = static_cast<int>(image.getSize().y);
    const sf::Uint8* pixels = image.getPixelsPtr();
    if (!pixels || w <= 0 || h <= 0)
        return cover;
    const int columns = (w + kCell - 1) / kCell;
    std::vector<bool> opaqueCell(static_cast<std::size_t>(columns));
    std::vector<std::size_t> openOpaque, openSoft, nowOpaque, nowSoft;
    for (int top = 0; top < h; top += kCell)
    {
        const int bottom = std::min(h, top + kCell);
        std::fill(opaqueCell.begin(), opaqueCell.end(), true);
        for (int y = top; y < bottom; ++y)
        {
            const sf::Uint8* row = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(w) * 4;
            for (int x = 0; x < w; ++x)
                if (row[static_cast<std::size_t>(x) * 4 + 3] != 255)
                    opaqueCell[static_cast<std::size_t>(x / kCell)] = false;
        }
        nowOpaque.clear();
        nowSoft.clear();
        for (int first = 0; first < columns;)
        {
            const bool opaque = opaqueCell[static_cast<std::size_t>(first)];
            int last = first;
            while (last + 1 < columns && opaqueCell[static_cast<std::size_t>(last + 1)] == opaque)
                ++last;
            const int left = first * kCell, right = std::min(w, (last + 1) * kCell);
            const sf::IntRect run(left, top, right - left, bottom - top);
            if (opaque)
                addRun(cover.opaque, openOpaque, nowOpaque, run);
            else
                addRun(cover.soft, openSoft, nowSoft, run);
            first = last + 1;
        }
        openOpaque.swap(nowOpaque);
        openSoft.swap(nowSoft);
    }
    return cover;
}
