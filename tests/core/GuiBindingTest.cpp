#include "core/GuiBinding.h"

#include "core/Engine.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <imgui.h>

#include <gtest/gtest.h>

namespace
{
sf::Event mouseButton(sf::Event::EventType type)
{
    sf::Event event{};
    event.type = type;
    event.mouseButton.button = sf::Mouse::Left;
    return event;
}

sf::Event key(sf::Event::EventType type, sf::Keyboard::Key code)
{
    sf::Event event{};
    event.type = type;
    event.key.code = code;
    return event;
}
} // namespace

class GuiFrames : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = Engine::instance()->window.get();
        ASSERT_TRUE(GuiBinding::active());
        // Start from a settled frame with nothing held.
        for (int i = 0; i < 2; ++i)
            frame();
    }
    void frame()
    {
        GuiBinding::update(*window, 1.f / 60.f);
        GuiBinding::render(*window);
    }
    sf::RenderWindow* window = nullptr;
};

TEST_F(GuiFrames, ClickWithinOneFrameIsSeenAsAPressThenAReleaseNextFrame)
{
    GuiBinding::processEvent(mouseButton(sf::Event::MouseButtonPressed));
    GuiBinding::processEvent(mouseButton(sf::Event::MouseButtonReleased));
    GuiBinding::update(*window, 1.f / 60.f);
    EXPECT_TRUE(ImGui::IsMouseClicked(0)) << "the press must not be lost";
    EXPECT_TRUE(ImGui::IsMouseDown(0));
    GuiBinding::render(*window);

    GuiBinding::update(*window, 1.f / 60.f);
    EXPECT_TRUE(ImGui::IsMouseReleased(0)) << "the held-back release arrives one frame later";
    EXPECT_FALSE(ImGui::IsMouseDown(0));
    GuiBinding::render(*window);
}

TEST_F(GuiFrames, KeyTappedWithinOneFrameIsPressedOnce)
{
    GuiBinding::processEvent(key(sf::Event::KeyPressed, sf::Keyboard::Enter));
    GuiBinding::processEvent(key(sf::Event::KeyReleased, sf::Keyboard::Enter));
    GuiBinding::update(*window, 1.f / 60.f);
    EXPECT_TRUE(ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Enter), false));
    GuiBinding::render(*window);
    GuiBinding::update(*window, 1.f / 60.f);
    EXPECT_FALSE(ImGui::IsKeyDown(ImGui::GetKeyIndex(ImGuiKey_Enter)));
    GuiBinding::render(*window);
}

TEST_F(GuiFrames, SfmlDrawingStillWorksAroundAGuiWindowWithAnImage)
{
    sf::Texture texture;
    ASSERT_TRUE(texture.create(16, 16));
    window->clear(sf::Color(41, 12, 14));
    GuiBinding::update(*window, 1.f / 60.f);
    ImGui::SetNextWindowPos(ImVec2(0, 0));
    ImGui::Begin("Palette");
    GuiBinding::image(texture, {64, 64});
    ImGui::End();
    GuiBinding::render(*window);

    // Drawn after the GUI: must come out in its own colour, not black.
    sf::RectangleShape square({100, 100});
    square.setPosition(800, 400);
    square.setFillColor(sf::Color(200, 30, 40));
    window->draw(square);
    sf::Texture shot;
    ASSERT_TRUE(shot.create(window->getSize().x, window->getSize().y));
    shot.update(*window);
    const sf::Image pixels = shot.copyToImage();
    EXPECT_EQ(pixels.getPixel(850, 450), sf::Color(200, 30, 40));
    EXPECT_EQ(pixels.getPixel(1500, 900), sf::Color(41, 12, 14));
    window->display();
}
