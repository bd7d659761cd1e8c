#pragma once

#include "core/TextureManager.h"

#include <SFML/System/Vector2.hpp>

#include <memory>
#include <string>
#include <vector>

class Water;

// The process-wide prototypes of the nine puddles, by name. Filled once per run
// or editor session, animated once their textures are in; tests fill or reset it.
class WaterRegistry
{
public:
    static const std::vector<std::string>& puddleNames();
    static std::string textureFile(const std::string& name);
    // The picture of a puddle and the half-axes of the water ellipse painted at its
    // centre (the river's ellipse bounds its winding course).
    struct Surface
    {
        sf::Vector2u picture;
        sf::Vector2f radii;
    };
    static Surface surfaceOf(const std::string& name);

    static void registerPuddles();
    static void add(std::unique_ptr<Water> prototype);
    static void createAnimations();
    // The prototype, or null (logged at Error) for an unknown name.
    static const Water* find(const std::string& name);
    static std::unique_ptr<Water> cloneOf(const std::string& name);
    static std::vector<std::string> registeredNames();
    static void clear();

    // One entry per puddle: key = name, file = "Assets/Sprites/Puddles/" + name + ".png".
    static std::unique_ptr<TextureManager::Group> textureGroup();
};
