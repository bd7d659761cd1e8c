#pragma once

#include "core/ScaledPicture.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Artefact;
class InventoryScreen;
class Item;
namespace sf
{
class RenderTarget;
}

// Draws one bag's screen: the panel, the pulsing cursor, each stack's icon and
// count, the action marker or amount dialog, the tooltip and the summary of the
// equipped artefacts. Texts are rebuilt only when what they say changes.
class InventoryView
{
public:
    // What the summary tells: the scythe's base damage and reach and the equipped list.
    struct Totals
    {
        float damage = 10.f;
        float reach = 1.f;
        const std::vector<std::shared_ptr<Artefact>>* equipped = nullptr;
    };

    InventoryView();

    void draw(sf::RenderTarget& target, const InventoryScreen& screen, const Totals& totals);

    // The text now in the tooltip and the summary (what was last drawn).
    const std::string& tooltipText() const { return tooltipString_; }
    const std::string& summaryText() const { return summaryString_; }

    // The shared look of the game's info boxes: gold letters on a dark, see-through box.
    static void styleInfoText(sf::Text& text, const sf::Font* font);
    static void drawInfoBox(sf::RenderTarget& target, sf::Text& text, sf::Vector2f topLeft);

private:
    void drawCursor(sf::RenderTarget& target, const InventoryScreen& screen);
    void drawSlots(sf::RenderTarget& target, const InventoryScreen& screen);
    void drawTooltip(sf::RenderTarget& target, const InventoryScreen& screen);
    void drawSummary(sf::RenderTarget& target, const InventoryScreen& screen, const Totals& totals);
    void drawDialog(sf::RenderTarget& target, const InventoryScreen& screen);
    sf::Sprite& iconOf(const Item& item);

    const sf::Font* font_;
    sf::Sprite panel_;
    std::string panelKey_;
    // The panel painted once at the size it is drawn.
    ScaledPicture scaledPanel_;
    sf::Sprite arrow_;
    sf::Sprite apply_;
    std::array<sf::RectangleShape, 3> squares_;
    std::array<sf::Text, 20> counts_;
    std::array<std::int32_t, 20> shownCounts_{};
    sf::Text tooltip_;
    std::string tooltipString_;
    const Item* tooltipItem_ = nullptr;
    std::int32_t tooltipCount_ = -1;
    struct SummaryKey
    {
        float damage = -1.f;
        float reach = -1.f;
        std::size_t count = 0;
        const Artefact* last = nullptr;
        bool operator==(const SummaryKey&) const = default;
    };
    sf::Text summary_;
    std::string summaryString_;
    SummaryKey summaryKey_;
    sf::Text dialog_;
    std::string dialogString_;
    // Icons by texture key, made once.
    std::vector<std::pair<std::string, sf::Sprite>> icons_;
};
