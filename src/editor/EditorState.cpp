#include "editor/EditorState.h"

#include "core/GuiBinding.h"
#include "core/LoadingState.h"
#include "core/Logger.h"
#include "creatures/EnemyDatabase.h"
#include "editor/EditorModel.h"
#include "editor/EditorPanel.h"
#include "editor/EditorWorldView.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"
#include "menus/PreparedSets.h"
#include "core/ItemRegistry.h"
#include "world/PropRegistry.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

void EditorState::open()
{
    PropRegistry::clear();
    PropRegistry::registerProps();
    WaterRegistry::clear();
    WaterRegistry::registerPuddles();
    WallRegistry::clear();
    WallRegistry::registerWalls();
    PreparedSets::Set set = PreparedSets::editor();
    GroupList groups;
    groups.push_back(PreparedSets::takeReady(set));
    groups.push_back(PreparedSets::props());
    replaceWithLoading<EditorState>("Loading...", std::move(groups));
}

EditorState::EditorState(GroupList groups) : GameState(std::move(groups))
{
    ItemRegistry::registerItems();
    // The textures are in: the prototypes can cut their pictures now.
    PropRegistry::createAnimations();
    WaterRegistry::createAnimations();
    model_ = std::make_unique<EditorModel>(EnemyDatabase::records().shared.nameList);
    view_ = std::make_unique<EditorWorldView>();
    panel_ = std::make_unique<EditorPanel>();
    Logger::Info("Room editor opened");
}

EditorState::~EditorState() = default;

void EditorState::update(float frameTime)
{
    if (left_)
        return;
    EditorModel::HeldKeys keys;
    // Letters typed into a field are not camera moves.
    if (!GuiBinding::wantsKeyboard() && model_->page() == EditorModel::Page::Editing)
    {
        using K = sf::Keyboard;
        keys.zoomIn = K::isKeyPressed(K::Up);
        keys.zoomOut = K::isKeyPressed(K::Down);
        keys.panUp = K::isKeyPressed(K::Z) || K::isKeyPressed(K::W);
        keys.panDown = K::isKeyPressed(K::S);
        keys.panLeft = K::isKeyPressed(K::Q) || K::isKeyPressed(K::A);
        keys.panRight = K::isKeyPressed(K::D);
    }
    sf::Vector2f mouse = model_->followerPosition();
    if (Engine::instance()->window)
        mouse = model_->camera.toWorld(sf::Vector2f(sf::Mouse::getPosition(*Engine::instance()->window)));
    model_->update(frameTime, keys, mouse);
}

void EditorState::draw(sf::RenderWindow& window)
{
    if (left_)
        return;
    bool leaving = false;
    if (model_->page() == EditorModel::Page::Start)
        leaving = panel_->drawStartPage(*model_) == EditorPanel::Request::LeaveEditor;
    else
    {
        view_->draw(window, *model_);
        panel_->drawSettings(*model_);
        panel_->drawSelection(*model_);
    }
    // The GUI's list loops are over: deletions made in them take effect now.
    model_->applyRemovals();
    // Every window is ended, so leaving cannot unbalance the GUI frame.
    if (leaving)
        leave();
}

void EditorState::handleInput() {}

void EditorState::handleEvent(const sf::Event& event)
{
    if (left_ || model_->page() != EditorModel::Page::Editing || event.type != sf::Event::MouseButtonPressed)
        return;
    // A click on a window belongs to the GUI.
    if (GuiBinding::wantsMouse())
        return;
    const sf::Mouse::Button button = event.mouseButton.button;
    if (button != sf::Mouse::Left && button != sf::Mouse::Right)
        return;
    const sf::Vector2f world =
        model_->camera.toWorld({static_cast<float>(event.mouseButton.x), static_cast<float>(event.mouseButton.y)});
    model_->click(button == sf::Mouse::Left ? EditorModel::Click::Left : EditorModel::Click::Right, world,
                  sf::Keyboard::isKeyPressed(sf::Keyboard::LControl));
}

void EditorState::leave()
{
    left_ = true;
    Logger::Info("Room editor closed");
    returnToMainMenu(MenuGroups::returnGroups(MenuGroups::backdrop(false)));
}
