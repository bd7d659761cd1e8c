#include "run/TradeWindowView.h"

#include "core/FontManager.h"
#include "core/TextureManager.h"
#include "core/UiText.h"
#include "run/InventoryScreen.h"
#include "run/TradeWindow.h"

#include <SFML/Graphics/RenderTarget.hpp>

namespace
{
void title(sf::Text& text, const sf::Font* font, UiText::Id words, sf::Color fill, sf::Color outline, sf::Vector2f at)
{
    if (font)
        text.setFont(*font);
    text.setString(UiText::shown(words));
    text.setCharacterSize(50);
    text.setFillColor(fill);
    text.setOutlineColor(outline);
    text.setOutlineThickness(2.f);
    text.setPosition(at);
}
} // namespace

TradeWindowView::TradeWindowView() : font_(FontManager::getFont("Ironhelm"))
{
    title(traderTitle_, font_, UiText::TRADER_INVENTORY, sf::Color(200, 45, 45), sf::Color(113, 26, 26),
          {240.f, 250.f});
    title(playerTitle_, font_, UiText::PLAYER_INVENTORY, sf::Color(109, 1, 120), sf::Color(53, 0, 57), {1200.f, 250.f});
    InventoryView::styleInfoText(amount_, font_);
    InventoryView::styleInfoText(notice_, font_);
    notice_.setCharacterSize(30);
    amountBox_.setSize({400.f, 50.f});
    amountBox_.setFillColor(sf::Color(5, 5, 10));
    amountBox_.setOutlineColor(sf::Color(10, 10, 20));
    amountBox_.setOutlineThickness(2.f);
}

void TradeWindowView::draw(sf::RenderTarget& target, const TradeWindow& window, InventoryView& playerBag,
                           const InventoryView::Totals& totals)
{
    if (!window.active())
        return;
    // The player stands first in the room, then the trader.
    playerBag.draw(target, *window.playerScreen(), totals);
    traderBag_.draw(target, *window.traderScreen(), {});
    target.draw(traderTitle_);
    target.draw(playerTitle_);

    const InventoryScreen* focused = window.focusedScreen();
    if (window.choosingPayment)
    {
        const char* key = window.choiceMarker();
        if (markerKey_ != key)
        {
            markerKey_ = key;
            marker_ = TextureManager::getSprite(markerKey_, 18);
            marker_.setScale(0.5f, 0.5f);
        }
        marker_.setPosition(window.markerPosition());
        target.draw(marker_);
    }
    if (window.amountDialog && focused)
    {
        const std::string text =
            UiText::get(window.buying() ? UiText::BUY_AMOUNT : UiText::SELL_AMOUNT) + std::to_string(window.amount);
        if (text != amountString_)
        {
            amountString_ = text;
            amount_.setString(UiText::shown(amountString_));
        }
        const sf::Vector2f at = focused->layoutSlot(focused->selected) + sf::Vector2f(-200.f, 45.f);
        amountBox_.setPosition(at);
        target.draw(amountBox_);
        amount_.setPosition(at + sf::Vector2f(10.f, 10.f));
        target.draw(amount_);
    }

    std::string notice;
    if (window.noMoneyNotice)
        notice = UiText::get(window.noSoulsNotice ? UiText::NOT_ENOUGH_SOULS : UiText::NOT_ENOUGH_GOLD);
    else if (window.noRoomNotice)
        notice = UiText::get(UiText::NOT_ENOUGH_ROOM);
    if (notice != noticeString_)
    {
        noticeString_ = notice;
        notice_.setString(UiText::shown(noticeString_));
    }
    if (!noticeString_.empty())
    {
        const float width = notice_.getLocalBounds().width + 30.f;
        InventoryView::drawInfoBox(target, notice_, {960.f - width / 2.f, 880.f});
    }
}
