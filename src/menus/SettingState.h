#pragma once

#include "core/GameSettings.h"
#include "core/GameState.h"
#include "core/button.h"

#include <array>

// The options screen: three tabs (keys, sound, language), a row of minus, plus and
// a clickable bar for each volume, the two languages and an exit. Every change is
// written to the settings file at once; leaving goes back to where it came from.
class SettingState : public GameState
{
public:
    enum Tab
    {
        TAB_KEYS,
        TAB_SOUND,
        TAB_LANGUAGE,
    };
    enum Row
    {
        ROW_VOLUME,
        ROW_MUSIC,
        ROW_SFX,
    };

    static constexpr float kBarWidth = 1777.f;
    static constexpr float kDrawScale = 0.35f;

    explicit SettingState(GroupList groups);

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    // Offers a click at `mouse` to every widget, as a left press does.
    void clickAt(sf::Vector2i mouse);
    // Saves and returns to the paused run, or to the main menu.
    void goBack();

    Tab shownTab() const { return tab_; }
    const GameSettings& settings() const { return settings_; }
    float rowValue(Row row) const;
    const button& exitButton() const { return exit_; }
    bool left() const { return left_; }

    // The volume a click at `mouseX` on a bar starting at `barX` gives, from `current`.
    static float barValue(float mouseX, float barX, float current);

private:
    struct VolumeRow
    {
        button minus;
        button plus;
        button bar;
    };

    float& rowField(Row row);
    void changeVolume(Row row, float delta);
    void setFromBar(Row row, int mouseX);
    void drawTabs(sf::RenderWindow& window) const;

    Tab tab_ = TAB_SOUND;
    GameSettings settings_;
    button background_;
    button frame_;
    button keysPanel_;
    button soundPanel_;
    button keysTab_;
    button soundTab_;
    button languageTab_;
    button english_;
    button french_;
    std::array<VolumeRow, 3> rows_;
    button exit_;
    // Where the click being handled landed: the bars set their value from it.
    sf::Vector2i lastClick_;
    bool left_ = false;
};
