#pragma once

#include <SFML/Graphics/Vertex.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <vector>

struct Camera;
namespace sf
{
class RenderTarget;
}

// The game's one shape: creature collision, hit and attack boxes, room, wall and
// zone outlines. A closed outline (edge i joins vertex i to vertex i + 1, the last
// back to the first) kept in world coordinates as a local shape plus an anchor;
// moving the anchor moves every vertex. Two vertices make a segment, one a point.
class Polygon
{
public:
    Polygon() = default;
    Polygon(const std::vector<sf::Vector2f>& localPoints, sf::Vector2f anchor = {0.f, 0.f});

    // Appends a vertex at anchor + local.
    void addPoint(sf::Vector2f local);
    // Takes the other polygon's vertices as a local shape and places it at this anchor.
    void setPoints(const Polygon& localShape);
    // Moves every vertex by (anchor - old anchor).
    void setPosition(sf::Vector2f anchor);
    // Removes every vertex; the anchor stays.
    void clear();

    sf::Vector2f getPosition() const { return anchor_; }
    std::size_t vertexCount() const { return vertices_.size(); }
    const sf::Vertex& vertex(std::size_t index) const { return vertices_[index]; }
    sf::Vertex& vertex(std::size_t index) { return vertices_[index]; }
    sf::Vector2f point(std::size_t index) const { return vertices_[index].position; }

    // Even-odd rule; an edge counts only when p.y lies strictly between its ends.
    bool contains(sf::Vector2f p) const;
    // Whether segment p1-p2 crosses an edge; touching at an end counts, parallel edges never do.
    bool segmentIntersects(sf::Vector2f p1, sf::Vector2f p2) const;
    // Edges crossing, or one polygon wholly inside the other.
    bool intersects(const Polygon& other) const;

    // Red outline through the camera; the room editor shows shapes this way.
    void drawOutline(sf::RenderTarget& target, const Camera& camera) const;

private:
    std::vector<sf::Vertex> vertices_;
    sf::Vector2f anchor_{0.f, 0.f};
};
