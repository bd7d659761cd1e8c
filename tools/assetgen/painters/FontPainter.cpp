// The three game fonts, copied from Debian's font packages under the names the game loads.

#include "Fonts.h"
#include "Painter.h"

#include <map>
#include <stdexcept>

namespace
{
class FontPainter : public PatternPainter
{
public:
    FontPainter() : PatternPainter({R"(Assets/Fonts/.*)"}) {}
    std::string name() const override { return "fonts"; }
    int version() const override { return 1; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        static const std::map<std::string, std::string> sources = {
            {"Assets/Fonts/IRONHELM.TTF", fonts::kTitle},
            {"Assets/Fonts/WARBRUSH.TTF", fonts::kBrush},
            {"Assets/Fonts/Spiritual Ritual.otf", fonts::kRitual},
        };
        auto it = sources.find(path);
        if (it == sources.end())
            throw std::runtime_error("no source font for this file");
        std::filesystem::copy_file(it->second, output, std::filesystem::copy_options::overwrite_existing);
    }
};

RegisterPainter<FontPainter> registration;
} // namespace
