#pragma once

#include "run/InGameState.h"
#include "run/TutorialSteps.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <map>
#include <string>

// The guided tutorial: a silent run on the five fixed tutorial rooms, interleaved
// with nine pages on a parchment. While a page is shown the world stands still and
// only E (read on) and the pause chord act; while playing, a goal met brings the
// next page, and T shows the last page again. E at the ninth page goes back to the
// main menu.
class TutorialState : public InGameState
{
public:
    static constexpr const char* kParchmentFile = "Assets/Sprites/Tuto/Parchemin tuto.png";
    // The page pictures, keyed "tuto_text1" to "tuto_text9", in English or French.
    static std::string pageKey(int page);
    static std::string pageFile(int page, unsigned language);
    static std::unique_ptr<TextureManager::Group> pageGroup(unsigned language);

    explicit TutorialState(GroupList groups);

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    const TutorialSteps& steps() const { return steps_; }
    // The page whose picture is set now (it shows at the odd steps).
    int pageShown() const { return pageShown_; }
    const sf::Text& helpText() const { return help_; }
    bool finished() const { return ended; }
    bool parchmentLoaded() const { return parchmentTexture_.getSize().x > 0; }

    // For the end-to-end test of the real game only (the environment variable
    // UMBRAVALE_TUTORIAL_ASSIST set): F9 moves the player to what the goal needs, the
    // nearest living enemy (struck down at once), else the nearest body while its
    // soul is the lesson, else the exit.
    static constexpr const char* kAssistVariable = "UMBRAVALE_TUTORIAL_ASSIST";
    void assist();

private:
    // Reads what the goals need from the live room.
    TutorialSteps::Goals readGoals() const;
    // The page picture and the reminder follow the step.
    void showStep();
    // A fallen player rises again at the entrance of the room it fell in.
    void reviveIfFallen();

    bool assistAllowed_ = false;
    TutorialSteps steps_;
    sf::Texture parchmentTexture_;
    sf::Sprite parchment_;
    sf::Sprite page_;
    // The visible part of each page picture shown so far, read back once.
    std::map<std::string, sf::IntRect> pageAreas_;
    sf::Text help_;
    int pageShown_ = 0;
    int stepShown_ = -1;
    TutorialSteps::Help helpShown_ = TutorialSteps::HELP_COUNT;
};
