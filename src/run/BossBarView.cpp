#include "run/BossBarView.h"

#include "core/TextureManager.h"
#include "core/VisibleArea.h"
#include "run/BossLifeBar.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cmath>

namespace
{
constexpr float kScale = 0.5f;

// Colours in a stack painted over transparency are already weighted by their
// alpha: the stack is laid over the window with its colours taken as they are.
const sf::BlendMode kPremultiplied(sf::BlendMode::One, sf::BlendMode::OneMinusSrcAlpha);

// Paints pieces `first` and `first + 1` of the bar, in drawing order and at half
// size, into one picture; false when it cannot be made.
bool paintStack(std::unique_ptr<sf::RenderTexture>& canvas, sf::Sprite& sprite,
                const std::array<sf::Texture*, 5>& sources, std::size_t first)
{
    const sf::Texture* lower = sources[first];
    const sf::Texture* upper = sources[first + 1];
    const sf::Vector2u size(static_cast<unsigned>(std::ceil(static_cast<float>(lower->getSize().x) * kScale)),
                            static_cast<unsigned>(std::ceil(static_cast<float>(lower->getSize().y) * kScale)));
    canvas = std::make_unique<sf::RenderTexture>();
    if (size.x == 0 || size.y == 0 || !canvas->create(size.x, size.y))
    {
        canvas.reset();
        return false;
    }
    canvas->clear(sf::Color::Transparent);
    for (const sf::Texture* piece : {lower, upper})
    {
        sf::Sprite half(*piece);
        half.setScale(kScale, kScale);
        canvas->draw(half);
    }
    canvas->display();
    sprite = sf::Sprite(canvas->getTexture());
    VisibleArea::crop(sprite, VisibleArea::of(canvas->getTexture()));
    return true;
}
} // namespace

bool BossBarView::prepare()
{
    std::array<sf::Texture*, 5> now{};
    for (std::size_t i = 0; i < now.size(); ++i)
        now[i] = TextureManager::getTexture(BossLifeBar::kPieces[i].key);
    if (now == sources_)
        return ready_;
    sources_ = now;
    ready_ = false;
    for (const sf::Texture* texture : now)
        if (!texture)
            return false;
    // The stacks are painted as the pieces are drawn: all of one size, one place.
    for (const sf::Texture* texture : now)
        if (texture->getSize() != now[0]->getSize())
            return false;
    // Halved with each square of four texels averaged, rather than one of them
    // picked as the pieces drawn one by one do: the same bar, its edges smoother.
    std::array<bool, 5> smooth{};
    for (std::size_t i = 0; i < now.size(); ++i)
    {
        smooth[i] = now[i]->isSmooth();
        now[i]->setSmooth(true);
    }
    ready_ = paintStack(under_, underSprite_, now, 0) && paintStack(over_, overSprite_, now, 3) &&
             life_.prepare(now[BossLifeBar::kLifePiece], kScale);
    for (std::size_t i = 0; i < now.size(); ++i)
        now[i]->setSmooth(smooth[i]);
    return ready_;
}

void BossBarView::draw(sf::RenderTarget& target)
{
    if (!BossLifeBar::shown())
        return;
    if (!prepare())
    {
        BossLifeBar::drawBossBar(target);
        return;
    }
    const std::array<sf::Sprite, 5> pieces = BossLifeBar::pieces();
    const sf::Vector2f corner = pieces[0].getPosition();
    underSprite_.setPosition(corner);
    target.draw(underSprite_, kPremultiplied);

    // The life as its piece shows it: cut to the health, at half size. A pixel of the
    // half-size bar shows when its centre lies within the cut.
    const sf::IntRect cut = pieces[BossLifeBar::kLifePiece].getTextureRect();
    sf::Sprite& life = life_.sprite();
    life.setOrigin(0.f, 0.f);
    life.setTextureRect({0, 0, cut.width / 2, static_cast<int>(life.getTexture()->getSize().y)});
    life.setPosition(corner);
    target.draw(life);

    overSprite_.setPosition(corner);
    target.draw(overSprite_, kPremultiplied);
}
