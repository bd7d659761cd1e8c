#pragma once

#include <SFML/Graphics/Shader.hpp>

// A bare texture fetch: a picture drawn as it is, with white vertices. The same
// pixels as the fixed pipeline's textured drawing, which software renderers run
// slower; kept by whoever draws large pictures every frame, loaded once.
class CopyShader
{
public:
    static constexpr const char* kFile = "Assets/Shaders/Room/Copy.frag";

    // Loads the program once; false (and a warning) when shaders are missing or it fails.
    bool load();
    // The program, or null while it is not loaded: draw without it then.
    const sf::Shader* get() const { return loaded_ ? &shader_ : nullptr; }

private:
    sf::Shader shader_;
    bool tried_ = false;
    bool loaded_ = false;
};
