// Drawing a room: its background, its picture, the depth-ordered scene, the light
// layer and the doors, with the shaders compiled on the first frame.
#include "world/Room.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "core/DepthOrder.h"
#include "core/Logger.h"
#include "core/PictureCover.h"
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
constexpr float kLightCell = 60.f;

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
    copyShader_.load();
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

namespace
{
// Whatever lies under the opaque parts of a picture never shows. Room pictures are
// opaque but for a soft, ragged band along their edge; reading a picture back and
// sorting its squares costs a few milliseconds, once per picture.
const PictureCover& coverOf(const std::string& key, const sf::Texture& texture)
{
    static std::map<std::string, PictureCover> known;
    auto it = known.find(key);
    if (it == known.end())
        it = known.emplace(key, PictureCover::of(texture.copyToImage())).first;
    return it->second;
}
} // namespace

const PictureCover* Room::pictureCover()
{
    const sf::Texture* texture = picture.getTexture();
    if (!texture || !backgroundClippingEnabled())
        return nullptr;
    const PictureCover& cover = coverOf(pictureKey_, *texture);
    return cover.opaque.empty() ? nullptr : &cover;
}

namespace
{
// A rectangle by its four edges: pieces that meet share an edge exactly, with no
// rounding between them, so no pixel along a seam is drawn twice or left out.
struct Edges
{
    float left, top, right, bottom;

    bool empty() const { return right <= left || bottom <= top; }
    Edges within(const Edges& other) const
    {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
    }
};

Edges edgesOf(const sf::FloatRect& r)
{
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

// A textured quad over `piece` (window coordinates) of a picture whose top-left
// corner is at `origin` and which is drawn at `scale`.
void addPiece(std::vector<sf::Vertex>& vertices, const Edges& piece, sf::Vector2f origin, sf::Vector2f scale)
{
    auto corner = [&](float x, float y) {
        return sf::Vertex({x, y}, sf::Color::White, {(x - origin.x) / scale.x, (y - origin.y) / scale.y});
    };
    vertices.push_back(corner(piece.left, piece.top));
    vertices.push_back(corner(piece.right, piece.top));
    vertices.push_back(corner(piece.left, piece.bottom));
    vertices.push_back(corner(piece.right, piece.top));
    vertices.push_back(corner(piece.right, piece.bottom));
    vertices.push_back(corner(piece.left, piece.bottom));
}

// Where `part` of a room's picture (its pixels) lies on the window.
Edges partOnScreen(const sf::IntRect& part, const Camera& camera, sf::Vector2f roomPosition)
{
    const sf::Vector2f from = camera.toScreen(roomPosition + sf::Vector2f(sf::Vector2i(part.left, part.top)));
    const sf::Vector2f to =
        camera.toScreen(roomPosition + sf::Vector2f(sf::Vector2i(part.left + part.width, part.top + part.height)));
    return {from.x, from.y, to.x, to.y};
}

Edges visibleEdges(const sf::RenderTarget& target)
{
    const sf::View& view = target.getView();
    return edgesOf(sf::FloatRect(view.getCenter() - view.getSize() / 2.f, view.getSize()));
}
} // namespace

void Room::drawBackground(sf::RenderTarget& window, const Camera& camera)
{
    const sf::Texture* texture = background.getTexture();
    if (!texture)
        return;
    const sf::Vector2f textureSize(texture->getSize());
    const Edges visible = visibleEdges(window);

    // The background only shows around the picture and under the parts of it that are
    // not wholly opaque: only there is it drawn.
    const PictureCover* cover = picture.getColor().a == 255 ? pictureCover() : nullptr;
    Edges whole{};
    if (cover)
        whole = partOnScreen(sf::IntRect({0, 0}, sf::Vector2i(picture.getTexture()->getSize())), camera, position);
    auto addTile = [&](const Edges& tile, float scale)
    {
        const sf::Vector2f origin(tile.left, tile.top);
        const sf::Vector2f scales(scale, scale);
        if (!cover)
        {
            addPiece(backgroundVertices_, tile, origin, scales);
            return;
        }
        constexpr float kFar = 1e9f;
        const Edges around[4] = {{-kFar, -kFar, kFar, whole.top},
                                 {-kFar, whole.bottom, kFar, kFar},
                                 {-kFar, whole.top, whole.left, whole.bottom},
                                 {whole.right, whole.top, kFar, whole.bottom}};
        for (const Edges& band : around)
        {
            const Edges piece = tile.within(band).within(visible);
            if (!piece.empty())
                addPiece(backgroundVertices_, piece, origin, scales);
        }
        for (const sf::IntRect& part : cover->soft)
        {
            const Edges piece = tile.within(partOnScreen(part, camera, position)).within(visible);
            if (!piece.empty())
                addPiece(backgroundVertices_, piece, origin, scales);
        }
    };

    backgroundVertices_.clear();
    const sf::Shader* shader = nullptr;
    if (floorIndex_ == 2)
    {
        shader = shadersLoaded_[0] ? &treeShader : nullptr;
        addTile({0.f, 0.f, textureSize.x, textureSize.y}, 1.f);
    }
    else
    {
        shader = floorIndex_ == 1 && shadersLoaded_[4] ? &shadowShader : copyShader_.get();
        for (int i = 0; i < kBackgroundCells; ++i)
            for (int j = 0; j < kBackgroundCells; ++j)
            {
                const sf::Vector2f from = camera.toScreen({kBackgroundOrigin + kBackgroundStep * static_cast<float>(i),
                                                           kBackgroundOrigin + kBackgroundStep * static_cast<float>(j)});
                const Edges tile{from.x, from.y, from.x + textureSize.x * camera.zoom,
                                 from.y + textureSize.y * camera.zoom};
                if (!tile.within(visible).empty())
                    addTile(tile, camera.zoom);
            }
    }
    if (backgroundVertices_.empty())
        return;
    sf::RenderStates states(texture);
    states.shader = shader;
    // The background is the first thing drawn: an opaque one is copied, not blended
    // over the clear colour.
    if (coverOf(backgroundKey_, *texture).soft.empty())
        states.blendMode = sf::BlendNone;
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
    const PictureCover* cover = pictureCover();
    if (!cover || picture.getColor() != sf::Color::White ||
        picture.getTextureRect() != sf::IntRect({0, 0}, sf::Vector2i(texture->getSize())))
    {
        window.draw(picture);
        return;
    }
    // The opaque parts are copied without blending, which costs less, and only the
    // rest is blended over what lies below.
    const Edges visible = visibleEdges(window);
    const sf::Vector2f origin = camera.toScreen(position);
    const sf::Vector2f scale(camera.zoom, camera.zoom);
    auto addParts = [&](const std::vector<sf::IntRect>& parts)
    {
        pictureVertices_.clear();
        for (const sf::IntRect& part : parts)
        {
            const Edges piece = partOnScreen(part, camera, position).within(visible);
            if (!piece.empty())
                addPiece(pictureVertices_, piece, origin, scale);
        }
    };
    sf::RenderStates blend(texture);
    blend.shader = copyShader_.get();
    addParts(cover->soft);
    if (!pictureVertices_.empty())
        window.draw(pictureVertices_.data(), pictureVertices_.size(), sf::Triangles, blend);
    addParts(cover->opaque);
    sf::RenderStates copy = blend;
    copy.blendMode = sf::BlendNone;
    if (!pictureVertices_.empty())
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
            addPiece(lightVertices_, Edges{left, top, right, bottom}, {area.left, area.top},
                     {1.f / texelsPerPixel.x, 1.f / texelsPerPixel.y});
        }
    if (!lightVertices_.empty())
    {
        sf::RenderStates states(&texture);
        states.shader = copyShader_.get();
        window.draw(lightVertices_.data(), lightVertices_.size(), sf::Triangles, states);
    }
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
