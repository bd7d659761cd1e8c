#pragma once

#include <SFML/System/Vector2.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Entity;
class LivingEntity;

// Makes an enemy from the kind name a room's spawner gives. Each kind registers
// how it is built; a name that is not a placeable kind, or whose kind has no
// builder, makes nothing. Tests register their own builders and reset the table.
class EnemyFactory
{
public:
    using Builder = std::function<std::unique_ptr<LivingEntity>(sf::Vector2f position)>;

    // Builds the kind at `position` and appends it to `entities`, which owns it from
    // then on; returns it, or null when nothing was made.
    static LivingEntity* create(const std::string& name, sf::Vector2f position, std::vector<Entity*>& entities);
    // The nine kinds a room may place ("LittleOwl" comes only with its boss).
    static bool isPlaceable(const std::string& name);

    static void registerKind(const std::string& name, Builder builder);
    static void reset();
};
