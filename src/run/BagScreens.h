#pragma once

#include "run/InventoryScreen.h"
#include "run/InventoryView.h"
#include "run/TradeWindow.h"
#include "run/TradeWindowView.h"

#include <memory>

class CreatureWorld;
class Player;
class Trader;
namespace sf
{
class Event;
class RenderTarget;
} // namespace sf

// The run's two screens over the world: the player's bag (Tab) and the trade
// window at the merchant. The run hands them its events, its frame time and the
// window; they work on the player's bag, its equipped artefacts and the world the
// player stands in.
class BagScreens
{
public:
    explicit BagScreens(Player& player);

    // The trade window while trading, the bag otherwise. True when the screen took the event.
    bool handleEvent(const sf::Event& event, CreatureWorld& world);
    void update(float dt);
    void draw(sf::RenderTarget& target);

    void startTrading(Trader& trader, CreatureWorld& world);
    bool bagOpen() const { return bag_.isOpen; }
    bool trading() const { return trade_.active(); }

    InventoryScreen& bag() { return bag_; }
    TradeWindow& trade() { return trade_; }
    const InventoryView& bagView() const { return bagView_; }
    const TradeWindowView& tradeView() const { return tradeView_; }

private:
    InventoryScreen::Owner owner(CreatureWorld& world) const;
    InventoryView::Totals totals() const;

    Player& player_;
    InventoryScreen bag_;
    TradeWindow trade_;
    InventoryView bagView_;
    TradeWindowView tradeView_;
};
