// The painted rooms against their templates: pictures at the template's size
// whose floor lies exactly inside the walkable outline, wall masks that agree
// with the outline, floor backgrounds that repeat without a seam, and the run's
// whole texture set within the memory it may take.
#include "core/Polygon.h"
#include "menus/PreparedSets.h"
#include "support/PngHeader.h"
#include "world/RoomFile.h"
#include "world/RoomTextures.h"
#include "world/WallRegistry.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
const std::vector<int> kAllFloors = {0, 1, 2, 96};

float distanceToOutline(const std::vector<sf::Vector2f>& outline, sf::Vector2f p)
{
    float best = 1e9f;
    for (std::size_t i = 0; i < outline.size(); ++i)
    {
        const sf::Vector2f a = outline[i], b = outline[(i + 1) % outline.size()];
        const sf::Vector2f ab = b - a;
        const float length2 = ab.x * ab.x + ab.y * ab.y;
        const float t = length2 > 0 ? std::clamp(((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / length2, 0.f, 1.f) : 0.f;
        const sf::Vector2f q = a + ab * t;
        best = std::min(best, std::hypot(p.x - q.x, p.y - q.y));
    }
    return best;
}

struct Colour
{
    double r = 0, g = 0, b = 0;
};

// The average of a 5 x 5 patch: single pixels sit on joints and specks.
Colour patch(const sf::Image& image, unsigned x, unsigned y)
{
    Colour c;
    int n = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
        {
            const sf::Color p = image.getPixel(std::clamp<int>(x + dx, 0, image.getSize().x - 1),
                                               std::clamp<int>(y + dy, 0, image.getSize().y - 1));
            c.r += p.r, c.g += p.g, c.b += p.b, ++n;
        }
    return {c.r / n, c.g / n, c.b / n};
}

double distance(const Colour& a, const Colour& b)
{
    return std::hypot(a.r - b.r, a.g - b.g, a.b - b.b);
}

TEST(RoomContent, PicturesHaveTheirTemplatesSize)
{
    for (const auto& picture : RoomTextures::pictures(kAllFloors))
    {
        const auto size = pngSize(picture.file);
        ASSERT_TRUE(size) << picture.file << " is missing";
        EXPECT_EQ(*size, RoomFile::load(RoomFile::pathFor(picture.room)).pictureSize()) << picture.file;
    }
}

// A player must be able to tell floor from wall: sampled well inside the outline
// (away from zones and doors) the picture must look like one material, and well
// outside like another: nearly every sample must look like its own side.
TEST(RoomContent, FloorInPicturesIsTheWalkableOutline)
{
    for (const auto& picture : RoomTextures::pictures(kAllFloors))
    {
        const RoomFile room = RoomFile::load(RoomFile::pathFor(picture.room));
        const Polygon outline(room.boundaries);
        std::vector<Polygon> zones;
        for (const auto& zone : room.restricted)
            zones.emplace_back(zone);
        sf::Image image;
        ASSERT_TRUE(image.loadFromFile(picture.file)) << picture.file;
        struct Sample
        {
            Colour colour;
            sf::Vector2f at;
            bool floor;
        };
        std::vector<Sample> samples;
        // The outermost pixels fade into the background drawn around the picture.
        for (unsigned y = 45; y < image.getSize().y - 45; y += 37)
            for (unsigned x = 45; x < image.getSize().x - 45; x += 37)
            {
                const sf::Vector2f p{float(x), float(y)};
                const float edge = distanceToOutline(room.boundaries, p);
                bool nearDoorOrZone = std::any_of(
                    room.doors.begin(), room.doors.end(),
                    [&](const DoorRecord& d) { return std::hypot(d.position.x - p.x, d.position.y - p.y) < 220.f; });
                for (std::size_t z = 0; z < zones.size(); ++z)
                    nearDoorOrZone =
                        nearDoorOrZone || zones[z].contains(p) || distanceToOutline(room.restricted[z], p) < 60.f;
                if (nearDoorOrZone)
                    continue;
                if (outline.contains(p) && edge > 45.f)
                    samples.push_back({patch(image, x, y), p, true});
                else if (!outline.contains(p) && edge > 90.f)
                    samples.push_back({patch(image, x, y), p, false});
            }
        const auto insideCount = std::count_if(samples.begin(), samples.end(), [](const Sample& s) { return s.floor; });
        const auto outsideCount = std::ptrdiff_t(samples.size()) - insideCount;
        ASSERT_GT(insideCount, 50) << picture.file;
        ASSERT_GT(outsideCount, 20) << picture.file;
        // Each sample takes the side most of its nearest neighbours in colour are on,
        // looking only at samples elsewhere in the picture: a patch painted on the
        // wrong side cannot vouch for itself through its own pixels.
        constexpr int kNeighbours = 7;
        constexpr float kElsewhere = 300.f;
        int floorRight = 0, wallRight = 0;
        std::vector<std::pair<double, bool>> near;
        for (const Sample& sample : samples)
        {
            near.clear();
            for (const Sample& other : samples)
                if (std::hypot(other.at.x - sample.at.x, other.at.y - sample.at.y) > kElsewhere)
                    near.push_back({distance(sample.colour, other.colour), other.floor});
            ASSERT_GE(near.size(), std::size_t(kNeighbours)) << picture.file;
            std::partial_sort(near.begin(), near.begin() + kNeighbours, near.end(),
                              [](const auto& a, const auto& b) { return a.first < b.first; });
            const int floorVotes =
                int(std::count_if(near.begin(), near.begin() + kNeighbours, [](const auto& n) { return n.second; }));
            if ((floorVotes * 2 > kNeighbours) == sample.floor)
                (sample.floor ? floorRight : wallRight) += 1;
        }
        const double floorShare = double(floorRight) / insideCount;
        const double wallShare = double(wallRight) / outsideCount;
        // A picture that ignores its outline scores near one half.
        EXPECT_GE(floorShare, 0.8) << picture.file << ": floor samples that look like floor";
        EXPECT_GE(wallShare, 0.8) << picture.file << ": samples outside the outline that look like wall";
    }
}

TEST(RoomContent, WallMasksCoverExactlyWhatLiesOutsideTheOutline)
{
    for (const auto& [key, file] : WallRegistry::wallMaskGroup()->flatten())
    {
        const std::string room = key.substr(0, key.size() - std::string("_wall_mask").size());
        const RoomFile template_ = RoomFile::load(RoomFile::pathFor(room));
        const Polygon outline(template_.boundaries);
        sf::Image mask;
        ASSERT_TRUE(mask.loadFromFile(file)) << file;
        const sf::Vector2u picture = template_.pictureSize();
        // The shader samples the mask by texture coordinates: it must keep the picture's proportions.
        EXPECT_NEAR(double(mask.getSize().x) / mask.getSize().y, double(picture.x) / picture.y, 0.01) << file;
        const float scale = float(picture.x) / mask.getSize().x;
        int wrong = 0, checked = 0;
        for (unsigned y = 0; y < mask.getSize().y; y += 3)
            for (unsigned x = 0; x < mask.getSize().x; x += 3)
            {
                // Off the whole-number grid the outlines are drawn on: the game's containment
                // test counts a point level with a vertex as outside.
                const sf::Vector2f p{(x + 0.5f) * scale + 0.25f, (y + 0.5f) * scale + 0.25f};
                if (distanceToOutline(template_.boundaries, p) < 2 * scale)
                    continue;
                const bool wall = mask.getPixel(x, y).a > 200;
                ++checked;
                if (wall == outline.contains(p))
                    ++wrong;
            }
        EXPECT_EQ(wrong, 0) << file << ": " << wrong << " of " << checked << " samples disagree with the outline";
    }
}

// The backgrounds are repeated side by side around the room: the jump from the
// last column to the first must be no bigger than between any two neighbours.
TEST(RoomContent, FloorBackgroundsTileWithoutASeam)
{
    for (const auto& [key, file] : PreparedSets::floorBackgrounds()->flatten())
    {
        if (key.rfind("bg_", 0) != 0)
            continue;
        sf::Image image;
        ASSERT_TRUE(image.loadFromFile(file)) << file;
        const unsigned w = image.getSize().x, h = image.getSize().y;
        EXPECT_GE(w, 1000u) << file;
        EXPECT_GE(h, 1000u) << file;
        auto columnJump = [&](unsigned a, unsigned b)
        {
            double sum = 0;
            for (unsigned y = 0; y < h; ++y)
            {
                const sf::Color p = image.getPixel(a, y), q = image.getPixel(b, y);
                sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            }
            return sum / h;
        };
        auto rowJump = [&](unsigned a, unsigned b)
        {
            double sum = 0;
            for (unsigned x = 0; x < w; ++x)
            {
                const sf::Color p = image.getPixel(x, a), q = image.getPixel(x, b);
                sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            }
            return sum / w;
        };
        double columns = 0, rows = 0;
        for (int i = 1; i <= 7; ++i)
        {
            columns = std::max(columns, columnJump(w * i / 8, w * i / 8 + 1));
            rows = std::max(rows, rowJump(h * i / 8, h * i / 8 + 1));
        }
        EXPECT_LE(columnJump(w - 1, 0), columns * 1.5 + 2) << file << ": the left and right edges do not join";
        EXPECT_LE(rowJump(h - 1, 0), rows * 1.5 + 2) << file << ": the top and bottom edges do not join";
        for (unsigned y = 0; y < h; y += 97)
            EXPECT_EQ(image.getPixel(0, y).a, 255) << file << ": a background must be opaque";
    }
}

// The dark floor's light layer leaves out the parts of the window no light reaches,
// taking each light for the circle its square frames: the glow adds nothing outside it.
TEST(RoomContent, TheLightGlowIsRound)
{
    sf::Image glow;
    ASSERT_TRUE(glow.loadFromFile("Assets/Sprites/Rooms/SecondFloor/light.png"));
    const sf::Vector2u size = glow.getSize();
    ASSERT_EQ(size.x, size.y);
    const float radius = static_cast<float>(size.x) / 2.f;
    int outside = 0, lit = 0;
    for (unsigned y = 0; y < size.y; ++y)
        for (unsigned x = 0; x < size.x; ++x)
        {
            const sf::Color c = glow.getPixel(x, y);
            const float d = std::hypot(static_cast<float>(x) + 0.5f - radius, static_cast<float>(y) + 0.5f - radius);
            const bool adds = c.a > 0 && (c.r > 0 || c.g > 0 || c.b > 0);
            if (d > radius)
                outside += adds;
            else
                lit += adds;
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(lit, static_cast<int>(size.x * size.y / 2));
}

// Every texture of the run is in memory at once, decoded at four bytes a pixel.
TEST(RoomContent, TheRunsTextureSetFitsInOnePointFiveGibibytes)
{
    constexpr double kMiB = 1024.0 * 1024.0;
    constexpr double kBudget = 1536.0 * kMiB;
    PreparedSets::Set set = PreparedSets::run();
    std::vector<std::pair<std::string, std::unique_ptr<TextureManager::Group>>> parts;
    for (auto& part : set)
        if (part.contentReady)
            parts.emplace_back(part.name, std::move(part.group));
    // The props' pictures are loaded beside the set for the whole run.
    parts.emplace_back("props", PreparedSets::props());
    double total = 0;
    for (const auto& [name, group] : parts)
    {
        double bytes = 0;
        for (const auto& [key, file] : group->flatten())
        {
            const auto size = pngSize(file);
            if (!size)
            {
                ADD_FAILURE() << name << ": " << file << " is missing";
                continue;
            }
            bytes += 4.0 * size->x * size->y;
        }
        std::printf("  %-36s %8.1f MiB\n", name.c_str(), bytes / kMiB);
        total += bytes;
    }
    std::printf("The run's textures: %.1f MiB decoded (budget %.1f MiB)\n", total / kMiB, kBudget / kMiB);
    EXPECT_LE(total, kBudget);
}
} // namespace
