#include "menus/SettingState.h"

#include "core/Engine.h"
#include "core/LoadingState.h"
#include "core/TextureManager.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <algorithm>

namespace
{
const sf::Vector2i kCentre(960, 540);
constexpr int kRowMinusX = 730;
constexpr int kRowPlusX = 1380;
constexpr int kBarX = 762;
constexpr int kRowY[] = {335, 520, 705};
constexpr int kBarY[] = {346, 531, 718};
constexpr float kStep = 0.1f;
} // namespace

SettingState::SettingState(GroupList groups) : GameState(std::move(groups))
{
    loadSettings(settings_);
    // The pictures the loading screen brought are English; the saved language's
    // replace them now, owned by this screen like the rest.
    auto resources = std::make_unique<TextureManager::Group>();
    MenuGroups::fillMenuResources(*resources, settings_.language, true);
    this->groups.push_back(std::move(resources));

    auto panel = [](const char* key, sf::Vector2i position)
    { return button({key}, position, button::scaledTextureSize(key, 0.5f)); };
    background_ = panel("fond", kCentre);
    frame_ = panel("cadre", kCentre);
    keysPanel_ = panel("key_panel", kCentre);
    soundPanel_ = panel("sound_panel", kCentre);

    keysTab_ = button({"key_simple", "key_hovered"}, {490, 220}, button::scaledTextureSize("key_simple", 0.5f),
                      [this] { tab_ = TAB_KEYS; });
    soundTab_ = button({"sound_simple", "sound_hovered"}, {729, 220}, button::scaledTextureSize("sound_simple", 0.5f),
                       [this] { tab_ = TAB_SOUND; });
    languageTab_ = button({"language_simple", "language_hovered"}, {968, 220},
                          button::scaledTextureSize("language_simple", 0.5f), [this] { tab_ = TAB_LANGUAGE; });
    english_ = button({"en_selection", "en_selection_hovered"}, {860, 440}, {260, 55},
                      [this] { MenuGroups::setLanguage(settings_, GameSettings::kEnglish); });
    french_ = button({"fr_selection", "fr_selection_hovered"}, {860, 640}, {260, 55},
                     [this] { MenuGroups::setLanguage(settings_, GameSettings::kFrench); });

    for (int i = 0; i < 3; ++i)
    {
        const Row row = static_cast<Row>(i);
        rows_[i].minus =
            button({"template"}, {kRowMinusX, kRowY[i]}, {35, 35}, [this, row] { changeVolume(row, -kStep); });
        rows_[i].plus =
            button({"template"}, {kRowPlusX, kRowY[i]}, {35, 35}, [this, row] { changeVolume(row, kStep); });
        rows_[i].bar = button({"lb_white"}, {kBarX, kBarY[i]}, {static_cast<int>(kBarWidth), 48},
                              [this, row] { setFromBar(row, lastClick_.x); });
    }

    exit_ = button({"exit_button", "exit_button_h"}, {1620, 972}, button::scaledTextureSize("exit_button", 0.2f),
                   [this] { goBack(); });
}

float SettingState::rowValue(Row row) const
{
    switch (row)
    {
    case ROW_VOLUME:
        return settings_.volume;
    case ROW_MUSIC:
        return settings_.music;
    case ROW_SFX:
        return settings_.sfx;
    }
    return 0.f;
}

float& SettingState::rowField(Row row)
{
    switch (row)
    {
    case ROW_MUSIC:
        return settings_.music;
    case ROW_SFX:
        return settings_.sfx;
    case ROW_VOLUME:
    default:
        return settings_.volume;
    }
}

void SettingState::changeVolume(Row row, float delta)
{
    float& value = rowField(row);
    value = std::clamp(value + delta, 0.f, 1.f);
    // Ten presses of a tenth must land exactly on the ends despite rounding.
    if (value < 1e-4f)
        value = 0.f;
    if (value > 1.f - 1e-4f)
        value = 1.f;
    saveVolumes(settings_);
}

float SettingState::barValue(float mouseX, float barX, float current)
{
    const float drawnWidth = kDrawScale * kBarWidth;
    float value = current;
    if (mouseX < barX + drawnWidth)
        value = (mouseX - barX + 13.f) / drawnWidth - 0.02f;
    return std::clamp(value, 0.f, 1.f);
}

void SettingState::setFromBar(Row row, int mouseX)
{
    float& value = rowField(row);
    value = barValue(static_cast<float>(mouseX), static_cast<float>(kBarX), value);
    saveVolumes(settings_);
}

void SettingState::update(float) {}

void SettingState::drawTabs(sf::RenderWindow& window) const
{
    keysTab_.draw(window, keysTab_.images[tab_ == TAB_KEYS ? 1 : 0], false);
    soundTab_.draw(window, soundTab_.images[tab_ == TAB_SOUND ? 1 : 0], false);
    languageTab_.draw(window, languageTab_.images[tab_ == TAB_LANGUAGE ? 1 : 0], false);
    frame_.draw(window, "cadre", true);
}

void SettingState::draw(sf::RenderWindow& window)
{
    sf::Sprite backdrop = TextureManager::getSprite("menu_background", ORIGIN_TOP_LEFT);
    backdrop.setScale(0.5f, 0.5f);
    window.draw(backdrop);
    background_.draw(window, "fond", true);
    exit_.drawScaled(window, exit_.currentImage(), 0.2f, 0.2f);

    drawTabs(window);
    switch (tab_)
    {
    case TAB_KEYS:
        keysPanel_.draw(window, "key_panel", true);
        break;
    case TAB_LANGUAGE:
        english_.drawOffset(window, english_.images[settings_.language == GameSettings::kEnglish ? 1 : 0]);
        french_.drawOffset(window, french_.images[settings_.language == GameSettings::kFrench ? 1 : 0]);
        break;
    case TAB_SOUND:
        soundPanel_.draw(window, "sound_panel", true);
        for (int i = 0; i < 3; ++i)
        {
            rows_[i].minus.draw(window, "template", false);
            rows_[i].plus.draw(window, "template", false);
            const float value = rowValue(static_cast<Row>(i));
            sf::Sprite fill = TextureManager::getSprite("lb_white", ORIGIN_TOP_LEFT);
            fill.setTextureRect({0, 0, static_cast<int>(value * kBarWidth), 48});
            fill.setScale(kDrawScale, kDrawScale);
            fill.setPosition(sf::Vector2f(rows_[i].bar.position));
            window.draw(fill);
        }
        break;
    }
}

void SettingState::clickAt(sf::Vector2i mouse)
{
    lastClick_ = mouse;
    // Every widget is offered the click: the tabs' hit areas overlap, and the one
    // drawn on top (the later) must win.
    keysTab_.checkClick(mouse);
    soundTab_.checkClick(mouse);
    languageTab_.checkClick(mouse);
    // Hidden widgets would react to clicks on empty parts of another tab; only
    // the shown tab's controls answer.
    if (tab_ == TAB_LANGUAGE)
    {
        english_.checkClick(mouse);
        french_.checkClick(mouse);
    }
    if (tab_ == TAB_SOUND)
    {
        for (VolumeRow& row : rows_)
        {
            // The bar's hit area reaches under the row's buttons; a press on minus
            // or plus is theirs alone.
            if (!row.minus.contains(mouse) && !row.plus.contains(mouse))
                row.bar.checkClick(mouse);
            row.minus.checkClick(mouse);
            row.plus.checkClick(mouse);
        }
    }
    exit_.checkClick(mouse);
}

void SettingState::handleEvent(const sf::Event& event)
{
    if (left_)
        return;
    if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left)
        clickAt({event.mouseButton.x, event.mouseButton.y});
    else if (event.type == sf::Event::MouseMoved)
        exit_.updateHover({event.mouseMove.x, event.mouseMove.y});
}

void SettingState::handleInput()
{
    if (!left_ && sf::Keyboard::isKeyPressed(sf::Keyboard::Escape))
        goBack();
}

void SettingState::goBack()
{
    if (left_)
        return;
    left_ = true;
    saveVolumes(settings_);
    if (previousState)
    {
        if (!resumePreviousState())
            returnToMainMenu(MenuGroups::returnGroups(MenuGroups::backdrop()));
        // Leaving unloaded the buttons the paused run's menu draws (and the run's
        // own copy of the menu's buttons); put them back in the chosen language.
        TextureManager::Group pauseButtons;
        for (const auto& group :
             {MenuGroups::buttons(MenuGroups::shownLanguage()), MenuGroups::pauseMenu(MenuGroups::shownLanguage())})
            for (const auto& [key, path] : group->flatten())
                pauseButtons.add(key, path);
        for (const auto& [key, path] : pauseButtons.entries())
            if (!TextureManager::isPresent(key))
                TextureManager::loadTexture(key, path);
        return;
    }
    returnToMainMenu(MenuGroups::returnGroups(MenuGroups::backdrop()));
}
