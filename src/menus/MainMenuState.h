#pragma once

#include "core/GameState.h"

#include <array>
#include <string>

// The main menu: an animated backdrop and the game's image buttons.
class MainMenuState : public GameState
{
public:
    explicit MainMenuState(GroupList groups);

    void update(const float& frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    // The sixteen textures of the menu's buttons and backdrop.
    static std::unique_ptr<TextureManager::Group> mainMenuGroup();

    static constexpr float kFrameDelay = 0.135f;

private:
    float animationTimer_ = 0.f;
    int animationFrame_ = 0;
    static constexpr std::array<const char*, 4> kFrameKeys = {"menu_background_0", "menu_background_1",
                                                              "menu_background_2", "menu_background_3"};
};
