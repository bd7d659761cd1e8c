#include "FuzzSupport.h"

#include "core/Camera.h"
#include "core/JsonReader.h"
#include "core/Polygon.h"
#include "creatures/CreatureWorld.h"
#include "creatures/DarkHulant.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/EntityList.h"
#include "creatures/KahiyuProj.h"
#include "creatures/Nepturath.h"
#include "creatures/TheGod.h"

#include <json/value.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

namespace
{
// An arena of open floor round the bosses' fixed points, with a player that strikes
// back at everything near it: a boss built from any data must step, fight and fall
// without crashing, hanging or leaving the numbers.
class Arena : public CreatureWorld
{
public:
    Arena() : box_({{-32.f, -70.f}, {32.f, -70.f}, {32.f, 70.f}, {-32.f, 70.f}}, kPlayer) {}
    sf::Vector2f playerPosition() const override { return kPlayer; }
    const Polygon* playerHitBox() const override { return &box_; }
    void hurtPlayer(int) override {}
    bool isWalkable(const Entity*, sf::Vector2f p) const override
    {
        return p.x > 800.f && p.x < 2900.f && p.y > 250.f && p.y < 1900.f;
    }
    void addEntity(std::unique_ptr<Entity> entity) override { entities.add(std::move(entity)); }
    void removeEntity(Entity* entity) override { entities.remove(entity); }
    bool holds(const Entity* entity) const override { return entities.holds(entity); }
    float karma() const override { return karmaValue; }
    void changeKarma(float) override {}
    int roomType() const override { return 1; }
    const Camera& camera() const override { return view_; }

    static inline const sf::Vector2f kPlayer{1800.f, 1150.f};
    float karmaValue = 0.f;
    EntityList entities;

private:
    Camera view_;
    Polygon box_;
};

template <typename Boss> void fightOnce(float karma)
{
    Arena arena;
    arena.karmaValue = karma;
    auto* boss = static_cast<Enemy*>(arena.entities.add(std::make_unique<Boss>(arena, sf::Vector2f(1870.f, 1100.f))));
    for (int frame = 0; frame < 900; ++frame)
    {
        if (frame % 20 == 0)
            for (Entity* entity : arena.entities.members())
                if (auto* enemy = dynamic_cast<Enemy*>(entity); enemy && !enemy->isLeaving())
                    enemy->takeDamage(25);
        arena.entities.update(1.f / 60.f);
        if (!arena.holds(boss))
            break;
        const sf::Vector2f p = boss->getPosition();
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            __builtin_trap();
    }
}
} // namespace

// Any text read as the enemy index file and as every kind's data file fills the
// records (defaults where it does not fit) without crashing, and any "animData"
// it holds yields frame sizes that fit inside the sheet they are cut from; each boss
// built from those records steps through a fight without crashing or hanging. The same
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
    EnemyDatabase::setRecords(records);
    fightOnce<Nepturath>(0.f);
    fightOnce<DarkHulant>(-1.f);
    fightOnce<TheGod>(1.f);
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
