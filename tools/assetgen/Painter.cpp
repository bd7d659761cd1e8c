#include "Painter.h"

PatternPainter::PatternPainter(std::vector<std::string> patterns)
{
    for (const auto& pattern : patterns)
        patterns_.emplace_back(pattern);
}

bool PatternPainter::claims(const std::string& path) const
{
    for (const auto& pattern : patterns_)
        if (std::regex_match(path, pattern))
            return true;
    return false;
}

std::vector<std::unique_ptr<Painter>>& PainterRegistry::painters()
{
    static std::vector<std::unique_ptr<Painter>> list;
    return list;
}

std::vector<const Painter*> PainterRegistry::claimants(const std::string& path)
{
    std::vector<const Painter*> result;
    for (const auto& painter : painters())
        if (painter->claims(path))
            result.push_back(painter.get());
    return result;
}
