#pragma once

#include "creatures/Projectile.h"

#include <SFML/Graphics/Sprite.hpp>

#include <iosfwd>
#include <string>

// The tuning of Kahiyu's rock, from its text file of key tokens and values.
struct KahiyuProjParameters
{
    int damage = 0;
    int apogeeDelta = 0;
    int attackReach = 0;
    float sheetWidth = 0.f;
    float sheetHeight = 0.f;
    int frameCount = 1;
    float frameTime = 0.1f;
};

// Kahiyu's rock: lobbed on an arc from the thrower to where the player stood, its
// shadow running along the ground below; it bursts on landing, hurting the player
// once if within reach of the burst on that first landed frame.
class KahiyuProj : public Projectile
{
public:
    static constexpr const char* kParameterFile = "Assets/Data/Projectile/KahiyuProj.txt";
    static constexpr const char* kRockFile = "Assets/Sprites/Projectile/Kahiyu_Rock.png";
    static constexpr const char* kBurstFile = "Assets/Sprites/Projectile/Kahiyu_Rock_VFX.png";

    KahiyuProj(CreatureWorld& world, sf::Vector2f start, sf::Vector2f target);

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;

    sf::Vector2f apex() const { return apex_; }
    sf::Vector2f shadowPoint() const { return shadow_; }
    bool landed() const { return landed_; }

    // Reads the parameter file; a file that cannot be opened or read is fatal: the
    // game cannot throw rocks it knows nothing of ("Error while loading Kahiyu data"
    // and the process ends with status 1).
    static void loadParameters(const std::string& path = kParameterFile);
    // The reading itself: false with `error` naming the line for a malformed value
    // or a frame count below 1 (the file must not make the reader loop or divide by 0).
    static bool parseParameters(std::istream& in, KahiyuProjParameters& out, std::string& error);
    static const KahiyuProjParameters& parameters();
    static void setParameters(const KahiyuProjParameters& parameters);

private:
    sf::Vector2f start_, target_, apex_, shadow_;
    float shadowScale_ = 1.f;
    float flight_ = 0.f;
    sf::Sprite rock_;
    bool landed_ = false;
    bool impactHandled_ = false;
};
