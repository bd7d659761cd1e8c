#include "run/BagScreens.h"

#include "creatures/CreatureWorld.h"
#include "creatures/Trader.h"
#include "run/Player.h"

BagScreens::BagScreens(Player& player) : player_(player), bag_(*player.inventory) {}

InventoryScreen::Owner BagScreens::owner(CreatureWorld& world) const
{
    InventoryScreen::Owner who;
    who.equipped = &player_.stats.equippedArtefacts;
    who.world = &world;
    // A dropped stack lands at the player's feet.
    who.dropPoint = player_.getPosition() + sf::Vector2f(0.f, player_.bodySize().y / 4.f);
    return who;
}

InventoryView::Totals BagScreens::totals() const
{
    return {player_.stats.damage, player_.stats.reach, &player_.stats.equippedArtefacts};
}

bool BagScreens::handleEvent(const sf::Event& event, CreatureWorld& world)
{
    if (trade_.active() || player_.state == Player::TRADING)
    {
        if (!trade_.active() || trade_.handleEvent(event))
        {
            // Trading is over: the player stands idle again.
            if (trade_.active())
                trade_.end();
            player_.state = Player::IDLE;
        }
        return true;
    }
    return bag_.handleEvent(event, owner(world));
}

void BagScreens::update(float dt)
{
    bag_.update(dt);
    trade_.update(dt);
}

void BagScreens::draw(sf::RenderTarget& target)
{
    if (trade_.active())
        tradeView_.draw(target, trade_, bagView_, totals());
    else
        bagView_.draw(target, bag_, totals());
}

void BagScreens::startTrading(Trader& trader, CreatureWorld& world)
{
    trade_.begin(bag_, trader, world);
}
