#pragma once

#include "core/GameState.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

// The splash: the studio's logo, then the game's, each fading in, held and fading
// out; then the game proper starts. Any key of E, Escape, Space or any button skips it.
class Logo : public GameState
{
public:
    static constexpr const char* kStudioLogoFile = "Assets/Sprites/Logo/logo-Marrowin-blc.png";
    static constexpr const char* kGameLogoFile = "Assets/Sprites/Logo/Logo.png";
    static constexpr float kFadeDuration = 2.f;

    Logo();

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    int phase() const { return phase_; }

    // Fonts, the loading figure, the main menu's textures and the English menu
    // pictures, through the loading screen.
    static void startGame();

private:
    sf::Texture studioTexture_;
    sf::Texture gameTexture_;
    sf::Sprite studioLogo_;
    sf::Sprite gameLogo_;
    float firstTimer_ = 0.f;
    float secondTimer_ = 0.f;
    int phase_ = 0;
    bool started_ = false;
};
