#include "core/Item.h"

#include <utility>

Item::Item(std::string name, Kind kind, std::int32_t stackLimit, std::int32_t value, std::string description,
           std::string iconKey)
    : name(std::move(name)), description(std::move(description)), iconKey(std::move(iconKey)), kind(kind), value(value),
      stackLimit(stackLimit)
{
}
