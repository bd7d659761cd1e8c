#pragma once

#include <cstdint>
#include <string>

// Something the player can carry: a material, the gold coin or an artefact. Items
// held by the registry are shared by every stack that names them.
class Item
{
public:
    enum Kind : std::int32_t
    {
        GOLD = 0,
        ARTEFACT = 1,
        MATERIAL = 2,
        DEFAULT = 3,
    };

    Item() = default;
    Item(std::string name, Kind kind, std::int32_t stackLimit, std::int32_t value, std::string description = {},
         std::string iconKey = {});
    virtual ~Item() = default;

    virtual Kind getKind() const { return kind; }

    std::string name = "NilItem";
    std::string description;
    std::string iconKey;
    Kind kind = DEFAULT;
    std::int32_t value = 0;
    std::int32_t stackLimit = 1;
};
