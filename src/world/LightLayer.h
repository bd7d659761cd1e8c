#pragma once

#include "core/CopyShader.h"
#include "world/SecondFloorLighting.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Vertex.hpp>

#include <memory>
#include <vector>

// The dark floor's light layer: a window-sized grey, brightened by the lights drawn
// additively into it, multiplied over everything drawn so far. The lights are soft
// glows, so the layer is drawn at a quarter of the window's size on each side and
// stretched back with smoothing. Only the parts of the window a light reaches read
// the layer; the rest is multiplied by the plain grey, which is the same colour for
// a third of the cost.
class LightLayer
{
public:
    static constexpr unsigned kDownscale = 4;
    // Side of the square cells the window is split into for the lit/plain choice.
    static constexpr unsigned kCell = 60;

    // `window` must show window coordinates (its default view), as the lights use.
    void draw(sf::RenderTarget& window, sf::Uint8 grey,
              const std::vector<std::unique_ptr<SecondFloorLighting>>& lights);

    // Whether the plain parts are multiplied by the grey alone (the default) or every
    // part reads the layer; the look is the same, tests compare both.
    static void setSplitting(bool enabled);

private:
    bool prepare(sf::Vector2u windowSize);

    std::unique_ptr<sf::RenderTexture> canvas_;
    // The lit parts are laid through it.
    CopyShader copy_;
    bool failed_ = false; // warned once; the run goes on unlit
    // The frame's quads (kept to reuse their storage).
    std::vector<sf::Vertex> lit_;
    std::vector<sf::Vertex> plain_;
    std::vector<bool> reached_;
};
