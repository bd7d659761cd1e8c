// Drawing a room: its background, its picture, the depth-ordered scene, the light
// layer and the doors, with the shaders compiled on the first frame.
#include "world/Room.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "core/DepthOrder.h"
#include "core/Logger.h"
#include "core/Random.h"
#include "core/TextureManager.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyFactory.h"
#include "creatures/Entity.h"
#include "world/Floor.h"
#include "world/OrientedNode.h"
#include "world/PropRegistry.h"
#include "world/Props.h"
#include "world/RunContext.h"
#include "world/Wall.h"
#include "world/WallRegistry.h"
#include "world/Water.h"
#include "world/WaterRegistry.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Vertex.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>

namespace
{
constexpr const char* kTreeShader = "Assets/Shaders/Background/SimplexNoiseTree.frag";
constexpr const char* kReflectionShader = "Assets/Shaders/Water/WorldReflection.frag";
constexpr const char* kWavesShader = "Assets/Shaders/Water/Waves.frag";
constexpr const char* kDoorShader = "Assets/Shaders/Room/OpeningDoor.frag";
constexpr const char* kShadowShader = "Assets/Shaders/Background/moveShadow.frag";
constexpr const char* kLightingShader = "Assets/Shaders/Light/BasicLighting.frag";

// Room coordinates of the background grid's first cell, and the cell spacing.
constexpr float kBackgroundOrigin = -4000.f;
constexpr float kBackgroundStep = 1000.f;
constexpr int kBackgroundCells = 10;
constexpr float kPreviewReachSquared = 150.f * 150.f;

unsigned& lightDownscale()
{
    static unsigned factor = 4;
    return factor;
}

bool& lightCullingEnabled()
{
    static bool enabled = true;
    return enabled;
}

// The lighting shader's reach, kept equal to its constants: a light's pool ends this
// far from it (room pixels, INV_RADIUS2), and the edge darkening starts where
// 2 |uv - 1/2|^2 passes this value (its smoothstep's lower edge).
constexpr float kLightRadius = 420.f;
constexpr float kUnshadedMiddle = 0.2f;
// The light layer is laid over the window in squares of this side (pixels).
constexpr float kLightCell = 120.f;

bool& backgroundClippingEnabled()
{
    static bool enabled = true;
    return enabled;
}

// The process-wide clock of the lights' flicker, started by the first lighting pass.
sf::Clock& flickerClock()
{
    static sf::Clock clock;
    return clock;
}

// Whether a sprite drawn on `target` would show any pixel of its current view.
bool isOnScreen(const sf::RenderTarget& target, const sf::FloatRect& bounds)
{
    const sf::View& view = target.getView();
    const sf::FloatRect visible(view.getCenter() - view.getSize() / 2.f, view.getSize());
    return bounds.intersects(visible);
}
} // namespace

void Room::loadShaders()
{
    // A room is built (and sometimes discarded for another pick) before it is ever
    // drawn, so its shaders are compiled on its first frame, once.
    if (shadersRequested_)
        return;
    shadersRequested_ = true;
    if (!sf::Shader::isAvailable())
    {
        Logger::Warning("Shaders are not available: rooms are drawn without them");
        return;
    }
    sf::Shader* shaders[5] = {&treeShader, &reflectionShader, &wavesShader, &doorShader, &shadowShader};
    const char* files[5] = {kTreeShader, kReflectionShader, kWavesShader, kDoorShader, kShadowShader};
    for (int i = 0; i < 5; ++i)
    {
        shadersLoaded_[i] = shaders[i]->loadFromFile(files[i], sf::Shader::Fragment);
        if (!shadersLoaded_[i])
            Logger::Warning(std::string("Failed to load shader ") + files[i]);
    }
    lightingLoaded_ = lightingShader_.loadFromFile(kLightingShader, sf::Shader::Fragment);
    if (!lightingLoaded_)
        Logger::Warning(std::string("Failed to load shader ") + kLightingShader);
}

float Room::flickerWeight(float seconds, int& sampleIndex)
{
    const float f = 10.f * seconds;
    const float whole = std::floor(f);
    sampleIndex = static_cast<int>(whole);
    return (1.f - std::cos(3.14159265358979f * (f - whole))) / 2.f;
}

void Room::setLightingUniforms()
{
    int index = 0;
    const float w = flickerWeight(flickerClock().getElapsedTime().asSeconds(), index);
    sf::Glsl::Vec2 positions[10];
    sf::Glsl::Vec4 colours[10];
    float delta[10];
    for (std::size_t k = 0; k < lights.size(); ++k)
    {
        const LightSlot& slot = lights[k];
        positions[k] = sf::Glsl::Vec2(slot.position);
        colours[k] = sf::Glsl::Vec4(slot.colour[0], slot.colour[1], slot.colour[2], slot.colour[3]);
        delta[k] = (1.f - w) * slot.samples[static_cast<std::size_t>(index % 25)] +
                   w * slot.samples[static_cast<std::size_t>((index + 1) % 25)];
    }
    lightingShader_.setUniform("resolution",
                               sf::Glsl::Vec2(static_cast<float>(pictureSize_.x), static_cast<float>(pictureSize_.y)));
    lightingShader_.setUniformArray("lightPos", positions, 10);
    lightingShader_.setUniformArray("lightColor", colours, 10);
    lightingShader_.setUniformArray("deltaIntensity", delta, 10);
}

const sf::IntRect* Room::opaquePictureArea()
{
    // Whatever lies under the opaque part of the picture never shows. Room pictures
    // are opaque but for a soft band along their edge, so the part is found from
    // the middle row and column and then checked whole; reading a picture back costs
    // a few milliseconds, once per picture.
    static std::map<std::string, sf::IntRect> known;
    const sf::Texture* texture = picture.getTexture();
    if (!texture || !backgroundClippingEnabled())
        return nullptr;
    auto it = known.find(pictureKey_);
    if (it == known.end())
    {
        const sf::Image image = texture->copyToImage();
        const sf::Uint8* pixels = image.getPixelsPtr();
        const int w = static_cast<int>(image.getSize().x), h = static_cast<int>(image.getSize().y);
        auto opaque = [&](int x, int y) { return pixels[(static_cast<std::size_t>(y) * w + x) * 4 + 3] == 255; };
        sf::IntRect area;
        if (pixels && w > 0 && h > 0)
        {
            int left = 0, right = w, top = 0, bottom = h;
            while (left < w && !opaque(left, h / 2))
                ++left;
            while (right > left && !opaque(right - 1, h / 2))
                --right;
            while (top < h && !opaque(w / 2, top))
                ++top;
            while (bottom > top && !opaque(w / 2, bottom - 1))
                --bottom;
            const int step = std::max(8, std::min(w, h) / 40);
            for (int attempt = 0; attempt < 8 && left < right && top < bottom; ++attempt)
            {
                bool whole = true;
                for (int y = top; whole && y < bottom; ++y)
                    for (int x = left; whole && x < right; ++x)
                        whole = opaque(x, y);
                if (whole)
                {
                    area = sf::IntRect(left, top, right - left, bottom - top);
                    break;
                }
                left += step;
                right -= step;
                top += step;
                bottom -= step;
            }
        }
        it = known.emplace(pictureKey_, area).first;
    }
    return it->second.width > 0 && it->second.height > 0 ? &it->second : nullptr;
}

namespace
{
// A textured quad over `piece` (window coordinates) of a picture whose top-left
// corner is at `origin` and which is drawn at `scale`.
void addPiece(std::vector<sf::Vertex>& vertices, const sf::FloatRect& piece, sf::Vector2f origin, sf::Vector2f scale)
{
    const float left = piece.left, top = piece.top, right = piece.left + piece.width, bottom = piece.top + piece.height;
    auto corner = [&](float x, float y) {
        return sf::Vertex({x, y}, sf::Color::White, {(x - origin.x) / scale.x, (y - origin.y) / scale.y});
    };
    vertices.push_back(corner(left, top));
    vertices.push_back(corner(right, top));
    vertices.push_back(corner(left, bottom));
    vertices.push_back(corner(right, top));
    vertices.push_back(corner(right, bottom));
    vertices.push_back(corner(left, bottom));
}

void addPiece(std::vector<sf::Vertex>& vertices, const sf::FloatRect& piece, sf::Vector2f origin, float scale)
{
    addPiece(vertices, piece, origin, sf::Vector2f(scale, scale));
}

// The quads of a picture laid over `area`, leaving out what `hidden` covers (when set).
void addAround(std::vector<sf::Vertex>& vertices, const sf::FloatRect& area, const sf::FloatRect* hidden, float scale)
{
    const sf::Vector2f origin(area.left, area.top);
    sf::FloatRect covered;
    if (!hidden || !area.intersects(*hidden, covered))
    {
        addPiece(vertices, area, origin, scale);
        return;
    }
    // The bands above and below the hidden part, then the bands left and right of it
    // between those.
    const float areaRight = area.left + area.width, areaBottom = area.top + area.height;
    const float coveredRight = covered.left + covered.width, coveredBottom = covered.top + covered.height;
    if (covered.top > area.top)
        addPiece(vertices, {area.left, area.top, area.width, covered.top - area.top}, origin, scale);
    if (coveredBottom < areaBottom)
        addPiece(vertices, {area.left, coveredBottom, area.width, areaBottom - coveredBottom}, origin, scale);
    if (covered.left > area.left)
        addPiece(vertices, {area.left, covered.top, covered.left - area.left, covered.height}, origin, scale);
    if (coveredRight < areaRight)
        addPiece(vertices, {coveredRight, covered.top, areaRight - coveredRight, covered.height}, origin, scale);
}
} // namespace

sf::FloatRect Room::opaqueScreenArea(const sf::IntRect& opaque, const Camera& camera) const
{
    return sf::FloatRect(
        camera.toScreen(position + sf::Vector2f(static_cast<float>(opaque.left), static_cast<float>(opaque.top))),
        sf::Vector2f(static_cast<float>(opaque.width), static_cast<float>(opaque.height)) * camera.zoom);
}

void Room::drawBackground(sf::RenderTarget& window, const Camera& camera)
{
    const sf::Texture* texture = background.getTexture();
    if (!texture)
        return;
    const sf::Vector2f textureSize(texture->getSize());
    const sf::View& view = window.getView();
    const sf::FloatRect visible(view.getCenter() - view.getSize() / 2.f, view.getSize());

    // The background only shows around the opaque part of the picture: only that is drawn.
    sf::FloatRect pictureArea;
    const sf::IntRect* opaqueArea = opaquePictureArea();
    if (opaqueArea)
        pictureArea = opaqueScreenArea(*opaqueArea, camera);
    const sf::FloatRect* hidden = opaqueArea ? &pictureArea : nullptr;

    backgroundVertices_.clear();
    const sf::Shader* shader = nullptr;
    if (floorIndex_ == 2)
    {
        shader = shadersLoaded_[0] ? &treeShader : nullptr;
        addAround(backgroundVertices_, sf::FloatRect({0.f, 0.f}, textureSize), hidden, 1.f);
    }
    else
    {
        shader = floorIndex_ == 1 && shadersLoaded_[4] ? &shadowShader : nullptr;
        for (int i = 0; i < kBackgroundCells; ++i)
            for (int j = 0; j < kBackgroundCells; ++j)
            {
                const sf::Vector2f cell(kBackgroundOrigin + kBackgroundStep * static_cast<float>(i),
                                        kBackgroundOrigin + kBackgroundStep * static_cast<float>(j));
                const sf::FloatRect tile(camera.toScreen(cell), textureSize * camera.zoom);
                if (tile.intersects(visible))
                    addAround(backgroundVertices_, tile, hidden, camera.zoom);
            }
    }
    if (backgroundVertices_.empty())
        return;
    sf::RenderStates states(texture);
    states.shader = shader;
    window.draw(backgroundVertices_.data(), backgroundVertices_.size(), sf::Triangles, states);
}

void Room::drawPicture(sf::RenderTarget& window, const Camera& camera)
{
    const sf::Texture* texture = picture.getTexture();
    if (!texture)
        return;
    picture.setPosition(camera.toScreen(position));
    picture.setScale(camera.zoom, camera.zoom);
    const sf::FloatRect bounds = picture.getGlobalBounds();
    if (!isOnScreen(window, bounds))
        return;
    const sf::IntRect* opaqueArea = opaquePictureArea();
    if (!opaqueArea || picture.getColor() != sf::Color::White ||
        picture.getTextureRect() != sf::IntRect({0, 0}, sf::Vector2i(texture->getSize())))
    {
        window.draw(picture);
        return;
    }
    // The opaque part is copied without blending, which costs less, and only the soft
    // band around it is blended over what lies below.
    const sf::FloatRect opaque = opaqueScreenArea(*opaqueArea, camera);
    pictureVertices_.clear();
    addAround(pictureVertices_, bounds, &opaque, camera.zoom);
    if (!pictureVertices_.empty())
        window.draw(pictureVertices_.data(), pictureVertices_.size(), sf::Triangles, sf::RenderStates(texture));
    pictureVertices_.clear();
    addPiece(pictureVertices_, opaque, {bounds.left, bounds.top}, camera.zoom);
    sf::RenderStates copy(texture);
    copy.blendMode = sf::BlendNone;
    window.draw(pictureVertices_.data(), pictureVertices_.size(), sf::Triangles, copy);
}

void Room::draw(sf::RenderTarget& window, const Camera& camera)
{
    loadShaders();
    drawBackground(window, camera);

    drawPicture(window, camera);

    sceneOrder_.clear();
    sceneOrder_.reserve(entities.members().size() + props.size() + walls.size());
    for (Entity* entity : entities.members())
        if (!entity->isLeaving())
            sceneOrder_.push_back(entity);
    for (auto& prop : props)
        sceneOrder_.push_back(prop.get());
    for (auto& wall : walls)
        sceneOrder_.push_back(wall.get());
    DepthOrder::sort(sceneOrder_);

    // Puddles lie under everything in the scene, so they go first; the scene is then
    // drawn straight into the window, each element blended once over what lies below.
    for (auto& puddle : waters)
        if (puddle->animation())
            puddle->draw(window, camera);
    for (IWorldPlaceable* placed : sceneOrder_)
        if (auto* drawable = dynamic_cast<IRenderable*>(placed))
            drawable->draw(window, camera);

    sf::FloatRect lightArea;
    sf::Vector2u shaded;
    if (shadeLightLayer(window, camera, lightArea, shaded))
        layLightLayer(window, camera, lightArea, shaded);
    drawDoors(window, camera);
}

void Room::layLightLayer(sf::RenderTarget& window, const Camera& camera, const sf::FloatRect& area,
                         sf::Vector2u shaded)
{
    const sf::Texture& texture = lightCanvas_->getTexture();
    const sf::Vector2f texelsPerPixel(static_cast<float>(shaded.x) / area.width,
                                      static_cast<float>(shaded.y) / area.height);
    if (!lightCullingEnabled())
    {
        sf::Sprite layer(texture, sf::IntRect(0, 0, static_cast<int>(shaded.x), static_cast<int>(shaded.y)));
        layer.setPosition(area.left, area.top);
        layer.setScale(1.f / texelsPerPixel.x, 1.f / texelsPerPixel.y);
        window.draw(layer);
        return;
    }
    // Blending a transparent layer changes nothing, yet on a software renderer it
    // costs as much as any other: the squares the layer leaves clear are left out. A
    // square's test looks two texels beyond it, as far as smoothing spreads a texel.
    const sf::Vector2f margin(2.f / texelsPerPixel.x, 2.f / texelsPerPixel.y);
    lightVertices_.clear();
    for (float top = area.top; top < area.top + area.height; top += kLightCell)
        for (float left = area.left; left < area.left + area.width; left += kLightCell)
        {
            const float right = std::min(left + kLightCell, area.left + area.width);
            const float bottom = std::min(top + kLightCell, area.top + area.height);
            const sf::FloatRect reach(left - margin.x, top - margin.y, right - left + 2.f * margin.x,
                                      bottom - top + 2.f * margin.y);
            if (lightLayerClearOver(reach, camera))
                continue;
            addPiece(lightVertices_, {left, top, right - left, bottom - top}, {area.left, area.top},
                     {1.f / texelsPerPixel.x, 1.f / texelsPerPixel.y});
        }
    if (!lightVertices_.empty())
        window.draw(lightVertices_.data(), lightVertices_.size(), sf::Triangles, sf::RenderStates(&texture));
}

bool Room::lightLayerClearOver(const sf::FloatRect& screen, const Camera& camera) const
{
    if (pictureSize_.x == 0 || pictureSize_.y == 0)
        return false;
    // The square in the room picture's pixels, as the shader sees it.
    const sf::Vector2f topLeft = camera.toScreen(position);
    const sf::Vector2f from((screen.left - topLeft.x) / camera.zoom, (screen.top - topLeft.y) / camera.zoom);
    const sf::Vector2f to(from.x + screen.width / camera.zoom, from.y + screen.height / camera.zoom);
    const sf::Vector2f size(pictureSize_);
    // The edge darkening: nothing where 2 |uv - 1/2|^2 stays at or below its start,
    // which the square's corner farthest from the middle decides.
    const float cx = std::max(std::abs(from.x / size.x - 0.5f), std::abs(to.x / size.x - 0.5f));
    const float cy = std::max(std::abs(from.y / size.y - 0.5f), std::abs(to.y / size.y - 0.5f));
    if (2.f * (cx * cx + cy * cy) >= kUnshadedMiddle * 0.99f)
        return false;
    // The pools: none whose light reaches the square.
    for (const LightSlot& slot : lights)
    {
        if (slot.colour[3] <= 0.f)
            continue;
        const float dx = std::max({from.x - slot.position.x, 0.f, slot.position.x - to.x});
        const float dy = std::max({from.y - slot.position.y, 0.f, slot.position.y - to.y});
        if (dx * dx + dy * dy < kLightRadius * kLightRadius * 1.01f)
            return false;
    }
    return true;
}

void Room::setLightCulling(bool enabled)
{
    lightCullingEnabled() = enabled;
}

void Room::setLightDownscale(unsigned factor)
{
    lightDownscale() = std::max(1u, factor);
}

void Room::setBackgroundClipping(bool enabled)
{
    backgroundClippingEnabled() = enabled;
}

bool Room::shadeLightLayer(const sf::RenderTarget& window, const Camera& camera, sf::FloatRect& area,
                           sf::Vector2u& shaded)
{
    if (!lightingLoaded_ || pictureSize_.x == 0 || pictureSize_.y == 0)
        return false;
    const sf::Vector2f topLeft = camera.toScreen(position);
    const sf::FloatRect whole(topLeft, sf::Vector2f(static_cast<float>(pictureSize_.x) * camera.zoom,
                                                    static_cast<float>(pictureSize_.y) * camera.zoom));
    const sf::View& view = window.getView();
    const sf::FloatRect visible(view.getCenter() - view.getSize() / 2.f, view.getSize());
    if (!whole.intersects(visible, area))
        return false;
    setLightingUniforms();

    // The light layer is smooth (wide pools, a soft vignette): only the part of it on
    // screen is shaded, on a canvas a quarter of the window's size, and each texel
    // laid over a 4 x 4 block of the window. Across a block the layer changes by less
    // than a colour level, so the blocks do not show, and it costs a sixteenth of the
    // shading work, which would otherwise dominate the frame on software renderers.
    const unsigned downscale = lightDownscale();
    const sf::Vector2u canvasSize(
        static_cast<unsigned>(std::ceil(view.getSize().x / static_cast<float>(downscale))) + 1,
        static_cast<unsigned>(std::ceil(view.getSize().y / static_cast<float>(downscale))) + 1);
    if (!lightCanvas_ || lightCanvas_->getSize() != canvasSize)
    {
        lightCanvas_ = std::make_unique<sf::RenderTexture>();
        if (!lightCanvas_->create(canvasSize.x, canvasSize.y))
        {
            lightCanvas_.reset();
            return false;
        }
    }
    auto texels = [&](float pixels, unsigned most)
    { return std::clamp(static_cast<unsigned>(std::ceil(pixels / static_cast<float>(downscale))), 1u, most); };
    shaded = sf::Vector2u(texels(area.width, canvasSize.x), texels(area.height, canvasSize.y));

    // The shader reads only its texture coordinates, 0 to 1 over the whole picture:
    // the quad carries those of the visible part. It is written as shaded (no
    // blending), then laid over the scene with ordinary alpha blending.
    const sf::Vector2f from((area.left - whole.left) / whole.width, (area.top - whole.top) / whole.height);
    const sf::Vector2f to((area.left + area.width - whole.left) / whole.width,
                          (area.top + area.height - whole.top) / whole.height);
    const sf::Vector2f extent(shaded);
    const sf::Color clear = sf::Color::Transparent;
    const sf::Vertex quad[4] = {
        sf::Vertex({0.f, 0.f}, clear, {from.x, from.y}),
        sf::Vertex({extent.x, 0.f}, clear, {to.x, from.y}),
        sf::Vertex({0.f, extent.y}, clear, {from.x, to.y}),
        sf::Vertex(extent, clear, {to.x, to.y}),
    };
    sf::RenderStates shading(&lightingShader_);
    shading.blendMode = sf::BlendNone;
    lightCanvas_->draw(quad, 4, sf::TriangleStrip, shading);
    lightCanvas_->display();
    return true;
}

void Room::drawDoors(sf::RenderTarget& window, const Camera& camera)
{
    const bool cleared = isCleared();
    const Entity* walker = player();
    for (const Door& door : doors)
    {
        sf::Sprite sprite =
            TextureManager::getSprite(name + "_" + std::to_string(door.direction), ORIGIN_CENTER_X | ORIGIN_CENTER_Y);
        sprite.setPosition(camera.toScreen(door.position + door.spriteDelta));
        sprite.setScale(camera.zoom, camera.zoom);

        if (walker && door.target && cleared && floor_)
        {
            const sf::Vector2f d = walker->getPosition() - door.position;
            if (d.x * d.x + d.y * d.y < kPreviewReachSquared)
                floor_->drawExitPreview(window, camera, door, walker->screenBounds(camera));
        }

        if (!sprite.getTexture() || !isOnScreen(window, sprite.getGlobalBounds()))
            continue;
        const bool opening = door.output && cleared && (door.target || type == ROOM_BOSS) && shadersLoaded_[3];
        if (opening)
        {
            doorShader.setUniform("timer", secondsSinceCleared());
            doorShader.setUniform("texture", sf::Shader::CurrentTexture);
            window.draw(sprite, &doorShader);
        }
        else
        {
            window.draw(sprite);
        }
    }
}
