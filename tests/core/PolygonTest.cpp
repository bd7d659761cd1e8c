#include "core/Polygon.h"
#include "core/Camera.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
Polygon square(float left, float top, float size)
{
    return Polygon({{0.f, 0.f}, {size, 0.f}, {size, size}, {0.f, size}}, {left, top});
}

// A diamond with vertices at (0,-10), (10,0), (0,10), (-10,0).
Polygon diamond()
{
    return Polygon({{0.f, -10.f}, {10.f, 0.f}, {0.f, 10.f}, {-10.f, 0.f}});
}
} // namespace

TEST(PolygonContains, CasesAtVerticesEdgesAndInside)
{
    struct Case
    {
        const char* what;
        Polygon shape;
        sf::Vector2f point;
        bool inside;
    };
    const Polygon sq = square(0.f, 0.f, 10.f);
    const Case cases[] = {
        {"centre of a square", sq, {5.f, 5.f}, true},
        {"outside to the right", sq, {15.f, 5.f}, false},
        {"outside above", sq, {5.f, -1.f}, false},
        // The top edge is horizontal and no side edge counts at exactly its end's y.
        {"on the top edge's height", sq, {5.f, 0.f}, false},
        {"on the bottom edge's height", sq, {5.f, 10.f}, false},
        // The crossing x must be strictly right of the point.
        {"on the right edge", sq, {10.f, 5.f}, false},
        {"on the left edge", sq, {0.f, 5.f}, true},
        // At the height of the side vertices of a diamond neither edge through them counts,
        // while the point is clearly inside.
        {"diamond, vertex height, centre", diamond(), {0.f, 0.f}, false},
        {"diamond, just above the vertex height", diamond(), {0.f, -0.5f}, true},
        {"diamond, near its corner but outside", diamond(), {8.f, 8.f}, false},
        {"empty polygon", Polygon(), {0.f, 0.f}, false},
        {"a single vertex", Polygon({{0.f, 0.f}}), {0.f, 0.f}, false},
        {"clockwise winding", Polygon({{0.f, 0.f}, {0.f, 10.f}, {10.f, 10.f}, {10.f, 0.f}}), {5.f, 5.f}, true},
        {"concave notch",
         Polygon({{0.f, 0.f}, {30.f, 0.f}, {30.f, 30.f}, {15.f, 10.f}, {0.f, 30.f}}),
         {15.f, 20.f},
         false},
        {"concave arm", Polygon({{0.f, 0.f}, {30.f, 0.f}, {30.f, 30.f}, {15.f, 10.f}, {0.f, 30.f}}), {3.f, 20.f}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shape.contains(c.point), c.inside) << c.what;
}

TEST(PolygonIntersects, CasesOfOverlapTouchAndContainment)
{
    struct Case
    {
        const char* what;
        Polygon a;
        Polygon b;
        bool hit;
    };
    const Case cases[] = {
        {"identical squares", square(0, 0, 10), square(0, 0, 10), true},
        {"overlapping squares", square(0, 0, 10), square(5, 5, 10), true},
        {"small inside large", square(0, 0, 100), square(40, 40, 5), true},
        {"large around small", square(40, 40, 5), square(0, 0, 100), true},
        {"corner touch", square(0, 0, 10), square(10, 10, 10), true},
        {"apart", square(0, 0, 10), square(20, 0, 10), false},
        {"empty against square", Polygon(), square(0, 0, 10), false},
        {"square against empty", square(0, 0, 10), Polygon(), false},
        {"segment across", Polygon({{-5.f, 5.f}, {15.f, 5.f}}), square(0, 0, 10), true},
        {"segment beside", Polygon({{-5.f, 20.f}, {15.f, 20.f}}), square(0, 0, 10), false},
        {"point inside", Polygon({{5.f, 5.f}}), square(0, 0, 10), true},
        {"point outside", Polygon({{50.f, 5.f}}), square(0, 0, 10), false},
        // Collinear overlapping edges are parallel: only the other edges can register the contact.
        {"squares sharing a whole side", square(0, 0, 10), square(10, 0, 10), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.a.intersects(c.b), c.hit) << c.what;
}

TEST(PolygonSegment, EndsTouchingCountParallelNever)
{
    const Polygon sq = square(0, 0, 10);
    EXPECT_TRUE(sq.segmentIntersects({10.f, 5.f}, {20.f, 5.f})) << "starting on an edge";
    EXPECT_TRUE(sq.segmentIntersects({-5.f, -5.f}, {0.f, 0.f})) << "ending on a corner";
    EXPECT_FALSE(sq.segmentIntersects({2.f, 2.f}, {8.f, 8.f})) << "wholly inside crosses no edge";
    EXPECT_FALSE(sq.segmentIntersects({-5.f, 0.f}, {-1.f, 0.f})) << "collinear with an edge, short of it";
    EXPECT_FALSE(sq.segmentIntersects({3.f, 3.f}, {3.f, 3.f})) << "a zero-length segment";
    EXPECT_FALSE(Polygon().segmentIntersects({0.f, 0.f}, {10.f, 10.f}));
}

TEST(PolygonPlacement, AnchorMovesTheShape)
{
    Polygon p({{1.f, 2.f}, {3.f, 4.f}}, {10.f, 10.f});
    EXPECT_EQ(p.point(0), sf::Vector2f(11.f, 12.f));
    EXPECT_EQ(p.vertex(1).color, sf::Color::Red);

    p.setPosition({20.f, 30.f});
    p.setPosition({20.f, 30.f});
    EXPECT_EQ(p.point(0), sf::Vector2f(21.f, 32.f)) << "setting the same position twice must not move it twice";
    EXPECT_EQ(p.point(1), sf::Vector2f(23.f, 34.f));

    p.addPoint({0.f, -1.f});
    EXPECT_EQ(p.point(2), sf::Vector2f(20.f, 29.f));

    Polygon empty;
    empty.setPosition({5.f, 5.f});
    EXPECT_EQ(empty.vertexCount(), 0u);
    EXPECT_EQ(empty.getPosition(), sf::Vector2f(5.f, 5.f));
    empty.addPoint({1.f, 1.f});
    EXPECT_EQ(empty.point(0), sf::Vector2f(6.f, 6.f)) << "the stored anchor applies to later points";

    p.clear();
    EXPECT_EQ(p.vertexCount(), 0u);
    EXPECT_EQ(p.getPosition(), sf::Vector2f(20.f, 30.f));
}

TEST(PolygonPlacement, SetPointsPlacesALocalShapeAtTheCreature)
{
    const Polygon attackShape({{0.f, 0.f}, {40.f, -10.f}, {40.f, 10.f}});
    Polygon attack(std::vector<sf::Vector2f>{}, {100.f, 200.f});
    attack.setPoints(attackShape);
    ASSERT_EQ(attack.vertexCount(), 3u);
    EXPECT_EQ(attack.point(1), sf::Vector2f(140.f, 190.f));
    attack.setPosition({110.f, 200.f});
    EXPECT_EQ(attack.point(2), sf::Vector2f(150.f, 210.f));
    attack.setPoints(attack);
    EXPECT_EQ(attack.point(0), sf::Vector2f(220.f, 400.f)) << "its own vertices taken as the local shape";
}

TEST(Camera, TransformAndInverse)
{
    Camera c;
    c.centre = {100.f, 50.f};
    c.zoom = 2.f;
    EXPECT_EQ(c.toScreen({100.f, 50.f}), sf::Vector2f(960.f, 540.f));
    EXPECT_EQ(c.toScreen({110.f, 40.f}), sf::Vector2f(980.f, 520.f));
    EXPECT_EQ(c.toWorld({980.f, 520.f}), sf::Vector2f(110.f, 40.f));
}
