#include "run/InventoryScreen.h"

#include "core/Artefact.h"
#include "core/Inventory.h"
#include "core/Item.h"
#include "creatures/CreatureWorld.h"
#include "creatures/ItemEntity.h"
#include "run/PlayerInput.h"

#include <SFML/Window/Event.hpp>

#include <algorithm>
#include <cmath>

InventoryScreen::InventoryScreen(Inventory& bag) : bag_(&bag)
{
    cursorPosition = layoutSlot(0);
}

sf::Vector2f InventoryScreen::layoutSlot(int index) const
{
    index = std::clamp(index, 0, Inventory::kSlotCount - 1);
    const sf::Vector2f corner = home - panelSize() / 2.f;
    const int column = index % Inventory::kColumns;
    const int row = index / Inventory::kColumns;
    float x = static_cast<float>(column) * kColumnStep + kFirstX;
    const float y = static_cast<float>(row) * kRowStep + kFirstY;
    if (row % 2 == 1)
        x += kOddRowShift;
    return corner + sf::Vector2f(x, y) * scale;
}

void InventoryScreen::select(int slot)
{
    selected = std::clamp(slot, 0, Inventory::kSlotCount - 1);
    cursorPosition = layoutSlot(selected);
    restTime = 0.f;
}

void InventoryScreen::open()
{
    isOpen = true;
    tooltipArmed = true;
    closeActions();
    // The cursor starts on the first slot, where it is drawn.
    select(0);
}

void InventoryScreen::close()
{
    if (alwaysOpen)
        return;
    isOpen = false;
    closeActions();
    restTime = 0.f;
}

void InventoryScreen::closeActions()
{
    menuOpen = dropDialog = deleteDialog = false;
    amount = 0;
}

void InventoryScreen::update(float dt)
{
    restTime += dt;
    if (isOpen && focused)
        focusTime += dt;
}

bool InventoryScreen::tooltipShown() const
{
    return isOpen && focused && tooltipArmed && !menuOpen && !dropDialog && !deleteDialog && restTime > kTooltipDelay &&
           !bag_->slot(selected).empty();
}

int InventoryScreen::colourPhase() const
{
    return static_cast<int>(std::floor(focusTime * 5.f)) % 3;
}

bool InventoryScreen::moveCursor(Move move)
{
    int next = selected;
    switch (move)
    {
    case Move::Up:
        next -= Inventory::kColumns;
        break;
    case Move::Down:
        next += Inventory::kColumns;
        break;
    case Move::Left:
        if (selected % Inventory::kColumns == 0)
            return false;
        --next;
        break;
    case Move::Right:
        if (selected % Inventory::kColumns == Inventory::kColumns - 1)
            return false;
        ++next;
        break;
    }
    if (next < 0 || next >= Inventory::kSlotCount)
        return false;
    select(next);
    return true;
}

bool InventoryScreen::targetValid() const
{
    return isOpen && Inventory::validSlot(target) && !bag_->slot(target).empty();
}

void InventoryScreen::clampAmount()
{
    const std::int32_t count = Inventory::validSlot(target) ? bag_->slot(target).count : 0;
    amount = std::clamp<std::int32_t>(amount, 0, std::min<std::int32_t>(kMaxAmount, count));
}

bool InventoryScreen::equip(const Owner& owner)
{
    if (!targetValid() || !owner.equipped)
        return false;
    const Inventory::Stack& stack = bag_->slot(target);
    if (stack.item->getKind() != Item::ARTEFACT || !std::dynamic_pointer_cast<Artefact>(stack.item))
        return false;
    // The slot's artefact, not another of the same name: it leaves the bag and the
    // equipped list holds it from now on.
    Inventory::Stack taken = bag_->takeSlot(target);
    owner.equipped->push_back(std::static_pointer_cast<Artefact>(std::move(taken.item)));
    closeActions();
    restTime = 0.f;
    return true;
}

bool InventoryScreen::drop(const Owner& owner)
{
    if (!targetValid() || !owner.world)
        return false;
    const Inventory::Stack& stack = bag_->slot(target);
    const std::int32_t n = std::min(amount, stack.count);
    if (n <= 0 || n > bag_->countOf(*stack.item))
        return false;
    std::shared_ptr<Item> item = stack.item;
    if (item->getKind() == Item::ARTEFACT)
        bag_->takeSlot(target);
    else
        // Units of a material leave from the last slots holding it first.
        bag_->removeItem(*item, n);
    auto lying = std::make_unique<ItemEntity>(std::move(item), n, owner.world);
    lying->setPosition(owner.dropPoint);
    owner.world->addEntity(std::move(lying));
    return true;
}

bool InventoryScreen::deleteUnits()
{
    bool changed = false;
    if (targetValid())
    {
        const Inventory::Stack& stack = bag_->slot(target);
        if (amount > 0 && amount <= bag_->countOf(*stack.item))
        {
            if (stack.count == 1 || stack.item->getKind() == Item::ARTEFACT)
                bag_->takeSlot(target);
            else
                bag_->removeItem(*stack.item, amount);
            changed = true;
        }
    }
    closeActions();
    restTime = 0.f;
    return changed;
}

bool InventoryScreen::festiveChord() const
{
    const PlayerInput& input = PlayerInput::current();
    return input.keyHeld(sf::Keyboard::RControl) && input.keyHeld(sf::Keyboard::LAlt) &&
           input.keyHeld(sf::Keyboard::RShift) && input.keyHeld(sf::Keyboard::F) && input.keyHeld(sf::Keyboard::U);
}

bool InventoryScreen::menuKey(sf::Keyboard::Key key, const Owner& owner)
{
    if (!targetValid())
    {
        closeActions();
        return false;
    }
    switch (key)
    {
    case sf::Keyboard::Up:
        equip(owner);
        return true;
    case sf::Keyboard::Left:
    case sf::Keyboard::Right:
        // The amount dialog on the target stack: every unit by default, the arrows
        // choose fewer, Enter acts.
        menuOpen = false;
        dropDialog = key == sf::Keyboard::Left;
        deleteDialog = key == sf::Keyboard::Right;
        amount = bag_->slot(target).count;
        clampAmount();
        return true;
    default:
        return false;
    }
}

bool InventoryScreen::stepAmount(sf::Keyboard::Key key, std::int32_t& amount)
{
    switch (key)
    {
    case sf::Keyboard::Right:
        amount += 1;
        return true;
    case sf::Keyboard::Left:
        amount -= 1;
        return true;
    case sf::Keyboard::Up:
        amount += 10;
        return true;
    case sf::Keyboard::Down:
        amount -= 10;
        return true;
    default:
        return false;
    }
}

bool InventoryScreen::dialogKey(sf::Keyboard::Key key)
{
    if (!stepAmount(key, amount))
        return false;
    clampAmount();
    return true;
}

bool InventoryScreen::cursorKey(sf::Keyboard::Key key)
{
    if (!isOpen || !focused)
        return false;
    switch (key)
    {
    case sf::Keyboard::Up:
        moveCursor(Move::Up);
        return true;
    case sf::Keyboard::Down:
        moveCursor(Move::Down);
        return true;
    case sf::Keyboard::Left:
        moveCursor(Move::Left);
        return true;
    case sf::Keyboard::Right:
        moveCursor(Move::Right);
        return true;
    default:
        return false;
    }
}

bool InventoryScreen::handleEvent(const sf::Event& event, const Owner& owner)
{
    if (event.type == sf::Event::JoystickMoved && event.joystickMove.joystickId == 0)
    {
        if (!isOpen || !focused)
            return false;
        const float position = event.joystickMove.position;
        sf::Keyboard::Key key = sf::Keyboard::Unknown;
        switch (event.joystickMove.axis)
        {
        case sf::Joystick::R:
            if (int push = stickVertical_.feed(position); push != 0 && !menuOpen)
                key = push < 0 ? sf::Keyboard::Up : sf::Keyboard::Down;
            break;
        case sf::Joystick::Z:
            if (int push = stickHorizontal_.feed(position); push != 0 && !menuOpen)
                key = push < 0 ? sf::Keyboard::Left : sf::Keyboard::Right;
            break;
        case sf::Joystick::PovX:
            if (int push = povX_.feed(position); push != 0 && menuOpen)
                key = push < 0 ? sf::Keyboard::Left : sf::Keyboard::Right;
            break;
        case sf::Joystick::PovY:
            if (int push = povY_.feed(position); push > 0 && menuOpen)
                key = sf::Keyboard::Up;
            break;
        default:
            break;
        }
        if (key == sf::Keyboard::Unknown)
            return false;
        if (menuOpen)
            return menuKey(key, owner);
        if (dropDialog || deleteDialog)
            return dialogKey(key);
        return cursorKey(key);
    }

    if (event.type != sf::Event::KeyPressed)
        return false;
    const sf::Keyboard::Key key = event.key.code;

    if (key == sf::Keyboard::Tab)
    {
        if (isOpen)
            close();
        else
            open();
        tooltipArmed = true;
        restTime = 0.f;
        return true;
    }
    if (key == sf::Keyboard::Escape)
    {
        if (menuOpen || dropDialog || deleteDialog)
        {
            closeActions();
            restTime = 0.f;
            return true;
        }
        if (isOpen)
        {
            close();
            return true;
        }
        return false;
    }
    if (key == sf::Keyboard::N && festiveChord())
    {
        festiveCursor = !festiveCursor;
        return true;
    }
    if (!isOpen || !focused)
        return false;
    if (key == sf::Keyboard::Enter)
    {
        if (dropDialog)
        {
            drop(owner);
            closeActions();
            restTime = 0.f;
        }
        else if (deleteDialog)
            deleteUnits();
        else if (!menuOpen && !bag_->slot(selected).empty())
        {
            target = selected;
            menuOpen = true;
        }
        return true;
    }
    if (menuOpen)
        return menuKey(key, owner);
    if (dropDialog || deleteDialog)
        return dialogKey(key);
    return cursorKey(key);
}
