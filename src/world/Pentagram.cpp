#include "world/Pentagram.h"

#include "core/Camera.h"
#include "core/FontManager.h"
#include "core/RoomNameRegistry.h"
#include "core/UiText.h"
#include "creatures/Entity.h"
#include "world/RunContext.h"

#include <cmath>

Pentagram::Pentagram() : Props("pentagram", -1)
{
    prompt_.setString(UiText::shown(UiText::PENTAGRAM_PROMPT));
    if (const sf::Font* font = FontManager::getFont(promptFont(UiText::language())))
        prompt_.setFont(*font);
    prompt_.setFillColor(sf::Color::White);
    prompt_.setOutlineThickness(1.f);
    prompt_.setOutlineColor(sf::Color(142, 25, 28, 255));
    prompt_.setCharacterSize(40);
}

const char* Pentagram::promptFont(unsigned language)
{
    // The ritual face has no accented letters: the French prompt ("votre âme et
    // guérir") is lettered in the brush face, which has them.
    return language == UiText::kFrench ? "Warbrush" : "Ritual";
}

void Pentagram::update(float)
{
    // The circle itself stays still; only the player's distance matters.
    const RunContext* run = RunContext::active();
    if (!run || run->roomType() != ROOM_HEAL)
        return;
    for (const Entity* entity : run->roomEntities())
        if (entity && entity == run->player())
        {
            const sf::Vector2f d = entity->getPosition() - getPosition();
            playerInRange_ = std::sqrt(d.x * d.x + d.y * d.y) <= kReach;
        }
}

void Pentagram::draw(sf::RenderTarget& target, const Camera& camera)
{
    prompt_.setPosition(camera.toScreen(getPosition() - sf::Vector2f(250.f, 250.f)));
    prompt_.setScale(camera.zoom, camera.zoom);
    Props::draw(target, camera);
}
