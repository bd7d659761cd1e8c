#pragma once

#include "core/Inventory.h"
#include "run/AxisPush.h"
#include "run/InventoryScreen.h"

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <memory>
#include <string>

class CreatureWorld;
class Inventory;
class Item;
class Trader;

// Trading with the merchant, without its drawing: the trader's bag on the left and
// the player's on the right, one focused; an amount chosen for the stack under the
// cursor; selling for gold, buying for gold or for souls (paid out of the karma);
// the notices when a trade cannot be paid or does not fit. Every trade is all or
// nothing: a bag changes only when the price is paid and every unit has room.
class TradeWindow
{
public:
    enum class Outcome
    {
        Done,
        NoMoney,
        NoRoom,
        Refused // nothing to trade (gold, an empty slot, a zero amount)
    };

    // The karma bounds: a purchase for souls may spend down to the lower one.
    static constexpr float kMinKarma = -160.f;
    static constexpr float kMaxKarma = 160.f;
    static constexpr float kNoticeDuration = 2.f;

    static std::int64_t goldPrice(const Item& item, std::int32_t amount);
    static std::int64_t soulPrice(const Item& item, std::int32_t amount);
    static bool canPayInSouls(float karma, std::int64_t cost) { return karma - static_cast<float>(cost) >= kMinKarma; }

    // The rules, on the bags alone. `item` is the very stack's item (an artefact is
    // that artefact). Souls are taken through the world's karma.
    static Outcome sell(Inventory& player, Inventory& trader, const std::shared_ptr<Item>& item, std::int32_t amount);
    static Outcome buyForGold(Inventory& player, Inventory& trader, const std::shared_ptr<Item>& item,
                              std::int32_t amount);
    static Outcome buyForSouls(Inventory& player, Inventory& trader, const std::shared_ptr<Item>& item,
                               std::int32_t amount, CreatureWorld& karma);

    // Starts trading: the trader's stock shows on the left, the player's bag moves to
    // the right in the small layout and takes the focus.
    void begin(InventoryScreen& playerScreen, Trader& trader, CreatureWorld& world);
    // Ends trading: the player's bag goes back to its own layout, closed.
    void end();
    bool active() const { return playerScreen_ != nullptr; }

    // Keys and the pad while trading. Answers true when the event ends trading
    // (Escape or pad button 2): the caller sets the player back to idle.
    bool handleEvent(const sf::Event& event);
    // The notices' timers and the bags' clocks.
    void update(float dt);

    InventoryScreen* playerScreen() const { return playerScreen_; }
    InventoryScreen* traderScreen() const { return traderScreen_.get(); }
    InventoryScreen* focusedScreen() const;
    bool buying() const { return traderScreen_ && traderScreen_->focused; }
    // The marker's picture for the purchase being set up, and where it stands.
    const char* choiceMarker() const;
    sf::Vector2f markerPosition() const { return markerPosition_; }

    bool choosingPayment = false;
    bool amountDialog = false;
    std::int32_t amount = 0;
    bool noRoomNotice = false;
    bool noMoneyNotice = false;
    // The money notice is about souls rather than gold.
    bool noSoulsNotice = false;
    float noRoomTime = 0.f;
    float noMoneyTime = 0.f;

private:
    void report(Outcome outcome, bool souls);
    void clearSteps();
    void clampAmount();
    bool confirmKey(const sf::Event& event) const;
    const Inventory::Stack* selectedStack() const;
    void moveFocus(InventoryScreen::Move move);

    InventoryScreen* playerScreen_ = nullptr;
    std::unique_ptr<InventoryScreen> traderScreen_;
    Trader* trader_ = nullptr;
    CreatureWorld* world_ = nullptr;
    // The stack chosen when the amount dialog opened. Only a look at it: the bag
    // stays its one holder.
    std::weak_ptr<Item> chosen_;
    sf::Vector2f markerPosition_;
    AxisPush stickVertical_{0.99f};
    AxisPush stickHorizontal_{0.99f};
    AxisPush povX_{0.2f};
};
