#include "Game.h"

#include "core/Engine.h"
#include "core/GameSettings.h"
#include "core/Logger.h"
#include "core/Platform.h"
#include "core/UiText.h"
#include "editor/EditorState.h"
#include "menus/Logo.h"
#include "menus/MainMenuState.h"
#include "menus/MenuExits.h"
#include "run/RunExits.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

void Game::wire()
{
    RunExits::install(&MenuExits::instance());
    MainMenuState::setEditorOpener(&EditorState::open);
}

void Game::chooseSettingsFile(const std::filesystem::path& contentRoot)
{
    // Beside a writable content tree (a build, a developer's checkout) the settings
    // file is the tree's own; an installed tree is never written, even by root.
    if (!Platform::isInstalledContent(contentRoot) &&
        Platform::isWritable(contentRoot / std::filesystem::path(GameSettings::kDefaultFile).parent_path()))
        return;
    // An installed game's tree is read-only: the settings live in the user's folder,
    // started from the installed defaults.
    const std::filesystem::path folder = Platform::configDirectory();
    std::error_code error;
    if (!folder.empty())
        std::filesystem::create_directories(folder, error);
    if (folder.empty() || !Platform::isWritable(folder))
    {
        Logger::Warning("No writable folder for the settings: the game plays with its defaults and keeps no change");
        return;
    }
    const std::filesystem::path file = folder / "GameData.json";
    if (!std::filesystem::exists(file, error))
        std::filesystem::copy_file(contentRoot / GameSettings::kDefaultFile, file, error);
    GameSettings::setFilePath(file.string());
    Logger::Info("Settings: " + file.string());
}

void Game::start(const std::filesystem::path& contentRoot, const std::vector<std::string>& arguments)
{
    chooseSettingsFile(contentRoot);
    GameSettings settings;
    loadSettings(settings);
    // Every screen speaks the saved language, the menu preloaded below included.
    UiText::setLanguage(settings.language);
    const bool windowedAsked = std::find(arguments.begin(), arguments.end(), "--windowed") != arguments.end();
    Engine::requestWindowed(settings.windowed || windowedAsked);
    wire();
    Engine* engine = Engine::instance();
    MainMenuState::mainMenuGroup()->load();
    engine->currentState = new Logo();
}
