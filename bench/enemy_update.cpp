// The CPU cost of one room update holding 20 fighting enemies (the six regular
// kinds in turn) and the projectiles and hazards they make, against a player who
// stands in the middle of a real room template and strikes back but never dies.
// No window is needed: the creatures' logic works without textures.
// Run: build/bench/enemy_update [room name, default ff_norm1]

#include "ContentRoot.h"
#include "core/Camera.h"
#include "core/Polygon.h"
#include "creatures/CreatureWorld.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/EnemyFactory.h"
#include "creatures/EnemyKinds.h"
#include "creatures/EntityList.h"
#include "creatures/KahiyuProj.h"
#include "creatures/Projectile.h"
#include "creatures/SoulChoice.h"
#include "world/RoomFile.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr float kFrame = 1.f / 60.f;
constexpr int kEnemies = 20;
constexpr int kFrames = 60 * 30;

class BenchWorld : public CreatureWorld
{
public:
    explicit BenchWorld(const RoomFile& room) : floor_(room.boundaries)
    {
        for (const auto& zone : room.restricted)
            zones_.emplace_back(zone);
    }
    sf::Vector2f playerPosition() const override { return player.getPosition(); }
    const Polygon* playerHitBox() const override { return &hitBox; }
    void hurtPlayer(int damage) override { taken += damage; }
    bool isWalkable(const Entity*, sf::Vector2f p) const override
    {
        for (const Polygon& zone : zones_)
            if (zone.contains(p))
                return false;
        return floor_.contains(p);
    }
    bool isOnFloor(sf::Vector2f p) const override { return floor_.contains(p); }
    void addEntity(std::unique_ptr<Entity> entity) override { entities.add(std::move(entity)); }
    void removeEntity(Entity* entity) override { entities.remove(entity); }
    bool holds(const Entity* entity) const override { return entities.holds(entity); }
    float karma() const override { return 0.f; }
    void changeKarma(float) override {}
    int roomType() const override { return 0; }
    const Camera& camera() const override { return view; }

    void placePlayer(sf::Vector2f p)
    {
        player.setPosition(p);
        hitBox = Polygon({{-32.f, -70.f}, {32.f, -70.f}, {32.f, 70.f}, {-32.f, 70.f}}, p);
    }

    Entity player;
    Polygon hitBox;
    EntityList entities{&player};
    Camera view;
    long taken = 0;

private:
    Polygon floor_;
    std::vector<Polygon> zones_;
};

double cpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    if (!enterContentRoot())
        return 1;
    std::srand(1);
    EnemyDatabase::loadData();
    KahiyuProj::loadParameters();
    registerEnemyKinds();

    const std::string roomName = argc > 1 ? argv[1] : "ff_norm1";
    const RoomFile room = RoomFile::load(RoomFile::pathFor(roomName));
    BenchWorld world(room);
    // The player in the middle of the floor's bounds (or the nearest ground to it).
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
    for (sf::Vector2f p : room.boundaries)
        left = std::min(left, p.x), right = std::max(right, p.x), top = std::min(top, p.y),
        bottom = std::max(bottom, p.y);
    const sf::Vector2f middle((left + right) / 2.f, (top + bottom) / 2.f);
    world.placePlayer(middle);

    const char* kinds[] = {"Zeyn", "Kahiyu", "Nazar", "ToaTao", "ToaMangere", "ToaKaipupuhi"};
    std::vector<Enemy*> enemies;
    for (int i = 0; i < kEnemies; ++i)
    {
        // Spread on a ring round the player, kept on the ground.
        sf::Vector2f at = middle;
        for (int tries = 0; tries < 50; ++tries)
        {
            const float a = static_cast<float>(i) * 0.314f + static_cast<float>(tries) * 0.7f;
            const float r = 250.f + static_cast<float>((i * 37 + tries * 53) % 400);
            const sf::Vector2f p = middle + sf::Vector2f(std::cos(a) * r, std::sin(a) * r);
            if (world.isWalkable(nullptr, p))
            {
                at = p;
                break;
            }
        }
        if (auto enemy = EnemyFactory::create(kinds[i % 6], world, at))
            enemies.push_back(static_cast<Enemy*>(world.entities.add(std::move(enemy))));
    }

    std::vector<double> samples;
    samples.reserve(kFrames);
    std::size_t mostEntities = 0;
    long projectileFrames = 0;
    for (int frame = 0; frame < kFrames; ++frame)
    {
        // The player strikes back every half second, but the enemies are healed, so the
        // room stays full of fighting creatures the whole time.
        if (frame % 30 == 0)
            for (Enemy* enemy : enemies)
            {
                enemy->health = std::max(enemy->health, 30.f);
                const sf::Vector2f d = enemy->getPosition() - middle;
                if (d.x * d.x + d.y * d.y < 150.f * 150.f)
                    enemy->takeDamage(5);
            }
        const double start = cpuMilliseconds();
        world.entities.update(kFrame);
        samples.push_back(cpuMilliseconds() - start);
        mostEntities = std::max(mostEntities, world.entities.members().size());
        for (Entity* e : world.entities.members())
            if (dynamic_cast<Projectile*>(e))
                ++projectileFrames;
    }
    std::vector<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    double total = 0.0;
    for (double s : samples)
        total += s;
    std::printf("room %s, %zu enemies, %d frames at 60 fps\n", roomName.c_str(), enemies.size(), kFrames);
    std::printf("update CPU per frame: mean %.4f ms, median %.4f ms, p95 %.4f ms, max %.4f ms (goal <= 1 ms)\n",
                total / kFrames, sorted[sorted.size() / 2], sorted[sorted.size() * 95 / 100], sorted.back());
    std::printf("most entities at once %zu, projectiles in flight on average %.1f, damage dealt to the player %ld\n",
                mostEntities, static_cast<double>(projectileFrames) / kFrames, world.taken);
    return 0;
}
