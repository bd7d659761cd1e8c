#include "world/LightLayer.h"

#include "support/TextureFixture.h"
#include "world/PlayerLight.h"
#include "world/ShroomLight.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace
{
class LightLayerDrawing : public TextureFixture
{
protected:
    void SetUp() override
    {
        TextureFixture::SetUp();
        // A soft white glow, like the painted one.
        sf::Image glow;
        glow.create(256, 256);
        for (unsigned y = 0; y < 256; ++y)
            for (unsigned x = 0; x < 256; ++x)
            {
                const float d = std::hypot(static_cast<float>(x) - 127.5f, static_cast<float>(y) - 127.5f) / 128.f;
                const float v = std::max(0.f, 1.f - d);
                const auto level = static_cast<sf::Uint8>(255.f * v * v);
                glow.setPixel(x, y, sf::Color(level, level, level, 255));
            }
        const std::string path = picture("light", 1, 1);
        ASSERT_TRUE(glow.saveToFile(path));
        TextureManager::loadTexture(SecondFloorLighting::kTextureKey, path);

        // Lights in the open, one cut by the window's edge, one far off screen.
        lights.push_back(std::make_unique<SecondFloorLighting>(sf::Vector2f(-300.f, -100.f)));
        lights.push_back(std::make_unique<ShroomLight>(sf::Vector2f(350.f, 200.f)));
        lights.push_back(std::make_unique<SecondFloorLighting>(sf::Vector2f(-930.f, 500.f)));
        lights.push_back(std::make_unique<SecondFloorLighting>(sf::Vector2f(5000.f, 0.f)));

        scene.create(1920, 1080);
        for (unsigned y = 0; y < 1080; ++y)
            for (unsigned x = 0; x < 1920; ++x)
                scene.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(x / 8), 200, static_cast<sf::Uint8>(y / 5)));
        sceneTexture.loadFromImage(scene);
    }

    // The scene with the layer laid over it.
    sf::Image drawn(LightLayer& layer, sf::Uint8 grey)
    {
        sf::RenderTexture target;
        EXPECT_TRUE(target.create(1920, 1080));
        target.draw(sf::Sprite(sceneTexture));
        layer.draw(target, grey, lights);
        target.display();
        return target.getTexture().copyToImage();
    }

    // The layer as the lights make it at full size, multiplied over the scene.
    sf::Image reference(sf::Uint8 grey)
    {
        sf::RenderTexture full;
        EXPECT_TRUE(full.create(1920, 1080));
        full.clear(sf::Color(grey, grey, grey, 255));
        for (const auto& light : lights)
            light->draw(full);
        full.display();
        sf::RenderTexture target;
        EXPECT_TRUE(target.create(1920, 1080));
        target.draw(sf::Sprite(sceneTexture));
        target.draw(sf::Sprite(full.getTexture()), sf::BlendMultiply);
        target.display();
        return target.getTexture().copyToImage();
    }

    static int differing(const sf::Image& a, const sf::Image& b, int tolerance)
    {
        int count = 0;
        for (unsigned y = 0; y < 1080; ++y)
            for (unsigned x = 0; x < 1920; ++x)
            {
                const sf::Color p = a.getPixel(x, y), q = b.getPixel(x, y);
                count += std::abs(p.r - q.r) > tolerance || std::abs(p.g - q.g) > tolerance ||
                         std::abs(p.b - q.b) > tolerance;
            }
        return count;
    }

    std::vector<std::unique_ptr<SecondFloorLighting>> lights;
    sf::Image scene;
    sf::Texture sceneTexture;
};
} // namespace

// The reduced layer, laid cell by cell, must look like the full-size layer in every
// kind of room of the dark floor (grey 8, 100 and 150), including where a light is
// cut by the window's edge and at the borders between lit and plain cells.
TEST_F(LightLayerDrawing, LooksLikeTheFullSizeLayer)
{
    for (sf::Uint8 grey : {sf::Uint8(8), sf::Uint8(100), sf::Uint8(150)})
    {
        SCOPED_TRACE(static_cast<int>(grey));
        LightLayer layer;
        LightLayer::setSplitting(false);
        const sf::Image whole = drawn(layer, grey);
        LightLayer::setSplitting(true);
        const sf::Image split = drawn(layer, grey);
        EXPECT_EQ(differing(split, whole, 1), 0) << "the plain cells are the layer's own grey";

        const sf::Image full = reference(grey);
        EXPECT_LT(differing(split, full, 4), 1920 * 1080 / 200);
        // Lit where the lights are, and dark far from them.
        EXPECT_GT(split.getPixel(960 - 300, 540 - 100).g, 190);
        EXPECT_NEAR(split.getPixel(1900, 20).g, 200 * grey / 255, 2);
        if (grey == 8)
            split.saveToFile("build/light_layer.png");
    }
}
