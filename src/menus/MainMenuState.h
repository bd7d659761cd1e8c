#pragma once

#include "core/GameState.h"
#include "core/button.h"
#include "menus/PreparedSets.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// The main menu: the night backdrop with its waving banner, and the five image
// buttons (Play, Options, Credits, Exit, Tutorial) that lead everywhere else. It
// prepares the run's and the tutorial's texture sets while it is built.
class MainMenuState : public GameState
{
public:
    enum ButtonIndex
    {
        BUTTON_PLAY,
        BUTTON_OPTIONS,
        BUTTON_CREDITS,
        BUTTON_EXIT,
        BUTTON_TUTORIAL,
    };

    explicit MainMenuState(GroupList groups);

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    // What Control + F4 runs: the game sets it to open the room editor, which
    // lives above the menus. With none set the shortcut does nothing.
    using ScreenOpener = void (*)();
    static void setEditorOpener(ScreenOpener opener);

    // The sixteen textures of the menu's buttons and backdrop.
    static std::unique_ptr<TextureManager::Group> mainMenuGroup();

    // The first button (in the order above) under `mouse` runs its action.
    bool clickAt(sf::Vector2i mouse);
    void hoverAt(sf::Vector2i mouse);

    const std::vector<std::unique_ptr<button>>& buttons() const { return buttons_; }
    int animationFrame() const { return animationFrame_; }

    static constexpr float kFrameDelay = 0.135f;

private:
    void play();
    void tutorial();
    void options();
    void credits();
    void openEditor();
    void fillRunRegistries();

    std::vector<std::unique_ptr<button>> buttons_;
    PreparedSets::Set runSet_;
    PreparedSets::Set tutorialSet_;
    float animationTimer_ = 0.f;
    int animationFrame_ = 0;
    bool left_ = false;
    static constexpr std::array<const char*, 4> kFrameKeys = {"menu_background_0", "menu_background_1",
                                                              "menu_background_2", "menu_background_3"};
};

// Leaves the current screen for good toward the main menu, through its loading
// screen, with the groups the caller supplies. The caller returns at once.
void returnToMainMenu(GroupList groups);
