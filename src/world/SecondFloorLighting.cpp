#include "world/SecondFloorLighting.h"

#include "core/Camera.h"
#include "core/TextureManager.h"
#include "world/Firefly.h"
#include "world/RunContext.h"
#include "world/ShroomLight.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <array>

bool LightFlags::roomCleared = false;
bool LightFlags::roomEntered = false;
bool LightFlags::clearedEdge = false;

namespace
{
const Camera& runCamera()
{
    static const Camera identity;
    const RunContext* run = RunContext::active();
    return run ? run->camera() : identity;
}
} // namespace

SecondFloorLighting::SecondFloorLighting(sf::Vector2f where)
    : position(where), drawPosition(where), sprite(TextureManager::getSprite(kTextureKey, ORIGIN_CENTER))
{
}

void SecondFloorLighting::update(float dt)
{
    (void)dt;
    drawPosition = position;
}

void SecondFloorLighting::draw(sf::RenderTarget& target)
{
    drawScaled(target, 1.f);
}

void SecondFloorLighting::drawScaled(sf::RenderTarget& target, float scale)
{
    drawnBounds_ = sf::FloatRect();
    if (!sprite.getTexture())
        return;
    const Camera& camera = runCamera();
    sf::Sprite copy = sprite;
    copy.setPosition(camera.toScreen(drawPosition));
    copy.setScale(camera.zoom * scale, camera.zoom * scale);
    target.draw(copy, sf::BlendAdd);
    drawnBounds_ = copy.getGlobalBounds();
}

std::unique_ptr<SecondFloorLighting> SecondFloorLighting::forProp(const std::string& propName, sf::Vector2f where)
{
    static const std::array<const char*, 5> kShrooms{"double_mushroom_01", "double_mushroom_02", "mushroom_01",
                                                     "mushroom_02", "mushroom_03"};
    if (propName == "firefly")
        return std::make_unique<Firefly>(where);
    for (const char* shroom : kShrooms)
        if (propName == shroom)
            return std::make_unique<ShroomLight>(where);
    return nullptr;
}
