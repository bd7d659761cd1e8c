#include "core/LoadingScreen.h"

#include "core/BackgroundFailures.h"
#include "core/FontManager.h"
#include "core/Logger.h"
#include "core/UiText.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdlib>
#include <thread>

namespace
{
unsigned gThreadOverride = 0;
const sf::Color kTitleColour(255, 255, 0);
} // namespace

LoadingScreen::LoadingScreen(std::string message, GroupList input)
    : message(std::move(message)),
      animation_(kAnimationKey, kFrameWidth, kFrameHeight, kFrameCount, kFrameTime, ORIGIN_BOTTOM_LEFT)
{
    const unsigned threads = threadCount();
    // More groups than threads is no trouble: every entry is merged and dealt out anew.
    if (input.size() > threads)
        Logger::Debug("Group size should be less than " + std::to_string(threads));
    loadGroups = dealGroups(std::move(input), threads);

    // Font lookups warn on a miss; ask once, not every frame.
    if (FontManager::count() > 0)
        font_ = FontManager::getFont("Ironhelm");
    if (font_)
    {
        // The title is given in English; it is shown in the player's language.
        title_.setString(UiText::shown(UiText::translate(this->message)));
        title_.setFont(*font_);
        title_.setCharacterSize(120);
        title_.setFillColor(kTitleColour);
        title_.setPosition(48.f, 48.f);
        progress_.setFont(*font_);
        progress_.setCharacterSize(48);
        progress_.setFillColor(kTitleColour);
    }

    for (unsigned i = 0; i < loadGroups.size(); ++i)
        startLoader({loadGroups[i]->entries()}, static_cast<int>(i));
}

LoadingScreen::~LoadingScreen() = default;

GroupList LoadingScreen::dealGroups(GroupList input, unsigned threads)
{
    if (threads == 0)
        threads = 1;
    std::map<std::string, std::string> combined;
    for (const auto& group : input)
    {
        for (const auto& [key, path] : group->flatten())
        {
            // Screens share pictures (the buttons, the backdrop): the same key for the
            // same file is one texture. Only two files under one key are a fault.
            auto [at, inserted] = combined.emplace(key, path);
            if (!inserted && at->second != path)
                Logger::Warning("Key " + key + " already exists in another group");
        }
    }

    GroupList dealt;
    for (unsigned i = 0; i < threads; ++i)
        dealt.push_back(std::make_unique<TextureManager::Group>());
    std::size_t index = 0;
    for (const auto& [key, path] : combined)
        dealt[index++ % threads]->add(key, path);
    return dealt;
}

unsigned LoadingScreen::threadCount()
{
    if (gThreadOverride > 0)
        return gThreadOverride;
    // UMBRAVALE_LOADER_THREADS=n measures (or eases) loading with n threads.
    static const unsigned fromEnvironment = []
    {
        const char* text = std::getenv("UMBRAVALE_LOADER_THREADS");
        if (!text)
            return 0u;
        char* end = nullptr;
        const long value = std::strtol(text, &end, 10);
        return (end != text && *end == '\0' && value > 0 && value <= 256) ? static_cast<unsigned>(value) : 0u;
    }();
    if (fromEnvironment > 0)
        return fromEnvironment;
    return std::max(1u, std::thread::hardware_concurrency());
}

void LoadingScreen::setThreadCountOverride(unsigned threads)
{
    gThreadOverride = threads;
}

void LoadingScreen::startLoader(std::vector<std::map<std::string, std::string>> batches, int id)
{
    // The thread works on its own copy of the names, so the groups may be handed
    // over (and later destroyed) while it is still returning.
    ++*running_;
    std::thread(
        [batches = std::move(batches), id, running = running_]
        {
            try
            {
                // A key already present is the picture of a live screen (the paused
                // run behind the settings) or of the start-up: the same file, kept.
                for (const auto& batch : batches)
                    for (const auto& [key, path] : batch)
                        if (!TextureManager::isPresent(key))
                            TextureManager::loadTexture(key, path);
            }
            catch (...)
            {
                BackgroundFailures::report(std::current_exception());
            }
            Logger::Debug(std::to_string(id) + " finished!");
            --*running;
        })
        .detach();
}

std::string LoadingScreen::progressText(std::size_t loaded, std::size_t total)
{
    return UiText::get(UiText::LOADING_COUNTER) + std::to_string(loaded) + "/" + std::to_string(total);
}

std::string LoadingScreen::shownTitle() const
{
    return UiText::translate(message);
}

std::size_t LoadingScreen::totalCount() const
{
    std::size_t total = 0;
    for (const auto& group : loadGroups)
        total += group->size();
    return total;
}

std::size_t LoadingScreen::loadedCount() const
{
    std::size_t loaded = 0;
    for (const auto& group : loadGroups)
        loaded += group->loadedCount();
    return loaded;
}

void LoadingScreen::update(float frameTime)
{
    animation_.step(frameTime);
    for (const auto& group : loadGroups)
        if (!group->isLoaded())
            return;
    handOver();
}

void LoadingScreen::draw(sf::RenderWindow& window)
{
    window.clear(sf::Color(41, 12, 14, 255));
    const float height = window.getView().getSize().y;
    if (font_)
    {
        window.draw(title_);
        // The counter's words change only when a texture arrives.
        const std::size_t loaded = loadedCount(), total = totalCount();
        if (loaded != shownLoaded_ || total != shownTotal_)
        {
            shownLoaded_ = loaded;
            shownTotal_ = total;
            progress_.setString(UiText::shown(progressText(loaded, total)));
        }
        progress_.setPosition(145.f, height - 96.f - progress_.getGlobalBounds().height);
        window.draw(progress_);
    }
    sf::Sprite& figure = animation_.frameSprite();
    figure.setPosition(36.f, height - 48.f);
    figure.setRotation(0.f);
    figure.setScale(0.5f, 0.5f);
    window.draw(figure);
}

void LoadingScreen::handleInput() {}

void LoadingScreen::handleEvent(const sf::Event& event)
{
    // Reload on P. Ignored while a loader still runs: a reload overlapping the first
    // load could replace a texture the next screen has already started to draw.
    if (event.type != sf::Event::KeyPressed || event.key.code != sf::Keyboard::P || loading())
        return;
    std::vector<std::map<std::string, std::string>> batches;
    for (const auto& group : loadGroups)
    {
        group->unload();
        batches.push_back(group->entries());
    }
    startLoader(std::move(batches), static_cast<int>(loadGroups.size()));
}
