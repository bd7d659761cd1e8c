#pragma once

#include "core/GameState.h"

#include <memory>

class EditorModel;
class EditorPanel;
class EditorWorldView;

// The hidden room editor screen, opened from the main menu with Control + F4:
// a start page to create or open a room, then the room in a pannable, zoomable
// view with its settings window, where authors place elements with the mouse
// and save the template. The edits live in an EditorModel; this screen only
// routes input to it and draws it.
class EditorState : public GameState
{
public:
    explicit EditorState(GroupList groups);
    ~EditorState() override;

    // The main menu's shortcut: fills the prop, puddle and wall registries, then
    // opens the editor behind a loading screen with its texture set.
    static void open();

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    EditorModel& model() { return *model_; }

private:
    void leave();

    std::unique_ptr<EditorModel> model_;
    std::unique_ptr<EditorWorldView> view_;
    std::unique_ptr<EditorPanel> panel_;
    bool left_ = false;
};
