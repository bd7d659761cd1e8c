#pragma once

#include "run/AxisPush.h"

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Artefact;
class CreatureWorld;
class Inventory;
namespace sf
{
class Event;
}

// The bag's screen without its drawing: whether it is open, the cursor over the
// twenty slots and where each slot sits on screen, the action menu (equip, drop,
// delete) with its amount dialogs, and the tooltip's timing. The player's bag and
// the trader's stock each have one; the trade window moves theirs itself.
// Everything here can be driven by events in a test; InventoryView draws it.
class InventoryScreen
{
public:
    // What an action of the menu acts on: the equipped list that takes an artefact,
    // and the world and point where a dropped stack lands. Null parts refuse their action.
    struct Owner
    {
        std::vector<std::shared_ptr<Artefact>>* equipped = nullptr;
        CreatureWorld* world = nullptr;
        sf::Vector2f dropPoint;
    };

    enum class Move
    {
        Up,
        Down,
        Left,
        Right
    };

    explicit InventoryScreen(Inventory& bag);

    Inventory& bag() const { return *bag_; }

    // The player's bag: Tab, Escape, Enter, the cursor and menu keys and the pad.
    // True when the event was the screen's.
    bool handleEvent(const sf::Event& event, const Owner& owner);
    // The screen's clocks: the cursor's rest (the tooltip waits on it) and, while
    // open and focused, the focus time that colours the cursor.
    void update(float dt);

    void open();
    void close();
    // Moves the cursor one step within the grid; false when the move would leave
    // it (no wrapping from one row into the next).
    bool moveCursor(Move move);
    void select(int slot);

    // Where slot `index` sits on screen: from the panel's top-left corner (home
    // minus half the panel as drawn), five columns of 173 and rows of 163 pixels,
    // odd rows a further 38 pixels right, all scaled.
    sf::Vector2f layoutSlot(int index) const;
    // The panel's size as drawn (its picture's size x panel scale).
    sf::Vector2f panelSize() const { return pictureSize * panelScale; }

    // The actions of the menu, on the target slot. Equip moves the artefact out of
    // the bag into the equipped list; drop moves `amount` units into the room;
    // delete destroys them. Each answers whether it changed anything.
    bool equip(const Owner& owner);
    bool drop(const Owner& owner);
    bool deleteUnits();
    // Closes the menu and both dialogs and forgets the amount.
    void closeActions();
    // The amount keys of the drop, delete and trade dialogs: Right and Left by one,
    // Up and Down by ten. False for any other key (the amount is left as it was).
    static bool stepAmount(sf::Keyboard::Key key, std::int32_t& amount);
    // Holds the amount within 0 and the smaller of 999 and the target stack's count.
    void clampAmount();

    bool tooltipShown() const;
    // The cursor squares' colour phase (0, 1 or 2), changing every 0.2 s of focus time.
    int colourPhase() const;

    // Layout (the player's normal layout by default).
    sf::Vector2f home{960.f, 590.f};
    float scale = 1.f;
    float panelScale = 0.5f;
    // The panel picture's size; the view sets it from the loaded picture.
    sf::Vector2f pictureSize{kPanelWidth, kPanelHeight};
    std::string panelKey = kPanelKey;

    bool isOpen = false;
    bool focused = true;
    // The trader's stock stays open while the trade window shows it.
    bool alwaysOpen = false;
    bool showTotals = true;
    bool festiveCursor = false;
    bool tooltipArmed = false;
    bool menuOpen = false;
    bool dropDialog = false;
    bool deleteDialog = false;
    int selected = 0;
    int target = -1;
    std::int32_t amount = 0;
    sf::Vector2f cursorPosition;
    float focusTime = 0.f;
    float restTime = 0.f;

    static constexpr int kMaxAmount = 999;
    static constexpr float kTooltipDelay = 0.75f;
    static constexpr float kPanelWidth = 2040.f;
    static constexpr float kPanelHeight = 1760.f;
    static constexpr float kColumnStep = 173.f;
    static constexpr float kRowStep = 163.f;
    static constexpr float kFirstX = 142.f;
    static constexpr float kFirstY = 284.f;
    static constexpr float kOddRowShift = 38.f;

    static constexpr const char* kPanelKey = "inventory_player";
    static constexpr const char* kArrowKey = "inventory_arrow";
    static constexpr const char* kApplyKey = "inventory_apply_artefact";
    static std::string fileOf(const char* key) { return std::string("Assets/Sprites/Inventory/") + key + ".png"; }

private:
    bool menuKey(sf::Keyboard::Key key, const Owner& owner);
    bool dialogKey(sf::Keyboard::Key key);
    bool cursorKey(sf::Keyboard::Key key);
    bool festiveChord() const;
    bool targetValid() const;

    Inventory* bag_;
    AxisPush stickVertical_{0.99f};
    AxisPush stickHorizontal_{0.99f};
    AxisPush povX_{0.2f};
    AxisPush povY_{0.2f};
};
