#pragma once

#include "core/TextureManager.h"

#include <memory>
#include <string>
#include <vector>

// The pictures the rooms are drawn with, read from the room templates themselves
// so that a template naming a picture or gaining a door cannot be left without
// its file: each room's floor picture (and karma variants), one door picture per
// door direction, the decal mask, and the minimap's icons and line pieces.
class RoomTextures
{
public:
    // One picture a template names and the file it is loaded from.
    struct Picture
    {
        std::string key;
        std::string file;
        std::string room;     // the template that names it
        std::string variant;  // "" for "texture", "bad" for "evilTexture", "good" for "goodTexture"
    };
    struct DoorPicture
    {
        std::string key;      // room + "_" + direction number
        std::string file;
        std::string room;
        int direction = 0;
    };

    static constexpr const char* kMaskKey = "mask";
    static constexpr const char* kMaskFile = "Assets/Sprites/Rooms/FirstFloor/mask.png";

    // "Assets/Sprites/Rooms/FirstFloor/" for floor 0, "SecondFloor/", "ThirdFloor/",
    // "Tutorial/" for the tutorial floor.
    static std::string floorFolder(int floor);

    // Every room picture and door picture of the registered rooms of these floors
    // (floor indices as in RoomNameRegistry), in registry order. A template that
    // cannot be read is logged and left out: its room fails loudly when built.
    static std::vector<Picture> pictures(const std::vector<int>& floors);
    static std::vector<DoorPicture> doorPictures(const std::vector<int>& floors);

    // The three floors of a run: pictures, doors and the mask.
    static std::unique_ptr<TextureManager::Group> roomGroup();
    // The tutorial's rooms: pictures, doors and the mask.
    static std::unique_ptr<TextureManager::Group> tutorialRoomGroup();
    // Room icons by type, the line pieces joining them and the map's panel.
    static std::unique_ptr<TextureManager::Group> minimapGroup();
    static const std::vector<std::string>& minimapKeys();

private:
    static std::unique_ptr<TextureManager::Group> groupFor(const std::vector<int>& floors);
};
