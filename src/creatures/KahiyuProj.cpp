#include "creatures/KahiyuProj.h"

#include "core/Camera.h"
#include "core/TextureManager.h"
#include "creatures/CreatureWorld.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <type_traits>

namespace
{
KahiyuProjParameters& current()
{
    static KahiyuProjParameters instance;
    return instance;
}

sf::Vector2f lerp(sf::Vector2f a, sf::Vector2f b, float t)
{
    return a + (b - a) * t;
}

// Tokens with the line each stands on, so an error can name it.
class Tokens
{
public:
    explicit Tokens(std::istream& in) : in_(in) {}

    bool next(std::string& token)
    {
        while (true)
        {
            if (words_ >> token)
                return true;
            std::string line;
            if (!std::getline(in_, line))
                return false;
            ++line_;
            words_.clear();
            words_.str(line);
        }
    }
    int line() const { return line_; }

private:
    std::istream& in_;
    std::istringstream words_;
    int line_ = 0;
};

template <typename T> bool number(Tokens& tokens, T& out, std::string& error, const std::string& key)
{
    std::string token;
    if (!tokens.next(token))
    {
        error = "line " + std::to_string(tokens.line()) + ": " + key + " lacks its value";
        return false;
    }
    std::istringstream parse(token);
    T value{};
    if (!(parse >> value) || !parse.eof() || (std::is_floating_point_v<T> && !std::isfinite(value)))
    {
        error = "line " + std::to_string(tokens.line()) + ": " + key + " value \"" + token + "\" is not a number";
        return false;
    }
    out = value;
    return true;
}

bool label(Tokens& tokens, std::string& error, const std::string& key)
{
    std::string ignored;
    if (tokens.next(ignored))
        return true;
    error = "line " + std::to_string(tokens.line()) + ": " + key + " is cut short";
    return false;
}
} // namespace

bool KahiyuProj::parseParameters(std::istream& in, KahiyuProjParameters& out, std::string& error)
{
    Tokens tokens(in);
    KahiyuProjParameters read = out;
    std::string token;
    while (tokens.next(token))
    {
        bool ok = true;
        if (token == "DAMAGE")
            ok = number(tokens, read.damage, error, token);
        else if (token == "APOGEE_DELTA")
            ok = number(tokens, read.apogeeDelta, error, token);
        else if (token == "ATTACK_REACH")
            ok = number(tokens, read.attackReach, error, token);
        else if (token == "EXPLOSION_VFX")
        {
            ok = label(tokens, error, token) && number(tokens, read.sheetWidth, error, token) &&
                 number(tokens, read.sheetHeight, error, token) && label(tokens, error, token) &&
                 number(tokens, read.frameCount, error, token) && label(tokens, error, token) &&
                 number(tokens, read.frameTime, error, token);
            if (ok && read.frameCount < 1)
            {
                error = "line " + std::to_string(tokens.line()) + ": EXPLOSION_VFX frame count " +
                        std::to_string(read.frameCount) + " is below 1";
                ok = false;
            }
        }
        if (!ok)
            return false;
    }
    out = read;
    return true;
}

void KahiyuProj::loadParameters(const std::string& path)
{
    std::ifstream file(path);
    KahiyuProjParameters read;
    std::string error;
    if (!file || !parseParameters(file, read, error))
    {
        std::cerr << "Error while loading Kahiyu data" << (error.empty() ? "" : " (" + path + ", " + error + ")")
                  << std::endl;
        std::exit(1);
    }
    current() = read;
}

const KahiyuProjParameters& KahiyuProj::parameters()
{
    return current();
}

void KahiyuProj::setParameters(const KahiyuProjParameters& parameters)
{
    current() = parameters;
}

KahiyuProj::KahiyuProj(CreatureWorld& world, sf::Vector2f start, sf::Vector2f target)
    : Projectile(world), start_(start), target_(target)
{
    const KahiyuProjParameters& p = parameters();
    setPosition(start);
    // Above the higher of the two ends (the smaller y), half-way along.
    apex_ = {start.x + (target.x - start.x) * 0.5f,
             (target.y <= start.y ? target.y : start.y) - static_cast<float>(p.apogeeDelta)};
    shadow_ = start;
    const int frames = std::max(p.frameCount, 1);
    const auto width = static_cast<std::uint32_t>(std::max(p.sheetWidth, 0.f)) / static_cast<std::uint32_t>(frames);
    animation_ = std::make_unique<AnimationData>("Kahiyu_Rock_VFX", std::max(width, 1u),
                                                 static_cast<std::uint32_t>(std::max(p.sheetHeight, 1.f)),
                                                 static_cast<std::uint32_t>(frames), p.frameTime, ORIGIN_CENTER);
    animation_->once = true;
    rock_ = TextureManager::getSprite("Kahiyu_Rock", ORIGIN_CENTER);
}

void KahiyuProj::update(float dt)
{
    const KahiyuProjParameters& p = parameters();
    if (!landed_)
    {
        flight_ += dt;
        const float t = std::min(flight_, 1.f);
        shadow_ = start_ + (target_ - start_) * t;
        const float c = std::cos(3.f * t);
        shadowScale_ = c * c + 0.5f;
        setPosition(lerp(lerp(start_, apex_, t), lerp(apex_, target_, t), t));
        if (flight_ >= 1.f)
            landed_ = true;
        return;
    }
    if (!impactHandled_)
    {
        impactHandled_ = true;
        const sf::Vector2f player = world_.playerPosition();
        const sf::Vector2f here = getPosition();
        if (world_.playerHitBox() &&
            std::hypot(player.x - here.x, player.y - here.y) <= static_cast<float>(p.attackReach))
            world_.hurtPlayer(p.damage);
    }
    if (animation_->finished())
    {
        destroy();
        return;
    }
    animation_->step(dt);
}

void KahiyuProj::draw(sf::RenderTarget& target, const Camera& camera)
{
    if (!landed_)
    {
        sf::CircleShape shadow(15.f, 30);
        shadow.setOrigin(15.f, 15.f);
        shadow.setFillColor(sf::Color(0, 0, 0, 200));
        shadow.setPosition(camera.toScreen(shadow_));
        shadow.setScale(shadowScale_ * camera.zoom, shadowScale_ * camera.zoom * 0.5f);
        target.draw(shadow);
        if (rock_.getTexture())
        {
            rock_.setPosition(camera.toScreen(getPosition()));
            rock_.setScale(0.5f * camera.zoom, 0.5f * camera.zoom);
            target.draw(rock_);
        }
        return;
    }
    sf::Sprite& burst = animation_->frameSprite();
    if (!burst.getTexture())
        return;
    burst.setPosition(camera.toScreen(getPosition()));
    burst.setRotation(0.f);
    burst.setScale(0.5f * camera.zoom, 0.5f * camera.zoom);
    target.draw(burst);
}
