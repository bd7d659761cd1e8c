#pragma once

#include "core/Camera.h"
#include "world/RunContext.h"

#include <memory>
#include <vector>

class FloatingText;
class Floor;
class Player;

// The model of one run, apart from its screen: the player, the floor with its live
// room, the camera that follows the player, the karma (held by the player's gauge),
// the pick-up notices in flight and the countdown to victory. It is the active run
// context from its construction to its destruction. It draws nothing and plays no
// sound; the run's screen (InGameState) does that around it.
class Run : public RunContext
{
public:
    // Fills the data registries a run needs, makes the player and generates the floor
    // `floorIndex` (0 for a run, the tutorial's floor for the tutorial) with the player
    // at the first room's Bottom door.
    explicit Run(int floorIndex);
    ~Run() override;
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // The victory countdown, which runs even while the game is paused: it starts the
    // first frame the final boss room holds a dead enemy. True once it is due.
    bool countDownToVictory(float dt);
    // One frame of play: the live room and everything in it, the map's clock and the
    // camera on the player.
    void step(float dt);
    // True once the final boss has been dead for the victory delay.
    bool victoryDue() const { return victoryCountdown_ && victoryElapsed_ >= kVictoryDelay; }
    // Seconds since the final boss room first held a dead enemy; negative before that.
    float victorySeconds() const { return victoryCountdown_ ? victoryElapsed_ : -1.f; }

    // RunContext
    float karma() const override;
    Entity* player() const override;
    int roomType() const override;
    Room* room() const override;
    Floor* floor() const override;
    const Camera& camera() const override { return camera_; }
    void addNotice(std::unique_ptr<FloatingText> notice) override;
    void roomChanged() override;
    bool minimapOpen() const override { return minimapOpen_; }
    bool paused() const override { return paused_; }
    const Polygon* playerHitBox() const override;
    void hurtPlayer(int damage) override;
    void changeKarma(float delta) override;
    void showBossBar(float bossMaximumHealth) override;
    void updateBossBar(float health) override;
    void hideBossBar() override;

    Player* thePlayer() const { return player_.get(); }
    Camera& mutableCamera() { return camera_; }

    // Held arrows zoom the view by the frame time, within [kMinZoom, kMaxZoom].
    void applyZoomInput(bool upHeld, bool downHeld, float frameTime);
    static constexpr float kMinZoom = 0.5f;
    static constexpr float kMaxZoom = 1.66f;
    static constexpr float kVictoryDelay = 5.f;

    // The seed the run was started with, which replays it ("--seed").
    unsigned seed() const { return seed_; }

    // The notices in flight.
    std::size_t noticeCount() const { return floatingTexts.size(); }

protected:
    std::unique_ptr<Player> player_;
    std::unique_ptr<Floor> floor_;
    Camera camera_;
    std::vector<std::unique_ptr<FloatingText>> floatingTexts;
    bool paused_ = false;
    bool minimapOpen_ = false;
    // Set when the player changed room: the screen rebuilds the room's lights.
    bool lightsDirty = false;

private:
    unsigned seed_;
    // Counted in frame time, which is the time the player lives through.
    bool victoryCountdown_ = false;
    float victoryElapsed_ = 0.f;
};
