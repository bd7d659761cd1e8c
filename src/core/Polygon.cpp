#include "core/Polygon.h"

#include "core/Camera.h"

#include <SFML/Graphics/RenderTarget.hpp>

Polygon::Polygon(const std::vector<sf::Vector2f>& localPoints, sf::Vector2f anchor) : anchor_(anchor)
{
    vertices_.reserve(localPoints.size());
    for (const sf::Vector2f& p : localPoints)
        addPoint(p);
}

void Polygon::addPoint(sf::Vector2f local)
{
    vertices_.emplace_back(anchor_ + local, sf::Color::Red);
}

void Polygon::setPoints(const Polygon& localShape)
{
    if (&localShape == this)
    {
        const Polygon copy(localShape);
        setPoints(copy);
        return;
    }
    vertices_ = localShape.vertices_;
    for (sf::Vertex& v : vertices_)
        v.position += anchor_;
}

void Polygon::setPosition(sf::Vector2f anchor)
{
    const sf::Vector2f offset = anchor - anchor_;
    if (offset.x != 0.f || offset.y != 0.f)
        for (sf::Vertex& v : vertices_)
            v.position += offset;
    anchor_ = anchor;
}

void Polygon::clear()
{
    vertices_.clear();
}

bool Polygon::contains(sf::Vector2f p) const
{
    bool inside = false;
    const std::size_t n = vertices_.size();
    for (std::size_t i = 0; i < n; ++i)
    {
        const sf::Vector2f a = vertices_[i].position;
        const sf::Vector2f b = vertices_[(i + 1) % n].position;
        if ((a.y > p.y && p.y > b.y) || (p.y > a.y && b.y > p.y))
        {
            const float x = a.x + (b.x - a.x) * (p.y - a.y) / (b.y - a.y);
            if (x > p.x)
                inside = !inside;
        }
    }
    return inside;
}

bool Polygon::segmentIntersects(sf::Vector2f p1, sf::Vector2f p2) const
{
    const std::size_t n = vertices_.size();
    const sf::Vector2f s = p2 - p1;
    for (std::size_t i = 0; i < n; ++i)
    {
        const sf::Vector2f a = vertices_[i].position;
        const sf::Vector2f b = vertices_[(i + 1) % n].position;
        const sf::Vector2f e = b - a;
        const float d = s.x * e.y - s.y * e.x;
        if (d == 0.f)
            continue;
        const float t = (e.x * (p1.y - a.y) - e.y * (p1.x - a.x)) / d;
        const float u = (s.x * (p1.y - a.y) - s.y * (p1.x - a.x)) / d;
        if (t >= 0.f && t <= 1.f && u >= 0.f && u <= 1.f)
            return true;
    }
    return false;
}

bool Polygon::intersects(const Polygon& other) const
{
    const std::size_t n = vertices_.size();
    if (n == 0)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        if (other.segmentIntersects(vertices_[i].position, vertices_[(i + 1) % n].position))
            return true;
    if (other.vertexCount() > 0 && contains(other.point(0)))
        return true;
    return other.contains(point(0));
}

void Polygon::drawOutline(sf::RenderTarget& target, const Camera& camera) const
{
    const std::size_t n = vertices_.size();
    if (n == 0)
        return;
    for (std::size_t i = 0; i < n; ++i)
    {
        const sf::Vertex line[2] = {
            sf::Vertex(camera.toScreen(vertices_[i].position), sf::Color::Red),
            sf::Vertex(camera.toScreen(vertices_[(i + 1) % n].position), sf::Color::Red),
        };
        target.draw(line, 2, sf::Lines);
    }
}
