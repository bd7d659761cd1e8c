#pragma once

#include <filesystem>
#include <memory>
#include <regex>
#include <source_location>
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
    // Part of every file's stamp. Files are also painted again whenever the painter's
    // source file or the shared drawing code changes, so raising it is only needed
    // when the output changes for another reason.
    virtual int version() const = 0;
    // Further files whose content shapes the picture of `path` (a data file giving
    // its frame layout, say): a change to any of them paints the file again.
    virtual std::vector<std::string> inputs(const std::string& path) const
    {
        (void)path;
        return {};
    }
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
    // The source file each painter was registered from.
    static std::string sourceOf(const Painter* painter);
    static void add(std::unique_ptr<Painter> painter, const char* sourceFile);
    // The painters that claim the path (exactly one, when content is in order).
    static std::vector<const Painter*> claimants(const std::string& path);
};

// Declared at namespace scope in a painter's file: `static RegisterPainter<MenuPainter> reg;`
template <typename T>
struct RegisterPainter
{
    explicit RegisterPainter(std::source_location where = std::source_location::current())
    {
        PainterRegistry::add(std::make_unique<T>(), where.file_name());
    }
};
