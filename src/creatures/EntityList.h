#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class Entity;

// The entities standing in a room, in update and drawing order: the player first
// (not owned), then the others in order of arrival, owned by the list. Any entity
// may add a newcomer or remove itself or another at any moment, from its update or
// from an event handler, without disturbing a walk over the list in progress:
// - a newcomer waits outside the list; those that arrive during the update pass
//   join after it and are updated in the same frame, the others join at the next
//   update (or `settle`);
// - a removed entity is marked as leaving at once (it is skipped from then on) and
//   freed when the update pass is over.
class EntityList
{
public:
    explicit EntityList(Entity* player = nullptr);
    ~EntityList();
    EntityList(const EntityList&) = delete;
    EntityList& operator=(const EntityList&) = delete;

    Entity* player() const { return player_; }
    // The player first, then the owned entities; leaving ones stay listed (marked)
    // until the update pass is over.
    const std::vector<Entity*>& members() const { return order_; }

    // Takes ownership; returns the newcomer (null for null).
    Entity* add(std::unique_ptr<Entity> entity);
    // Marks a member or a waiting newcomer as leaving; the player and strangers are
    // ignored, and so is a second request.
    void remove(Entity* entity);
    // True for a member or newcomer that is not leaving.
    bool holds(const Entity* entity) const;
    // True when some entity that holds (members and newcomers) passes the test.
    bool any(const std::function<bool(const Entity&)>& test) const;

    // Updates every member once, the newcomers of the pass after them, then frees
    // the leavers.
    void update(float dt);
    // Lets the newcomers join and frees the leavers now; does nothing during the
    // update pass (which does the same when it ends).
    void settle();

    // How many waves of newcomers one update pass takes in: newcomers that spawn
    // newcomers in turn without end wait for the next frame past that.
    static constexpr int kMaxWaves = 16;

private:
    void admitNewcomers();
    void releaseLeavers();
    std::size_t firstOwned() const { return player_ ? 1 : 0; }

    Entity* player_;
    std::vector<Entity*> order_;
    // In the same order as order_ after the player.
    std::vector<std::unique_ptr<Entity>> owned_;
    std::vector<std::unique_ptr<Entity>> newcomers_;
    bool updating_ = false;
    bool anyLeaving_ = false;
};
