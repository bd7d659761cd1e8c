#include "creatures/Entity.h"

void Entity::update(const float&) {}

void Entity::handleEvent(const sf::Event&) {}
