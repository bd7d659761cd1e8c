#include "run/InventoryView.h"

#include "core/FontManager.h"
#include "core/Inventory.h"
#include "core/Item.h"
#include "core/TextureManager.h"
#include "core/UiText.h"
#include "run/BagTexts.h"
#include "run/InventoryScreen.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cmath>

namespace
{
constexpr unsigned kCentred = 18;
constexpr float kIconSide = 106.f;
const sf::Color kInfoFill(208, 177, 31);
const sf::Color kInfoOutline(68, 53, 21);
const sf::Color kBoxFill(5, 5, 10, 200);

// The cursor's three golds, from the smallest square to the largest, for each phase.
const sf::Color kGoldA(255, 211, 38), kGoldB(145, 122, 21), kGoldC(208, 177, 31);
const std::array<std::array<sf::Color, 3>, 3> kCursorColours{{
    {kGoldA, kGoldB, kGoldC},
    {kGoldB, kGoldC, kGoldA},
    {kGoldC, kGoldA, kGoldB},
}};
} // namespace

void InventoryView::styleInfoText(sf::Text& text, const sf::Font* font)
{
    if (font)
        text.setFont(*font);
    text.setCharacterSize(20);
    text.setFillColor(kInfoFill);
    text.setOutlineColor(kInfoOutline);
    text.setOutlineThickness(2.f);
}

void InventoryView::drawInfoBox(sf::RenderTarget& target, sf::Text& text, sf::Vector2f topLeft)
{
    const sf::FloatRect bounds = text.getLocalBounds();
    sf::RectangleShape box({bounds.width + 30.f, bounds.height + 30.f});
    box.setFillColor(kBoxFill);
    box.setPosition(topLeft);
    target.draw(box);
    text.setPosition(topLeft + sf::Vector2f(15.f, 10.f) - sf::Vector2f(bounds.left, bounds.top) +
                     sf::Vector2f(0.f, 5.f));
    target.draw(text);
}

InventoryView::InventoryView() : font_(FontManager::getFont("Ironhelm"))
{
    arrow_ = TextureManager::getSprite(InventoryScreen::kArrowKey, kCentred);
    apply_ = TextureManager::getSprite(InventoryScreen::kApplyKey, kCentred);
    for (auto& square : squares_)
    {
        square.setFillColor(sf::Color::Transparent);
        square.setOutlineThickness(4.f);
    }
    const float sides[3] = {106.f, 114.f, 122.f};
    for (std::size_t i = 0; i < squares_.size(); ++i)
    {
        squares_[i].setSize({sides[i], sides[i]});
        squares_[i].setOrigin(sides[i] / 2.f, sides[i] / 2.f);
    }
    for (sf::Text& count : counts_)
    {
        if (font_)
            count.setFont(*font_);
        count.setFillColor(sf::Color::White);
        count.setOutlineColor(sf::Color::Black);
        count.setOutlineThickness(1.f);
    }
    styleInfoText(tooltip_, font_);
    styleInfoText(summary_, font_);
    styleInfoText(dialog_, font_);
}

sf::Sprite& InventoryView::iconOf(const Item& item)
{
    for (auto& [key, sprite] : icons_)
        if (key == item.iconKey)
            return sprite;
    icons_.emplace_back(item.iconKey, TextureManager::getSprite(item.iconKey, kCentred));
    return icons_.back().second;
}

void InventoryView::draw(sf::RenderTarget& target, const InventoryScreen& screen, const Totals& totals)
{
    if (!screen.isOpen)
        return;
    if (panelKey_ != screen.panelKey)
    {
        panelKey_ = screen.panelKey;
        panel_ = TextureManager::getSprite(panelKey_, kCentred);
    }
    if (scaledPanel_.prepare(panel_.getTexture(), screen.panelScale))
    {
        sf::Sprite& scaled = scaledPanel_.sprite();
        scaled.setPosition(screen.home);
        target.draw(scaled);
    }
    else
    {
        panel_.setScale(screen.panelScale, screen.panelScale);
        panel_.setPosition(screen.home);
        target.draw(panel_);
    }

    drawSlots(target, screen);
    drawCursor(target, screen);
    if (screen.showTotals)
        drawSummary(target, screen, totals);

    if (screen.menuOpen && Inventory::validSlot(screen.target) && !screen.bag().slot(screen.target).empty())
    {
        const bool artefact = screen.bag().slot(screen.target).item->getKind() == Item::ARTEFACT;
        sf::Sprite& marker = artefact ? apply_ : arrow_;
        marker.setScale(0.6f * screen.scale, 0.6f * screen.scale);
        marker.setPosition(screen.layoutSlot(screen.target) + sf::Vector2f(1.f, 0.f));
        target.draw(marker);
    }
    else if (screen.deleteDialog || screen.dropDialog)
        drawDialog(target, screen);
    else if (screen.tooltipShown())
        drawTooltip(target, screen);
}

void InventoryView::drawSlots(sf::RenderTarget& target, const InventoryScreen& screen)
{
    for (int i = 0; i < Inventory::kSlotCount; ++i)
    {
        const Inventory::Stack& stack = screen.bag().slot(i);
        if (stack.empty())
            continue;
        const sf::Vector2f at = screen.layoutSlot(i);
        sf::Sprite& icon = iconOf(*stack.item);
        const sf::FloatRect local = icon.getLocalBounds();
        const float side = std::max(local.width, local.height);
        const float k = side > 0.f ? kIconSide * screen.scale / side : 1.f;
        icon.setScale(k, k);
        icon.setPosition(at);
        target.draw(icon);
        if (stack.count > 1)
        {
            sf::Text& count = counts_[static_cast<std::size_t>(i)];
            if (shownCounts_[static_cast<std::size_t>(i)] != stack.count)
            {
                shownCounts_[static_cast<std::size_t>(i)] = stack.count;
                count.setString(std::to_string(stack.count));
            }
            count.setCharacterSize(static_cast<unsigned>(std::max(1.f, 30.f * screen.scale)));
            count.setPosition(at + sf::Vector2f(40.f, 40.f) * screen.scale - sf::Vector2f(10.f, 10.f) * screen.scale);
            target.draw(count);
        }
    }
}

void InventoryView::drawCursor(sf::RenderTarget& target, const InventoryScreen& screen)
{
    if (!screen.focused)
        return;
    const auto& colours = kCursorColours[static_cast<std::size_t>(screen.colourPhase())];
    const float t = screen.focusTime;
    float grow = 1.f, turn = 0.f;
    if (screen.festiveCursor)
    {
        const float c = std::cos(4.f * t);
        grow = 1.f + 0.4f * c * c;
        turn = t * 180.f;
    }
    for (std::size_t i = 0; i < squares_.size(); ++i)
    {
        sf::RectangleShape& square = squares_[i];
        square.setOutlineColor(colours[i]);
        square.setScale(screen.scale * grow, screen.scale * grow);
        square.setRotation(turn);
        square.setPosition(screen.cursorPosition);
        target.draw(square);
    }
}

void InventoryView::drawTooltip(sf::RenderTarget& target, const InventoryScreen& screen)
{
    const Inventory::Stack& stack = screen.bag().slot(screen.selected);
    if (tooltipItem_ != stack.item.get() || tooltipCount_ != stack.count)
    {
        tooltipItem_ = stack.item.get();
        tooltipCount_ = stack.count;
        tooltipString_ = BagTexts::tooltip(*stack.item, stack.count);
        tooltip_.setString(UiText::shown(tooltipString_));
    }
    const sf::FloatRect bounds = tooltip_.getLocalBounds();
    const float width = bounds.width + 30.f, height = bounds.height + 30.f;
    sf::Vector2f at = screen.cursorPosition;
    at.x -= width / 2.f;
    // The last row's tooltip stands above the cursor, the others below it.
    if (screen.selected + Inventory::kColumns >= Inventory::kSlotCount)
        at.y -= 41.f * screen.scale + height;
    else
        at.y += 65.f * screen.scale;
    drawInfoBox(target, tooltip_, at);
}

void InventoryView::drawSummary(sf::RenderTarget& target, const InventoryScreen& screen, const Totals& totals)
{
    static const std::vector<std::shared_ptr<Artefact>> none;
    const auto& equipped = totals.equipped ? *totals.equipped : none;
    // Worded again only when the scythe or the equipped list changed.
    const SummaryKey key{totals.damage, totals.reach, equipped.size(),
                         equipped.empty() ? nullptr : equipped.back().get()};
    if (!(key == summaryKey_) || summaryString_.empty())
    {
        summaryKey_ = key;
        summaryString_ = BagTexts::summary(totals.damage, totals.reach, equipped);
        summary_.setString(UiText::shown(summaryString_));
    }
    const sf::Vector2f size = screen.panelSize();
    const sf::Vector2f right = screen.home + sf::Vector2f(size.x / 2.f + 12.f, -size.y / 2.f + 40.f * screen.scale);
    drawInfoBox(target, summary_, right);
}

void InventoryView::drawDialog(sf::RenderTarget& target, const InventoryScreen& screen)
{
    const std::string text = UiText::get(screen.deleteDialog ? UiText::DELETE_AMOUNT : UiText::DROP_AMOUNT) +
                             std::to_string(screen.amount) + UiText::get(UiText::AMOUNT_KEYS);
    if (text != dialogString_)
    {
        dialogString_ = text;
        dialog_.setString(UiText::shown(dialogString_));
    }
    const sf::Vector2f at = screen.layoutSlot(screen.target) + sf::Vector2f(-60.f, 65.f) * screen.scale;
    drawInfoBox(target, dialog_, at);
}
