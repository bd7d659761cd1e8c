#pragma once

#include "core/Inventory.h"
#include "core/TextureManager.h"
#include "creatures/LivingEntity.h"

#include <array>
#include <memory>

class AnimationData;

// The merchant of the shop rooms: a hooded figure behind a lantern who sways in
// place. It keeps a stock of three rolled artefacts and 500 to 999 gold coins, which
// the trade window shows beside the player's bag; the player buys from it for gold
// or for souls and sells it anything but gold.
class Trader : public LivingEntity
{
public:
    // Fills the stock from rand(): three artefacts first, then the gold. The
    // animation is built from the "Trader" sheet when it is loaded.
    Trader();
    ~Trader() override;

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;

    const AnimationData& animation() const { return *animation_; }

    Inventory stock;

    static constexpr float kStartX = 1840.f;
    static constexpr float kStartY = 950.f;
    static constexpr float kDrawScale = 0.65f;
    static constexpr int kArtefactsInStock = 3;

    static constexpr const char* kSheetKey = "Trader";
    static constexpr unsigned kFrameWidth = 239;
    static constexpr unsigned kFrameHeight = 308;
    static constexpr unsigned kFrameCount = 6;
    static constexpr float kFrameTime = 0.4f;

    // The trader's bag panel and the four payment markers of the trade window.
    static constexpr const char* kPanelKey = "Trader_inventory";
    static constexpr const char* kChoiceBoth = "Trader_choice_arrow";
    static constexpr const char* kChoiceGold = "Trader_choice_arrow_only_gold";
    static constexpr const char* kChoiceSoul = "Trader_choice_arrow_only_soul";
    static constexpr const char* kChoiceNothing = "Trader_choice_arrow_nothing";
    static constexpr std::array<const char*, 6> kTextureKeys{kSheetKey,   kPanelKey,   kChoiceBoth,
                                                             kChoiceGold, kChoiceSoul, kChoiceNothing};
    // Every trader picture lies in one tree: "Assets/Sprites/Trader/" + key + ".png".
    static std::string fileOf(const char* key);
    static std::unique_ptr<TextureManager::Group> textureGroup();

private:
    std::unique_ptr<AnimationData> animation_;
};
