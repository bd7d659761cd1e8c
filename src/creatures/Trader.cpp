#include "creatures/Trader.h"

#include "core/AnimationData.h"
#include "core/Artefact.h"
#include "core/Camera.h"
#include "core/ItemRegistry.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cstdlib>

namespace
{
constexpr unsigned kSheetOrigin = 18;
}

Trader::Trader()
{
    health = 1.f;
    setPosition({kStartX, kStartY});
    for (int i = 0; i < kArtefactsInStock; ++i)
    {
        auto artefact = std::make_shared<Artefact>();
        Artefact::rollArtefact(*artefact);
        stock.addItem(artefact, 1);
    }
    // Drawn whether or not the coin is registered, so the rand() sequence stays the same.
    const int gold = std::rand() % 500 + 500;
    stock.addItem(ItemRegistry::find("Gold Coin"), gold);

    animation_ =
        std::make_unique<AnimationData>(kSheetKey, kFrameWidth, kFrameHeight, kFrameCount, kFrameTime, kSheetOrigin);
    currentAnimation = animation_.get();
}

Trader::~Trader() = default;

void Trader::update(float dt)
{
    animation_->step(dt);
}

void Trader::draw(sf::RenderTarget& target, const Camera& camera)
{
    sf::Sprite& sprite = animation_->frameSprite();
    if (!sprite.getTexture())
        return;
    sprite.setPosition(camera.toScreen(getPosition()));
    sprite.setRotation(0.f);
    sprite.setScale(camera.zoom * kDrawScale, camera.zoom * kDrawScale);
    target.draw(sprite);
}

std::string Trader::fileOf(const char* key)
{
    return std::string("Assets/Sprites/Trader/") + key + ".png";
}

std::unique_ptr<TextureManager::Group> Trader::textureGroup()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const char* key : kTextureKeys)
        group->add(key, fileOf(key));
    return group;
}
