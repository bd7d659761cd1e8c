#pragma once

#include "editor/PrototypeGallery.h"

#include <array>
#include <string>

class EditorModel;

// The editor's Dear ImGui windows: the start page ("Room Edit Init"), the "Room
// Settings" window with a section per element list, and the three selection
// windows. It only turns GUI input into calls on the model; deletions it asks
// for are applied by the model once the windows are ended.
class EditorPanel
{
public:
    enum class Request
    {
        None,
        // "Back" on the start page: the screen leaves the editor after the frame's windows.
        LeaveEditor,
    };

    static constexpr std::size_t kFieldSize = 64;
    using Field = std::array<char, kFieldSize>;

    // The galleries need the prototypes' textures loaded and a window's context.
    EditorPanel();

    Request drawStartPage(EditorModel& model);
    void drawSettings(EditorModel& model);
    void drawSelection(EditorModel& model);

private:
    void drawGallery(const char* title, const PrototypeGallery& gallery, const std::string& selected,
                     EditorModel& model, void (EditorModel::*select)(const std::string&));

    Field typedName_{};
    Field typedTexture_{};
    PrototypeGallery props_;
    PrototypeGallery puddles_;
    PrototypeGallery walls_;
};
