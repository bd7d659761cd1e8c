#include "FuzzSupport.h"

#include "core/JsonReader.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/KahiyuProj.h"

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

// Any text read as the enemy index file and as every kind's data file fills the
// records (defaults where it does not fit) without crashing, and any "animData"
// it holds yields frame sizes that fit inside the sheet they are cut from. The same
// text read as the two projectile files fills their records, and read as Kahiyu's
// rock file it is accepted or rejected with an error, never looping or dividing by 0.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceLogForFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    {
        std::istringstream in(text);
        KahiyuProjParameters rock;
        std::string error;
        const bool read = KahiyuProj::parseParameters(in, rock, error);
        if (read != error.empty())
            __builtin_trap();
        if (read && rock.frameCount < 1)
            __builtin_trap();
    }
    Json::Value root;
    if (!JsonReader::parseText(text, root))
        return 0;
    // The projectile files' readers take any document, object or not.
    ToaKaipupuhiProjRecord shot;
    EnemyDatabase::loadToaKaipupuhiProj(shot, root, "ToaKaipupuhiProj.json");
    DarkHulantFeatherRecord feather;
    EnemyDatabase::loadDarkHulantFeather(feather, root, "DarkHulantFeather.json");
    if (!root.isObject())
        return 0;
    EnemyRecords records;
    EnemyDatabase::loadIndex(records, root, "fuzz.json");
    for (const char* kind : EnemyDatabase::kKindNames)
        EnemyDatabase::loadKind(records, kind, root, "fuzz.json");
    for (const auto& layout : EnemyDatabase::animationSpecs(root, "fuzz.json"))
        for (const sf::Vector2u sheet : {sf::Vector2u(800, 100), sf::Vector2u(1, 1), sf::Vector2u(16384, 4096)})
            if (const auto frame = EnemyDatabase::frameSizeFor(layout, sheet))
            {
                const std::uint64_t columns = (layout.frameCount + layout.rows - 1) / layout.rows;
                if (frame->x == 0 || frame->y == 0 || frame->x * columns > sheet.x ||
                    std::uint64_t(frame->y) * std::uint64_t(layout.rows) > sheet.y)
                    __builtin_trap();
            }
    return 0;
}
