// Drawing the player: its frame through the damage or form shader, and the prompts
// over its head (the pentagram's, the door's E and the loot's F).
#include "run/Player.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "core/RoomNameRegistry.h"
#include "world/Pentagram.h"
#include "world/Props.h"
#include "world/Room.h"
#include "world/RunContext.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>

namespace
{
// How far above the player's centre the prompts stand.
constexpr float kPromptRise = Player::kPromptRise;
} // namespace

void Player::draw(sf::RenderTarget& target, const Camera& camera)
{
    boundsSprite.setScale(camera.zoom * 0.5f, camera.zoom * 0.5f);
    const sf::Vector2f s = camera.toScreen(getPosition());

    sf::Sprite& sprite = currentAnimation->frameSprite();
    sprite.setPosition(s);
    sprite.setRotation(0.f);
    sprite.setScale(camera.zoom, camera.zoom);
    if (changingForm)
    {
        const sf::Texture* next = formTargets_[static_cast<std::size_t>(currentSlot_)];
        if (formShaderReady_ && next)
        {
            formShader.setUniform("textureEnd", *next);
            target.draw(sprite, &formShader);
        }
        else
            target.draw(sprite);
    }
    else if (damageShaderReady_ && damageFlashTimer <= damageFlashDuration)
        target.draw(sprite, &damageShader);
    else
        target.draw(sprite);

    const RunContext* run = RunContext::active();
    const Room* room = run ? run->room() : nullptr;
    if (room && room->type == ROOM_HEAL && !healing)
        for (const auto& prop : room->props)
            if (const auto* pentagram = dynamic_cast<const Pentagram*>(prop.get()))
                if (pentagram->playerInRange())
                    target.draw(pentagram->prompt());

    // A fallen player has nothing left to open or pick up.
    if (state == DYING || state == DEAD)
        return;
    if (nearExit)
    {
        ePrompt.setPosition(s - sf::Vector2f(0.f, kPromptRise));
        target.draw(ePrompt);
    }
    else if (itemsInReach > 0)
    {
        fPrompt.setPosition(s - sf::Vector2f(0.f, kPromptRise));
        target.draw(fPrompt);
    }
}

sf::FloatRect Player::screenBounds(const Camera& camera) const
{
    // The shown frame and, above it, the key cap a prompt shows there.
    sf::FloatRect body = Entity::screenBounds(camera);
    const sf::Vector2f s = camera.toScreen(getPosition());
    const sf::FloatRect local = ePrompt.getLocalBounds();
    const sf::Vector2f cap(std::max(local.width, 1.f) * kPromptScale, std::max(local.height, 1.f) * kPromptScale);
    const float capTop = s.y - kPromptRise - cap.y / 2.f;
    const float left = std::min(body.left, s.x - cap.x / 2.f);
    const float right = std::max(body.left + body.width, s.x + cap.x / 2.f);
    const float top = std::min(body.top, capTop);
    const float bottom = std::max(body.top + body.height, s.y);
    return {left, top, right - left, bottom - top};
}
