#pragma once

#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

// One family of content (menus, the player, fonts…): it claims the paths it
// owns and paints each one into a file. Every file the game names must be
// claimed by exactly one painter.
class Painter
{
public:
    virtual ~Painter() = default;

    virtual std::string name() const = 0;
    // Raise it whenever the painter's output changes, so its files are painted again.
    virtual int version() const = 0;
    virtual bool claims(const std::string& path) const = 0;
    // Writes the file for `path` (an "Assets/…" path) to `output`.
    virtual void paint(const std::string& path, const std::filesystem::path& output) const = 0;
};

// A painter that claims the paths matching any of its patterns.
class PatternPainter : public Painter
{
public:
    explicit PatternPainter(std::vector<std::string> patterns);
    bool claims(const std::string& path) const override;

private:
    std::vector<std::regex> patterns_;
};

class PainterRegistry
{
public:
    static std::vector<std::unique_ptr<Painter>>& painters();
    // The painters that claim the path (exactly one, when content is in order).
    static std::vector<const Painter*> claimants(const std::string& path);
};

// Declared at namespace scope in a painter's file: `static RegisterPainter<MenuPainter> reg;`
template <typename T>
struct RegisterPainter
{
    RegisterPainter() { PainterRegistry::painters().push_back(std::make_unique<T>()); }
};
