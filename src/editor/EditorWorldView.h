#pragma once

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <string>
#include <unordered_map>

class EditorModel;
class Props;
class Polygon;
class Wall;
class Water;
struct Camera;
namespace sf
{
class RenderTarget;
}

// Draws the room being edited through the editor's camera: the picture, the
// outline and restricted areas, puddles, doors with their reach and direction,
// the props of the karma shown, spawners, walls, the area being drawn and the
// prototype following the mouse. Every line goes into one vertex array a frame.
class EditorWorldView
{
public:
    static constexpr float kDoorReach = 150.f;
    static constexpr float kSpawnerRadius = 10.f;

    // Looks the registries' prototypes up once; placed names not registered are skipped when drawn.
    EditorWorldView();

    void draw(sf::RenderTarget& target, const EditorModel& model);

private:
    void addOutline(const Polygon& polygon, const Camera& camera, sf::Color colour, bool closed = true);
    void drawProp(sf::RenderTarget& target, const std::string& name, sf::Vector2f at, const Camera& camera,
                  sf::Uint8 alpha = 255);
    void drawWater(sf::RenderTarget& target, const std::string& name, sf::Vector2f at, const Camera& camera,
                   sf::Uint8 alpha = 255);
    void drawWall(sf::RenderTarget& target, const std::string& name, sf::Vector2f at, const Camera& camera,
                  sf::Uint8 alpha = 255);

    std::unordered_map<std::string, const Props*> props_;
    std::unordered_map<std::string, const Water*> waters_;
    std::unordered_map<std::string, const Wall*> walls_;
    sf::VertexArray lines_;
    sf::CircleShape spawnerDot_;
};
