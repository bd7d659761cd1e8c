#pragma once

#include "core/AnimationData.h"
#include "core/GameState.h"

#include <SFML/Graphics/Text.hpp>

#include <atomic>
#include <memory>
#include <optional>
#include <string>

namespace sf
{
class Font;
}

// The loading screen's work, shared by every LoadingState<T>: it deals the target's
// texture groups out to one detached loader thread each, shows a title, a counter
// and a running figure, and hands over once every texture is present.
class LoadingScreen : public GameState
{
public:
    static constexpr unsigned kFrameWidth = 147;
    static constexpr unsigned kFrameHeight = 152;
    static constexpr unsigned kFrameCount = 6;
    static constexpr float kFrameTime = 0.1f;
    static constexpr const char* kAnimationKey = "loading_animation";
    static constexpr const char* kAnimationFile = "Assets/Sprites/Player/Walk_Right/spritesheet_2.png";

    LoadingScreen(std::string message, GroupList input);
    ~LoadingScreen() override;

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    // Merges the groups' entries (children included) into one key-sorted map, the
    // first path of a duplicate key winning, and deals them out in turn to `threads` groups.
    static GroupList dealGroups(GroupList input, unsigned threads);
    // Hardware threads (at least 1), unless a test has set an override.
    static unsigned threadCount();
    static void setThreadCountOverride(unsigned threads);

    const GroupList& groupsToLoad() const { return loadGroups; }
    std::size_t totalCount() const;
    std::size_t loadedCount() const;
    // True while a loader thread of this screen is still working.
    bool loading() const { return *running_ > 0; }
    int animationFrame() const { return animation_.currentFrame; }
    // The words shown: the title in the player's language, and the counter's line.
    std::string shownTitle() const;
    static std::string progressText(std::size_t loaded, std::size_t total);

protected:
    // Constructs the target with `loadGroups` and makes it current.
    virtual void handOver() = 0;

    GroupList loadGroups;
    std::string message;

private:
    void startLoader(std::vector<std::map<std::string, std::string>> batches, int id);

    AnimationData animation_;
    sf::Font* font_ = nullptr;
    sf::Text title_;
    sf::Text progress_;
    std::size_t shownLoaded_ = static_cast<std::size_t>(-1);
    std::size_t shownTotal_ = static_cast<std::size_t>(-1);
    std::shared_ptr<std::atomic<int>> running_ = std::make_shared<std::atomic<int>>(0);
};
