// Frame cost of the full-screen fragment programs: the room lighting layer
// (with all ten lights lit, its worst case), the third-floor background and a
// screen of second-floor shadow tiles, each over 1920 x 1080, against a plain
// draw of the same size. Run under the renderer you care about, for example
// a software one: xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bench_shader_cost
#include <SFML/Graphics.hpp>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace
{
constexpr unsigned kWidth = 1920;
constexpr unsigned kHeight = 1080;
constexpr int kFrames = 60;

double timeFrames(sf::RenderTexture& target, const std::function<void()>& drawFrame)
{
    drawFrame(); // warm-up: shader compilation and texture upload
    target.display();
    target.getTexture().copyToImage();
    sf::Clock clock;
    for (int i = 0; i < kFrames; ++i)
    {
        drawFrame();
        target.display();
    }
    target.getTexture().copyToImage(); // waits for the queued frames
    return clock.getElapsedTime().asSeconds() * 1000.0 / kFrames;
}

// The best of three runs: the machine may be shared, and the slowest runs say
// more about the neighbours than about the program.
double millisecondsPerFrame(sf::RenderTexture& target, const std::function<void()>& drawFrame)
{
    double best = timeFrames(target, drawFrame);
    for (int i = 0; i < 2; ++i)
        best = std::min(best, timeFrames(target, drawFrame));
    return best;
}
} // namespace

int main()
{
    sf::RenderTexture target;
    if (!target.create(kWidth, kHeight) || !sf::Shader::isAvailable())
    {
        std::fprintf(stderr, "no render target or no shader support\n");
        return 1;
    }
    sf::Image image;
    image.create(kWidth, kHeight, sf::Color(90, 30, 36));
    sf::Texture picture;
    picture.loadFromImage(image);
    sf::Sprite screen(picture);
    sf::Image tileImage;
    tileImage.create(1000, 1000, sf::Color(70, 40, 44));
    sf::Texture tileTexture;
    tileTexture.loadFromImage(tileImage);
    sf::Sprite tile(tileTexture);

    sf::Shader lighting, tree, shadow;
    if (!lighting.loadFromFile("Assets/Shaders/Light/BasicLighting.frag", sf::Shader::Fragment) ||
        !tree.loadFromFile("Assets/Shaders/Background/SimplexNoiseTree.frag", sf::Shader::Fragment) ||
        !shadow.loadFromFile("Assets/Shaders/Background/moveShadow.frag", sf::Shader::Fragment))
    {
        std::fprintf(stderr, "run from the source folder, where Assets/ lives\n");
        return 1;
    }
    sf::Glsl::Vec2 pos[10];
    sf::Glsl::Vec4 colour[10];
    float delta[10];
    for (int i = 0; i < 10; ++i)
    {
        pos[i] = {190.f * i + 100.f, 300.f + 60.f * (i % 3)};
        colour[i] = {1.f, 0.85f, 0.6f, 0.8f};
        delta[i] = -0.05f;
    }
    lighting.setUniform("resolution", sf::Glsl::Vec2(kWidth, kHeight));
    lighting.setUniformArray("lightPos", pos, 10);
    lighting.setUniformArray("lightColor", colour, 10);
    lighting.setUniformArray("deltaIntensity", delta, 10);
    tree.setUniform("compteur", 5.f);
    shadow.setUniform("compteur", 5.f);

    const auto plain = millisecondsPerFrame(target, [&] { target.draw(screen); });
    // The game leaves the light slots unlit; only the flicker varies.
    sf::Glsl::Vec4 dark[10];
    lighting.setUniformArray("lightColor", dark, 10);
    const auto unlit = millisecondsPerFrame(target, [&] { target.draw(screen, &lighting); });
    lighting.setUniformArray("lightColor", colour, 10);
    const auto lit = millisecondsPerFrame(target, [&] { target.draw(screen, &lighting); });
    const auto background = millisecondsPerFrame(target, [&] { target.draw(screen, &tree); });
    const auto tiles = millisecondsPerFrame(target, [&] {
        // The tiles that cover the screen at zoom 1 (the room draws a 10 x 10 grid, mostly off screen).
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
            {
                tile.setPosition(1000.f * i, 1000.f * j);
                target.draw(tile, &shadow);
            }
    });
    std::printf("full-screen pass, ms per frame over %d frames, best of three\n", kFrames);
    std::printf("  plain sprite            %7.2f\n", plain);
    std::printf("  BasicLighting, unlit    %7.2f\n", unlit);
    std::printf("  BasicLighting, 10 lit   %7.2f\n", lit);
    std::printf("  SimplexNoiseTree        %7.2f\n", background);
    std::printf("  moveShadow tiles        %7.2f\n", tiles);
    return 0;
}
