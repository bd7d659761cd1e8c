#include "core/GuiBinding.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

#include <imgui.h>
#include <backends/imgui_impl_opengl2.h>

#include <array>
#include <cstdint>

namespace
{
bool gActive = false;
// True between NewFrame and Render.
bool gFrameOpen = false;

// ImGui 1.86 samples input once per frame, so a press and release arriving in
// the same frame would be lost: the release is held back to the next frame.
constexpr int kMouseButtons = 5;
// pressed: went down since the last frame started; pending: released in that same
// frame; due: to be released when the next frame starts.
template <int N>
struct HeldInputs
{
    std::array<bool, N> pressed{}, pending{}, due{};

    void press(bool& down, int i)
    {
        down = true;
        pressed[i] = true;
        pending[i] = false;
        due[i] = false;
    }
    void release(bool& down, int i)
    {
        if (pressed[i])
            pending[i] = true;
        else
            down = false;
    }
    void beforeFrame(bool* down)
    {
        for (int i = 0; i < N; ++i)
            if (due[i])
            {
                down[i] = false;
                due[i] = false;
            }
    }
    void afterFrame()
    {
        for (int i = 0; i < N; ++i)
        {
            due[i] = pending[i];
            pending[i] = false;
            pressed[i] = false;
        }
    }
};

constexpr int kKeys = sf::Keyboard::KeyCount;
HeldInputs<kMouseButtons> gMouse;
HeldInputs<kKeys> gKeys;

int mouseIndex(sf::Mouse::Button button)
{
    switch (button)
    {
    case sf::Mouse::Left: return 0;
    case sf::Mouse::Right: return 1;
    case sf::Mouse::Middle: return 2;
    case sf::Mouse::XButton1: return 3;
    case sf::Mouse::XButton2: return 4;
    default: return -1;
    }
}

void updateModifiers(ImGuiIO& io, const sf::Event::KeyEvent& key)
{
    io.KeyCtrl = key.control;
    io.KeyShift = key.shift;
    io.KeyAlt = key.alt;
    io.KeySuper = key.system;
}

void mapKeys(ImGuiIO& io)
{
    io.KeyMap[ImGuiKey_Tab] = sf::Keyboard::Tab;
    io.KeyMap[ImGuiKey_LeftArrow] = sf::Keyboard::Left;
    io.KeyMap[ImGuiKey_RightArrow] = sf::Keyboard::Right;
    io.KeyMap[ImGuiKey_UpArrow] = sf::Keyboard::Up;
    io.KeyMap[ImGuiKey_DownArrow] = sf::Keyboard::Down;
    io.KeyMap[ImGuiKey_PageUp] = sf::Keyboard::PageUp;
    io.KeyMap[ImGuiKey_PageDown] = sf::Keyboard::PageDown;
    io.KeyMap[ImGuiKey_Home] = sf::Keyboard::Home;
    io.KeyMap[ImGuiKey_End] = sf::Keyboard::End;
    io.KeyMap[ImGuiKey_Insert] = sf::Keyboard::Insert;
    io.KeyMap[ImGuiKey_Delete] = sf::Keyboard::Delete;
    io.KeyMap[ImGuiKey_Backspace] = sf::Keyboard::BackSpace;
    io.KeyMap[ImGuiKey_Space] = sf::Keyboard::Space;
    io.KeyMap[ImGuiKey_Enter] = sf::Keyboard::Enter;
    io.KeyMap[ImGuiKey_Escape] = sf::Keyboard::Escape;
    io.KeyMap[ImGuiKey_KeyPadEnter] = sf::Keyboard::Enter;
    io.KeyMap[ImGuiKey_A] = sf::Keyboard::A;
    io.KeyMap[ImGuiKey_C] = sf::Keyboard::C;
    io.KeyMap[ImGuiKey_V] = sf::Keyboard::V;
    io.KeyMap[ImGuiKey_X] = sf::Keyboard::X;
    io.KeyMap[ImGuiKey_Y] = sf::Keyboard::Y;
    io.KeyMap[ImGuiKey_Z] = sf::Keyboard::Z;
}

ImTextureID textureId(const sf::Texture& texture)
{
    return reinterpret_cast<ImTextureID>(static_cast<std::intptr_t>(texture.getNativeHandle()));
}
} // namespace

void GuiBinding::init(sf::RenderWindow& window, sf::Vector2f displaySize)
{
    if (gActive)
        return;
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(displaySize.x, displaySize.y);
    io.IniFilename = nullptr;
    io.BackendPlatformName = "umbravale_sfml";
    mapKeys(io);
    window.setActive(true);
    ImGui_ImplOpenGL2_Init();
    gActive = true;
    gFrameOpen = false;
}

bool GuiBinding::active() { return gActive; }

void GuiBinding::processEvent(const sf::Event& event)
{
    if (!gActive)
        return;
    ImGuiIO& io = ImGui::GetIO();
    switch (event.type)
    {
    case sf::Event::MouseButtonPressed:
        if (int i = mouseIndex(event.mouseButton.button); i >= 0)
            gMouse.press(io.MouseDown[i], i);
        break;
    case sf::Event::MouseButtonReleased:
        if (int i = mouseIndex(event.mouseButton.button); i >= 0)
            gMouse.release(io.MouseDown[i], i);
        break;
    case sf::Event::MouseWheelScrolled:
        if (event.mouseWheelScroll.wheel == sf::Mouse::VerticalWheel)
            io.MouseWheel += event.mouseWheelScroll.delta;
        else
            io.MouseWheelH += event.mouseWheelScroll.delta;
        break;
    case sf::Event::KeyPressed:
        if (event.key.code >= 0 && event.key.code < kKeys)
            gKeys.press(io.KeysDown[event.key.code], event.key.code);
        updateModifiers(io, event.key);
        break;
    case sf::Event::KeyReleased:
        if (event.key.code >= 0 && event.key.code < kKeys)
            gKeys.release(io.KeysDown[event.key.code], event.key.code);
        updateModifiers(io, event.key);
        break;
    case sf::Event::TextEntered:
        // Control characters (backspace, tab, enter) arrive as keys instead.
        if (event.text.unicode >= 32 && event.text.unicode != 127)
            io.AddInputCharacter(event.text.unicode);
        break;
    case sf::Event::LostFocus:
        io.AddFocusEvent(false);
        break;
    case sf::Event::GainedFocus:
        io.AddFocusEvent(true);
        break;
    default:
        break;
    }
}

void GuiBinding::update(sf::RenderWindow& window, float frameTime)
{
    if (!gActive)
        return;
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(static_cast<float>(window.getSize().x), static_cast<float>(window.getSize().y));
    io.DeltaTime = frameTime > 0.f ? frameTime : 1.f / 60.f;
    if (window.hasFocus())
    {
        sf::Vector2i mouse = sf::Mouse::getPosition(window);
        io.MousePos = ImVec2(static_cast<float>(mouse.x), static_cast<float>(mouse.y));
    }

    if (gFrameOpen)
        ImGui::EndFrame();
    gMouse.beforeFrame(io.MouseDown);
    gKeys.beforeFrame(io.KeysDown);
    gFrameOpen = true;
    ImGui_ImplOpenGL2_NewFrame();
    ImGui::NewFrame();
    // This frame has seen the presses; releases that came with them land next frame.
    gMouse.afterFrame();
    gKeys.afterFrame();
}

void GuiBinding::render(sf::RenderWindow& window)
{
    if (!gActive || !gFrameOpen)
        return;
    // The OpenGL2 renderer changes GL state that SFML caches: reset on both sides.
    window.resetGLStates();
    ImGui::Render();
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
    window.resetGLStates();
    gFrameOpen = false;
}

void GuiBinding::shutdown()
{
    if (!gActive)
        return;
    ImGui_ImplOpenGL2_Shutdown();
    ImGui::DestroyContext();
    gActive = false;
}

void GuiBinding::image(const sf::Texture& texture, sf::Vector2f size)
{
    if (size.x <= 0.f || size.y <= 0.f)
        size = sf::Vector2f(texture.getSize());
    ImGui::Image(textureId(texture), ImVec2(size.x, size.y));
}

bool GuiBinding::imageButton(const sf::Texture& texture, sf::Vector2f size)
{
    return ImGui::ImageButton(textureId(texture), ImVec2(size.x, size.y));
}

bool GuiBinding::imageButton(const sf::Texture& texture, sf::Vector2f size, sf::Vector2f uv0, sf::Vector2f uv1)
{
    return ImGui::ImageButton(textureId(texture), ImVec2(size.x, size.y), ImVec2(uv0.x, uv0.y), ImVec2(uv1.x, uv1.y));
}

bool GuiBinding::wantsMouse()
{
    return gActive && (ImGui::GetIO().WantCaptureMouse || ImGui::IsAnyItemActive());
}

bool GuiBinding::wantsKeyboard()
{
    return gActive && (ImGui::GetIO().WantCaptureKeyboard || ImGui::GetIO().WantTextInput);
}
