#pragma once

#include "run/InventoryView.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>

class TradeWindow;

// Draws the trade: both bags with their titles, the amount box of a sale or a
// purchase, the payment marker, and a notice when a trade lacked money or room.
class TradeWindowView
{
public:
    TradeWindowView();

    // `playerBag` draws the player's side (the run's own bag view, so its texts stay cached).
    void draw(sf::RenderTarget& target, const TradeWindow& window, InventoryView& playerBag,
              const InventoryView::Totals& totals);

    const std::string& amountText() const { return amountString_; }
    const std::string& noticeText() const { return noticeString_; }

private:
    const sf::Font* font_;
    InventoryView traderBag_;
    sf::Text traderTitle_;
    sf::Text playerTitle_;
    sf::Text amount_;
    std::string amountString_;
    sf::RectangleShape amountBox_;
    sf::Text notice_;
    std::string noticeString_;
    sf::Sprite marker_;
    std::string markerKey_;
};
