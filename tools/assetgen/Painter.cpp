#include "Painter.h"

#include <map>

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

namespace
{
std::map<const Painter*, std::string>& sources()
{
    static std::map<const Painter*, std::string> map;
    return map;
}
} // namespace

std::vector<std::unique_ptr<Painter>>& PainterRegistry::painters()
{
    static std::vector<std::unique_ptr<Painter>> list;
    return list;
}

void PainterRegistry::add(std::unique_ptr<Painter> painter, const char* sourceFile)
{
    sources()[painter.get()] = sourceFile;
    painters().push_back(std::move(painter));
}

std::string PainterRegistry::sourceOf(const Painter* painter)
{
    auto it = sources().find(painter);
    return it == sources().end() ? std::string() : it->second;
}

std::vector<const Painter*> PainterRegistry::claimants(const std::string& path)
{
    std::vector<const Painter*> result;
    for (const auto& painter : painters())
        if (painter->claims(path))
            result.push_back(painter.get());
    return result;
}
