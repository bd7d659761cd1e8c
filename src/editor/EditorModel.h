#pragma once

#include "core/Camera.h"
#include "core/Polygon.h"
#include "world/RoomFile.h"
#include "world/RoomTemplate.h"

#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The room editor's state and every edit it can make, without a window: the
// room being edited, the view's camera, the placing mode and what it places,
// the visibility switches and the last message for the author. The editor's
// screen draws this and feeds it clicks and keys; tests drive it directly.
class EditorModel
{
public:
    enum class Page
    {
        Start = 1,
        Editing = 2,
    };
    // At most one placing mode at a time, so the modes cannot overlap.
    enum class Placing
    {
        None,
        Vertices,
        Doors,
        Props,
        Spawners,
        Waters,
        Walls,
        WallOutline,
        Zone,
    };
    // The lists whose entries the GUI can delete or clear.
    enum class List
    {
        Boundary,
        Doors,
        StaticProps,
        Collections,
        CollectionItems,
        Spawners,
        Waters,
        Walls,
        WallOutline,
        Zones,
        ZoneOutline,
    };
    struct Message
    {
        std::string text;
        bool error = false;
    };
    // The keys the editor polls once a frame.
    struct HeldKeys
    {
        bool zoomIn = false;   // Up
        bool zoomOut = false;  // Down
        bool panUp = false;    // Z or W
        bool panDown = false;  // S
        bool panLeft = false;  // Q or A
        bool panRight = false; // D
    };
    enum class Click
    {
        Left,
        Right,
    };

    static constexpr float kMinZoom = 0.05f;
    static constexpr float kMaxZoom = 5.f;
    static constexpr float kPanSpeed = 1000.f;
    // The labels of the room types 0-5, in that order.
    static constexpr std::array<const char*, 6> kRoomTypeLabels = {"Normal", "Boss", "Shop",
                                                                   "Elite",  "Heal", "Soul Balance"};

    // `enemyNames` is the enemy data's name list; `roomsDirectory` is the only
    // folder the editor reads or writes ("Assets/Rooms/" in the game).
    explicit EditorModel(std::vector<std::string> enemyNames, std::string roomsDirectory = RoomFile::kDirectory);

    // Why a typed name cannot name a room file, or "" when it can.
    static std::string nameProblem(const std::string& name);
    // Why the game could not play the room, or "" when it can.
    static std::string playProblem(const RoomTemplate& room);

    // "Edit Room": every piece of edit state is reset, then the room of that name
    // is read. A bad name or an unreadable file leaves the editor on the start
    // page with the reason in the message (and the log); returns whether it opened.
    bool editRoom(const std::string& name);
    // "Create Room": a fresh room of that name over the picture of `textureKey`.
    // A key that is not loaded gives an empty picture and a warning.
    bool createRoom(const std::string& name, const std::string& textureKey);
    // Refuses a room the game could not play, then writes it atomically.
    bool save();
    // "back": to the start page, the room kept until the next edit or create.
    void backToStart();

    // Zoom, pan and the prototype that follows the mouse.
    void update(float dt, const HeldKeys& keys, sf::Vector2f mouseWorld);

    // The add buttons: any placing stops first, then the new one starts.
    void startPlacing(Placing mode);
    void startStaticProps();
    void startCollectionItems(std::size_t collection);
    void startWallOutline(std::size_t wall);
    void startZone();
    void stopPlacing();
    void selectProp(const std::string& name);
    void selectWater(const std::string& name);
    void selectWall(const std::string& name);

    // A mouse press on the world at `world` (never one the GUI took). Returns
    // whether it changed anything.
    bool click(Click button, sf::Vector2f world, bool controlHeld);

    // "Dynamic Props" add: a new empty collection.
    void addCollection();
    // Removal of one entry, applied by applyRemovals() once the GUI has finished
    // walking the lists. `index` is the entry in its list; `item` the item of a
    // collection or the vertex of an outline.
    void requestRemoval(List list, std::size_t index, std::size_t item = 0);
    // Empties a list (or the outline of wall/zone `index`), also after the GUI's loops.
    void requestClear(List list, std::size_t index = 0);
    void applyRemovals();

    // The texture shown for the room: the variant of the current karma view when
    // the room is karma-dependent and that variant is loaded, else the base key.
    std::string shownTextureKey() const;

    Page page() const { return page_; }
    Placing placing() const { return placing_; }
    bool placingStatic() const { return placingStatic_; }
    const std::string& selectedProp() const { return selectedProp_; }
    const std::string& selectedWater() const { return selectedWater_; }
    const std::string& selectedWall() const { return selectedWall_; }
    std::optional<std::size_t> currentWall() const { return currentWall_; }
    std::optional<std::size_t> currentCollection() const { return currentCollection_; }
    const Polygon& zoneBeingDrawn() const { return zone_; }
    sf::Vector2f followerPosition() const { return follower_; }
    const Message& message() const { return message_; }
    const std::vector<std::string>& enemyNames() const { return enemyNames_; }
    const std::string& roomsDirectory() const { return directory_; }
    void setMessage(const std::string& text, bool error);

    RoomTemplate room;
    Camera camera;
    // The karma view: true shows the evil picture and the props marked for it.
    bool showEvil = true;
    bool showOutline = true;
    bool showDoors = true;
    bool showProps = true;
    bool showSpawners = true;
    bool showWaters = true;
    bool showWalls = true;

private:
    struct Removal
    {
        List list;
        std::size_t index;
        std::size_t item;
        bool wholeList;
    };

    void resetEditState();
    bool placesOnTheFloor() const;
    void removeNow(const Removal& removal);
    // Keeps the remembered wall and collection pointing at the same entry after an erase.
    static void forgetOrShift(std::optional<std::size_t>& remembered, std::size_t erased);

    std::vector<std::string> enemyNames_;
    std::string directory_;
    Page page_ = Page::Start;
    Placing placing_ = Placing::None;
    bool placingStatic_ = true;
    std::string selectedProp_;
    std::string selectedWater_;
    std::string selectedWall_;
    std::optional<std::size_t> currentWall_;
    std::optional<std::size_t> currentCollection_;
    Polygon zone_;
    sf::Vector2f follower_;
    std::vector<Removal> removals_;
    Message message_;
};

// Copies `text` into a fixed text field, cut to fit with its terminating zero.
template <std::size_t N> void copyToField(std::array<char, N>& field, const std::string& text)
{
    static_assert(N > 0);
    const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    text.copy(field.data(), length);
    field[length] = '\0';
}
