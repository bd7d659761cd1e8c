#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Artefact;
class Item;

// The words of the bag's screen: an item's tooltip (name, count, description,
// prices in gold and souls, an artefact's bonuses) and the summary of what the
// equipped artefacts add to the scythe. Pure text, so it is checked without a window.
class BagTexts
{
public:
    // A fraction as a percentage with two decimals and a leading zero: 0.0005 gives
    // "0.05", 0.2 gives "20.00" (floor(x * 10000) with a point before the last two digits).
    static std::string percent(float fraction);
    // Breaks a line at the first space after its 21st character, again and again.
    static std::string wrap(const std::string& text);
    // What one unit sells for in souls: half its value, never less than one.
    static std::int32_t soulPrice(std::int32_t value) { return value / 2 > 1 ? value / 2 : 1; }

    static std::string tooltip(const Item& item, std::int32_t count);
    static std::string summary(float damage, float reach, const std::vector<std::shared_ptr<Artefact>>& equipped);
};
