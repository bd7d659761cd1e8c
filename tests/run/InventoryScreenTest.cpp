#include "run/InventoryScreen.h"

#include "core/Artefact.h"
#include "core/Inventory.h"
#include "core/Item.h"
#include "creatures/ItemEntity.h"
#include "run/BagTexts.h"
#include "support/FakeWorld.h"

#include <SFML/Window/Event.hpp>
#include <gtest/gtest.h>

namespace
{
sf::Event key(sf::Keyboard::Key code)
{
    sf::Event e{};
    e.type = sf::Event::KeyPressed;
    e.key.code = code;
    return e;
}

sf::Event axis(sf::Joystick::Axis which, float position)
{
    sf::Event e{};
    e.type = sf::Event::JoystickMoved;
    e.joystickMove.joystickId = 0;
    e.joystickMove.axis = which;
    e.joystickMove.position = position;
    return e;
}

class BagScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        owner.equipped = &equipped;
        owner.world = &world;
        owner.dropPoint = {10.f, 35.f};
    }
    void press(sf::Keyboard::Key code) { screen.handleEvent(key(code), owner); }
    std::vector<ItemEntity*> drops()
    {
        world.entities.settle();
        std::vector<ItemEntity*> out;
        for (Entity* e : world.entities.members())
            if (auto* d = dynamic_cast<ItemEntity*>(e))
                out.push_back(d);
        return out;
    }

    Inventory bag;
    InventoryScreen screen{bag};
    std::vector<std::shared_ptr<Artefact>> equipped;
    FakeWorld world;
    InventoryScreen::Owner owner;
    std::shared_ptr<Item> leaf = std::make_shared<Item>("Leaf", Item::MATERIAL, 26, 11, "Most normal thing.");
};
} // namespace

TEST_F(BagScreen, TheCursorStaysInItsRowAndWithinTheGrid)
{
    struct Case
    {
        int from;
        sf::Keyboard::Key key;
        int to;
    };
    const std::vector<Case> cases = {
        {5, sf::Keyboard::Left, 5},    {4, sf::Keyboard::Right, 4}, {0, sf::Keyboard::Left, 0},
        {19, sf::Keyboard::Right, 19}, {2, sf::Keyboard::Up, 2},    {17, sf::Keyboard::Down, 17},
        {7, sf::Keyboard::Up, 2},      {7, sf::Keyboard::Down, 12}, {6, sf::Keyboard::Left, 5},
        {8, sf::Keyboard::Right, 9},
    };
    press(sf::Keyboard::Tab);
    for (const Case& c : cases)
    {
        screen.select(c.from);
        press(c.key);
        EXPECT_EQ(screen.selected, c.to) << "from " << c.from;
        EXPECT_EQ(screen.cursorPosition, screen.layoutSlot(c.to));
    }
}

TEST_F(BagScreen, SlotsSitOnTheGridWithOddRowsShifted)
{
    const sf::Vector2f corner = screen.home - screen.panelSize() / 2.f;
    EXPECT_EQ(screen.layoutSlot(0), corner + sf::Vector2f(142.f, 284.f));
    EXPECT_EQ(screen.layoutSlot(6), corner + sf::Vector2f(173.f + 142.f + 38.f, 163.f + 284.f));
    screen.scale = 0.5f;
    screen.panelScale = 0.25f;
    screen.home = {1440.f, 540.f};
    const sf::Vector2f small = screen.home - screen.panelSize() / 2.f;
    EXPECT_EQ(screen.layoutSlot(19), small + sf::Vector2f(4 * 173.f + 142.f + 38.f, 3 * 163.f + 284.f) * 0.5f);
}

TEST_F(BagScreen, TheTooltipWaitsForTheCursorToRestAfterTab)
{
    bag.addItem(leaf, 3);
    screen.open();
    screen.tooltipArmed = false;
    screen.update(1.f);
    EXPECT_FALSE(screen.tooltipShown()) << "only a bag opened with Tab shows tooltips";
    screen.close();
    press(sf::Keyboard::Tab);
    screen.update(0.7f);
    EXPECT_FALSE(screen.tooltipShown());
    screen.update(0.1f);
    EXPECT_TRUE(screen.tooltipShown());
    press(sf::Keyboard::Right);
    EXPECT_FALSE(screen.tooltipShown()) << "slot 1 is empty";
    press(sf::Keyboard::Left);
    screen.update(0.5f);
    EXPECT_FALSE(screen.tooltipShown()) << "the move restarted the rest";
}

TEST_F(BagScreen, EquippingMovesThatVeryArtefactIntoTheEquippedList)
{
    auto weak = std::make_shared<Artefact>();
    weak->name = "Damage Artefact";
    weak->damageBonus = 0.05f;
    auto strong = std::make_shared<Artefact>(*weak);
    strong->damageBonus = 0.4f;
    bag.addItem(weak, 1);
    bag.addItem(strong, 1);
    press(sf::Keyboard::Tab);
    press(sf::Keyboard::Right);
    press(sf::Keyboard::Enter);
    ASSERT_TRUE(screen.menuOpen);
    press(sf::Keyboard::Up);
    ASSERT_EQ(equipped.size(), 1u);
    EXPECT_EQ(equipped[0], strong) << "the other artefact of the same name was equipped";
    EXPECT_EQ(bag.slot(0).item, weak);
    EXPECT_TRUE(bag.slot(1).empty());
    EXPECT_EQ(strong.use_count(), 2) << "held by the equipped list (and this test) only";
    EXPECT_FALSE(screen.menuOpen);
    EXPECT_NE(BagTexts::summary(10.f, 1.f, equipped).find("Damage: 14"), std::string::npos);
}

TEST_F(BagScreen, TheDropDialogLeavesTheChosenAmountInTheRoom)
{
    bag.addItem(leaf, 20);
    press(sf::Keyboard::Tab);
    press(sf::Keyboard::Enter);
    press(sf::Keyboard::Left); // the drop dialog, every unit by default
    ASSERT_TRUE(screen.dropDialog);
    EXPECT_EQ(screen.amount, 20);
    press(sf::Keyboard::Up);
    EXPECT_EQ(screen.amount, 20) << "held at the stack's count";
    press(sf::Keyboard::Down);
    press(sf::Keyboard::Left);
    press(sf::Keyboard::Left);
    press(sf::Keyboard::Left);
    press(sf::Keyboard::Left);
    press(sf::Keyboard::Left);
    press(sf::Keyboard::Left);
    press(sf::Keyboard::Left);
    EXPECT_EQ(screen.amount, 3);
    press(sf::Keyboard::Enter);
    EXPECT_EQ(bag.countOf(*leaf), 17);
    const auto dropped = drops();
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0]->count, 3);
    EXPECT_EQ(dropped[0]->getPosition(), owner.dropPoint);
    EXPECT_FALSE(screen.dropDialog);
    EXPECT_TRUE(screen.isOpen);
}

TEST_F(BagScreen, TheDeleteDialogDestroysOnlyWhatItSays)
{
    bag.addItem(leaf, 5);
    press(sf::Keyboard::Tab);
    press(sf::Keyboard::Enter);
    press(sf::Keyboard::Right);
    ASSERT_TRUE(screen.deleteDialog);
    press(sf::Keyboard::Left);
    press(sf::Keyboard::Left);
    press(sf::Keyboard::Enter);
    EXPECT_EQ(bag.countOf(*leaf), 2);
    EXPECT_TRUE(drops().empty());
    // Escape closes a dialog first, then the bag.
    press(sf::Keyboard::Enter);
    press(sf::Keyboard::Right);
    press(sf::Keyboard::Escape);
    EXPECT_FALSE(screen.deleteDialog);
    EXPECT_TRUE(screen.isOpen);
    press(sf::Keyboard::Escape);
    EXPECT_FALSE(screen.isOpen);
    EXPECT_EQ(bag.countOf(*leaf), 2);
}

TEST_F(BagScreen, ThePadMovesOncePerPushOnTheHundredScale)
{
    press(sf::Keyboard::Tab);
    screen.handleEvent(axis(sf::Joystick::Z, 100.f), owner);
    screen.handleEvent(axis(sf::Joystick::Z, 100.f), owner);
    screen.handleEvent(axis(sf::Joystick::Z, 99.5f), owner);
    EXPECT_EQ(screen.selected, 1) << "one push, one step";
    screen.handleEvent(axis(sf::Joystick::Z, 0.f), owner);
    screen.handleEvent(axis(sf::Joystick::Z, 100.f), owner);
    EXPECT_EQ(screen.selected, 2);
    screen.handleEvent(axis(sf::Joystick::Z, 50.f), owner);
    screen.handleEvent(axis(sf::Joystick::R, 100.f), owner);
    EXPECT_EQ(screen.selected, 7);
    screen.handleEvent(axis(sf::Joystick::R, 0.9f), owner);
    screen.handleEvent(axis(sf::Joystick::R, -100.f), owner);
    EXPECT_EQ(screen.selected, 2);
}

TEST(BagWords, PercentagesHaveTwoDecimalsAndALeadingZero)
{
    EXPECT_EQ(BagTexts::percent(0.0005f), "0.05");
    EXPECT_EQ(BagTexts::percent(0.05f), "5.00");
    EXPECT_EQ(BagTexts::percent(0.29f), "29.00");
    EXPECT_EQ(BagTexts::percent(0.3249f), "32.49");
    EXPECT_EQ(BagTexts::percent(0.f), "0.00");
}

TEST(BagWords, TooltipsWrapAndShowBothPrices)
{
    Item leaf("Leaf", Item::MATERIAL, 26, 11, "Most normal thing to see inside a tree.");
    const std::string text = BagTexts::tooltip(leaf, 3);
    EXPECT_EQ(text, "Leaf    Nb: 3\n\nMost normal thing to see\ninside a tree.\n11 Gold / Unit  //  5 Soul / Unit"
                    "\nTotal 33 Gold  //  15 Soul");
    Artefact gold;
    gold.name = "Gold Artefact";
    gold.description = "This artefact will spawn gold on hit";
    gold.artefactKind = Artefact::GOLD_ON_HIT;
    gold.goldChance = 0.1234f;
    gold.goldAmount = 2;
    gold.value = 101;
    EXPECT_NE(BagTexts::tooltip(gold, 1).find("\n12.34% Chance of 2 Gold spawing on hit"), std::string::npos);
}
