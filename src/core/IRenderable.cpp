#include "core/IRenderable.h"

void IRenderable::draw(sf::RenderTarget&, const Camera&) {}
