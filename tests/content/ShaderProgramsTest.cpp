#include <SFML/Graphics.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// Every fragment program the game loads compiles for OpenGL 2.1 and accepts
// exactly the uniforms the game sets: SFML reports a uniform the program does
// not have (or has optimised away) on sf::err(), which these tests capture.
namespace
{
struct Program
{
    const char* path;
    std::function<void(sf::Shader&, const sf::Texture&)> setUniforms;
};

std::vector<Program> programs()
{
    auto none = [](sf::Shader&, const sf::Texture&) {};
    return {
        {"Assets/Shaders/Background/SimplexNoiseTree.frag", [](sf::Shader& s, const sf::Texture&) { s.setUniform("compteur", 12.5f); }},
        {"Assets/Shaders/Background/moveShadow.frag", [](sf::Shader& s, const sf::Texture&) { s.setUniform("compteur", 3.f); }},
        {"Assets/Shaders/Room/Copy.frag", none},
        {"Assets/Shaders/Room/OpeningDoor.frag", [](sf::Shader& s, const sf::Texture&) { s.setUniform("timer", 0.4f); }},
        {"Assets/Shaders/Light/BasicLighting.frag",
         [](sf::Shader& s, const sf::Texture&) {
             sf::Glsl::Vec2 pos[10];
             sf::Glsl::Vec4 colour[10];
             float delta[10];
             for (int i = 0; i < 10; ++i)
             {
                 pos[i] = {100.f * i, 50.f};
                 colour[i] = {1.f, 0.8f, 0.5f, i < 3 ? 0.8f : 0.f};
                 delta[i] = -0.05f;
             }
             s.setUniform("resolution", sf::Glsl::Vec2(1920.f, 1080.f));
             s.setUniformArray("lightPos", pos, 10);
             s.setUniformArray("lightColor", colour, 10);
             s.setUniformArray("deltaIntensity", delta, 10);
         }},
        {"Assets/Shaders/Water/WorldReflection.frag", none},
        {"Assets/Shaders/Water/Waves.frag", none},
        {"Assets/Shaders/UI/Minimap.frag", [](sf::Shader& s, const sf::Texture& t) { s.setUniform("background", t); }},
        {"Assets/Shaders/Player/Takes_Damage_Player.frag", [](sf::Shader& s, const sf::Texture&) { s.setUniform("clock", 0.1f); }},
        {"Assets/Shaders/Player/Player_Change_Form.frag",
         [](sf::Shader& s, const sf::Texture& t) {
             s.setUniform("clock", 2.f);
             s.setUniform("clockMax", 4.f);
             s.setUniform("textureEnd", t);
         }},
        {"Assets/Shaders/Enemy/Takes_Damage.frag", none},
        {"Assets/Shaders/Enemy/Zaune.frag",
         [](sf::Shader& s, const sf::Texture& t) {
             s.setUniform("roomTex", t);
             s.setUniform("wallTex", t);
             s.setUniform("roomTexSize", sf::Glsl::Vec2(1920.f, 1080.f));
             s.setUniform("textureTexSize", sf::Glsl::Vec2(512.f, 64.f));
             s.setUniform("textureFrameSize", sf::Glsl::Vec2(64.f, 64.f));
             s.setUniform("textureWorldPos", sf::Glsl::Vec2(400.f, 300.f));
             s.setUniform("textureCurrentFrame", 3);
         }},
    };
}

class ErrCapture
{
public:
    ErrCapture() : previous_(sf::err().rdbuf(buffer_.rdbuf())) {}
    ~ErrCapture() { sf::err().rdbuf(previous_); }
    std::string text() const { return buffer_.str(); }

private:
    std::stringstream buffer_;
    std::streambuf* previous_;
};
} // namespace

TEST(ShaderPrograms, EveryProgramCompilesAndTakesItsUniforms)
{
    // A context for the GL calls; the test needs an X display (Xvfb).
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(64, 64));
    if (!sf::Shader::isAvailable())
        GTEST_SKIP() << "no shader support on this display";

    sf::Image image;
    image.create(64, 64, sf::Color(120, 40, 50));
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(image));
    sf::Sprite sprite(texture);

    for (const Program& p : programs())
    {
        SCOPED_TRACE(p.path);
        ErrCapture err;
        sf::Shader shader;
        ASSERT_TRUE(shader.loadFromFile(p.path, sf::Shader::Fragment)) << err.text();
        // The sprite's own texture is left to texture unit 0, where SFML binds it; the game sets nothing for it.
        p.setUniforms(shader, texture);
        target.clear(sf::Color::Transparent);
        target.draw(sprite, &shader);
        target.display();
        EXPECT_EQ(err.text(), "") << "SFML complained while setting the uniforms or drawing";
    }
}

TEST(ShaderPrograms, EveryShippedProgramIsChecked)
{
    std::set<std::string> checked;
    for (const Program& p : programs())
        checked.insert(p.path);
    for (const auto& entry : std::filesystem::recursive_directory_iterator("Assets/Shaders"))
    {
        if (entry.is_regular_file())
        {
            EXPECT_TRUE(checked.count(entry.path().generic_string())) << entry.path() << " is shipped but never compiled here";
        }
    }
}
