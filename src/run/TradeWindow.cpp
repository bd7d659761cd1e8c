#include "run/TradeWindow.h"

#include "core/Inventory.h"
#include "core/Item.h"
#include "core/ItemRegistry.h"
#include "creatures/CreatureWorld.h"
#include "creatures/Trader.h"
#include "run/BagTexts.h"

#include <SFML/Window/Event.hpp>

#include <algorithm>

namespace
{
std::shared_ptr<Item> goldCoin()
{
    return ItemRegistry::find("Gold Coin");
}

bool tradeable(const std::shared_ptr<Item>& item)
{
    return item && item->getKind() != Item::GOLD;
}

std::int32_t goldIn(const Inventory& bag, const Item& coin)
{
    return bag.countOf(coin);
}

// Screen layouts of the trade: the trader's stock on the left, the player's bag on
// the right, both at half size.
constexpr float kTradeScale = 0.5f;
constexpr float kTradePanelScale = 0.25f;
const sf::Vector2f kTraderHome{480.f, 540.f};
const sf::Vector2f kPlayerTradeHome{1440.f, 540.f};
const sf::Vector2f kPlayerHome{960.f, 590.f};
constexpr float kMarkerDrop = 70.f;
} // namespace

std::int64_t TradeWindow::goldPrice(const Item& item, std::int32_t amount)
{
    return static_cast<std::int64_t>(item.value) * amount;
}

std::int64_t TradeWindow::soulPrice(const Item& item, std::int32_t amount)
{
    return static_cast<std::int64_t>(BagTexts::soulPrice(item.value)) * amount;
}

TradeWindow::Outcome TradeWindow::sell(Inventory& player, Inventory& trader, const std::shared_ptr<Item>& item,
                                       std::int32_t amount)
{
    const std::shared_ptr<Item> coin = goldCoin();
    if (!tradeable(item) || !coin || amount <= 0 || player.countOf(*item) < amount)
        return Outcome::Refused;
    const std::int64_t price = goldPrice(*item, amount);
    if (goldIn(trader, *coin) < price)
        return Outcome::NoMoney;
    const auto gold = static_cast<std::int32_t>(price);
    if (Inventory::lacksRoom(player, coin, gold, item.get(), amount) ||
        Inventory::lacksRoom(trader, item, amount, coin.get(), gold))
        return Outcome::NoRoom;
    // Held while it changes hands, so an artefact is never without a holder.
    const std::shared_ptr<Item> goods = item;
    player.removeItem(*goods, amount);
    if (gold > 0)
        trader.removeItem(*coin, gold);
    trader.addStack(goods, amount);
    if (gold > 0)
        player.addStack(coin, gold);
    return Outcome::Done;
}

TradeWindow::Outcome TradeWindow::buyForGold(Inventory& player, Inventory& trader, const std::shared_ptr<Item>& item,
                                             std::int32_t amount)
{
    const std::shared_ptr<Item> coin = goldCoin();
    if (!tradeable(item) || !coin || amount <= 0 || trader.countOf(*item) < amount)
        return Outcome::Refused;
    const std::int64_t price = goldPrice(*item, amount);
    if (goldIn(player, *coin) < price)
        return Outcome::NoMoney;
    const auto gold = static_cast<std::int32_t>(price);
    if (Inventory::lacksRoom(trader, coin, gold, item.get(), amount) ||
        Inventory::lacksRoom(player, item, amount, coin.get(), gold))
        return Outcome::NoRoom;
    const std::shared_ptr<Item> goods = item;
    trader.removeItem(*goods, amount);
    if (gold > 0)
        player.removeItem(*coin, gold);
    player.addStack(goods, amount);
    if (gold > 0)
        trader.addStack(coin, gold);
    return Outcome::Done;
}

TradeWindow::Outcome TradeWindow::buyForSouls(Inventory& player, Inventory& trader, const std::shared_ptr<Item>& item,
                                              std::int32_t amount, CreatureWorld& karma)
{
    if (!tradeable(item) || amount <= 0 || trader.countOf(*item) < amount)
        return Outcome::Refused;
    const std::int64_t cost = soulPrice(*item, amount);
    if (!canPayInSouls(karma.karma(), cost))
        return Outcome::NoMoney;
    if (!player.fits(*item, amount))
        return Outcome::NoRoom;
    const std::shared_ptr<Item> goods = item;
    trader.removeItem(*goods, amount);
    player.addStack(goods, amount);
    karma.changeKarma(-static_cast<float>(cost));
    return Outcome::Done;
}

void TradeWindow::begin(InventoryScreen& playerScreen, Trader& trader, CreatureWorld& world)
{
    playerScreen_ = &playerScreen;
    trader_ = &trader;
    world_ = &world;

    traderScreen_ = std::make_unique<InventoryScreen>(trader.stock);
    InventoryScreen& stock = *traderScreen_;
    stock.panelKey = Trader::kPanelKey;
    stock.pictureSize = playerScreen.pictureSize;
    stock.panelScale = kTradePanelScale;
    stock.scale = kTradeScale;
    stock.home = kTraderHome;
    stock.showTotals = false;
    stock.alwaysOpen = true;
    stock.open();
    stock.focused = false;

    // The summary has no room beside the small layout; the bag's own screen shows it.
    playerScreen.showTotals = false;
    playerScreen.scale = kTradeScale;
    playerScreen.panelScale = kTradePanelScale;
    playerScreen.home = kPlayerTradeHome;
    playerScreen.open();
    playerScreen.focused = true;
    clearSteps();
    noRoomNotice = noMoneyNotice = noSoulsNotice = false;
}

void TradeWindow::end()
{
    if (playerScreen_)
    {
        InventoryScreen& bag = *playerScreen_;
        bag.showTotals = true;
        bag.scale = 1.f;
        bag.panelScale = 0.5f;
        bag.home = kPlayerHome;
        bag.close();
        bag.focused = true;
        bag.select(0);
    }
    playerScreen_ = nullptr;
    traderScreen_.reset();
    trader_ = nullptr;
    clearSteps();
    noRoomNotice = noMoneyNotice = noSoulsNotice = false;
}

InventoryScreen* TradeWindow::focusedScreen() const
{
    if (traderScreen_ && traderScreen_->focused)
        return traderScreen_.get();
    return playerScreen_;
}

const Inventory::Stack* TradeWindow::selectedStack() const
{
    const InventoryScreen* screen = focusedScreen();
    if (!screen)
        return nullptr;
    const Inventory::Stack& stack = screen->bag().slot(screen->selected);
    return stack.empty() ? nullptr : &stack;
}

const char* TradeWindow::choiceMarker() const
{
    const std::shared_ptr<Item> chosen = chosen_.lock();
    if (!chosen || !playerScreen_ || !world_)
        return Trader::kChoiceNothing;
    const std::shared_ptr<Item> coin = goldCoin();
    const bool gold = coin && goldIn(playerScreen_->bag(), *coin) >= goldPrice(*chosen, amount);
    const bool souls = canPayInSouls(world_->karma(), soulPrice(*chosen, amount));
    if (gold && souls)
        return Trader::kChoiceBoth;
    if (gold)
        return Trader::kChoiceGold;
    if (souls)
        return Trader::kChoiceSoul;
    return Trader::kChoiceNothing;
}

void TradeWindow::clearSteps()
{
    choosingPayment = false;
    amountDialog = false;
    amount = 0;
    chosen_.reset();
    if (InventoryScreen* screen = focusedScreen())
        screen->tooltipArmed = true;
}

void TradeWindow::clampAmount()
{
    const Inventory::Stack* stack = selectedStack();
    const std::int32_t count = stack ? stack->count : 0;
    amount = std::clamp<std::int32_t>(amount, 0, std::min<std::int32_t>(InventoryScreen::kMaxAmount, count));
}

void TradeWindow::report(Outcome outcome, bool souls)
{
    if (outcome == Outcome::NoMoney)
    {
        noMoneyNotice = true;
        noSoulsNotice = souls;
        noMoneyTime = 0.f;
    }
    else if (outcome == Outcome::NoRoom)
    {
        noRoomNotice = true;
        noRoomTime = 0.f;
    }
}

void TradeWindow::update(float dt)
{
    if (noRoomNotice && (noRoomTime += dt) > kNoticeDuration)
        noRoomNotice = false;
    if (noMoneyNotice && (noMoneyTime += dt) > kNoticeDuration)
        noMoneyNotice = false;
    if (traderScreen_)
        traderScreen_->update(dt);
}

bool TradeWindow::confirmKey(const sf::Event& event) const
{
    if (event.type == sf::Event::KeyPressed)
        return event.key.code == sf::Keyboard::E || event.key.code == sf::Keyboard::Enter;
    return event.type == sf::Event::JoystickButtonPressed && event.joystickButton.joystickId == 0 &&
           event.joystickButton.button == 1;
}

void TradeWindow::moveFocus(InventoryScreen::Move move)
{
    InventoryScreen* focused = focusedScreen();
    if (!focused || !traderScreen_)
        return;
    const int column = focused->selected % Inventory::kColumns;
    if (focused == playerScreen_ && move == InventoryScreen::Move::Left && column == 0)
    {
        playerScreen_->focused = false;
        traderScreen_->focused = true;
        traderScreen_->select(traderScreen_->selected - traderScreen_->selected % Inventory::kColumns +
                              Inventory::kColumns - 1);
        traderScreen_->tooltipArmed = true;
        return;
    }
    if (focused == traderScreen_.get() && move == InventoryScreen::Move::Right && column == Inventory::kColumns - 1)
    {
        traderScreen_->focused = false;
        playerScreen_->focused = true;
        playerScreen_->select(playerScreen_->selected - column);
        playerScreen_->tooltipArmed = true;
        return;
    }
    focused->moveCursor(move);
}

bool TradeWindow::handleEvent(const sf::Event& event)
{
    if (!active())
        return false;
    const bool escape = event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape;
    const bool padBack = event.type == sf::Event::JoystickButtonPressed && event.joystickButton.joystickId == 0 &&
                         event.joystickButton.button == 2;
    if (escape || padBack)
    {
        end();
        return true;
    }

    // Keys, with the pad's pushes turned into the same keys.
    sf::Keyboard::Key key = sf::Keyboard::Unknown;
    if (event.type == sf::Event::KeyPressed)
        key = event.key.code;
    else if (event.type == sf::Event::JoystickMoved && event.joystickMove.joystickId == 0)
    {
        const float position = event.joystickMove.position;
        int push = 0;
        switch (event.joystickMove.axis)
        {
        case sf::Joystick::R:
            if ((push = stickVertical_.feed(position)) != 0)
                key = push < 0 ? sf::Keyboard::Up : sf::Keyboard::Down;
            break;
        case sf::Joystick::Z:
            if ((push = stickHorizontal_.feed(position)) != 0)
                key = push < 0 ? sf::Keyboard::Left : sf::Keyboard::Right;
            break;
        case sf::Joystick::PovX:
            if ((push = povX_.feed(position)) != 0)
                key = push < 0 ? sf::Keyboard::Left : sf::Keyboard::Right;
            break;
        default:
            break;
        }
    }
    const bool confirm = confirmKey(event);
    InventoryScreen* focused = focusedScreen();
    if (!focused)
        return false;

    if (choosingPayment)
    {
        Inventory& player = playerScreen_->bag();
        Inventory& stock = traderScreen_->bag();
        if (key == sf::Keyboard::Right)
            report(buyForGold(player, stock, chosen_.lock(), amount), false);
        else if (key == sf::Keyboard::Left)
            report(buyForSouls(player, stock, chosen_.lock(), amount, *world_), true);
        else if (!confirm)
            return false;
        clearSteps();
        return false;
    }

    if (amountDialog)
    {
        if (confirm)
        {
            amountDialog = false;
            if (amount <= 0 || chosen_.expired())
                clearSteps();
            else if (buying())
            {
                choosingPayment = true;
                // Just under the slot, so the item bought stays in sight.
                markerPosition_ = focused->layoutSlot(focused->selected) + sf::Vector2f(0.f, kMarkerDrop);
            }
            else
            {
                report(sell(playerScreen_->bag(), traderScreen_->bag(), chosen_.lock(), amount), false);
                clearSteps();
            }
            return false;
        }
        if (!InventoryScreen::stepAmount(key, amount))
            return false;
        clampAmount();
        return false;
    }

    if (confirm)
    {
        const Inventory::Stack* stack = selectedStack();
        if (stack && tradeable(stack->item))
        {
            chosen_ = stack->item;
            amountDialog = true;
            amount = 1;
            clampAmount();
            focused->tooltipArmed = false;
        }
        return false;
    }
    switch (key)
    {
    case sf::Keyboard::Up:
        moveFocus(InventoryScreen::Move::Up);
        break;
    case sf::Keyboard::Down:
        moveFocus(InventoryScreen::Move::Down);
        break;
    case sf::Keyboard::Left:
        moveFocus(InventoryScreen::Move::Left);
        break;
    case sf::Keyboard::Right:
        moveFocus(InventoryScreen::Move::Right);
        break;
    default:
        break;
    }
    return false;
}
