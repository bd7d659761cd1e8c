#pragma once

#include "core/TextureManager.h"

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Props;

// The process-wide prototypes of every prop, by name: rooms and the editor clone
// them. A run (or the editor) registers them once, then creates their animations
// when the textures are in; tests register, add or reset freely.
class PropRegistry
{
public:
    // How a prop's texture is cut: frames side by side in one row; a (0, 0)
    // frame means the whole texture (a still picture).
    struct Strip
    {
        sf::Vector2u frameSize{0, 0};
        std::uint32_t frameCount = 1;
        float frameTime = 0.f;
    };

    // The 200 prop names in registration order.
    static const std::vector<std::string>& propNames();
    static Strip stripOf(const std::string& name);
    static std::string textureFile(const std::string& name);
    // The picture size of a prop that stands up from the ground (a grave, a pillar, a
    // big mushroom...), as it is painted; (0, 0) for anything a walker passes over.
    static sf::Vector2u standingSize(const std::string& name);
    // The ground such a prop stands on, relative to its position: a band along the
    // bottom of its picture, as wide as its base. Empty for props a walker passes over.
    // Its prototype blocks walkers with this outline.
    static std::vector<sf::Vector2f> footprintOf(const std::string& name);

    // Creates the prototype of every name (replacing any already registered).
    static void registerProps();
    static void add(std::unique_ptr<Props> prototype);
    // For every prototype: size a whole-texture frame from its texture and build its sprite.
    static void createAnimations();
    // The prototype, or null (logged at Error) for an unknown name.
    static const Props* find(const std::string& name);
    // A placed copy of the prototype, or null for an unknown name.
    static std::unique_ptr<Props> cloneOf(const std::string& name);
    static std::vector<std::string> registeredNames();
    static std::size_t size();
    static void clear();

    // One entry per prop: key = name, file = "Assets/Sprites/Props/" + name + ".png".
    static std::unique_ptr<TextureManager::Group> textureGroup();
};
