#pragma once

#include <SFML/System/Vector2.hpp>

#include <functional>
#include <memory>
#include <string>

class CreatureWorld;
class LivingEntity;

// Makes an enemy from the kind name a room's spawner gives. Each kind registers
// how it is built; a name that is not a placeable kind, or whose kind has no
// builder, makes nothing. Tests register their own builders and reset the table.
class EnemyFactory
{
public:
    // A kind is built for the world it will live in, at its spawner's position.
    using Builder = std::function<std::unique_ptr<LivingEntity>(CreatureWorld& world, sf::Vector2f position)>;

    // Builds the kind at `position`, or returns null when nothing is made.
    static std::unique_ptr<LivingEntity> create(const std::string& name, CreatureWorld& world, sf::Vector2f position);
    // The nine kinds a room may place ("LittleOwl" comes only with its boss).
    static bool isPlaceable(const std::string& name);

    static void registerKind(const std::string& name, Builder builder);
    static void reset();
};
