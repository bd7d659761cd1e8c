#include "core/ScaledPicture.h"

#include <SFML/Graphics/Texture.hpp>

#include <cmath>

bool ScaledPicture::prepare(const sf::Texture* texture, float scale)
{
    if (texture == source_ && scale == scale_)
        return ready_;
    source_ = texture;
    scale_ = scale;
    ready_ = false;
    if (!texture || !(scale > 0.f))
        return false;
    const sf::Vector2u size(static_cast<unsigned>(std::ceil(static_cast<float>(texture->getSize().x) * scale)),
                            static_cast<unsigned>(std::ceil(static_cast<float>(texture->getSize().y) * scale)));
    if (size.x == 0 || size.y == 0)
        return false;
    if (!canvas_ || canvas_->getSize() != size)
    {
        canvas_ = std::make_unique<sf::RenderTexture>();
        if (!canvas_->create(size.x, size.y))
        {
            canvas_.reset();
            return false;
        }
    }
    // Copied, not blended: the canvas holds the very colours and alphas that drawing
    // the original at this scale would blend over the window.
    canvas_->clear(sf::Color::Transparent);
    sf::Sprite original(*texture);
    original.setScale(scale, scale);
    canvas_->draw(original, sf::BlendNone);
    canvas_->display();
    canvas_->setSmooth(texture->isSmooth());
    sprite_ = sf::Sprite(canvas_->getTexture());
    sprite_.setOrigin(static_cast<float>(texture->getSize().x) * scale / 2.f,
                      static_cast<float>(texture->getSize().y) * scale / 2.f);
    ready_ = true;
    return true;
}
